#pragma once

#include <optional>
#include <string>

namespace calc {

// The calculator page's inputs: list positions and the length exactly as typed.
struct SizingInputs {
    int BoilerTempIndex = 2;  // 50, 60, 70, 80, 90 °C
    int SetTempIndex = 3;     // 35, 40, 45, 50, 55, 60 °C
    int TempDropIndex = 0;    // 5 K, 10 K
    std::string PipeLengthText = "80";
    int PitchIndex = 1;       // 100, 150, 200 mm
    int PipeIndex = 0;        // the one built-in floor pipe
    int PumpIndex = 0;        // willo 25/6, 25/4, 25/8
};

// Each field is empty until the sizing run sets it; they are set in declaration order.
struct SizingResults {
    std::optional<double> CircuitFlow;     // l/min
    std::optional<double> UnitResistance;  // m of water column
    std::optional<double> MaxCircuits;     // 1..50
    std::optional<double> ManifoldHead;    // m of water column
    std::optional<double> HeatOutput;      // kW
    std::optional<double> SpecificOutput;  // W/m²
    std::optional<double> Area;            // m²
};

enum class SizingOutcome { Computed, SetTempAboveBoiler };

// Sizes the mixing unit. Errors (an unreadable or negative length, a floating-point fault,
// a list position out of range) propagate; the fields set before the error stay set.
SizingOutcome SizeMixingUnit(const SizingInputs &inputs, SizingResults &results);

} // namespace calc
