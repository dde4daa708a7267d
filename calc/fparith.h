// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checked extended arithmetic. Every operation runs in the extended format (extended.h). A
// fault never escapes into a stored or used value: a division by zero is raised at the
// division, and a value that is not finite is raised where it is stored as a double, compared
// or rounded, which ends the expression that produced it. Underflow, denormals and inexact
// results stay silent. The checks depend on the values themselves, so the optimiser cannot
// move them away from the arithmetic they guard.
//
// Sums, differences and products are left unchecked on purpose: the program's expressions
// combine at most a handful of doubles (each below 2^1024 and nonzero ones above 2^-1075), so
// no intermediate can leave the extended range (above 2^16383) on the way; what can leave it
// is a store into a double, which is checked.

#include "calc/backend.h"
#include "calc/extended.h"

namespace calc::inline VARNELO_CALC_BACKEND::fp {

// Stores an extended value as a double; a finite value beyond the double range overflows.
inline double Store(const Extended &x)
{
    const double stored = x.ApproximateDouble();
    if (__builtin_expect(!(stored - stored == 0), 0))
        RaiseFaultOf(x.IsFinite() ? Extended::Infinity() : x);
    return stored;
}

// The nearest whole number, ties to even, kept in extended; EInvalidOp unless it lies in the
// signed 64-bit range. Values that are not finite fail both tests and are out of range too.
inline Extended RoundToWhole(const Extended &value)
{
    // Compared in the back end: Extended's comparisons would raise the fault behind a value
    // that is not finite.
    const Backend::Raw &raw = RawAccess::Of(value);
    const Backend::Raw twoTo63 = Backend::FromDouble(0x1p63);  // exactly a double
    // By sign first, as the x87 nearest whole goes on: each side tests its one bound (testing
    // both bounds before the sign made a sizing run 4 % slower).
    const bool inRange = Backend::LessOrEqual(Backend::FromInt(0), raw)
        ? Backend::Less(raw, twoTo63)
        : Backend::LessOrEqual(Backend::Negate(twoTo63), raw);
    if (!inRange)
        RaiseInvalidOp();
    const Backend::Raw rounded = Backend::NearestWhole(raw);
    if (Backend::Equal(rounded, twoTo63))
        RaiseInvalidOp();
    return RawAccess::From(rounded);
}

// x rounded to the decimals of `scale` (10^n): whole(x * scale) / scale, in extended.
inline Extended RoundedToScale(const Extended &x, const Extended &scale)
{
    return RoundToWhole(x * scale) / scale;
}

// Natural logarithm: invalid for a negative or not-a-number argument, a division by zero for 0.
Extended Ln(const Extended &x);

// e raised to x: overflows beyond the extended range; underflow gives 0 silently.
Extended Exp(const Extended &x);

} // namespace calc::fp
