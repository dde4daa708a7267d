// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/extended_portable.h"

#include <cmath>

#include <mpfr.h>

namespace calc::inline VARNELO_CALC_BACKEND {
namespace {

using Raw = PortableBackend::Raw;

constexpr mpfr_prec_t kPrecision = 64;
// MPFR writes a value as 0.1xxx * 2^e: the largest extended value is just below 2^16384, the
// smallest subnormal 2^-16445 = 0.1 * 2^-16444.
constexpr mpfr_exp_t kMinExponent = -16444;
constexpr mpfr_exp_t kMaxExponent = 16384;

static_assert(sizeof(mpfr_exp_t) == sizeof(long));
static_assert(sizeof(mp_limb_t) * ((kPrecision + GMP_NUMB_BITS - 1) / GMP_NUMB_BITS)
              == sizeof(std::uint64_t));

int KindOf(const Raw &a) noexcept { return a.kind < 0 ? -a.kind : a.kind; }

// MPFR's exponent range belongs to the thread; every thread that computes sets it once.
void EnsureExtendedRange() noexcept
{
    thread_local const bool set = (mpfr_set_emin(kMinExponent), mpfr_set_emax(kMaxExponent), true);
    (void)set;
}

// A read-only MPFR view of a value; MPFR's custom interface takes the significand as void *.
class View {
public:
    explicit View(const Raw &a) noexcept
    {
        mpfr_custom_init_set(x_, a.kind, a.exponent, kPrecision,
                             const_cast<std::uint64_t *>(&a.significand));
    }
    mpfr_srcptr get() const noexcept { return x_; }

private:
    mpfr_t x_;
};

// A result being written into a Raw.
class Result {
public:
    Result() noexcept
    {
        EnsureExtendedRange();
        mpfr_custom_init(&raw_.significand, kPrecision);
        mpfr_custom_init_set(x_, MPFR_ZERO_KIND, 0, kPrecision, &raw_.significand);
    }
    mpfr_ptr get() noexcept { return x_; }
    // Rounds once more to the subnormal grid where the value is that small, and hands it over.
    Raw Done(int ternary) noexcept
    {
        raw_.kind = mpfr_custom_get_kind(x_);
        raw_.exponent = mpfr_custom_get_exp(x_);
        if (raw_.exponent < kMinExponent + kPrecision - 1 && KindOf(raw_) == MPFR_REGULAR_KIND) {
            mpfr_subnormalize(x_, ternary, MPFR_RNDN);
            raw_.kind = mpfr_custom_get_kind(x_);
            raw_.exponent = mpfr_custom_get_exp(x_);
        }
        return raw_;
    }

private:
    Raw raw_{};
    mpfr_t x_;
};

template <class Operation>
Raw Unary(Operation operation, const Raw &a) noexcept
{
    Result r;
    return r.Done(operation(r.get(), View(a).get(), MPFR_RNDN));
}

template <class Operation>
Raw Binary(Operation operation, const Raw &a, const Raw &b) noexcept
{
    Result r;
    return r.Done(operation(r.get(), View(a).get(), View(b).get(), MPFR_RNDN));
}

// Of two finite values: negative, zero or positive as a is below, equal to or above b (zeros
// of either sign are equal): by sign, then by magnitude.
int Compare(const Raw &a, const Raw &b) noexcept
{
    const int signA = PortableBackend::IsZero(a) ? 0 : (a.kind < 0 ? -1 : 1);
    const int signB = PortableBackend::IsZero(b) ? 0 : (b.kind < 0 ? -1 : 1);
    if (signA != signB || signA == 0)
        return signA - signB;
    const int magnitude = a.exponent != b.exponent ? (a.exponent < b.exponent ? -1 : 1)
        : a.significand != b.significand           ? (a.significand < b.significand ? -1 : 1)
                                                   : 0;
    return signA * magnitude;
}

} // namespace

Raw PortableBackend::FromDouble(double v) noexcept
{
    // A finite double is exact at 64 bits; with 64-bit limbs its significand is written
    // directly, as MPFR keeps it (the top bit set), which spares mpfr_set_d's general path.
    if constexpr (GMP_NUMB_BITS == 64) {
        if (v != 0 && std::isfinite(v)) {
            int exponent = 0;
            const double fraction = std::frexp(std::fabs(v), &exponent);  // in [0.5, 1)
            return {static_cast<std::uint64_t>(std::ldexp(fraction, 64)), exponent,
                    std::signbit(v) ? -MPFR_REGULAR_KIND : MPFR_REGULAR_KIND};
        }
    }
    Result r;
    return r.Done(mpfr_set_d(r.get(), v, MPFR_RNDN));
}

Raw PortableBackend::FromInt(int v) noexcept { return FromDouble(v); }

Raw PortableBackend::Quotient(long long n, long long d) noexcept
{
    // One rounding: numerator and denominator are exact at 64 bits.
    Result numerator;
    Result denominator;
    mpfr_set_sj(numerator.get(), n, MPFR_RNDN);
    mpfr_set_sj(denominator.get(), d, MPFR_RNDN);
    Result r;
    return r.Done(mpfr_div(r.get(), numerator.get(), denominator.get(), MPFR_RNDN));
}

Raw PortableBackend::Nearest(const char *text)
{
    Result r;
    return r.Done(mpfr_strtofr(r.get(), text, nullptr, 0, MPFR_RNDN));
}

Raw PortableBackend::Infinity() noexcept
{
    Result r;
    mpfr_set_inf(r.get(), 1);
    return r.Done(0);
}

Raw PortableBackend::NotANumber() noexcept
{
    Result r;
    mpfr_set_nan(r.get());
    return r.Done(0);
}

bool PortableBackend::IsFinite(const Raw &a) noexcept
{
    return KindOf(a) == MPFR_REGULAR_KIND || KindOf(a) == MPFR_ZERO_KIND;
}
bool PortableBackend::IsNaN(const Raw &a) noexcept { return KindOf(a) == MPFR_NAN_KIND; }
bool PortableBackend::IsZero(const Raw &a) noexcept { return KindOf(a) == MPFR_ZERO_KIND; }
bool PortableBackend::SignBit(const Raw &a) noexcept { return a.kind < 0; }
double PortableBackend::ToDouble(const Raw &a) noexcept
{
    return mpfr_get_d(View(a).get(), MPFR_RNDN);
}

Raw PortableBackend::Negate(const Raw &a) noexcept { return Unary(mpfr_neg, a); }
Raw PortableBackend::Add(const Raw &a, const Raw &b) noexcept
{
    return Binary(mpfr_add, a, b);
}
Raw PortableBackend::Subtract(const Raw &a, const Raw &b) noexcept
{
    return Binary(mpfr_sub, a, b);
}
Raw PortableBackend::Multiply(const Raw &a, const Raw &b) noexcept
{
    return Binary(mpfr_mul, a, b);
}
Raw PortableBackend::Divide(const Raw &a, const Raw &b) noexcept
{
    return Binary(mpfr_div, a, b);
}

bool PortableBackend::Less(const Raw &a, const Raw &b) noexcept
{
    return IsFinite(a) && IsFinite(b) ? Compare(a, b) < 0
                                      : mpfr_less_p(View(a).get(), View(b).get());
}

bool PortableBackend::LessOrEqual(const Raw &a, const Raw &b) noexcept
{
    return IsFinite(a) && IsFinite(b) ? Compare(a, b) <= 0
                                      : mpfr_lessequal_p(View(a).get(), View(b).get());
}

bool PortableBackend::Equal(const Raw &a, const Raw &b) noexcept
{
    return IsFinite(a) && IsFinite(b) ? Compare(a, b) == 0
                                      : mpfr_equal_p(View(a).get(), View(b).get());
}

Raw PortableBackend::NearestWhole(const Raw &a) noexcept
{
    // MPFR_RNDN rounds a halfway case to the even whole number.
    Result r;
    return r.Done(mpfr_rint(r.get(), View(a).get(), MPFR_RNDN));
}

long long PortableBackend::ToInt64(const Raw &a) noexcept
{
    return mpfr_get_sj(View(a).get(), MPFR_RNDN);
}

int PortableBackend::BinaryExponent(const Raw &a) noexcept { return static_cast<int>(a.exponent); }

// The limbs, least significant first, fill the 64 bits as one number on a little-endian
// processor, and are that number on one with 64-bit limbs.
std::uint64_t PortableBackend::Significand(const Raw &a) noexcept { return a.significand; }

Raw PortableBackend::Log(const Raw &a) noexcept { return Unary(mpfr_log, a); }
Raw PortableBackend::Exp(const Raw &a) noexcept { return Unary(mpfr_exp, a); }
Raw PortableBackend::Log10(const Raw &a) noexcept { return Unary(mpfr_log10, a); }

Raw PortableBackend::Floor(const Raw &a) noexcept
{
    Result r;
    return r.Done(mpfr_floor(r.get(), View(a).get()));
}

} // namespace calc
