// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pumpchart.h"

#include "calc/designdata.h"
#include "tools/paintkit.h"

#include <QLocale>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace tools {

QString ModelName(const char *itemText)
{
    const QString text = QString::fromUtf8(itemText);
    return text.mid(text.lastIndexOf(u' ') + 1);
}

std::vector<PumpLine> ChartPumps()
{
    std::vector<PumpLine> pumps;
    for (std::size_t i = 0; i < calc::kPumps.Size(); ++i) {
        const calc::Choice<calc::PumpLine> &item = calc::kPumps.items[i];
        pumps.push_back({ModelName(item.text), static_cast<double>(item.value.atZeroHead),
                         item.value.slope.AsDouble(),
                         int(i) == calc::kPumps.selectedAtStart});
    }
    std::ranges::stable_sort(pumps, {}, [](const PumpLine &pump) {
        return pump.flowAtZeroHead / pump.flowPerMetre;
    });
    return pumps;
}

namespace {

constexpr double kMaxFlow = 5.5;   // m³/h
constexpr double kMaxHead = 9.0;   // m
constexpr double kNetworkResistance = 1.0;  // s in H = s·Q², m per (m³/h)²
// One colour a pump line, lowest head first; the chart has room for this many pumps.
const QColor kPumpColours[] = {QColor(0, 140, 60),  QColor(20, 70, 200), QColor(150, 60, 170),
                               QColor(200, 120, 0), QColor(0, 150, 160), QColor(120, 80, 40)};
static_assert(calc::kPumps.Size() <= std::size(kPumpColours), "a colour for every pump line");
constexpr qreal kLegendRow = 16;  // px

class ChartFrame {
public:
    explicit ChartFrame(QSize size)
        : plot_(44, 16, size.width() - 44 - 16, size.height() - 16 - 36)
    {
    }

    QPointF At(double flow, double head) const
    {
        return {plot_.left() + flow / kMaxFlow * plot_.width(),
                plot_.bottom() - head / kMaxHead * plot_.height()};
    }
    const QRectF &Plot() const { return plot_; }

private:
    QRectF plot_;
};

QString Decimal(double value, int decimals)
{
    return QLocale(QLocale::Russian).toString(value, 'f', decimals);
}

void PaintGridAndAxes(QPainter &painter, const ChartFrame &frame)
{
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 10));
    for (int step = 0; step <= 11; ++step) {
        const double flow = step * 0.5;
        painter.setPen(QPen(QColor(210, 210, 210), 0.8, step % 2 ? Qt::DotLine : Qt::SolidLine));
        painter.drawLine(frame.At(flow, 0), frame.At(flow, kMaxHead));
        if (step % 2 == 0) {
            painter.setPen(Qt::black);
            painter.drawText(QRectF(frame.At(flow, 0) + QPointF(-15, 4), QSizeF(30, 12)),
                             Qt::AlignCenter, Decimal(flow, 0));
        }
    }
    for (int head = 0; head <= 9; ++head) {
        painter.setPen(QPen(QColor(210, 210, 210), 0.8));
        painter.drawLine(frame.At(0, head), frame.At(kMaxFlow, head));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(frame.At(0, head) + QPointF(-26, -6), QSizeF(20, 12)),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(head));
    }
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawLine(frame.At(0, 0), frame.At(kMaxFlow, 0));
    painter.drawLine(frame.At(0, 0), frame.At(0, kMaxHead));
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 11, true));
    painter.drawText(QRectF(frame.At(0, kMaxHead) + QPointF(-40, -16), QSizeF(36, 14)),
                     Qt::AlignRight, QStringLiteral("H, м"));
    painter.drawText(QRectF(frame.At(kMaxFlow, 0) + QPointF(-60, 16), QSizeF(60, 14)),
                     Qt::AlignRight, QStringLiteral("Q, м³/ч"));
}

void PaintPumpLines(QPainter &painter, const ChartFrame &frame,
                    const std::vector<PumpLine> &pumps)
{
    for (std::size_t i = 0; i < pumps.size(); ++i) {
        const PumpLine &pump = pumps[i];
        const double headAtZeroFlow = pump.flowAtZeroHead / pump.flowPerMetre;
        painter.setPen(QPen(kPumpColours[i], pump.chosen ? 2.4 : 1.6));
        painter.drawLine(frame.At(0, headAtZeroFlow), frame.At(pump.flowAtZeroHead, 0));
    }
}

void PaintNetworkCurve(QPainter &painter, const ChartFrame &frame)
{
    QPainterPath curve(frame.At(0, 0));
    for (double flow = 0.05; kNetworkResistance * flow * flow <= kMaxHead; flow += 0.05)
        curve.lineTo(frame.At(flow, kNetworkResistance * flow * flow));
    painter.setPen(QPen(QColor(60, 60, 60), 1.4, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void PaintOperatingPoint(QPainter &painter, const ChartFrame &frame, const PumpLine &pump)
{
    const QPointF point = OperatingPoint(pump, kNetworkResistance);
    const QPointF onChart = frame.At(point.x(), point.y());
    painter.setPen(QPen(QColor(230, 0, 0), 1.6));
    painter.drawLine(frame.At(point.x(), 0), onChart);
    painter.drawLine(frame.At(0, point.y()), onChart);
    painter.setBrush(QColor(230, 0, 0));
    painter.drawEllipse(onChart, 3.2, 3.2);
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 11, true));
    const QString label = QStringLiteral("Q = %1 м³/ч,  H = %2 м")
                              .arg(Decimal(point.x(), 2), Decimal(point.y(), 2));
    const QRectF box(onChart + QPointF(10, 6),
                     QSizeF(painter.fontMetrics().horizontalAdvance(label) + 8, 16));
    painter.setPen(QPen(QColor(200, 0, 0), 0.8));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, label);
}

// One row a pump and one for the network, each a line sample and its name.
void PaintLegend(QPainter &painter, const ChartFrame &frame, const std::vector<PumpLine> &pumps)
{
    const qreal rows = static_cast<qreal>(pumps.size() + 1);
    const QRectF box(frame.Plot().right() - 112, frame.Plot().top() + 6, 106,
                     rows * kLegendRow + 6);
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 10));
    for (std::size_t i = 0; i <= pumps.size(); ++i) {
        const qreal y = box.top() + 10 + static_cast<qreal>(i) * kLegendRow;
        const bool network = i == pumps.size();
        painter.setPen(network ? QPen(QColor(60, 60, 60), 1.4, Qt::DashLine)
                               : QPen(kPumpColours[i], 2));
        painter.drawLine(QPointF(box.left() + 6, y), QPointF(box.left() + 26, y));
        painter.setPen(Qt::black);
        const QString label =
            network ? QStringLiteral("Сеть") : QStringLiteral("Насос ") + pumps[i].name;
        painter.drawText(QPointF(box.left() + 32, y + 4), label);
    }
}

} // namespace

QPointF OperatingPoint(const PumpLine &pump, double networkResistance)
{
    // s·k·Q² + Q − a = 0, the positive root.
    const double sk = networkResistance * pump.flowPerMetre;
    const double flow = (-1.0 + std::sqrt(1.0 + 4.0 * sk * pump.flowAtZeroHead)) / (2.0 * sk);
    return {flow, networkResistance * flow * flow};
}

void PaintPumpChart(QPainter &painter, QSize size)
{
    const std::vector<PumpLine> pumps = ChartPumps();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const ChartFrame frame(size);
    PaintGridAndAxes(painter, frame);
    PaintNetworkCurve(painter, frame);
    PaintPumpLines(painter, frame, pumps);
    PaintOperatingPoint(painter, frame, *std::ranges::find_if(pumps, &PumpLine::chosen));
    PaintLegend(painter, frame, pumps);
}

} // namespace tools
