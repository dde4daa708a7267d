// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/hydraulics.h"

#include "calc/errors.h"
#include "calc/formulas.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"
#include "calc/numbers.h"

namespace calc::inline VARNELO_CALC_BACKEND {

using fp::Store;

namespace formulas {
namespace {

// Each the extended value nearest to the decimal.
const Extended kPi(Fraction{314, 100});  // two decimals, as the formulas were calibrated
const Extended kBlasius(Fraction{3164, 10000});
const Extended kAltshul(Fraction{11, 100});
const Extended kGravity(Fraction{981, 100});  // doubled where a loss divides by 2g: exact
constexpr int kLaminarLimit = 2300;
constexpr int kTransitionLimit = 4000;

double RoundedTo(const Extended &x, double scale) { return Store(fp::RoundedToScale(x, scale)); }

struct FactorAndRegime {
    double factor = 0;
    FlowRegime regime = FlowRegime::None;
};

// The friction factor for a Reynolds number: five tests in order, the last that holds decides.
// A laminar Reynolds number is rounded first, and the rounded one is the one used after.
FactorAndRegime FrictionFactor(double &re, double d, double e)
{
    FactorAndRegime f;  // a negative Reynolds number (backward flow) matches no rule
    if (re <= kLaminarLimit) {
        re = RoundedTo(re, 1e9);
        if (re > 0)
            f = {Store(Extended(70) / re), FlowRegime::Laminar};
    }
    if (re > kLaminarLimit && re <= kTransitionLimit)
        f = {Store(kBlasius / stepen(re, 0.25)), FlowRegime::Transition};
    const Extended smoothLimit = Extended(10) * d / e;
    const Extended roughLimit = Extended(560) * d / e;
    if (re > kTransitionLimit && Extended(re) <= smoothLimit)
        f = {Store(kBlasius / stepen(re, 0.25)), FlowRegime::Smooth};
    if (Extended(re) > smoothLimit && Extended(re) <= roughLimit)
        f = {Store(kAltshul * stepen(Store(Extended(e) / d + Extended(68) / re), 0.25)),
             FlowRegime::Mixed};
    if (Extended(re) > roughLimit)
        f = {Store(kAltshul * stepen(Store(Extended(e) / d), 0.25)), FlowRegime::Rough};
    return f;
}

} // namespace

double funskorost(double flow, double diameter)
{
    double v = 0;  // no flow through a pipe without a (positive) diameter
    if (diameter > 0)
        v = Store(Extended(4) * flow / 60000 / (kPi * diameter * diameter));
    return RoundedTo(v, 1e6);
}

double formulkms(double flow, double diameter, double zeta)
{
    const double v = funskorost(flow, Store(Extended(diameter) / 1000));
    return mintoch(Store(Extended(zeta) * v * v / (2 * kGravity)));
}

FrictionWorking FrictionOf(double roughness, double viscosity, double flow, double diameter,
                           double length)
{
    FrictionWorking w;
    const double d = Store(Extended(diameter) / 1000);
    w.velocity = funskorost(flow, d);
    if (viscosity > 0)  // no Reynolds number without a (positive) viscosity
        w.reynolds = Store(Extended(w.velocity) * d / (Extended(viscosity) / 1000000));
    const double e = Store(Extended(roughness) / 1000);
    const FactorAndRegime f = FrictionFactor(w.reynolds, d, e);
    w.frictionFactor = f.factor;
    w.regime = f.regime;
    const double v = w.velocity;
    w.head = mintoch(Store(Extended(length) * v * v * f.factor / (Extended(d) * 2 * kGravity)));
    return w;
}


double stepen(double base, double exponent)
{
    return Store(fp::Exp(Extended(exponent) * fp::Ln(base)));
}

double mintoch(double value)
{
    try {
        return RoundedTo(value, 1e4);
    } catch (const EMathError &) {
        return value;
    }
}

} // namespace formulas

// The entry points: each holds the calculation's mode while it computes.

double funskorost(double flow, double diameter)
{
    const CalculationScope scope;
    return formulas::funskorost(flow, diameter);
}

double formulkms(double flow, double diameter, double zeta)
{
    const CalculationScope scope;
    return formulas::formulkms(flow, diameter, zeta);
}

FrictionWorking FrictionOf(double roughness, double viscosity, double flow, double diameter,
                           double length)
{
    const CalculationScope scope;
    return formulas::FrictionOf(roughness, viscosity, flow, diameter, length);
}

double formul(double roughness, double viscosity, double flow, double diameter, double length)
{
    return FrictionOf(roughness, viscosity, flow, diameter, length).head;
}

double stepen(double base, double exponent)
{
    const CalculationScope scope;
    return formulas::stepen(base, exponent);
}

double mintoch(double value)
{
    const CalculationScope scope;
    return formulas::mintoch(value);
}

} // namespace calc
