// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The working a sizing run hands out: the figures worked through by hand for the defaults and
// for a boiler side that decides, the reason for each way the search can end, and that every
// count's check agrees with the count the run found.

#include <limits>

#include <gtest/gtest.h>

#include "calc/calc.h"
#include "decimal_mark.h"
#include "sizing_inputs.h"

using namespace calc;
using namespace sizing_rows;

namespace {

SizingWorking WorkingOf(const SizingInputs &inputs)
{
    SizingResults results;
    SizingWorking working;
    EXPECT_EQ(SizeMixingUnit(inputs, results, &working), SizingOutcome::Computed);
    return working;
}

TEST(SizingWorking, DefaultsRecirculationDecidesAndElevenFails)
{
    const SizingWorking w = WorkingOf(Inputs(70, 50, 5, "80", 150, Willo25_6));
    EXPECT_EQ(w.heatTableValue, 1314);
    EXPECT_EQ(w.heatProduct, 80 * 1314 * 10);
    EXPECT_NEAR(w.circuitFlow, 3.0128976, 1e-7);
    EXPECT_EQ(w.friction.velocity, 0.444223);
    EXPECT_NEAR(w.friction.reynolds, 0.444223 * 0.012 / 0.61e-6, 1e-9);
    EXPECT_EQ(w.friction.regime, FlowRegime::Smooth);  // 4000 < Re 8738.8 <= 10 d/e = 12000
    EXPECT_EQ(w.friction.head, 2.1942);
    EXPECT_EQ(w.boilerDifference, 25);
    EXPECT_NEAR(w.boilerShare, 0.2, 1e-15);
    EXPECT_NEAR(w.recirculationShare, 0.8, 1e-15);
    EXPECT_NEAR(w.boilerFlow + w.recirculationFlow, w.circuitFlow, 1e-15);
    EXPECT_EQ(w.pump.atZeroHead, 4);
    const CountCheck &ten = w.AtCount(10);
    EXPECT_LT(ten.boilerLoss, ten.recirculationLoss);
    EXPECT_EQ(ten.unitLoss, ten.recirculationLoss);
    EXPECT_NEAR(ten.totalHead, 3.0485, 1e-12);
    EXPECT_NEAR(ten.pumpFlow, 1.96767, 5e-6);
    EXPECT_NEAR(ten.capacity, 10.88, 5e-3);
    EXPECT_NEAR(w.AtCount(11).capacity, 10.22, 5e-3);
    EXPECT_EQ(w.circuitsFound, 10);
    EXPECT_EQ(w.reason, CountReason::NextFails);
}

TEST(SizingWorking, BoilerSideDecidesWithTheAllowance)
{
    const SizingWorking w = WorkingOf(Inputs(60, 50, 5, "80", 150, Willo25_6));
    EXPECT_NEAR(w.boilerShare, 1.0 / 3, 1e-15);
    const CountCheck &ten = w.AtCount(10);
    EXPECT_NEAR(ten.boilerLoss, 1.09011, 1e-12);
    EXPECT_EQ(ten.recirculationLoss, 0.5932);
    EXPECT_EQ(ten.unitLoss, ten.boilerLoss);
    EXPECT_NEAR(ten.capacity, 10.015, 5e-4);
    EXPECT_NEAR(w.AtCount(11).capacity, 9.17, 5e-3);
    EXPECT_EQ(w.reason, CountReason::NextFails);
}

TEST(SizingWorking, EachWayTheSearchEnds)
{
    const SizingWorking ceiling = WorkingOf(Inputs(70, 50, 5, "10", 150, Willo25_6));
    EXPECT_EQ(ceiling.circuitsFound, 50);
    EXPECT_EQ(ceiling.reason, CountReason::MostCircuits);
    const SizingWorking none = WorkingOf(Inputs(70, 50, 5, "150", 150, Willo25_6));
    EXPECT_EQ(none.circuitsFound, 1);
    EXPECT_EQ(none.reason, CountReason::NonePasses);
    EXPECT_FALSE(none.AtCount(1).passes);
    EXPECT_LT(none.AtCount(1).pumpFlow, 0);  // 12.9178 m is beyond the pump's 6 m
    const SizingWorking equal = WorkingOf(Inputs(50, 50, 5, "80", 150, Willo25_6));
    EXPECT_EQ(equal.recirculationShare, 0);
    EXPECT_EQ(equal.AtCount(50).recirculationLoss, 0);
}

// A length of 1e-310 m gives a flow so small that the pump could feed more circuits than a
// double counts: the working shows that capacity as infinite, and the run still computes.
TEST(SizingWorking, ACapacityBeyondADoubleIsInfinite)
{
    const SizingInputs in = Inputs(70, 50, 5, "1E-310", 150, Willo25_6);
    SizingResults plain;
    SizeMixingUnit(in, plain);
    SizingResults results;
    SizingWorking w;
    ASSERT_EQ(SizeMixingUnit(in, results, &w), SizingOutcome::Computed);
    EXPECT_EQ(Texts(results), Texts(plain));
    EXPECT_EQ(w.AtCount(kMostCircuits).capacity, std::numeric_limits<double>::infinity());
    EXPECT_EQ(w.reason, CountReason::MostCircuits);
}

// For every list combination at lengths that end the search each way: counts up to the one
// found pass and the rest fail, each pass is the strict comparison with its capacity, each
// head is the friction head plus the larger branch, and the pump line gives each flow.
TEST(SizingWorking, EveryCountsCheckAgreesWithTheCountFound)
{
    WithDecimalMark guard(',');
    for (const char *length : {"10", "33,333", "80", "150"})
        for (int boiler = 0; boiler < int(kBoilerTemperatures.Size()); ++boiler)
            for (int set = 0; set < int(kSetTemperatures.Size()); ++set)
                for (int drop = 0; drop < 2; ++drop)
                    for (int pitch = 0; pitch < 3; ++pitch)
                        for (int pump = 0; pump < 3; ++pump) {
                            if (kBoilerTemperatures.ValueAt(boiler) < kSetTemperatures.ValueAt(set))
                                continue;
                            const SizingWorking w =
                                WorkingOf({boiler, set, drop, length, pitch, 0, pump});
                            const double a = w.pump.atZeroHead;
                            const double k = w.pump.slope.AsDouble();
                            for (int i = 1; i <= kMostCircuits; ++i) {
                                const CountCheck &c = w.AtCount(i);
                                SCOPED_TRACE(testing::Message() << length << " " << boiler << set
                                                                << drop << pitch << pump << " n=" << i);
                                EXPECT_EQ(c.passes, i <= w.circuitsFound && w.reason != CountReason::NonePasses);
                                EXPECT_EQ(c.passes, i < c.capacity);
                                EXPECT_EQ(c.unitLoss, std::max(c.boilerLoss, c.recirculationLoss));
                                EXPECT_NEAR(c.totalHead, w.friction.head + c.unitLoss, 1e-12);
                                EXPECT_NEAR(c.pumpFlow, a - k * c.totalHead, 1e-12);
                            }
                        }
}

} // namespace
