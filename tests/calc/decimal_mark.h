// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include "calc/numbers.h"

// Runs a test with a given decimal mark and puts the previous one back afterwards.
class WithDecimalMark {
public:
    explicit WithDecimalMark(char mark) : previous_(calc::LocaleDecimalMark())
    {
        calc::SetLocaleDecimalMark(mark);
    }
    ~WithDecimalMark() { calc::SetLocaleDecimalMark(previous_); }
    WithDecimalMark(const WithDecimalMark &) = delete;
    WithDecimalMark &operator=(const WithDecimalMark &) = delete;

private:
    char previous_;
};

// Test parameter for the suites that run once with "," and once with ".".
inline std::string MarkName(const testing::TestParamInfo<char> &info)
{
    return info.param == ',' ? "Comma" : "Point";
}

// Writes a text made with "," in the given mark.
inline std::string WithMark(std::string text, char mark)
{
    for (char &c : text)
        if (c == ',')
            c = mark;
    return text;
}
