// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <string>
#include <string_view>
#include <vector>

#include "../fpmode_probe.h"
#include "calc/calc.h"
#include "decimal_mark.h"
#include "sizing_inputs.h"

using namespace calc;
using namespace sizing_rows;

namespace {

struct WorkedCase {
    const char *name;
    SizingInputs inputs;
    Boxes expected;  // flow, resistance, circuits, manifold, kW, W/m², m² written with ","
};

const WorkedCase kWorkedCases[] = {
    {"Defaults", Inputs(70, 50, 5, "80", 150, Willo25_6),
     {"3,01", "0,85", "10", "2,1942", "10,51", "87,6", "120"}},
    {"SmallerPump", Inputs(70, 50, 5, "80", 150, Willo25_4),
     {"3,01", "0,31", "6", "2,1942", "6,31", "87,6", "72"}},
    {"LargerPump", Inputs(70, 50, 5, "80", 150, Willo25_8),
     {"3,01", "1,67", "14", "2,1942", "14,72", "87,6", "168"}},
    {"TenKelvinDrop", Inputs(70, 50, 10, "80", 150, Willo25_6),
     {"1,33", "1,79", "29", "0,5245", "26,91", "77,33", "348"}},
    {"BoilerSideLarger", Inputs(60, 50, 5, "80", 150, Willo25_6),
     {"3,01", "1,09", "10", "2,1942", "10,51", "87,6", "120"}},
    {"EqualTemperatures", Inputs(50, 50, 5, "80", 150, Willo25_6),
     {"3,01", "1,57", "4", "2,1942", "4,2", "87,6", "48"}},
    {"LowSetTemperature", Inputs(70, 35, 5, "80", 150, Willo25_6),
     {"0,94", "1,91", "44", "0,2834", "14,36", "27,2", "528"}},
    {"HotNarrowPitch", Inputs(90, 60, 5, "60", 100, Willo25_8),
     {"2,57", "2,06", "17", "1,2468", "15,25", "149,5", "102"}},
    {"CeilingOfFifty", Inputs(70, 50, 5, "10", 150, Willo25_6),
     {"0,38", "0,33", "50", "0,0084", "6,57", "87,6", "75"}},
    // No count passes: one circuit, and the unit resistance of that one circuit.
    {"PumpCannotFeedOne", Inputs(70, 50, 5, "150", 150, Willo25_6),
     {"5,65", "0,03", "1", "12,9178", "1,97", "87,6", "22,5"}},
    {"LengthTypedWithUnit", Inputs(70, 50, 5, " 80 м", 150, Willo25_6),
     {"3,01", "0,85", "10", "2,1942", "10,51", "87,6", "120"}},
    {"LengthWithOtherSeparator", Inputs(70, 50, 5, "80.0", 150, Willo25_6),
     {"3,01", "0,85", "10", "2,1942", "10,51", "87,6", "120"}},
    // Lengths with decimals: 20 x 47.253 x 0.2 = 189.012 m², 35 x 33.333 x 0.15 = 174.99825 m².
    {"DecimalsWidePitch", Inputs(60, 45, 5, "47,253", 200, Willo25_4),
     {"1,61", "0,85", "20", "0,4317", "11,22", "59,35", "189,01"}},
    {"DecimalsWidePitchTenKelvin", Inputs(80, 50, 10, "12,345", 200, Willo25_8),
     {"0,24", "0,12", "50", "0,0066", "8,43", "68,3", "123,45"}},
    {"AreaRoundsUpToWhole", Inputs(70, 50, 5, "33,333", 150, Willo25_6),
     {"1,26", "1,82", "35", "0,1976", "15,33", "87,6", "175"}},
    // Areas of three decimals, 4 x 83.37 x 0.15 = 50.022, 22 x 50.23 x 0.1 = 110.506 and
    // 7 x 30.07 x 0.2 = 42.098 m²: the specific output divides by the area as computed, and
    // would be 108,14, 149,49 and 113,59 divided by the area as shown.
    {"SpecificOutputOfAreaRoundedDown", Inputs(60, 55, 5, "83,37", 150, Willo25_6),
     {"3,88", "0,65", "4", "3,5531", "5,41", "108,13", "50,02"}},
    {"SpecificOutputOfAreaRoundedUp", Inputs(90, 60, 5, "50,23", 100, Willo25_8),
     {"2,15", "2,42", "22", "0,7647", "16,52", "149,5", "110,51"}},
    {"SpecificOutputOfAreaRoundedUpWidePitch", Inputs(60, 60, 5, "30,07", 200, Willo25_4),
     {"1,96", "2,03", "7", "0,388", "4,78", "113,6", "42,1"}},
    // The boiler branch loses 1.3000 m x 1.05 = 1.365 m, on the half: the double nearest to
    // 1.365 lies below it, so 1,36 (an allowance rounded to a double would give 1,37).
    {"AllowanceOnTheHalf", Inputs(50, 45, 5, "112", 100, Willo25_6),
     {"2,5", "1,36", "9", "2,2121", "7,84", "77,8", "100,8"}},
    // Lengths typed to the last digit a double holds, each just past a step of one figure:
    // there the last bit of pi (3.14 in extended), of Blasius's 0.3164, of the first pump's
    // slope 2/3, of the laminar Reynolds number rounded to 9 decimals, and the strict test of
    // the pump's capacity decide the figure. The heads 0,1165 and 0,0595 agree with exact
    // rational arithmetic that rounds to a double at each store.
    {"PiDecidesTheManifoldHead", Inputs(70, 50, 5, "27,504297636657533", 150, Willo25_6),
     {"1,04", "1,87", "43", "0,1165", "15,54", "87,6", "177,4"}},
    {"BlasiusDecidesTheManifoldHead", Inputs(70, 50, 5, "21,55205716263001", 150, Willo25_6),
     {"0,81", "1,55", "50", "0,0595", "14,16", "87,6", "161,64"}},
    {"PumpSlopeDecidesTheCount", Inputs(70, 50, 5, "30,22069169626247", 150, Willo25_6),
     {"1,14", "1,76", "38", "0,1509", "15,09", "87,6", "172,26"}},
    {"LaminarReynoldsDecidesTheHead", Inputs(70, 50, 5, "10,5551910810241", 150, Willo25_6),
     {"0,4", "0,37", "50", "0,0093", "6,93", "87,6", "79,16"}},
    {"CapacityEqualToTheCount", Inputs(70, 50, 5, "54,232029426686964", 150, Willo25_6),
     {"2,04", "1,42", "19", "0,7533", "13,54", "87,6", "154,56"}},
};

struct MarkedCase {
    WorkedCase worked;
    char mark;
};

class SizingWorkedCases : public testing::TestWithParam<MarkedCase> {};
void PrintTo(const MarkedCase &c, std::ostream *os) { *os << c.worked.name << " '" << c.mark << "'"; }

TEST_P(SizingWorkedCases, BoxesShowTheWorkedValues)
{
    const auto &[worked, mark] = GetParam();
    WithDecimalMark guard(mark);
    SizingResults results;
    EXPECT_EQ(SizeMixingUnit(worked.inputs, results), SizingOutcome::Computed);
    Boxes expected = worked.expected;
    for (auto &text : expected)
        text = WithMark(text, mark);
    EXPECT_EQ(Texts(results), expected);

    // Asked for its working, the run gives the same boxes, and the working leads to them.
    SizingResults withWorking;
    SizingWorking working;
    SizeMixingUnit(worked.inputs, withWorking, &working);
    EXPECT_EQ(Texts(withWorking), expected);
    const CountCheck &found = working.AtCount(working.circuitsFound);
    EXPECT_EQ(working.circuitsFound, *results.MaxCircuits);
    EXPECT_EQ(NumberToText(working.friction.head), NumberToText(*results.ManifoldHead));
    EXPECT_NEAR(found.unitLoss, *results.UnitResistance, 0.005 + 1e-12);
}

std::vector<MarkedCase> AllMarkedCases()
{
    std::vector<MarkedCase> cases;
    for (const char mark : {',', '.'})
        for (const auto &worked : kWorkedCases)
            cases.push_back({worked, mark});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, SizingWorkedCases, testing::ValuesIn(AllMarkedCases()),
                         [](const auto &info) {
                             return std::string(info.param.worked.name)
                                 + (info.param.mark == ',' ? "Comma" : "Point");
                         });

TEST(SizeMixingUnit, SpecificOutputDependsOnlyOnTableAndPitch)
{
    WithDecimalMark guard(',');
    for (const char *length : {"5", "33,3", "80", "120"})
        for (const std::string_view pump : {Willo25_6, Willo25_4, Willo25_8}) {
            SizingResults r;
            SizeMixingUnit(Inputs(70, 50, 5, length, 150, pump), r);
            EXPECT_EQ(NumberToText(*r.SpecificOutput), "87,6") << length << " pump " << pump;
        }
}

TEST(SizeMixingUnit, SetTemperatureAboveBoilerSetsNothing)
{
    for (const char *length : {"80", "", "0"}) {
        SizingResults r;
        EXPECT_EQ(SizeMixingUnit(Inputs(50, 55, 5, length, 150, Willo25_6), r),
                  SizingOutcome::SetTempAboveBoiler);
        EXPECT_EQ(Texts(r), Boxes({"-", "-", "-", "-", "-", "-", "-"}));
    }
    SizingResults r;
    EXPECT_EQ(SizeMixingUnit(Inputs(50, 60, 5, "80", 150, Willo25_6), r),
              SizingOutcome::SetTempAboveBoiler);
}

// An error stops the run; the fields set before it stay set, the others stay empty.
struct FailingCase {
    const char *name;
    const char *length;
    int setTemperature;
    const char *message;
    const char *flowShown;  // "-" when the flow was not set either
};

class SizingFailures : public testing::TestWithParam<FailingCase> {};
void PrintTo(const FailingCase &c, std::ostream *os) { *os << c.name; }

TEST_P(SizingFailures, StopAtTheRightStep)
{
    WithDecimalMark guard(',');
    const auto &c = GetParam();
    SizingResults r;
    try {
        SizeMixingUnit(Inputs(70, c.setTemperature, 5, c.length, 150, Willo25_6), r);
        FAIL() << "no error";
    } catch (const Exception &e) {
        EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(Texts(r), Boxes({c.flowShown, "-", "-", "-", "-", "-", "-"}));
    EXPECT_TRUE(fpmode_probe::CalculationModeInForce());
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, SizingFailures,
    testing::Values(
        FailingCase{"Empty", "", 50, "Invalid floating point operation", "0"},
        FailingCase{"Zero", "0", 50, "Invalid floating point operation", "0"},
        FailingCase{"Letters", "abc", 50, "Invalid floating point operation", "0"},
        FailingCase{"MinusBetweenDigits", "1-2", 50, "'1-2' is not a valid floating point value",
                    "-"},
        FailingCase{"ConvertErrorBeforeTemperatureCheck", "1-2", 60,
                    "'1-2' is not a valid floating point value", "-"},
        FailingCase{"CleanedTextIsQuoted", "8.5.x-", 50,
                    "'8.5-' is not a valid floating point value", "-"},
        FailingCase{"BeyondDouble", "1E400", 50, "Floating point overflow", "-"},
        FailingCase{"Negative", "-80", 50, "Длина трубы не может быть отрицательной", "-"},
        FailingCase{"NegativeBeforeTemperatureCheck", "-1", 60,
                    "Длина трубы не может быть отрицательной", "-"},
        FailingCase{"FlowTooLargeToRound", "1E30", 50, "Invalid floating point operation", "-"},
        FailingCase{"VelocityTooLargeToRound", "1E16", 50, "Invalid floating point operation",
                    "376612209802236"},
        // The one circuit's unit loss (about 10^20 m) cannot be rounded: nothing after the flow.
        FailingCase{"UnitResistanceTooLargeToRound", "1E12", 50,
                    "Invalid floating point operation", "37661220980,22"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SizeMixingUnit, NegativeZeroLengthCountsAsZero)
{
    SizingResults r;
    EXPECT_THROW(SizeMixingUnit(Inputs(70, 50, 5, "-0", 150, Willo25_6), r), EInvalidOp);
    ASSERT_TRUE(r.CircuitFlow);
    EXPECT_EQ(NumberToText(*r.CircuitFlow), "0");
}

TEST(SizeMixingUnit, RunAfterAnErrorEqualsAFreshRun)
{
    WithDecimalMark guard(',');
    SizingResults fresh;
    SizeMixingUnit(SizingInputs{}, fresh);
    for (const char *bad : {"", "1E400", "1E30", "1-2"}) {
        SizingInputs in;
        in.PipeLengthText = bad;
        SizingResults failed;
        EXPECT_ANY_THROW(SizeMixingUnit(in, failed)) << bad;
        SizingResults again;
        EXPECT_EQ(SizeMixingUnit(SizingInputs{}, again), SizingOutcome::Computed);
        EXPECT_EQ(Texts(again), Texts(fresh)) << "after " << bad;
    }
}

TEST(SizeMixingUnit, RefusesListPositionsOutOfRange)
{
    const auto withIndex = [](int SizingInputs::*field, int value) {
        SizingInputs in;
        in.*field = value;
        return in;
    };
    const SizingInputs bad[] = {
        withIndex(&SizingInputs::BoilerTempIndex, int(kBoilerTemperatures.Size())),
        withIndex(&SizingInputs::SetTempIndex, -1),
        withIndex(&SizingInputs::TempDropIndex, int(kTemperatureDrops.Size())),
        withIndex(&SizingInputs::PitchIndex, int(kPitches.Size())),
        withIndex(&SizingInputs::PipeIndex, int(kFloorPipes.Size())),
        withIndex(&SizingInputs::PumpIndex, int(kPumps.Size())),
    };
    for (const auto &in : bad) {
        SizingResults r;
        EXPECT_THROW(SizeMixingUnit(in, r), Exception);
        EXPECT_FALSE(r.CircuitFlow);
    }
}

TEST(SizeMixingUnit, EveryListCombinationComputesOrAsksForTheNotice)
{
    WithDecimalMark guard(',');
    for (int boiler = 0; boiler < int(kBoilerTemperatures.Size()); ++boiler)
        for (int set = 0; set < int(kSetTemperatures.Size()); ++set)
            for (int drop = 0; drop < int(kTemperatureDrops.Size()); ++drop)
                for (int pitch = 0; pitch < int(kPitches.Size()); ++pitch)
                    for (int pump = 0; pump < int(kPumps.Size()); ++pump) {
                        SizingInputs in{boiler, set, drop, "80", pitch, 0, pump};
                        SizingResults r;
                        const auto outcome = SizeMixingUnit(in, r);
                        const bool tooHot = std::stoi(kBoilerTemperatures.items[boiler].text)
                            < std::stoi(kSetTemperatures.items[set].text);
                        EXPECT_EQ(outcome, tooHot ? SizingOutcome::SetTempAboveBoiler
                                                  : SizingOutcome::Computed);
                        if (!tooHot) {
                            EXPECT_GE(*r.MaxCircuits, 1);
                            EXPECT_LE(*r.MaxCircuits, 50);
                            EXPECT_TRUE(r.Area);
                        }
                    }
}

} // namespace
