// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/apptitle.h"

namespace calc::inline VARNELO_CALC_BACKEND {
namespace {

// Lower case for ASCII letters and for the Cyrillic capitals U+0400..U+042F, which stay
// two bytes long in UTF-8; every other character is kept as it is.
void LowerCaseInPlace(std::string &text, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        auto &c = reinterpret_cast<unsigned char &>(text[i]);
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<unsigned char>(c + ('a' - 'A'));
        } else if ((c == 0xD0) && i + 1 < text.size()) {
            auto &next = reinterpret_cast<unsigned char &>(text[i + 1]);
            if (next >= 0x80 && next <= 0x8F) {          // Ѐ..Џ -> ѐ..џ (U+0450..U+045F)
                c = 0xD1;
                next = static_cast<unsigned char>(next + 0x10);
            } else if (next >= 0x90 && next <= 0x9F) {   // А..П -> а..п
                next = static_cast<unsigned char>(next + 0x20);
            } else if (next >= 0xA0 && next <= 0xAF) {   // Р..Я -> р..я (U+0440..U+044F)
                c = 0xD1;
                next = static_cast<unsigned char>(next - 0x20);
            }
            ++i;
        }
    }
}

std::size_t FirstCharacterLength(const std::string &text)
{
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return length < text.size() ? length : text.size();
}

} // namespace

std::string ApplicationTitle(std::string_view executablePath)
{
    const auto slash = executablePath.find_last_of('/');
    std::string_view name =
        slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    LowerCaseInPlace(title, FirstCharacterLength(title));
    return title;
}

} // namespace calc
