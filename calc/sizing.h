// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <optional>
#include <string>

#include "calc/backend.h"
#include "calc/designdata.h"
#include "calc/working.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// The calculator page's inputs: positions in the lists of calc/designdata.h and the length
// exactly as typed; a default record holds what the page shows at start.
struct SizingInputs {
    int BoilerTempIndex = kBoilerTemperatures.selectedAtStart;
    int SetTempIndex = kSetTemperatures.selectedAtStart;
    int TempDropIndex = kTemperatureDrops.selectedAtStart;
    std::string PipeLengthText = kPipeLengthAtStart;
    int PitchIndex = kPitches.selectedAtStart;
    int PipeIndex = kFloorPipes.selectedAtStart;
    int PumpIndex = kPumps.selectedAtStart;
};

// Each field is empty until the sizing run sets it; they are set in the order of kResultOrder.
struct SizingResults {
    std::optional<double> CircuitFlow;     // l/min
    std::optional<double> UnitResistance;  // m of water column
    std::optional<double> MaxCircuits;     // 1..50
    std::optional<double> ManifoldHead;    // m of water column
    std::optional<double> HeatOutput;      // kW
    std::optional<double> SpecificOutput;  // W/m²
    std::optional<double> Area;            // m²
};

// The seven results in the order the run sets them, which is also the order the page writes
// them into its boxes.
using ResultField = std::optional<double> SizingResults::*;
inline constexpr std::array<ResultField, 7> kResultOrder = {
    &SizingResults::CircuitFlow,  &SizingResults::UnitResistance, &SizingResults::MaxCircuits,
    &SizingResults::ManifoldHead, &SizingResults::HeatOutput,     &SizingResults::SpecificOutput,
    &SizingResults::Area,
};

enum class SizingOutcome { Computed, SetTempAboveBoiler };

// Sizes the mixing unit. Errors (an unreadable or negative length, a floating-point fault,
// a list position out of range) propagate; the fields set before the error stay set.
SizingOutcome SizeMixingUnit(const SizingInputs &inputs, SizingResults &results);

// The same run, also handing out its working when `working` is given: the results are the
// same, and a run without it does none of the extra bookkeeping.
SizingOutcome SizeMixingUnit(const SizingInputs &inputs, SizingResults &results,
                             SizingWorking *working);

} // namespace calc
