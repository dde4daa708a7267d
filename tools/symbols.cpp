// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/symbols.h"

#include "tools/paintkit.h"

#include <QPolygonF>
#include <QTransform>

namespace tools {

void DrawPipe(QPainter &painter, QPointF from, QPointF to, const QColor &colour, qreal width)
{
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
}

void DrawPumpSymbol(QPainter &painter, QPointF centre, qreal radius, qreal flowDegrees)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 1.2));
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre, radius, radius);
    painter.translate(centre);
    painter.rotate(-flowDegrees);
    const QPolygonF triangle({QPointF(radius * 0.95, 0), QPointF(-radius * 0.5, -radius * 0.82),
                              QPointF(-radius * 0.5, radius * 0.82)});
    painter.setBrush(QColor(40, 40, 40));
    painter.drawPolygon(triangle);
    painter.restore();
}

void DrawNumberTag(QPainter &painter, QPointF centre, const QString &text, const QColor &frame)
{
    painter.save();
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 10));
    const qreal width = 6 + painter.fontMetrics().horizontalAdvance(text);
    const QRectF box(centre.x() - width / 2, centre.y() - 6.5, width, 13);
    painter.setPen(QPen(frame, 0.8));
    painter.setBrush(QColor(255, 255, 224));
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
    painter.restore();
}

void DrawNode(QPainter &painter, QPointF centre, const QColor &colour)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(centre, 2.6, 2.6);
    painter.restore();
}

void DrawRadiatorSymbol(QPainter &painter, const QRectF &rect)
{
    painter.save();
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(250, 250, 250));
    painter.drawRect(rect);
    painter.setPen(QPen(QColor(150, 150, 150), 0.8));
    for (qreal x = rect.left() + 4; x < rect.right() - 2; x += 4)
        painter.drawLine(QPointF(x, rect.top() + 2), QPointF(x, rect.bottom() - 2));
    painter.restore();
}

void DrawFlowArrow(QPainter &painter, QPointF tip, qreal degrees, const QColor &colour)
{
    painter.save();
    painter.translate(tip);
    painter.rotate(-degrees);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(-8, -3.5), QPointF(-8, 3.5)}));
    painter.restore();
}

} // namespace tools
