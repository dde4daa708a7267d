#pragma once

// The built-in design data of the sizing: the floor pipe, the mixing unit, the heat table and
// the pump lines. Change them here; the sizing and the pump chart picture both read them.

#include <array>

namespace calc {

// The floor pipe (metal-plastic 16 x 2.0) and the water in it.
inline constexpr double kFloorPipeInnerDiameter = 12;  // mm
inline constexpr double kFloorPipeRoughness = 0.01;    // mm
inline constexpr double kWaterViscosity = 0.61;        // mm²/s
inline constexpr int kWaterHeatConstant = 1163;

// Both branches of the mixing unit, and their local-resistance coefficients.
inline constexpr double kUnitBranchDiameter = 25;  // mm
inline constexpr double kBoilerBranchZeta = 175;
inline constexpr double kRecirculationBranchZeta = 25;
inline constexpr long double kBoilerBranchAllowance = 1.05L;

inline constexpr int kMostCircuits = 50;

// Heat output of 100 m of floor pipe (W) at a set temperature, for 5 K and 10 K drops.
struct DesignRow {
    int setTemperature;  // °C
    int heatAt5K;
    int heatAt10K;
};

// Laying pitches (mm), and the design table by pitch, then set temperature.
inline constexpr std::array<int, 3> kPitches = {100, 150, 200};
inline constexpr std::array<std::array<DesignRow, 6>, 3> kDesignTable = {{
    {{{35, 314, 202}, {40, 544, 428}, {45, 778, 661}, {50, 1015, 896}, {55, 1254, 1135},
      {60, 1495, 1375}}},
    {{{35, 408, 262}, {40, 705, 556}, {45, 1008, 856}, {50, 1314, 1160}, {55, 1622, 1468},
      {60, 1932, 1777}}},
    {{{35, 481, 310}, {40, 831, 655}, {45, 1187, 1009}, {50, 1546, 1366}, {55, 1908, 1727},
      {60, 2272, 2090}}},
}};

// A pump's line: flow (m³/h) = atZeroHead - slope * head (m), used without a lower limit.
struct PumpLine {
    const char *name;
    long double atZeroHead;
    long double slope;
};

// In the order of the calculator page's pump list.
inline constexpr std::array<PumpLine, 3> kPumpLines = {{
    {"willo 25/6", 4, 2.0L / 3.0L},
    {"willo 25/4", 3, 0.75L},
    {"willo 25/8", 5, 0.625L},
}};

} // namespace calc
