// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The portable back end of Extended: GNU MPFR at a 64-bit precision, with the extended
// format's exponent range and subnormals, rounding to nearest with ties to even. A value is
// kept in MPFR's custom form (kind, exponent, significand) so that it copies like a number and
// needs no allocation; each operation is one correctly rounded MPFR call.

#include <cstdint>

#include "calc/backend.h"

#define VARNELO_EXTENDED_CONSTEXPR

namespace calc::inline VARNELO_CALC_BACKEND::ext {

struct Raw {
    std::uint64_t significand;  // MPFR's limbs of a 64-bit precision number
    long exponent;
    int kind;  // MPFR's kind, negative for a negative value
};

Raw FromDouble(double v) noexcept;
Raw FromInt(int v) noexcept;
Raw Quotient(long long n, long long d) noexcept;
Raw Nearest(const char *text);
Raw Infinity() noexcept;
Raw NotANumber() noexcept;

bool IsFinite(const Raw &a) noexcept;
bool IsNaN(const Raw &a) noexcept;
bool IsZero(const Raw &a) noexcept;
bool SignBit(const Raw &a) noexcept;
double ToDouble(const Raw &a) noexcept;

Raw Negate(const Raw &a) noexcept;
Raw Add(const Raw &a, const Raw &b) noexcept;
Raw Subtract(const Raw &a, const Raw &b) noexcept;
Raw Multiply(const Raw &a, const Raw &b) noexcept;
Raw Divide(const Raw &a, const Raw &b) noexcept;
// Comparisons; false where either value is not a number.
bool Less(const Raw &a, const Raw &b) noexcept;
bool LessOrEqual(const Raw &a, const Raw &b) noexcept;
bool Equal(const Raw &a, const Raw &b) noexcept;

Raw NearestWhole(const Raw &a) noexcept;
long long ToInt64(const Raw &a) noexcept;
int BinaryExponent(const Raw &a) noexcept;
std::uint64_t Significand(const Raw &a) noexcept;

// Correctly rounded.
Raw Log(const Raw &a) noexcept;
Raw Exp(const Raw &a) noexcept;
Raw Log10(const Raw &a) noexcept;
Raw Floor(const Raw &a) noexcept;

} // namespace calc::ext
