// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

// Symbols of hydraulic schemes, shared by the screenshots of the calculation programs.
namespace tools {

const QColor kSupplyRed(208, 32, 32);
const QColor kReturnBlue(30, 84, 200);
const QColor kColdWaterBlue(0, 120, 200);

void DrawPipe(QPainter &painter, QPointF from, QPointF to, const QColor &colour, qreal width = 2.0);

// Circle with a triangle pointing in the direction of flow (degrees, 0 = right, 90 = up).
void DrawPumpSymbol(QPainter &painter, QPointF centre, qreal radius, qreal flowDegrees);

// Small boxed number beside a pipe or node.
void DrawNumberTag(QPainter &painter, QPointF centre, const QString &text,
                   const QColor &frame = Qt::black);

void DrawNode(QPainter &painter, QPointF centre, const QColor &colour = Qt::black);

// A panel radiator seen from the front, fitted into rect.
void DrawRadiatorSymbol(QPainter &painter, const QRectF &rect);

// Arrowhead at point, pointing along the given direction (degrees).
void DrawFlowArrow(QPainter &painter, QPointF tip, qreal degrees, const QColor &colour);

} // namespace tools
