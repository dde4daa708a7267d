// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sheetchart.h"

#include "ui/calculationsheet.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QString Text(const char *utf8) { return QString::fromUtf8(utf8); }

const QColor kPumpColour(0, 90, 180);
const QColor kCircuitsColour(200, 40, 30);
const QColor kGridColour(215, 215, 215);

int DecimalsOf(double step) { return step >= 1 ? 0 : int(std::ceil(-std::log10(step) - 1e-9)); }

// Where a flow and a head fall within the plot.
class Scale {
public:
    Scale(const QRectF &plot, double mostFlow, double mostHead)
        : plot_(plot), mostFlow_(mostFlow), mostHead_(mostHead)
    {
    }
    QPointF At(double flow, double head) const
    {
        return {plot_.left() + flow / mostFlow_ * plot_.width(),
                plot_.bottom() - head / mostHead_ * plot_.height()};
    }

private:
    QRectF plot_;
    double mostFlow_;
    double mostHead_;
};

} // namespace

double ChartStep(double most, int wanted)
{
    const double rough = most / wanted;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0}) {
        if (factor * power >= rough)
            return factor * power;
    }
    return 10 * power;
}

QString OperatingPointLabel(const SheetChart &chart)
{
    const QPointF point = OperatingPoint(chart);
    return Text("%1: %2 м³/ч при %3 м.в.ст.")
        .arg(CircuitCount(chart.circuitsFound),
             FixedText(point.x(), 4, chart.decimalMark),
             FixedText(point.y(), 4, chart.decimalMark));
}

void PaintPumpChart(QPainter &painter, const QRectF &area, const SheetChart &chart,
                    const QFont &font, double line)
{
    painter.save();
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const double text = metrics.height();

    // Room for the head labels left, the flow labels and axis name below, the legend above.
    const QRectF plot = area.adjusted(metrics.horizontalAdvance(QStringLiteral("00,00")) + 2 * line,
                                      5 * text, -3 * line, -2.6 * text);
    const int found = chart.circuitsFound;
    const int beyond = std::min(found + 1, int(chart.totalFlow.size()));
    const double pumpHead = chart.pumpSlope > 0 ? chart.pumpAtZeroHead / chart.pumpSlope : 0;
    const double mostFlow = 1.1 * std::max({chart.pumpAtZeroHead, chart.totalFlow[beyond - 1], 0.1});
    const double mostHead = 1.1 * std::max({pumpHead, chart.totalHead[beyond - 1], 0.1});
    const double flowStep = ChartStep(mostFlow, 8);
    const double headStep = ChartStep(mostHead, 6);
    const Scale scale(plot, mostFlow, mostHead);

    // Grid and scales.
    painter.setPen(QPen(kGridColour, line * 0.6));
    for (double flow = 0; flow <= mostFlow + 1e-9; flow += flowStep)
        painter.drawLine(scale.At(flow, 0), scale.At(flow, mostHead));
    for (double head = 0; head <= mostHead + 1e-9; head += headStep)
        painter.drawLine(scale.At(0, head), scale.At(mostFlow, head));
    painter.setPen(QPen(Qt::black, line));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double flow = 0; flow <= mostFlow + 1e-9; flow += flowStep) {
        const QPointF at = scale.At(flow, 0);
        painter.drawText(QRectF(at.x() - 3 * text, at.y() + line, 6 * text, text), Qt::AlignCenter,
                         FixedText(flow, DecimalsOf(flowStep), chart.decimalMark));
    }
    for (double head = 0; head <= mostHead + 1e-9; head += headStep) {
        const QPointF at = scale.At(0, head);
        painter.drawText(QRectF(area.left(), at.y() - text / 2, at.x() - area.left() - 2 * line, text),
                         Qt::AlignRight | Qt::AlignVCenter,
                         FixedText(head, DecimalsOf(headStep), chart.decimalMark));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 1.3 * text, plot.width(), text),
                     Qt::AlignRight | Qt::AlignTop, Text("Расход, м³/ч"));
    painter.drawText(QRectF(area.left(), plot.top() - 1.4 * text, plot.width(), text),
                     Qt::AlignLeft | Qt::AlignTop, Text("Напор, м.в.ст."));

    // The pump line and the circuits' heads, clipped to the plot.
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kPumpColour, 3 * line));
    painter.drawLine(scale.At(0, pumpHead), scale.At(chart.pumpAtZeroHead, 0));
    QPainterPath circuits;
    for (std::size_t i = 0; i < chart.totalFlow.size(); ++i) {
        const QPointF at = scale.At(chart.totalFlow[i], chart.totalHead[i]);
        if (i == 0)
            circuits.moveTo(at);
        else
            circuits.lineTo(at);
    }
    painter.setPen(QPen(kCircuitsColour, 2 * line));
    painter.drawPath(circuits);
    painter.setBrush(kCircuitsColour);
    for (std::size_t i = 0; i < chart.totalFlow.size(); ++i)
        painter.drawEllipse(scale.At(chart.totalFlow[i], chart.totalHead[i]), 2 * line, 2 * line);

    // The operating point, and at its head the pump's flow, which it must not exceed.
    const QPointF operating = OperatingPoint(chart);
    const QPointF point = scale.At(operating.x(), operating.y());
    const double pumpFlow = chart.pumpAtZeroHead - chart.pumpSlope * operating.y();
    painter.setPen(QPen(Qt::black, line, Qt::DashLine));
    painter.drawLine(point, scale.At(pumpFlow, operating.y()));
    painter.setPen(QPen(Qt::black, line));
    painter.setBrush(Qt::black);
    painter.drawEllipse(point, 4 * line, 4 * line);
    painter.restore();

    // The count beside the point; the legend says what it is.
    const QString count = QString::number(chart.circuitsFound);
    const double countWidth = metrics.horizontalAdvance(count) + line;
    const double countLeft = std::clamp(point.x() - countWidth - 3 * line, plot.left(), plot.right() - countWidth);
    const double countTop = std::clamp(point.y() - 1.4 * text, plot.top(), plot.bottom() - text);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(countLeft, countTop, countWidth, text), Qt::AlignLeft | Qt::AlignTop, count);

    // The legend, above the plot.
    const auto legend = [&](int row, const QColor &colour, const QString &caption) {
        const double y = area.top() + row * 1.2 * text;
        painter.setPen(QPen(colour, 3 * line));
        painter.drawLine(QPointF(plot.left(), y + text / 2), QPointF(plot.left() + 2 * text, y + text / 2));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(plot.left() + 2.5 * text, y, plot.width(), text),
                         Qt::AlignLeft | Qt::AlignTop, caption);
    };
    legend(0, kPumpColour, Text("Насос %1: Q = %2 − %3·H")
                               .arg(chart.pumpName, FixedText(chart.pumpAtZeroHead, 0, chart.decimalMark),
                                    FixedText(chart.pumpSlope, 4, chart.decimalMark)));
    legend(1, kCircuitsColour, Text("Напор, нужный от 1 до 50 контуров, при их общем расходе"));
    legend(2, Qt::black, Text("Рабочая точка: ") + OperatingPointLabel(chart));
    painter.restore();
}
