// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QPointF>
#include <QSize>
#include <QString>

#include <vector>

namespace tools {

// A pump described by its straight line of flow against head: Q = a − k·H (Q in m³/h, H in m).
struct PumpLine {
    QString name;           // the model, as the chart's legend shows it
    double flowAtZeroHead;  // a
    double flowPerMetre;    // k
    bool chosen;            // the pump the calculator page selects at start
};

// The calculator page's pumps, from the lines and item texts its sizing uses, lowest head at
// zero flow first.
std::vector<PumpLine> ChartPumps();

// The model part of a pump list's item text: what follows the maker's name.
QString ModelName(const char *itemText);

// Where the pump's line meets the network curve H = s·Q²: (flow in m³/h, head in m).
QPointF OperatingPoint(const PumpLine &pump, double networkResistance);

// Head in metres against flow in m³/h for the pump lines and a network curve H = s·Q², with
// the operating point of the pump selected at start marked by two red lines.
void PaintPumpChart(QPainter &painter, QSize size);

} // namespace tools
