// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/hydraulics.h"

#include "calc/errors.h"
#include "calc/fparith.h"
#include "calc/numbers.h"

namespace calc::inline VARNELO_CALC_BACKEND {

using fp::Ext;
using fp::Store;

namespace {

// Each the extended value nearest to the decimal.
const Ext kPi(Fraction{314, 100});  // two decimals, as the formulas were calibrated
const Ext kBlasius(Fraction{3164, 10000});
const Ext kAltshul(Fraction{11, 100});
const Ext kGravity(Fraction{981, 100});  // doubled where a loss divides by 2g: exact
constexpr int kLaminarLimit = 2300;
constexpr int kTransitionLimit = 4000;

double RoundedTo(const Ext &x, double scale) { return Store(fp::RoundedToScale(x, scale)); }

// The friction factor for a Reynolds number: five tests in order, the last that holds decides.
double FrictionFactor(double re, double d, double e)
{
    double lambda = 0;  // a negative Reynolds number (backward flow) matches no rule
    if (re <= kLaminarLimit) {
        re = RoundedTo(re, 1e9);
        if (re > 0)
            lambda = Store(Ext(70) / re);
    }
    if (re > kLaminarLimit && re <= kTransitionLimit)
        lambda = Store(kBlasius / stepen(re, 0.25));
    const Ext smoothLimit = Ext(10) * d / e;
    const Ext roughLimit = Ext(560) * d / e;
    if (re > kTransitionLimit && Ext(re) <= smoothLimit)
        lambda = Store(kBlasius / stepen(re, 0.25));
    if (Ext(re) > smoothLimit && Ext(re) <= roughLimit)
        lambda = Store(kAltshul * stepen(Store(Ext(e) / d + Ext(68) / re), 0.25));
    if (Ext(re) > roughLimit)
        lambda = Store(kAltshul * stepen(Store(Ext(e) / d), 0.25));
    return lambda;
}

} // namespace

double funskorost(double flow, double diameter)
{
    double v = 0;  // no flow through a pipe without a (positive) diameter
    if (diameter > 0)
        v = Store(Ext(4) * flow / 60000 / (kPi * diameter * diameter));
    return RoundedTo(v, 1e6);
}

double formulkms(double flow, double diameter, double zeta)
{
    const double v = funskorost(flow, Store(Ext(diameter) / 1000));
    return mintoch(Store(Ext(zeta) * v * v / (2 * kGravity)));
}

double formul(double roughness, double viscosity, double flow, double diameter, double length)
{
    const double d = Store(Ext(diameter) / 1000);
    const double v = funskorost(flow, d);
    double re = 0;  // no Reynolds number without a (positive) viscosity
    if (viscosity > 0)
        re = Store(Ext(v) * d / (Ext(viscosity) / 1000000));
    const double e = Store(Ext(roughness) / 1000);
    const double lambda = FrictionFactor(re, d, e);
    return mintoch(Store(Ext(length) * v * v * lambda / (Ext(d) * 2 * kGravity)));
}

double stepen(double base, double exponent)
{
    return Store(fp::Exp(Ext(exponent) * fp::Ln(base)));
}

double mintoch(double value)
{
    try {
        return RoundedTo(value, 1e4);
    } catch (const EMathError &) {
        return value;
    }
}

} // namespace calc
