// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "calc/backend.h"
#include "calc/designdata.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// The rule that chose the friction factor of the circuit pipe: the last of the five tests that
// held. None when no test held (no flow, or a backward one), and the factor is then 0.
enum class FlowRegime { None, Laminar, Transition, Smooth, Mixed, Rough };

// What `formul` works out on its way to the friction head, each value as it was stored.
struct FrictionWorking {
    double velocity = 0;        // m/s, rounded to 6 decimals
    double reynolds = 0;        // as the rules used it (rounded to 9 decimals when laminar)
    FlowRegime regime = FlowRegime::None;
    double frictionFactor = 0;  // λ
    double head = 0;            // m, rounded to 4 decimals: what `formul` returns
};

// One count of the circuit search, each value as the search stored it.
struct CountCheck {
    double boilerLoss = 0;         // boiler-side branch, m, with the allowance
    double recirculationLoss = 0;  // recirculation branch, m
    double unitLoss = 0;           // the larger of the two, m
    double totalHead = 0;          // friction head + unit loss, m
    double pumpFlow = 0;           // the pump line's flow at that head, m³/h
    double capacity = 0;           // circuits the pump flow can feed
    bool passes = false;           // the count is below the capacity
};

// Why the count found is what it is.
enum class CountReason {
    NextFails,     // the count found passes and the next one does not
    MostCircuits,  // the count found is the largest tried and it passes
    NonePasses,    // no count passes; the results are those of one circuit
};

// The working of one sizing run: the values the run computed on its way to the results.
struct SizingWorking {
    int heatTableValue = 0;           // q: W per 100 m of pipe, for this pitch, set temperature and drop
    double heatProduct = 0;           // P = L·q·10, as stored
    double circuitFlow = 0;           // G, l/min, unrounded
    FrictionWorking friction;         // of one circuit, for G
    double boilerDifference = 0;      // boiler supply less floor return, K
    double boilerFlow = 0;            // l/min of one circuit
    double recirculationFlow = 0;     // l/min of one circuit
    double boilerShare = 0;
    double recirculationShare = 0;
    PumpLine pump{};                  // the chosen pump's line, Q = a − k·H
    std::array<CountCheck, kMostCircuits> counts{};  // counts[i - 1] for i circuits
    int circuitsFound = 1;
    CountReason reason = CountReason::NonePasses;

    const CountCheck &AtCount(int circuits) const { return counts[std::size_t(circuits - 1)]; }
};

} // namespace calc
