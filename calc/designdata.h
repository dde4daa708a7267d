// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The built-in design data of the sizing: the choice lists of the calculator page, the floor
// pipe, the mixing unit, the heat table and the pump lines. Each fact is written here once; the
// page builds its drop-down lists from these tables, the sizing reads their values, and the
// pump chart picture draws the pump list.

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>

#include "calc/backend.h"
#include "calc/fraction.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// One item of a drop-down list: the value the sizing uses and the text the list shows (UTF-8).
template <class Value>
struct Choice {
    Value value;
    const char *text;
};

// What a drop-down list shows, whatever its values: its item texts and the position selected
// at start.
struct ChoiceTexts {
    std::span<const char *const> texts;
    int selectedAtStart;
};

// A drop-down list's items by position, and the position selected at start.
template <class Value, std::size_t Count>
struct ChoiceList {
    std::array<Choice<Value>, Count> items;
    int selectedAtStart;
    std::array<const char *, Count> texts;  // the items' texts, gathered by Choices below

    static constexpr std::size_t Size() { return Count; }
    constexpr const Value &ValueAt(int position) const { return items.at(position).value; }
    constexpr ChoiceTexts Shown() const { return {texts, selectedAtStart}; }
};

// Builds a list from its rows, so that a new row needs no count written beside it.
template <class Value, std::size_t Count>
constexpr ChoiceList<Value, Count> Choices(const Choice<Value> (&items)[Count],
                                           int selectedAtStart)
{
    ChoiceList<Value, Count> list{std::to_array(items), selectedAtStart, {}};
    for (std::size_t i = 0; i < Count; ++i)
        list.texts[i] = items[i].text;
    return list;
}

// Boiler supply temperatures and set temperatures of the thermostatic head (°C).
inline constexpr auto kBoilerTemperatures =
    Choices<int>({{50, "50"}, {60, "60"}, {70, "70"}, {80, "80"}, {90, "90"}}, 2);
inline constexpr auto kSetTemperatures =
    Choices<int>({{35, "35"}, {40, "40"}, {45, "45"}, {50, "50"}, {55, "55"}, {60, "60"}}, 3);

// Temperature drops across a floor circuit (K); a drop's position is also its column in the
// heat table.
inline constexpr auto kTemperatureDrops = Choices<int>({{5, "5"}, {10, "10"}}, 0);

// Laying pitches of the floor pipe (mm).
inline constexpr auto kPitches = Choices<int>({{100, "100"}, {150, "150"}, {200, "200"}}, 1);

// The floor pipe (metal-plastic 16 x 2.0). The list shows it, but the calculation always uses
// this one built-in pipe, whatever the list holds.
struct FloorPipe {
    double innerDiameter;  // mm
    double roughness;      // mm
};
inline constexpr FloorPipe kFloorPipe{12, 0.01};
inline constexpr auto kFloorPipes = Choices<FloorPipe>({{kFloorPipe, "М/П  Ф16-2,0"}}, 0);

// A pump's line: flow (m³/h) = atZeroHead - slope * head (m), used without a lower limit.
struct PumpLine {
    int atZeroHead;
    Fraction slope;
};
inline constexpr auto kPumps = Choices<PumpLine>({
    {{4, {2, 3}}, "willo 25/6"},
    {{3, {3, 4}}, "willo 25/4"},
    {{5, {5, 8}}, "willo 25/8"},
}, 0);

// The pipe length of one circuit that the length box holds at start (m, as typed).
inline constexpr const char *kPipeLengthAtStart = "80";

// The water in the floor pipe.
inline constexpr double kWaterViscosity = 0.61;  // mm²/s
inline constexpr int kWaterHeatConstant = 1163;

// Both branches of the mixing unit, and their local-resistance coefficients.
inline constexpr double kUnitBranchDiameter = 25;  // mm
inline constexpr double kBoilerBranchZeta = 175;
inline constexpr double kRecirculationBranchZeta = 25;
inline constexpr Fraction kBoilerBranchAllowance = {105, 100};

inline constexpr int kMostCircuits = 50;

// Heat output of 100 m of floor pipe (W), by pitch, then set temperature, then drop: one row
// per pitch, one pair per set temperature, in the order of the lists above.
using HeatByDrop = std::array<int, kTemperatureDrops.Size()>;
inline constexpr std::array<std::array<HeatByDrop, kSetTemperatures.Size()>, kPitches.Size()>
    kHeatTable = {{
        {{{314, 202}, {544, 428}, {778, 661}, {1015, 896}, {1254, 1135}, {1495, 1375}}},
        {{{408, 262}, {705, 556}, {1008, 856}, {1314, 1160}, {1622, 1468}, {1932, 1777}}},
        {{{481, 310}, {831, 655}, {1187, 1009}, {1546, 1366}, {1908, 1727}, {2272, 2090}}},
    }};

// A row or pair left out of the heat table would read as zero heat: refuse it at build time.
static_assert(std::ranges::all_of(kHeatTable, [](const auto &row) {
    return std::ranges::all_of(row, [](const HeatByDrop &pair) {
        return std::ranges::all_of(pair, [](int heat) { return heat > 0; });
    });
}));

} // namespace calc
