// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/calculationsheet.h"

#include <gtest/gtest.h>

#include <QString>

#include <array>

// The working of one sizing run worked out again, apart from the calculation core: plain
// long double arithmetic (x86-64's 80-bit format) from the design procedure's formulas, each
// named quantity stored as a double as the procedure stores it. Only the design data (the heat
// table, the pump lines, the list values) are read from calc/designdata.h.

enum class Regime { None, Laminar, Transition, Smooth, Mixed, Rough };
enum class Reason { NextFails, MostCircuits, NonePasses };

struct ReferenceCount {
    double boilerLoss, recirculationLoss, unitLoss, totalHead, pumpFlow;
    long double capacity;
    bool passes;
};

struct ReferenceWorking {
    bool notice = false;  // the set temperature is above the boiler's: nothing is worked out
    int heat = 0;
    double power, flow, velocity, reynolds, lambda, frictionHead;
    Regime regime = Regime::None;
    double boilerDifference, boilerFlow, recirculationFlow, boilerShare, recirculationShare;
    double pumpAtZeroHead, pumpSlope;
    std::array<ReferenceCount, 50> counts;
    int found = 1;
    Reason reason = Reason::NonePasses;
};

// The run for list positions and a pipe length in metres.
ReferenceWorking WorkOut(int boiler, int setTemp, int drop, double length, int pitch, int pump);

// Checks every working line of a sheet against the reference: numbers within half a unit of
// the last digit shown (read with `mark`), the regime, the deciding branch and the reason in
// words, the operating point and the count.
::testing::AssertionResult WorkingAgrees(const CalculationSheet &sheet, const ReferenceWorking &reference,
                                         char mark);

// The value text of a working line, or an empty text when the sheet has none.
QString FigureText(const CalculationSheet &sheet, WorkingFigure figure);
