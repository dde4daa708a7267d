// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every figure of the design data is pinned by a worked result that moves with it: a slip of
// one digit in a cell of the heat table, a pump line, a list value, or a constant of the pipe,
// the water, the mixing unit or the hydraulic formulas fails one of these rows. The figures
// come from a separate calculation in exact rational arithmetic, rounded to a double at each
// store; the boxes agree whether the intermediates are kept exact, in extended or in double
// precision, so none of them sits on a rounding edge.

#include <ostream>
#include <string>

#include "calc/sizing.h"
#include "decimal_mark.h"
#include "sizing_inputs.h"

using namespace calc;
using namespace sizing_rows;

namespace {

struct DesignRow {
    const char *name;
    SizingInputs inputs;
    Boxes expected;  // flow, resistance, circuits, manifold, kW, W/m², m² written with ","
};

// One row per cell of the heat table, named by pitch, set temperature and drop. The specific
// output is 10 q / p rounded to 2 decimals, which moves with every unit of the cell q. The
// boilers (at pitch 100 mm the coolest that passes, so that the boiler branch decides in
// several rows; then 70, 80 and 90) and the pumps vary along the rows, so that the other
// boxes pin the list values, the pump lines and the constants of the pipe, the water and the
// mixing unit.
const DesignRow kHeatTableCells[] = {
    {"Pitch100Set35Drop5", Inputs(50, 35, 5, "80", 100, Willo25_6),
     {"0,72", "1,07", "50", "0,1283", "12,56", "31,4", "400"}},
    {"Pitch100Set35Drop10", Inputs(50, 35, 10, "80", 100, Willo25_4),
     {"0,23", "0,23", "50", "0,0413", "8,08", "20,2", "400"}},
    {"Pitch100Set40Drop5", Inputs(50, 40, 5, "80", 100, Willo25_8),
     {"1,25", "2,84", "39", "0,4689", "16,97", "54,4", "312"}},
    {"Pitch100Set40Drop10", Inputs(50, 40, 10, "80", 100, Willo25_6),
     {"0,49", "1,63", "50", "0,0875", "17,12", "42,8", "400"}},
    {"Pitch100Set45Drop5", Inputs(50, 45, 5, "80", 100, Willo25_4),
     {"1,78", "1,24", "12", "0,8769", "7,47", "77,8", "96"}},
    {"Pitch100Set45Drop10", Inputs(50, 45, 10, "80", 100, Willo25_8),
     {"0,76", "4,64", "41", "0,1351", "21,68", "66,1", "328"}},
    {"Pitch100Set50Drop5", Inputs(50, 50, 5, "80", 100, Willo25_6),
     {"2,33", "2,87", "7", "1,3966", "5,68", "101,5", "56"}},
    {"Pitch100Set50Drop10", Inputs(50, 50, 10, "80", 100, Willo25_4),
     {"1,03", "2,24", "14", "0,3338", "10,04", "89,6", "112"}},
    {"Pitch100Set55Drop5", Inputs(60, 55, 5, "80", 100, Willo25_8),
     {"2,88", "2,7", "11", "2,0219", "11,04", "125,4", "88"}},
    {"Pitch100Set55Drop10", Inputs(60, 55, 10, "80", 100, Willo25_6),
     {"1,3", "2,94", "19", "0,5049", "17,25", "113,5", "152"}},
    {"Pitch100Set60Drop5", Inputs(60, 60, 5, "80", 100, Willo25_4),
     {"3,43", "0,51", "2", "2,7502", "2,39", "149,5", "16"}},
    {"Pitch100Set60Drop10", Inputs(60, 60, 10, "80", 100, Willo25_8),
     {"1,58", "4,54", "13", "0,7063", "14,3", "137,5", "104"}},
    {"Pitch150Set35Drop5", Inputs(70, 35, 5, "80", 150, Willo25_6),
     {"0,94", "1,91", "44", "0,2834", "14,36", "27,2", "528"}},
    {"Pitch150Set35Drop10", Inputs(70, 35, 10, "80", 150, Willo25_4),
     {"0,3", "0,2", "50", "0,0535", "10,48", "17,47", "600"}},
    {"Pitch150Set40Drop5", Inputs(70, 40, 5, "80", 150, Willo25_8),
     {"1,62", "2,54", "30", "0,738", "16,92", "47", "360"}},
    {"Pitch150Set40Drop10", Inputs(70, 40, 10, "80", 150, Willo25_6),
     {"0,64", "0,84", "50", "0,1136", "22,24", "37,07", "600"}},
    {"Pitch150Set45Drop5", Inputs(70, 45, 5, "80", 150, Willo25_4),
     {"2,31", "0,55", "10", "1,3797", "8,06", "67,2", "120"}},
    {"Pitch150Set45Drop10", Inputs(70, 45, 10, "80", 150, Willo25_8),
     {"0,98", "2,12", "50", "0,3082", "34,24", "57,07", "600"}},
    {"Pitch150Set50Drop5", Inputs(70, 50, 5, "80", 150, Willo25_6),
     {"3,01", "0,85", "10", "2,1942", "10,51", "87,6", "120"}},
    {"Pitch150Set50Drop10", Inputs(70, 50, 10, "80", 150, Willo25_4),
     {"1,33", "1,03", "22", "0,5245", "20,42", "77,33", "264"}},
    {"Pitch150Set55Drop5", Inputs(70, 55, 5, "80", 150, Willo25_8),
     {"3,72", "1,14", "10", "3,172", "12,98", "108,13", "120"}},
    {"Pitch150Set55Drop10", Inputs(70, 55, 10, "80", 150, Willo25_6),
     {"1,68", "1,96", "20", "0,792", "23,49", "97,87", "240"}},
    {"Pitch150Set60Drop5", Inputs(70, 60, 5, "80", 150, Willo25_4),
     {"4,43", "0,02", "1", "4,4608", "1,55", "128,8", "12"}},
    {"Pitch150Set60Drop10", Inputs(70, 60, 10, "80", 150, Willo25_8),
     {"2,04", "3,24", "17", "1,1063", "24,17", "118,47", "204"}},
    {"Pitch200Set35Drop5", Inputs(80, 35, 5, "80", 200, Willo25_6),
     {"1,1", "1,88", "36", "0,378", "13,85", "24,05", "576"}},
    {"Pitch200Set35Drop10", Inputs(90, 35, 10, "80", 200, Willo25_4),
     {"0,36", "0,33", "50", "0,0634", "12,4", "15,5", "800"}},
    {"Pitch200Set40Drop5", Inputs(80, 40, 5, "80", 200, Willo25_8),
     {"1,91", "2,43", "24", "0,9841", "15,96", "41,55", "384"}},
    {"Pitch200Set40Drop10", Inputs(90, 40, 10, "80", 200, Willo25_6),
     {"0,75", "1,44", "50", "0,1339", "26,2", "32,75", "800"}},
    {"Pitch200Set45Drop5", Inputs(80, 45, 5, "80", 200, Willo25_4),
     {"2,72", "0,41", "7", "1,8367", "6,65", "59,35", "112"}},
    {"Pitch200Set45Drop10", Inputs(90, 45, 10, "80", 200, Willo25_8),
     {"1,16", "2,55", "44", "0,4109", "35,52", "50,45", "704"}},
    {"Pitch200Set50Drop5", Inputs(80, 50, 5, "80", 200, Willo25_6),
     {"3,54", "0,67", "7", "2,9165", "8,66", "77,3", "112"}},
    {"Pitch200Set50Drop10", Inputs(90, 50, 10, "80", 200, Willo25_4),
     {"1,57", "0,83", "19", "0,6982", "20,76", "68,3", "304"}},
    {"Pitch200Set55Drop5", Inputs(80, 55, 5, "80", 200, Willo25_8),
     {"4,37", "0,7", "6", "4,3625", "9,16", "95,4", "96"}},
    {"Pitch200Set55Drop10", Inputs(90, 55, 10, "80", 200, Willo25_6),
     {"1,98", "1,26", "19", "1,0525", "26,25", "86,35", "304"}},
    {"Pitch200Set60Drop5", Inputs(80, 60, 5, "80", 200, Willo25_4),
     {"5,21", "0,03", "1", "5,9592", "1,82", "113,6", "16"}},
    {"Pitch200Set60Drop10", Inputs(90, 60, 10, "80", 200, Willo25_8),
     {"2,4", "1,9", "20", "1,4696", "33,44", "104,5", "320"}},
};

// The slope of each pump line decides a count: at these lengths the capacity at the largest
// count lies so little above it (40.0068 for 40, 43.225 for 43, 26.0052 for 26) that a slope
// off in its last digit costs a circuit.
const DesignRow kPumpSlopes[] = {
    {"Willo25_6", Inputs(70, 50, 5, "29,5", 150, Willo25_6),
     {"1,11", "1,86", "40", "0,1412", "15,51", "87,6", "177"}},
    {"Willo25_4", Inputs(70, 50, 5, "21,5", 150, Willo25_4),
     {"0,81", "1,14", "43", "0,0592", "12,15", "87,6", "138,68"}},
    {"Willo25_8", Inputs(70, 50, 5, "52", 150, Willo25_8),
     {"1,96", "2,44", "26", "0,6711", "17,77", "87,6", "202,8"}},
};

class DesignFigures : public testing::TestWithParam<DesignRow> {};
void PrintTo(const DesignRow &row, std::ostream *os) { *os << row.name; }

TEST_P(DesignFigures, BoxesShowTheWorkedValues)
{
    WithDecimalMark guard(',');
    SizingResults results;
    EXPECT_EQ(SizeMixingUnit(GetParam().inputs, results), SizingOutcome::Computed);
    EXPECT_EQ(Texts(results), GetParam().expected);
}

std::string RowName(const testing::TestParamInfo<DesignRow> &info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(HeatTable, DesignFigures, testing::ValuesIn(kHeatTableCells), RowName);
INSTANTIATE_TEST_SUITE_P(PumpSlope, DesignFigures, testing::ValuesIn(kPumpSlopes), RowName);

} // namespace
