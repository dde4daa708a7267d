// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The x87 back end of Extended: long double is the unit's 80-bit format, and the unit's mode
// (fpmode.h) gives the 64-bit significand and rounding to nearest. Everything inlines.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "calc/backend.h"
#include "calc/extended_backend.h"

static_assert(std::numeric_limits<long double>::digits == 64
                  && std::numeric_limits<long double>::max_exponent == 16384,
              "The x87 back end needs long double to be the 80-bit extended format");

#define VARNELO_EXTENDED_CONSTEXPR constexpr

namespace calc::inline VARNELO_CALC_BACKEND {

struct X87Backend {
    // From 2^63 up every extended value is whole.
    static constexpr long double kTwoTo63 = 0x1p63L;

    using Raw = long double;

    static constexpr Raw FromDouble(double v) noexcept { return v; }
    static constexpr Raw FromInt(int v) noexcept { return v; }
    static constexpr Raw Quotient(long long n, long long d) noexcept
    {
        return static_cast<long double>(n) / static_cast<long double>(d);
    }
    static Raw Nearest(const char *text) { return std::strtold(text, nullptr); }
    static constexpr Raw Infinity() noexcept
    {
        return std::numeric_limits<long double>::infinity();
    }
    static constexpr Raw NotANumber() noexcept
    {
        return std::numeric_limits<long double>::quiet_NaN();
    }

    // value - value is 0 exactly for finite values: one subtraction and one comparison.
    static bool IsFinite(Raw a) noexcept { return a - a == 0; }
    static bool IsNaN(Raw a) noexcept { return a != a; }
    static bool IsZero(Raw a) noexcept { return a == 0; }
    static bool SignBit(Raw a) noexcept { return std::signbit(a); }
    static double ToDouble(Raw a) noexcept { return static_cast<double>(a); }

    static Raw Negate(Raw a) noexcept { return -a; }
    static Raw Add(Raw a, Raw b) noexcept { return a + b; }
    static Raw Subtract(Raw a, Raw b) noexcept { return a - b; }
    static Raw Multiply(Raw a, Raw b) noexcept { return a * b; }
    static Raw Divide(Raw a, Raw b) noexcept { return a / b; }
    // Comparisons; false where either value is not a number.
    static bool Less(Raw a, Raw b) noexcept { return a < b; }
    static bool LessOrEqual(Raw a, Raw b) noexcept { return a <= b; }
    static bool Equal(Raw a, Raw b) noexcept { return a == b; }

    // A finite value rounded to a whole number, ties to even; |a| below 2^63. Adding and
    // taking away 2^63 rounds in the unit's own mode, without a change of rounding mode.
    static Raw NearestWhole(Raw a) noexcept
    {
        return a >= 0 ? (a + kTwoTo63) - kTwoTo63 : (a - kTwoTo63) + kTwoTo63;
    }
    // A whole value within the signed 64-bit range. Stored in the unit's own rounding mode,
    // exact for a whole value: a C conversion would switch the mode to truncation and back,
    // two control-word loads that cost more than the rest of a number's writing.
    static long long ToInt64(Raw a) noexcept
    {
        long long whole;
        asm("fistpll %0" : "=m"(whole) : "t"(a) : "st");
        return whole;
    }
    // The binary exponent e with 2^(e-1) <= |a| < 2^e, of a finite non-zero value.
    static int BinaryExponent(Raw a) noexcept
    {
        int e = 0;
        (void)std::frexp(a, &e);
        return e;
    }
    // The 64-bit significand of a finite non-zero value, its top bit set (with
    // BinaryExponent: |a| = significand * 2^(exponent - 64)).
    static std::uint64_t Significand(Raw a) noexcept
    {
        int e = 0;
        return static_cast<std::uint64_t>(std::ldexp(std::frexp(std::fabs(a), &e), 64));
    }

    // glibc's x87 logl and expl: within a unit in the last place, not always correctly rounded.
    static Raw Log(Raw a) noexcept { return std::log(a); }
    static Raw Exp(Raw a) noexcept { return std::exp(a); }
    static Raw Log10(Raw a) noexcept { return std::log10(a); }
    // The largest whole value not above a, without a change of rounding mode (see ToInt64):
    // zero keeps its sign.
    static Raw Floor(Raw a) noexcept
    {
        if (!(std::fabs(a) < kTwoTo63) || a == 0)
            return a;
        const Raw nearest = NearestWhole(a);
        return nearest > a ? nearest - 1 : nearest;
    }
};

static_assert(ExtendedBackend<X87Backend>);

} // namespace calc
