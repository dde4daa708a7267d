// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/fakewindow.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolBar>

// The small pictures of the tool-bar buttons in the screenshots, drawn on a 16 x 16 grid.
namespace tools {
namespace {

void PaintPage(QPainter &p, bool withLines)
{
    QPainterPath page(QPointF(3.5, 1.5));
    page.lineTo(10.5, 1.5);
    page.lineTo(13.5, 4.5);
    page.lineTo(13.5, 14.5);
    page.lineTo(3.5, 14.5);
    page.closeSubpath();
    p.setPen(QColor(90, 100, 120));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(10.5, 1.5), QPointF(10.5, 4.5));
    p.drawLine(QPointF(10.5, 4.5), QPointF(13.5, 4.5));
    if (withLines) {
        p.setPen(QColor(60, 110, 200));
        for (int y = 6; y <= 12; y += 2)
            p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
    }
}

void PaintFolder(QPainter &p)
{
    p.setPen(QColor(160, 110, 0));
    p.setBrush(QColor(250, 210, 90));
    p.drawRect(QRectF(1.5, 4.5, 12, 9));
    p.setBrush(QColor(255, 232, 140));
    p.drawPolygon(QPolygonF(
        {QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
    p.drawRect(QRectF(1.5, 2.5, 5, 2));
}

void PaintDisk(QPainter &p)
{
    p.setPen(QColor(20, 40, 100));
    p.setBrush(QColor(50, 90, 190));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(190, 190, 200));
    p.drawRect(QRectF(4.5, 9.5, 7, 5));
}

void PaintPrinter(QPainter &p)
{
    p.setPen(QColor(70, 70, 70));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 6));
    p.setBrush(QColor(190, 190, 185));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.fillRect(QRectF(11, 8, 2, 1.5), QColor(40, 180, 40));
}

void PaintUndo(QPainter &p)
{
    QPainterPath arc(QPointF(4, 6));
    arc.cubicTo(9, 2, 15, 5, 13, 11);
    p.setPen(QPen(QColor(30, 80, 180), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 80, 180));
    p.drawPolygon(QPolygonF({QPointF(1, 4), QPointF(7, 2), QPointF(6, 9)}));
}

void PaintCalculator(QPainter &p)
{
    p.setPen(QColor(50, 50, 60));
    p.setBrush(QColor(120, 130, 150));
    p.drawRoundedRect(QRectF(2.5, 0.5, 11, 15), 1.5, 1.5);
    p.setBrush(QColor(200, 230, 200));
    p.drawRect(QRectF(4.5, 2.5, 7, 3));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            p.fillRect(QRectF(4.5 + column * 2.5, 7 + row * 2.6, 1.8, 1.8),
                       row == 2 && column == 2 ? QColor(230, 90, 40) : Qt::white);
    }
}

void PaintChart(QPainter &p)
{
    p.setPen(QColor(40, 40, 40));
    p.drawLine(QPointF(2.5, 1), QPointF(2.5, 13.5));
    p.drawLine(QPointF(2.5, 13.5), QPointF(15, 13.5));
    p.setPen(QPen(QColor(30, 90, 210), 1.6));
    p.drawLine(QPointF(3.5, 3), QPointF(14, 12));
    p.setPen(QPen(QColor(220, 30, 30), 1));
    p.drawLine(QPointF(8.5, 7.5), QPointF(8.5, 13));
    p.drawLine(QPointF(3, 7.5), QPointF(8.5, 7.5));
}

void PaintZoom(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 70), 1.4));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(QPointF(6.5, 6.5), 4.5, 4.5);
    p.setPen(QPen(QColor(120, 80, 30), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10.5, 10.5), QPointF(14, 14));
}

void PaintRotate(QPainter &p)
{
    p.setPen(QPen(QColor(20, 140, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2.5, 2.5, 11, 11), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 140, 60));
    p.drawPolygon(QPolygonF({QPointF(9, 0.5), QPointF(13.5, 3.5), QPointF(9, 6.5)}));
}

void PaintPipe(QPainter &p)
{
    p.setPen(QPen(QColor(200, 30, 30), 2.2));
    p.drawLine(QPointF(1, 5), QPointF(15, 5));
    p.setPen(QPen(QColor(30, 80, 200), 2.2));
    p.drawLine(QPointF(1, 11), QPointF(15, 11));
}

void PaintRadiator(QPainter &p)
{
    p.setPen(QColor(90, 90, 100));
    for (int x = 2; x <= 12; x += 3) {
        p.setBrush(QColor(235, 235, 240));
        p.drawRoundedRect(QRectF(x + 0.5, 3.5, 2.6, 10), 1, 1);
    }
}

void PaintWall(QPainter &p)
{
    p.fillRect(QRectF(1, 2, 14, 12), QColor(190, 90, 60));
    p.setPen(QColor(240, 230, 220));
    for (int y = 5; y < 14; y += 3)
        p.drawLine(QPointF(1, y + 0.5), QPointF(15, y + 0.5));
    for (int y = 2, row = 0; y < 14; y += 3, ++row) {
        for (int x = (row % 2) ? 4 : 7; x < 15; x += 6)
            p.drawLine(QPointF(x + 0.5, y), QPointF(x + 0.5, y + 3));
    }
}

void PaintWindowFrame(QPainter &p)
{
    p.setPen(QColor(80, 80, 90));
    p.setBrush(QColor(150, 200, 240));
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
    p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
    p.drawLine(QPointF(2.5, 7.5), QPointF(13.5, 7.5));
}

void PaintDoor(QPainter &p)
{
    p.setPen(QColor(90, 50, 20));
    p.setBrush(QColor(170, 110, 60));
    p.drawRect(QRectF(3.5, 0.5, 9, 15));
    p.setBrush(QColor(230, 200, 80));
    p.drawEllipse(QPointF(10.5, 8.5), 1, 1);
}

void PaintIcon(QPainter &p, ToolIcon kind)
{
    switch (kind) {
    case ToolIcon::New: return PaintPage(p, false);
    case ToolIcon::Report: return PaintPage(p, true);
    case ToolIcon::Open: return PaintFolder(p);
    case ToolIcon::Save: return PaintDisk(p);
    case ToolIcon::Print: return PaintPrinter(p);
    case ToolIcon::Undo: return PaintUndo(p);
    case ToolIcon::Calculate: return PaintCalculator(p);
    case ToolIcon::Chart: return PaintChart(p);
    case ToolIcon::Zoom: return PaintZoom(p);
    case ToolIcon::Rotate: return PaintRotate(p);
    case ToolIcon::Pipe: return PaintPipe(p);
    case ToolIcon::Radiator: return PaintRadiator(p);
    case ToolIcon::Wall: return PaintWall(p);
    case ToolIcon::Window: return PaintWindowFrame(p);
    case ToolIcon::Door: return PaintDoor(p);
    }
}

} // namespace

QIcon MakeToolIcon(ToolIcon kind)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintIcon(painter, kind);
    return QIcon(pixmap);
}

void AddToolButtons(QToolBar *toolBar, const QList<ToolIcon> &icons)
{
    for (const ToolIcon icon : icons)
        toolBar->addAction(MakeToolIcon(icon), QString());
}

} // namespace tools
