// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// SizeMixingUnit with any list positions in range, any length text and either mark: results
// or the program's own errors, and a run after an error equal to a fresh one.
#include <optional>

#include "fuzz_input.h"

namespace {

bool SameResults(const calc::SizingResults &a, const calc::SizingResults &b)
{
    for (const calc::ResultField field : calc::kResultOrder)
        if (a.*field != b.*field)
            return false;
    return true;
}

calc::SizingResults DefaultRun()
{
    calc::SizingResults results;
    calc::SizeMixingUnit(calc::SizingInputs{}, results);
    return results;
}

// Fields are set in order: once one is missing, every later one is missing too.
void RequireFieldsInOrder(const calc::SizingResults &results)
{
    bool missing = false;
    for (const calc::ResultField field : calc::kResultOrder) {
        if (missing && (results.*field).has_value())
            std::abort();
        missing = missing || !(results.*field).has_value();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool modeLoaded = (calc::LoadFloatingPointMode(), true);
    static const calc::SizingResults fresh = DefaultRun();
    (void)modeLoaded;
    FuzzInput input(data, size);
    calc::SetLocaleDecimalMark(input.DecimalMark());
    calc::SizingInputs inputs;
    inputs.BoilerTempIndex = input.Below(calc::kBoilerTemperatures.Size());
    inputs.SetTempIndex = input.Below(calc::kSetTemperatures.Size());
    inputs.TempDropIndex = input.Below(calc::kTemperatureDrops.Size());
    inputs.PitchIndex = input.Below(calc::kPitches.Size());
    inputs.PumpIndex = input.Below(calc::kPumps.Size());
    inputs.PipeLengthText = input.Rest();
    calc::SizingResults results;
    try {
        const auto outcome = calc::SizeMixingUnit(inputs, results);
        if (outcome == calc::SizingOutcome::SetTempAboveBoiler && results.CircuitFlow)
            std::abort();
        if (outcome == calc::SizingOutcome::Computed && !results.Area)
            std::abort();
    } catch (const calc::Exception &) {
        RequireCleanMode();
    }
    RequireFieldsInOrder(results);
    if (!SameResults(DefaultRun(), fresh))
        std::abort();
    return 0;
}
