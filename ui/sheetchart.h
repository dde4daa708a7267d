// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRectF>
#include <QString>

class QFont;
class QPainter;
struct SheetChart;

// The pump chart of the calculation sheet, drawn with QPainter (vector in a PDF): flow in m³/h
// across, head in metres of water column up; the pump's straight line, the head that 1 to 50
// circuits need at their total flow, and the operating point of the count found.
// `line` is the width of the thinnest line in device pixels.
void PaintPumpChart(QPainter &painter, const QRectF &area, const SheetChart &chart,
                    const QFont &font, double line);

// The label of the operating point, as the chart writes it beside the point.
QString OperatingPointLabel(const SheetChart &chart);

// A step for about `wanted` intervals over 0..most: 1, 2, 2.5 or 5 times a power of ten.
double ChartStep(double most, int wanted);
