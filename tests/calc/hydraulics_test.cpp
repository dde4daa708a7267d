// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "../fpmode_probe.h"
#include "calc/errors.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"
#include "calc/hydraulics.h"

using namespace calc;

namespace {

constexpr double kRoughness = 0.01;
constexpr double kViscosity = 0.61;
constexpr double kDiameter = 12;

struct FrictionRow {
    const char *name;
    double flow;
    double velocity;
    double result;
};

class FormulRows : public testing::TestWithParam<FrictionRow> {};
void PrintTo(const FrictionRow &row, std::ostream *os) { *os << row.name; }

TEST_P(FormulRows, EightyMetreCircuit)
{
    const auto &row = GetParam();
    EXPECT_EQ(funskorost(row.flow, 0.012), row.velocity);
    EXPECT_EQ(formul(kRoughness, kViscosity, row.flow, kDiameter, 80), row.result);
}

INSTANTIATE_TEST_SUITE_P(
    Regimes, FormulRows,
    testing::Values(FrictionRow{"LaminarSeventyOverRe", 0.5, 0.07372, 0.0891},
                    FrictionRow{"TransitionBlasius", 1, 0.14744, 0.3185},
                    FrictionRow{"SmoothBlasius", 2, 0.294881, 1.0712},
                    FrictionRow{"MixedAltshul", 5, 0.737202, 5.5374}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Funskorost, RoundsToSixDecimals)
{
    EXPECT_EQ(funskorost(1, 0.012), 0.14744);
    EXPECT_EQ(funskorost(10, 0.025), 0.339703);
    EXPECT_EQ(funskorost(0, 0.012), 0);
    EXPECT_EQ(funskorost(5, 0), 0);
    EXPECT_EQ(funskorost(5, -0.012), 0);
    EXPECT_EQ(funskorost(-1, 0.012), -0.14744);
}

TEST(Funskorost, AnUnroundableVelocityIsAnInvalidOperation)
{
    EXPECT_THROW(funskorost(1e30, 0.012), EInvalidOp);
}

TEST(Formulkms, WorkedValues)
{
    EXPECT_EQ(formulkms(10, 25, 175), 1.0293);
    EXPECT_EQ(formulkms(10, 25, 25), 0.147);
    EXPECT_EQ(formulkms(20, 25, 175), 4.1172);
    EXPECT_EQ(formulkms(20, 25, 25), 0.5882);
    EXPECT_EQ(formulkms(0, 25, 175), 0);
    EXPECT_EQ(formulkms(10, 0, 175), 0);
    EXPECT_EQ(formulkms(-10, 25, 175), 1.0293);  // a backward flow loses the same head
}

TEST(Formul, LaterRuleDecidesInARoughPipe)
{
    // Re 1450.23 lies below 2300 and above 10 d/e = 600: the mixed-friction rule wins.
    EXPECT_EQ(formul(0.2, kViscosity, 0.5, kDiameter, 10), 0.0127);
    // Re 580.09 lies below 600: the laminar rule stands.
    EXPECT_EQ(formul(0.2, kViscosity, 0.2, kDiameter, 10), 0.0045);
}

// A pipe in which every limit is exact: d = 1000 mm (1 m), viscosity 10^6 mm²/s (1 m²/s), so
// Re equals the velocity; roughness 1000/1024 mm, so d/e = 1024, 10 d/e = 10240 and
// 560 d/e = 573440. A flow of 47100 Re l/min has velocity Re.
constexpr double kWideDiameter = 1000;
constexpr double kThickViscosity = 1e6;
constexpr double kCoarseRoughness = 0.9765625;
constexpr double kRelativeRoughness = 1.0 / 1024;

double LossAtReynolds(double re)
{
    return formul(kCoarseRoughness, kThickViscosity, re * 47100, kWideDiameter, 1);
}

// The loss of 1 m of that pipe with a given friction factor, as formul forms it.
double LossWithFactor(double re, double lambda)
{
    return mintoch(fp::Store(Extended(re) * re * lambda / (Extended(1.0) * 2 * Extended(Fraction{981, 100}))));
}

double Laminar(double re) { return fp::Store(Extended(70) / re); }
double Blasius(double re) { return fp::Store(Extended(Fraction{3164, 10000}) / stepen(re, 0.25)); }
double Altshul(double re)
{
    return fp::Store(Extended(Fraction{11, 100}) * stepen(fp::Store(Extended(kRelativeRoughness) + Extended(68) / re), 0.25));
}
double Shifrinson() { return fp::Store(Extended(Fraction{11, 100}) * stepen(kRelativeRoughness, 0.25)); }

TEST(Formul, EachLimitBelongsToTheRuleBelowIt)
{
    struct Limit {
        double re;
        double atLimit;     // friction factor of the rule that must decide at the limit
        double aboveLimit;  // and just above it
    };
    const double step = 1e-6;  // the velocity's last decimal
    const Limit limits[] = {
        {2300, Laminar(2300), Blasius(2300 + step)},
        {4000, Blasius(4000), Blasius(4000 + step)},
        {10240, Blasius(10240), Altshul(10240 + step)},
        {573440, Altshul(573440), Shifrinson()},
    };
    for (const auto &limit : limits) {
        EXPECT_EQ(LossAtReynolds(limit.re), LossWithFactor(limit.re, limit.atLimit)) << limit.re;
        EXPECT_EQ(LossAtReynolds(limit.re + step), LossWithFactor(limit.re + step, limit.aboveLimit))
            << limit.re;
    }
    // The rules really differ there, so the checks above tell them apart.
    EXPECT_NE(LossWithFactor(2300, Laminar(2300)), LossWithFactor(2300, Blasius(2300)));
    EXPECT_NE(LossWithFactor(10240, Blasius(10240)), LossWithFactor(10240, Altshul(10240)));
    EXPECT_NE(LossWithFactor(573440, Altshul(573440)), LossWithFactor(573440, Shifrinson()));
}

// The working names the rule that decided, with the Reynolds number and factor it used.
TEST(FrictionOf, NamesTheRuleThatDecidedAtEachLimit)
{
    struct Row {
        double re;
        FlowRegime regime;
        double factor;
    };
    const double step = 1e-6;
    const Row rows[] = {
        {-5, FlowRegime::None, 0},
        {0, FlowRegime::None, 0},
        {2300, FlowRegime::Laminar, Laminar(2300)},
        {2300 + step, FlowRegime::Transition, Blasius(2300 + step)},
        {4000, FlowRegime::Transition, Blasius(4000)},
        {4000 + step, FlowRegime::Smooth, Blasius(4000 + step)},
        {10240, FlowRegime::Smooth, Blasius(10240)},
        {10240 + step, FlowRegime::Mixed, Altshul(10240 + step)},
        {573440, FlowRegime::Mixed, Altshul(573440)},
        {573440 + step, FlowRegime::Rough, Shifrinson()},
    };
    for (const Row &row : rows) {
        const FrictionWorking w =
            FrictionOf(kCoarseRoughness, kThickViscosity, row.re * 47100, kWideDiameter, 1);
        EXPECT_EQ(w.velocity, row.re) << row.re;
        EXPECT_EQ(w.reynolds, row.re) << row.re;
        EXPECT_EQ(w.regime, row.regime) << row.re;
        EXPECT_EQ(w.frictionFactor, row.factor) << row.re;
        EXPECT_EQ(w.head, LossAtReynolds(row.re)) << row.re;
    }
    // In a rough pipe the mixed-friction rule overrides a laminar Reynolds number below 2300.
    EXPECT_EQ(FrictionOf(0.2, kViscosity, 0.5, kDiameter, 10).regime, FlowRegime::Mixed);
    EXPECT_EQ(FrictionOf(0.2, kViscosity, 0.2, kDiameter, 10).regime, FlowRegime::Laminar);
}

TEST(Formul, ZeroFlowOrViscosityLosesNothing)
{
    EXPECT_EQ(formul(kRoughness, kViscosity, 0, kDiameter, 80), 0);
    EXPECT_EQ(formul(kRoughness, 0, 5, kDiameter, 80), 0);
    EXPECT_EQ(formul(kRoughness, -0.61, 5, kDiameter, 80), 0);
}

TEST(Formul, BackwardFlowHasNoFrictionFactor)
{
    EXPECT_EQ(formul(kRoughness, kViscosity, -3, kDiameter, 80), 0);
}

TEST(Formul, FaultsOfTheGeometry)
{
    EXPECT_THROW(formul(0, kViscosity, 5, kDiameter, 80), EZeroDivide);
    EXPECT_THROW(formul(0, kViscosity, 0, kDiameter, 80), EZeroDivide);
    EXPECT_THROW(formul(0, kViscosity, 5, 0, 80), EInvalidOp);
    EXPECT_THROW(formul(kRoughness, kViscosity, 5, 0, 80), EInvalidOp);
}

TEST(Mintoch, RoundsToFourDecimalsTiesToEven)
{
    EXPECT_EQ(mintoch(0.03125), 0.0312);
    EXPECT_EQ(mintoch(0.09375), 0.0938);
    EXPECT_EQ(mintoch(1.0 / 3), 0.3333);
    EXPECT_EQ(mintoch(-0.03125), -0.0312);
}

TEST(Mintoch, ReturnsWhatItCannotRoundUnchanged)
{
    EXPECT_EQ(mintoch(1e15), 1e15);
    EXPECT_EQ(mintoch(1e300), 1e300);
    EXPECT_TRUE(std::isinf(mintoch(std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(mintoch(std::numeric_limits<double>::quiet_NaN())));
    EXPECT_TRUE(fpmode_probe::CalculationModeInForce());
}

TEST(Stepen, PowerThroughLogarithm)
{
    EXPECT_NEAR(stepen(16, 0.25), 2, 1e-15);
    EXPECT_NEAR(stepen(2, 10), 1024, 1e-12);
    try {
        stepen(0, 0.25);
        FAIL();
    } catch (const EZeroDivide &e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        stepen(-1, 0.25);
        FAIL();
    } catch (const EInvalidOp &e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
    EXPECT_THROW(stepen(10, 400), EOverflow);
    EXPECT_EQ(stepen(10, -400), 0);  // underflow is silent
}

} // namespace
