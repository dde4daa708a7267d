// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/cleaning.h"

#include "calc/errors.h"
#include "calc/numbers.h"

namespace calc::inline VARNELO_CALC_BACKEND {
namespace {

bool IsKeptAlways(char c) { return (c >= '0' && c <= '9') || c == '-' || c == 'E' || c == 'e'; }
bool IsSeparator(char c) { return c == '.' || c == ','; }

// Keeps the characters that can form a number and the first decimal separator of either kind.
std::string FilterNumberCharacters(const std::string &text)
{
    std::string kept;
    bool separatorKept = false;
    for (const char c : text) {
        if (IsKeptAlways(c)) {
            kept += c;
        } else if (IsSeparator(c) && !separatorKept) {
            kept += c;
            separatorKept = true;
        }
    }
    return kept.empty() ? "0" : kept;
}

bool Converts(const std::string &text)
{
    try {
        TextToNumber(text);
        return true;
    } catch (const EConvertError &) {
        return false;
    }
}

} // namespace

std::string provercifr(std::string text)
{
    std::string result = substr(".", ",", FilterNumberCharacters(text));
    if (!Converts(result))
        result = substr(",", ".", result);
    return result;
}

std::string substr(std::string search, std::string replacement, std::string text)
{
    if (search.empty() || search == replacement)
        return text;
    // Each pass searches from the start again, so "aa" -> "a" in "aaaa" gives "a". When the
    // replacement holds the search text that would never end: then one pass left to right.
    const bool replacementHoldsSearch = replacement.find(search) != std::string::npos;
    std::size_t from = 0;
    for (auto at = text.find(search); at != std::string::npos; at = text.find(search, from)) {
        text.replace(at, search.size(), replacement);
        from = replacementHoldsSearch ? at + replacement.size() : 0;
    }
    return text;
}

} // namespace calc
