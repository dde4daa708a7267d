// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

#include "calc/backend.h"
#include "calc/numbers.h"

// The extended value nearest to a number text, the same on both back ends.
inline calc::Extended X(const char *text) { return calc::Extended::Nearest(text); }

namespace calc::inline VARNELO_CALC_BACKEND {
// Failure messages show an extended value as the program would write it, with ".".
inline void PrintTo(const Extended &value, std::ostream *os)
{
    const char mark = LocaleDecimalMark();
    SetLocaleDecimalMark('.');
    *os << NumberToText(value);
    SetLocaleDecimalMark(mark);
}
} // namespace calc
