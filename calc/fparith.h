// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checked extended arithmetic. Every operation runs in the x87 extended format. A fault
// never escapes into a stored or used value: a division by zero is raised at the division,
// and a value that is not finite is raised where it is stored as a double, compared or
// rounded, which ends the expression that produced it. Underflow, denormals and inexact
// results stay silent. The checks depend on the values themselves, so the optimiser cannot
// move them away from the arithmetic they guard.
//
// Sums, differences and products are left unchecked on purpose: the program's expressions
// combine at most a handful of doubles (each below 2^1024 and nonzero ones above 2^-1075), so
// no intermediate can leave the extended range (above 2^16383) on the way; what can leave it
// is a store into a double, which is checked.

#include <cmath>

namespace calc::fp {

[[noreturn]] void RaiseInvalidOp();
[[noreturn]] void RaiseZeroDivide();
[[noreturn]] void RaiseOverflow();
// Raises the fault behind a value that is not finite: an infinity is an overflow, and so is
// a not-a-number value that an earlier overflow led to; any other one is an invalid operation.
[[noreturn]] void RaiseFaultOf(long double value);

inline bool IsFinite(long double value)
{
    // value - value is 0 exactly for finite values: one subtraction and one comparison.
    return value - value == 0;
}

inline long double Checked(long double value)
{
    if (__builtin_expect(!IsFinite(value), 0))
        RaiseFaultOf(value);
    return value;
}

class Ext {
public:
    constexpr Ext(long double value) noexcept : value_(value) {}
    constexpr long double value() const noexcept { return value_; }

    friend Ext operator+(Ext a, Ext b) { return a.value_ + b.value_; }
    friend Ext operator-(Ext a, Ext b) { return a.value_ - b.value_; }
    friend Ext operator*(Ext a, Ext b) { return a.value_ * b.value_; }
    friend Ext operator/(Ext a, Ext b)
    {
        if (__builtin_expect(b.value_ == 0, 0) && IsFinite(a.value_)) {
            if (a.value_ == 0)
                RaiseInvalidOp();
            RaiseZeroDivide();
        }
        return a.value_ / b.value_;
    }

    friend bool operator<(Ext a, Ext b) { return Checked(a.value_) < Checked(b.value_); }
    friend bool operator<=(Ext a, Ext b) { return Checked(a.value_) <= Checked(b.value_); }
    friend bool operator>(Ext a, Ext b) { return Checked(a.value_) > Checked(b.value_); }
    friend bool operator>=(Ext a, Ext b) { return Checked(a.value_) >= Checked(b.value_); }
    friend bool operator==(Ext a, Ext b) { return Checked(a.value_) == Checked(b.value_); }

private:
    long double value_;
};

// Stores an extended value as a double; a finite value beyond the double range overflows.
inline double Store(Ext x)
{
    const double stored = static_cast<double>(x.value());
    if (__builtin_expect(!(stored - stored == 0), 0))
        RaiseFaultOf(IsFinite(x.value()) ? HUGE_VALL : x.value());
    return stored;
}

// The nearest whole number, ties to even, kept in extended; EInvalidOp unless it lies in the
// signed 64-bit range. Adding and taking away 2^63 rounds in the unit's own mode (64-bit
// significand, nearest, ties to even), without a change of rounding mode.
inline long double RoundToWhole(long double value)
{
    constexpr long double kTwoTo63 = 0x1p63L;
    long double rounded = 0;
    // Not-a-number values and infinities fail both tests and are out of range too.
    if (value >= 0 && value < kTwoTo63)
        rounded = (value + kTwoTo63) - kTwoTo63;
    else if (value < 0 && value >= -kTwoTo63)
        rounded = (value - kTwoTo63) + kTwoTo63;
    else
        RaiseInvalidOp();
    if (rounded == kTwoTo63)
        RaiseInvalidOp();
    return rounded;
}

// x rounded to the decimals of `scale` (10^n): whole(x * scale) / scale, in extended.
inline Ext RoundedToScale(Ext x, long double scale)
{
    return Ext(RoundToWhole((x * scale).value())) / scale;
}

// Natural logarithm: invalid for a negative or not-a-number argument, a division by zero for 0.
Ext Ln(Ext x);

// e raised to x: overflows beyond the extended range; underflow gives 0 silently.
Ext Exp(Ext x);

} // namespace calc::fp
