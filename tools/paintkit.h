// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

// Drawing helpers shared by the pictures: shaded materials for the photograph and the
// teaching pictures, soft shadows, fonts and text fitting.
namespace tools {

// Colours of a round part lit from the upper left, from its dark rim over the highlight.
struct Material {
    QColor rim;
    QColor shade;
    QColor body;
    QColor light;
    QColor highlight;
};

extern const Material kChrome;
extern const Material kBrass;
extern const Material kPumpGreen;
extern const Material kWhitePlastic;
extern const Material kBlackPlastic;
extern const Material kRedPlastic;

// The gradient that makes a cylinder between the two edge points look round and glossy.
QLinearGradient RoundGradient(QPointF fromEdge, QPointF toEdge, const Material &material);

// A cylinder seen from the side; axis is the direction of its length.
void FillCylinder(QPainter &painter, const QRectF &rect, const Material &material,
                  Qt::Orientation axis, qreal cornerRadius = 0);

// A hexagonal nut seen from the side: three flat faces across the axis.
void FillNut(QPainter &painter, const QRectF &rect, const Material &material, Qt::Orientation axis);

// A bent tube along path: dark outline, body and a thin highlight on the upper-left side.
void StrokeTube(QPainter &painter, const QPainterPath &path, qreal width, const Material &material);

// A soft elliptic contact shadow on the floor.
void FillFloorShadow(QPainter &painter, const QRectF &ellipse, qreal strength);

// shape filled black and blurred, drawn at offset: the shadow of a flat object on paper.
void DrawBlurredShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, int blur,
                       qreal strength);

// Blurs an image with premultiplied alpha by three box passes of the given radius.
QImage Blurred(const QImage &image, int radius);

QFont PixelFont(const QString &family, int pixelSize, bool bold = false);

// The largest pixel size, at most maxPixelSize, at which text fits into width.
QFont FittedFont(const QString &family, const QString &text, qreal width, int maxPixelSize,
                 bool bold = false);

QImage FilledImage(QSize size, const QColor &colour);

} // namespace tools
