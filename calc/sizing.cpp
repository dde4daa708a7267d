// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/sizing.h"

#include <array>
#include <limits>

#include "calc/cleaning.h"
#include "calc/designdata.h"
#include "calc/errors.h"
#include "calc/formulas.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"
#include "calc/numbers.h"

namespace calc::inline VARNELO_CALC_BACKEND {

using fp::Store;

namespace {

// The run holds the calculation's mode throughout: the formulas open no scope of their own.
using formulas::formulkms;
using formulas::FrictionOf;

bool InRange(int index, std::size_t count) { return index >= 0 && std::size_t(index) < count; }

void CheckSelections(const SizingInputs &in)
{
    const bool valid = InRange(in.BoilerTempIndex, kBoilerTemperatures.Size())
        && InRange(in.SetTempIndex, kSetTemperatures.Size())
        && InRange(in.TempDropIndex, kTemperatureDrops.Size())
        && InRange(in.PitchIndex, kPitches.Size()) && InRange(in.PipeIndex, kFloorPipes.Size())
        && InRange(in.PumpIndex, kPumps.Size());
    if (!valid)
        throw Exception("Selection index out of range");
}

double RoundedToHundredths(Extended x)
{
    return Store(fp::RoundedToScale(x, 100));
}

double ReadPipeLength(const std::string &typed)
{
    const double length = Store(TextToNumber(provercifr(typed)));
    if (length < 0)
        throw Exception("Длина трубы не может быть отрицательной");
    return length;
}

// The flow (l/min) that carries `power` (L q 10) at a temperature difference `kelvin`.
double FlowFor(double power, int kelvin)
{
    return Store(Extended(power) / (kWaterHeatConstant * kelvin) / 60);
}

const Extended kAllowance(kBoilerBranchAllowance);

struct BranchLosses {
    double boiler;  // with the allowance
    double recirculation;
};

// The two branch losses of the mixing unit at `circuits` circuits, handed back in registers.
// A function of its own, never inlined: inlined into the search's loop, GCC keeps the x87
// stack and the loop's values in a way that made the whole run about a quarter slower.
[[gnu::flatten, gnu::noinline]] BranchLosses BranchLossesAt(int circuits, double flow,
                                                            double boilerShare,
                                                            double recirculationShare)
{
    const double boilerFlow = Store(Extended(circuits) * flow * boilerShare);
    const double boilerLoss = Store(
        Extended(formulkms(boilerFlow, kUnitBranchDiameter, kBoilerBranchZeta)) * kAllowance);
    const double recirculationFlow = Store(Extended(circuits) * flow * recirculationShare);
    return {boilerLoss,
            formulkms(recirculationFlow, kUnitBranchDiameter, kRecirculationBranchZeta)};
}

// The capacity as the working reports it; beyond the range of a double it shows as infinite,
// without the fault a store would raise: the run itself never stores it.
double ReportedCapacity(const Extended &capacity)
{
    constexpr double kMost = std::numeric_limits<double>::max();
    if (capacity > Extended(kMost))
        return std::numeric_limits<double>::infinity();
    if (capacity < Extended(-kMost))
        return -std::numeric_limits<double>::infinity();
    return Store(capacity);
}

struct CircuitSearch {
    double circuits = 1;
    double unitLoss = 0;
};

// Why the search ended where it did, from the checks it recorded.
CountReason ReasonFor(const SizingWorking &working)
{
    const CountCheck &found = working.AtCount(working.circuitsFound);
    if (!found.passes)
        return CountReason::NonePasses;
    return working.circuitsFound == kMostCircuits ? CountReason::MostCircuits
                                                  : CountReason::NextFails;
}

// Tries every count from 1 to 50 and keeps the largest that the pump line can feed. When
// none passes, the count is 1 and the unit loss that of one circuit, so that every result
// belongs to the same count. Each count's check goes into `working` when one is given.
CircuitSearch SearchCircuits(double flow, double frictionHead, double boilerShare,
                             double recirculationShare, const PumpLine &pump,
                             SizingWorking *working)
{
    const Extended slope(pump.slope);
    CircuitSearch found;
    for (int i = 1; i <= kMostCircuits; ++i) {
        const BranchLosses losses = BranchLossesAt(i, flow, boilerShare, recirculationShare);
        CountCheck check;
        check.boilerLoss = losses.boiler;
        check.recirculationLoss = losses.recirculation;
        check.unitLoss = losses.boiler >= losses.recirculation ? losses.boiler
                                                               : losses.recirculation;
        check.totalHead = Store(Extended(frictionHead) + check.unitLoss);
        check.pumpFlow = Store(Extended(pump.atZeroHead) - slope * check.totalHead);
        const Extended capacity = Extended(check.pumpFlow) / 60 * 1000 / flow;
        check.passes = Extended(i) < capacity;
        if (i == 1 || check.passes)
            found = {double(i), check.unitLoss};
        if (working) {
            check.capacity = ReportedCapacity(capacity);
            working->counts[std::size_t(i - 1)] = check;
        }
    }
    if (working) {
        working->circuitsFound = int(found.circuits);
        working->reason = ReasonFor(*working);
    }
    return found;
}

} // namespace

SizingOutcome SizeMixingUnit(const SizingInputs &in, SizingResults &out, SizingWorking *working)
{
    const CalculationScope scope;
    CheckSelections(in);
    const double length = ReadPipeLength(in.PipeLengthText);
    const int pitch = kPitches.ValueAt(in.PitchIndex);
    const int setTemperature = kSetTemperatures.ValueAt(in.SetTempIndex);
    const int boilerTemperature = kBoilerTemperatures.ValueAt(in.BoilerTempIndex);
    if (boilerTemperature < setTemperature)
        return SizingOutcome::SetTempAboveBoiler;

    const int drop = kTemperatureDrops.ValueAt(in.TempDropIndex);
    const int heat = kHeatTable[in.PitchIndex][in.SetTempIndex][in.TempDropIndex];
    const double power = Store(Extended(length) * heat * 10);
    const double flow = FlowFor(power, drop);
    out.CircuitFlow = RoundedToHundredths(flow);

    const FrictionWorking friction =
        FrictionOf(kFloorPipe.roughness, kWaterViscosity, flow, kFloorPipe.innerDiameter, length);
    const double frictionHead = friction.head;
    const double boilerDifference = boilerTemperature - (setTemperature - drop);
    const double boilerFlow = FlowFor(power, int(boilerDifference));
    const double recirculationFlow = Store(Extended(flow) - boilerFlow);
    const double boilerShare =
        Store(Extended(boilerFlow) / (Extended(boilerFlow) + recirculationFlow));
    const double recirculationShare =
        Store(Extended(recirculationFlow) / (Extended(boilerFlow) + recirculationFlow));

    const PumpLine &pump = kPumps.ValueAt(in.PumpIndex);
    if (working)
        *working = {heat, power, flow, friction, boilerDifference, boilerFlow, recirculationFlow,
                    boilerShare, recirculationShare, pump};
    const CircuitSearch search = SearchCircuits(flow, frictionHead, boilerShare,
                                                recirculationShare, pump, working);
    out.UnitResistance = RoundedToHundredths(search.unitLoss);
    out.MaxCircuits = search.circuits;
    out.ManifoldHead = frictionHead;

    const double heatPerMetre = Store(Extended(heat) / 100);
    out.HeatOutput = RoundedToHundredths(Extended(search.circuits) * heatPerMetre * length / 1000);
    const double area = Store(Extended(search.circuits) * length * pitch / 1000);
    out.SpecificOutput =
        RoundedToHundredths(Extended(search.circuits) * heatPerMetre * length / area);
    out.Area = RoundedToHundredths(area);
    return SizingOutcome::Computed;
}

SizingOutcome SizeMixingUnit(const SizingInputs &inputs, SizingResults &results)
{
    return SizeMixingUnit(inputs, results, nullptr);
}

} // namespace calc
