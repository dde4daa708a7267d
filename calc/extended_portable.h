// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The portable back end of Extended: GNU MPFR at a 64-bit precision, with the extended
// format's exponent range and subnormals, rounding to nearest with ties to even. A value is
// kept in MPFR's custom form (kind, exponent, significand) so that it copies like a number and
// needs no allocation; each operation is one correctly rounded MPFR call.

#include <cstdint>

#include "calc/backend.h"
#include "calc/extended_backend.h"

#define VARNELO_EXTENDED_CONSTEXPR

namespace calc::inline VARNELO_CALC_BACKEND {

struct PortableBackend {
    struct Raw {
        std::uint64_t significand;  // MPFR's limbs of a 64-bit precision number
        long exponent;
        int kind;  // MPFR's kind, negative for a negative value
    };

    static Raw FromDouble(double v) noexcept;
    static Raw FromInt(int v) noexcept;
    static Raw Quotient(long long n, long long d) noexcept;
    static Raw Nearest(const char *text);
    static Raw Infinity() noexcept;
    static Raw NotANumber() noexcept;

    static bool IsFinite(const Raw &a) noexcept;
    static bool IsNaN(const Raw &a) noexcept;
    static bool IsZero(const Raw &a) noexcept;
    static bool SignBit(const Raw &a) noexcept;
    static double ToDouble(const Raw &a) noexcept;

    static Raw Negate(const Raw &a) noexcept;
    static Raw Add(const Raw &a, const Raw &b) noexcept;
    static Raw Subtract(const Raw &a, const Raw &b) noexcept;
    static Raw Multiply(const Raw &a, const Raw &b) noexcept;
    static Raw Divide(const Raw &a, const Raw &b) noexcept;
    // Comparisons; false where either value is not a number.
    static bool Less(const Raw &a, const Raw &b) noexcept;
    static bool LessOrEqual(const Raw &a, const Raw &b) noexcept;
    static bool Equal(const Raw &a, const Raw &b) noexcept;

    static Raw NearestWhole(const Raw &a) noexcept;
    static long long ToInt64(const Raw &a) noexcept;
    static int BinaryExponent(const Raw &a) noexcept;
    static std::uint64_t Significand(const Raw &a) noexcept;

    // Correctly rounded.
    static Raw Log(const Raw &a) noexcept;
    static Raw Exp(const Raw &a) noexcept;
    static Raw Log10(const Raw &a) noexcept;
    static Raw Floor(const Raw &a) noexcept;
};

static_assert(ExtendedBackend<PortableBackend>);

} // namespace calc
