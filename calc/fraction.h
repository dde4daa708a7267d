// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calc {

// An exact ratio of two whole numbers; the calculation takes its nearest extended value.
struct Fraction {
    long long numerator;
    long long denominator;

    // The nearest double, for drawing.
    constexpr double AsDouble() const { return double(numerator) / double(denominator); }
};

} // namespace calc
