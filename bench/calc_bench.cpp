// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Speed of the calculation core: one whole sizing run (also with its working) and the two
// number conversions.
#include <benchmark/benchmark.h>

#include "calc/calc.h"

namespace {

void BM_SizeMixingUnitDefaults(benchmark::State &state)
{
    const calc::SizingInputs inputs;
    for (auto _ : state) {
        calc::SizingResults results;
        benchmark::DoNotOptimize(calc::SizeMixingUnit(inputs, results));
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_SizeMixingUnitDefaults);

// The same run handing out its working, as a press does for the calculation sheet.
void BM_SizeMixingUnitWithWorking(benchmark::State &state)
{
    const calc::SizingInputs inputs;
    for (auto _ : state) {
        calc::SizingResults results;
        calc::SizingWorking working;
        benchmark::DoNotOptimize(calc::SizeMixingUnit(inputs, results, &working));
        benchmark::DoNotOptimize(working);
    }
}
BENCHMARK(BM_SizeMixingUnitWithWorking);

void BM_SizeMixingUnitNoCountPasses(benchmark::State &state)
{
    calc::SizingInputs inputs;
    inputs.PipeLengthText = "150";
    for (auto _ : state) {
        calc::SizingResults results;
        benchmark::DoNotOptimize(calc::SizeMixingUnit(inputs, results));
    }
}
BENCHMARK(BM_SizeMixingUnitNoCountPasses);

void BM_SizeMixingUnitZeroLengthError(benchmark::State &state)
{
    calc::SizingInputs inputs;
    inputs.PipeLengthText = "";
    for (auto _ : state) {
        calc::SizingResults results;
        try {
            calc::SizeMixingUnit(inputs, results);
        } catch (const calc::EInvalidOp &) {
        }
        benchmark::DoNotOptimize(results);
    }
}
BENCHMARK(BM_SizeMixingUnitZeroLengthError);

// What every entry point pays to take the calculation's mode and give the caller's back.
void BM_CalculationScope(benchmark::State &state)
{
    for (auto _ : state) {
        const calc::CalculationScope scope;
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CalculationScope);

void BM_TextToNumber(benchmark::State &state)
{
    const std::string text = " 1234,5678E-2 ";
    calc::SetLocaleDecimalMark(',');
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::TextToNumber(text));
}
BENCHMARK(BM_TextToNumber);

void BM_NumberToText(benchmark::State &state)
{
    calc::SetLocaleDecimalMark(',');
    const double values[] = {3.01, 0.85, 10, 2.1942, 10.51, 87.6, 120};
    for (auto _ : state)
        for (const double v : values)
            benchmark::DoNotOptimize(calc::NumberToText(v));
    state.SetItemsProcessed(state.iterations() * 7);
}
BENCHMARK(BM_NumberToText);

void BM_Provercifr(benchmark::State &state)
{
    calc::SetLocaleDecimalMark(',');
    const std::string typed = "12.5 м";
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::provercifr(typed));
}
BENCHMARK(BM_Provercifr);

} // namespace

int main(int argc, char **argv)
{
    calc::LoadFloatingPointMode();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
