// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// An exact ratio of two whole numbers; the calculation takes its nearest extended value.
struct Fraction {
    long long numerator;
    long long denominator;

    // The nearest double, for drawing.
    constexpr double AsDouble() const { return double(numerator) / double(denominator); }
};

} // namespace calc
