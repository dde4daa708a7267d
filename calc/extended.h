// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The extended format every calculation runs in: a 64-bit significand, a 15-bit exponent with
// its subnormals, rounding to nearest with ties to even. Two back ends give it: the x87 unit's
// own long double on x86-64, and GNU MPFR set to the same precision and range everywhere else
// (or on x86-64 with VARNELO_PORTABLE_EXTENDED). Both give the same value for every operation
// below except Ln and Exp, which agree to within a unit in the last place.
//
// Extended itself checks nothing but division and comparison: a fault shows as an infinity or
// a not-a-number value and is raised where the value is stored, compared or rounded (see
// fparith.h), as the x87 unit does with its exceptions masked.

#include <cstdint>
#include <string>

#include "calc/backend.h"
#include "calc/fraction.h"

#if VARNELO_PORTABLE_EXTENDED
#include "calc/extended_portable.h"
#else
#include "calc/extended_x87.h"
#endif

namespace calc::inline VARNELO_CALC_BACKEND {

class Extended;

// The faults, out of line: they are the cold end of every checked operation.
namespace fp {
[[noreturn, gnu::cold, gnu::noinline]] void RaiseInvalidOp();
[[noreturn, gnu::cold, gnu::noinline]] void RaiseZeroDivide();
[[noreturn, gnu::cold, gnu::noinline]] void RaiseOverflow();
// Raises the fault behind a value that is not finite: an infinity is an overflow, and so is
// a not-a-number value that an earlier overflow led to; any other one is an invalid operation.
[[noreturn, gnu::cold, gnu::noinline]] void RaiseFaultOf(const Extended &value);
} // namespace fp

class Extended {
public:
    // Constant expressions on the x87 back end, so that constants fold into the arithmetic.
    VARNELO_EXTENDED_CONSTEXPR Extended(double value) noexcept : raw_(ext::FromDouble(value)) {}
    VARNELO_EXTENDED_CONSTEXPR Extended(int value) noexcept : raw_(ext::FromInt(value)) {}
    explicit VARNELO_EXTENDED_CONSTEXPR Extended(Fraction f) noexcept
        : raw_(ext::Quotient(f.numerator, f.denominator))
    {
    }

    // The extended value nearest to a decimal or hexadecimal number text ("1e4608", "0x1p-63");
    // for constants and tests.
    static Extended Nearest(const char *text) { return Extended(ext::Nearest(text)); }
    static Extended Infinity() noexcept { return Extended(ext::Infinity()); }
    static Extended NotANumber() noexcept { return Extended(ext::NotANumber()); }

    bool IsFinite() const noexcept { return ext::IsFinite(raw_); }
    bool IsNaN() const noexcept { return ext::IsNaN(raw_); }
    bool IsZero() const noexcept { return ext::IsZero(raw_); }
    bool SignBit() const noexcept { return ext::SignBit(raw_); }
    // The exact value as text, "-0x<64-bit significand>p<exponent>" (value = significand *
    // 2^exponent), "0", "-0", "inf", "-inf" or "nan": the same on both back ends.
    std::string ExactText() const;
    // The double nearest to the value, without the overflow check of fp::Store.
    double ApproximateDouble() const noexcept { return ext::ToDouble(raw_); }

    Extended operator-() const noexcept { return Extended(ext::Negate(raw_)); }
    friend Extended operator+(const Extended &a, const Extended &b)
    {
        return Extended(ext::Add(a.raw_, b.raw_));
    }
    friend Extended operator-(const Extended &a, const Extended &b)
    {
        return Extended(ext::Subtract(a.raw_, b.raw_));
    }
    friend Extended operator*(const Extended &a, const Extended &b)
    {
        return Extended(ext::Multiply(a.raw_, b.raw_));
    }
    // A finite number divided by zero is raised here; the quotient would be used otherwise.
    friend Extended operator/(const Extended &a, const Extended &b)
    {
        if (__builtin_expect(b.IsZero(), 0) && a.IsFinite()) {
            if (a.IsZero())
                fp::RaiseInvalidOp();
            fp::RaiseZeroDivide();
        }
        return Extended(ext::Divide(a.raw_, b.raw_));
    }

    // Comparisons raise the fault behind an operand that is not finite.
    friend bool operator<(const Extended &a, const Extended &b)
    {
        return ext::Less(a.Checked().raw_, b.Checked().raw_);
    }
    friend bool operator<=(const Extended &a, const Extended &b)
    {
        return ext::LessOrEqual(a.Checked().raw_, b.Checked().raw_);
    }
    friend bool operator>(const Extended &a, const Extended &b) { return b < a; }
    friend bool operator>=(const Extended &a, const Extended &b) { return b <= a; }
    friend bool operator==(const Extended &a, const Extended &b)
    {
        return ext::Equal(a.Checked().raw_, b.Checked().raw_);
    }

    // The value itself; the fault behind it when it is not finite.
    const Extended &Checked() const
    {
        if (__builtin_expect(!IsFinite(), 0))
            fp::RaiseFaultOf(*this);
        return *this;
    }

    const ext::Raw &raw() const noexcept { return raw_; }
    explicit Extended(const ext::Raw &raw) noexcept : raw_(raw) {}

private:

    ext::Raw raw_;
};

} // namespace calc
