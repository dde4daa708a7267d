// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sizing.h"
#include "calc/working.h"

#include <QDateTime>
#include <QList>
#include <QPointF>
#include <QString>

#include <array>

class QMimeData;

// The calculation sheet: what one complete calculation of the calculator page hands over to a
// colleague — the inputs as selected, the seven results as the boxes show them, the working
// from the design table to the circuit count, and the pump chart. Texts are Russian; every
// figure of the working comes from the very run whose results the boxes show.

// What a line of the working shows; inputs and results lines have none.
enum class WorkingFigure {
    None,
    HeatTableValue,
    CircuitHeat,
    CircuitFlow,
    Velocity,
    Reynolds,
    Regime,
    FrictionFactor,
    FrictionHead,
    BoilerDifference,
    BoilerFlow,
    RecirculationFlow,
    BoilerShare,
    RecirculationShare,
    PumpLine,
    BoilerLoss,
    RecirculationLoss,
    DecidingBranch,
    TotalHead,
    PumpFlow,
    Capacity,
    NextCapacity,
    Reason,
};

// One line: what it is, and its figure with its unit (or a word).
struct SheetLine {
    QString caption;
    QString value;
    WorkingFigure figure = WorkingFigure::None;
};

// The pump chart: the chosen pump's line and the head the circuits need against their total
// flow, for every count tried.
struct SheetChart {
    QString pumpName;
    double pumpAtZeroHead = 0;         // m³/h
    double pumpSlope = 0;              // m³/h per m
    std::array<double, calc::kMostCircuits> totalFlow{};  // m³/h of i circuits, at [i - 1]
    std::array<double, calc::kMostCircuits> totalHead{};  // m, at [i - 1]
    int circuitsFound = 1;
    char decimalMark = '.';
};

struct CalculationSheet {
    QDateTime calculatedAt;
    QList<SheetLine> inputs;   // top to bottom as the page shows them
    QList<SheetLine> results;  // top to bottom as the page shows them
    QList<SheetLine> working;
    SheetChart chart;
};

// What the inputs of a sizing run were, as the working's captions need them.
struct WorkingInputs {
    int pitch = 0;            // mm
    int setTemperature = 0;   // °C
    int drop = 0;             // K
    QString pumpName;
};

// The working lines and the chart of one run, numbers written with `mark` as decimal mark.
void AddWorking(CalculationSheet &sheet, const WorkingInputs &inputs,
                const calc::SizingWorking &working, char mark);

// A number with a fixed count of decimals and the given decimal mark ("-0" never shows).
QString FixedText(double value, int decimals, char mark);

// The sheet's heading and the program that made it.
QString SheetTitle();
QString SheetSubtitle();
QString ProgramNameAndVersion();
QString CalculatedAtText(const QDateTime &at);

// "1 контур", "3 контура", "10 контуров": a count of circuits as a sentence says it.
QString CircuitCount(int count);

// The operating point of the count found: the circuits' total flow (m³/h) and the head they
// need (m).
QPointF OperatingPoint(const SheetChart &chart);

// The regime's name as the sheet writes it.
QString RegimeName(calc::FlowRegime regime);

// The sheet as text: one line per input, result and working figure, caption and value
// separated by a tab; and as an HTML table.
QString SheetPlainText(const CalculationSheet &sheet);
QString SheetHtml(const CalculationSheet &sheet);
// Both forms, for the clipboard; the caller owns the result.
QMimeData *SheetMimeData(const CalculationSheet &sheet);

// «Расчет узла Varnelo ГГГГ-ММ-ДД.pdf», of the calculation's date.
QString ProposedSheetFileName(const CalculationSheet &sheet);
