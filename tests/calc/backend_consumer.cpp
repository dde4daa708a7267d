// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A program that uses the core as a packager's own code would: compiled by hand against the
// headers, with or without VARNELO_PORTABLE_EXTENDED, and linked with a core archive. It prints
// the seven results of the default inputs.
#include <cstdio>

#include "calc/calc.h"

int main()
{
    calc::SetLocaleDecimalMark('.');
    calc::SizingResults results;
    calc::SizeMixingUnit(calc::SizingInputs{}, results);
    const char *separator = "";
    for (const calc::ResultField field : calc::kResultOrder) {
        std::printf("%s%s", separator, calc::NumberToText(*(results.*field)).c_str());
        separator = " ";
    }
    std::printf("\n%s\n", calc::NumberToText(calc::TextToNumber("0.1")).c_str());
}
