// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace tools {
namespace {

const QColor kKeyMagenta(255, 0, 255);
const QColor kButtonFace(240, 240, 240);

void PaintDiscWithArrow(QPainter &painter, QSize size)
{
    const QPointF centre((size.width() - 1) / 2.0 + 0.5, size.height() / 2.0);
    const qreal radius = size.height() / 2.0 - 0.25;
    QRadialGradient shading(centre, radius, centre - QPointF(radius * 0.45, radius * 0.5));
    shading.setColorAt(0.0, QColor(186, 246, 160));
    shading.setColorAt(0.45, QColor(64, 186, 58));
    shading.setColorAt(1.0, QColor(10, 96, 20));
    painter.setPen(QPen(QColor(6, 70, 14), 0.8));
    painter.setBrush(shading);
    painter.drawEllipse(centre, radius - 0.4, radius - 0.4);

    const qreal unit = radius / 7.0;
    QPainterPath arrow;
    arrow.moveTo(centre + QPointF(-4.3, -1.3) * unit);
    arrow.lineTo(centre + QPointF(0.2, -1.3) * unit);
    arrow.lineTo(centre + QPointF(0.2, -4.0) * unit);
    arrow.lineTo(centre + QPointF(4.6, 0.0) * unit);
    arrow.lineTo(centre + QPointF(0.2, 4.0) * unit);
    arrow.lineTo(centre + QPointF(0.2, 1.3) * unit);
    arrow.lineTo(centre + QPointF(-4.3, 1.3) * unit);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
}

// Keyed glyphs have no partial transparency: edge pixels that are mostly disc become opaque,
// blended with the usual button face, and the rest becomes the key colour.
QImage OnKeyColour(const QImage &drawn)
{
    QImage keyed(drawn.size(), QImage::Format_RGB888);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor pixel = drawn.pixelColor(x, y);
            const qreal alpha = pixel.alphaF();
            const auto mix = [alpha](int over, int under) {
                return qRound(over * alpha + under * (1.0 - alpha));
            };
            keyed.setPixelColor(x, y, alpha < 0.4 ? kKeyMagenta
                                                  : QColor(mix(pixel.red(), kButtonFace.red()),
                                                           mix(pixel.green(), kButtonFace.green()),
                                                           mix(pixel.blue(), kButtonFace.blue())));
        }
    }
    return keyed;
}

void PaintPins(QPainter &painter, qreal bodyHalfWidth, qreal bodyHalfLength, int pinsPerSide)
{
    const qreal pitch = 2 * bodyHalfLength / pinsPerSide;
    const qreal pinWidth = pitch * 0.52;
    const qreal pinLength = bodyHalfWidth * 0.62;
    painter.setPen(QPen(QColor(150, 110, 0), 0.06 * pitch));
    for (int side : {-1, 1}) {
        for (int i = 0; i < pinsPerSide; ++i) {
            const qreal y = -bodyHalfLength + pitch * (i + 0.5);
            const qreal x = side < 0 ? -bodyHalfWidth - pinLength : bodyHalfWidth - pinLength * 0.1;
            QLinearGradient gold(QPointF(0, y - pinWidth / 2), QPointF(0, y + pinWidth / 2));
            gold.setColorAt(0.0, QColor(255, 244, 150));
            gold.setColorAt(0.5, QColor(255, 208, 0));
            gold.setColorAt(1.0, QColor(205, 150, 0));
            painter.setBrush(gold);
            painter.drawRect(QRectF(x, y - pinWidth / 2, pinLength * 1.1, pinWidth));
        }
    }
}

void PaintChipBody(QPainter &painter, qreal halfWidth, qreal halfLength)
{
    const QRectF body(-halfWidth, -halfLength, 2 * halfWidth, 2 * halfLength);
    QLinearGradient black(body.topLeft(), body.bottomRight());
    black.setColorAt(0.0, QColor(78, 80, 86));
    black.setColorAt(0.35, QColor(24, 24, 28));
    black.setColorAt(1.0, QColor(0, 0, 0));
    painter.setPen(QPen(QColor(0, 0, 0), halfWidth * 0.06));
    painter.setBrush(black);
    painter.drawRoundedRect(body, halfWidth * 0.14, halfWidth * 0.14);
    // The pin-1 notch at the top end and a dimple beside it.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(70, 72, 78));
    painter.drawEllipse(QPointF(0, -halfLength), halfWidth * 0.32, halfWidth * 0.32);
    painter.drawEllipse(QPointF(-halfWidth * 0.5, -halfLength * 0.72), halfWidth * 0.16,
                        halfWidth * 0.16);
}

} // namespace

QImage DrawButtonGlyph(QSize size)
{
    QImage drawn(size, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter painter(&drawn);
        painter.setRenderHint(QPainter::Antialiasing);
        PaintDiscWithArrow(painter, size);
    }
    return OnKeyColour(drawn);
}

QImage DrawIcon(int side)
{
    QImage icon(side, side, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(side / 2.0, side / 2.0);
    painter.rotate(45);
    painter.scale(side / 32.0, side / 32.0);
    const qreal halfWidth = 5.6;
    const qreal halfLength = 10.0;
    PaintPins(painter, halfWidth, halfLength, 4);
    PaintChipBody(painter, halfWidth, halfLength);
    return icon;
}

} // namespace tools
