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
#include "calc/faults.h"
#include "calc/fraction.h"

#if VARNELO_PORTABLE_EXTENDED
#include "calc/extended_portable.h"
#else
#include "calc/extended_x87.h"
#endif

namespace calc::inline VARNELO_CALC_BACKEND {

// The back end this core is built on (backend.h); both give ExtendedBackend.
#if VARNELO_PORTABLE_EXTENDED
using Backend = PortableBackend;
#else
using Backend = X87Backend;
#endif


class Extended {
public:
    // Constant expressions on the x87 back end, so that constants fold into the arithmetic.
    VARNELO_EXTENDED_CONSTEXPR Extended(double value) noexcept : raw_(Backend::FromDouble(value)) {}
    VARNELO_EXTENDED_CONSTEXPR Extended(int value) noexcept : raw_(Backend::FromInt(value)) {}
    explicit VARNELO_EXTENDED_CONSTEXPR Extended(Fraction f) noexcept
        : raw_(Backend::Quotient(f.numerator, f.denominator))
    {
    }

    // The extended value nearest to a decimal or hexadecimal number text ("1e4608", "0x1p-63");
    // for constants and tests.
    static Extended Nearest(const char *text) { return Extended(Backend::Nearest(text)); }
    static Extended Infinity() noexcept { return Extended(Backend::Infinity()); }
    static Extended NotANumber() noexcept { return Extended(Backend::NotANumber()); }

    bool IsFinite() const noexcept { return Backend::IsFinite(raw_); }
    bool IsNaN() const noexcept { return Backend::IsNaN(raw_); }
    bool IsZero() const noexcept { return Backend::IsZero(raw_); }
    bool SignBit() const noexcept { return Backend::SignBit(raw_); }
    // The exact value as text, "-0x<64-bit significand>p<exponent>" (value = significand *
    // 2^exponent), "0", "-0", "inf", "-inf" or "nan": the same on both back ends.
    std::string ExactText() const;
    // The double nearest to the value, without the overflow check of fp::Store.
    double ApproximateDouble() const noexcept { return Backend::ToDouble(raw_); }

    Extended operator-() const noexcept { return Extended(Backend::Negate(raw_)); }
    friend Extended operator+(const Extended &a, const Extended &b)
    {
        return Extended(Backend::Add(a.raw_, b.raw_));
    }
    friend Extended operator-(const Extended &a, const Extended &b)
    {
        return Extended(Backend::Subtract(a.raw_, b.raw_));
    }
    friend Extended operator*(const Extended &a, const Extended &b)
    {
        return Extended(Backend::Multiply(a.raw_, b.raw_));
    }
    // A finite number divided by zero is raised here; the quotient would be used otherwise.
    friend Extended operator/(const Extended &a, const Extended &b)
    {
        if (__builtin_expect(b.IsZero(), 0) && a.IsFinite()) {
            if (a.IsZero())
                fp::RaiseInvalidOp();
            fp::RaiseZeroDivide();
        }
        return Extended(Backend::Divide(a.raw_, b.raw_));
    }

    // Comparisons raise the fault behind an operand that is not finite.
    friend bool operator<(const Extended &a, const Extended &b)
    {
        return Backend::Less(a.Checked().raw_, b.Checked().raw_);
    }
    friend bool operator<=(const Extended &a, const Extended &b)
    {
        return Backend::LessOrEqual(a.Checked().raw_, b.Checked().raw_);
    }
    friend bool operator>(const Extended &a, const Extended &b) { return b < a; }
    friend bool operator>=(const Extended &a, const Extended &b) { return b <= a; }
    friend bool operator==(const Extended &a, const Extended &b)
    {
        return Backend::Equal(a.Checked().raw_, b.Checked().raw_);
    }

    // The value itself; the fault behind it when it is not finite.
    const Extended &Checked() const
    {
        if (__builtin_expect(!IsFinite(), 0))
            fp::RaiseFaultOf(*this);
        return *this;
    }

private:
    friend struct RawAccess;
    explicit Extended(const Backend::Raw &raw) noexcept : raw_(raw) {}

    Backend::Raw raw_;
};

// The back end's value inside an Extended, and an Extended made from one, for the few
// operations built on the back end directly: the checked functions of fparith.h
// (fp::RoundToWhole, fp::Ln, fp::Exp) and the decimal conversions of numbers.cpp. Everything
// else computes through Extended itself.
struct RawAccess {
    static const Backend::Raw &Of(const Extended &x) noexcept { return x.raw_; }
    static Extended From(const Backend::Raw &raw) noexcept { return Extended(raw); }
};

} // namespace calc
