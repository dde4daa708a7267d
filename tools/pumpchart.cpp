#include "tools/pumpchart.h"

#include "calc/designdata.h"
#include "tools/paintkit.h"

#include <QLocale>
#include <QPainterPath>

#include <cmath>

namespace tools {

PumpLine ChartPump(std::size_t sizingIndex, const char *name)
{
    const calc::PumpLine &line = calc::kPumpLines.at(sizingIndex);
    return {name, static_cast<double>(line.atZeroHead), static_cast<double>(line.slope)};
}

namespace {

constexpr double kMaxFlow = 5.5;   // m³/h
constexpr double kMaxHead = 9.0;   // m
constexpr double kNetworkResistance = 1.0;  // s in H = s·Q², m per (m³/h)²
constexpr std::size_t kChosenPump = 1;
const QColor kPumpColours[] = {QColor(0, 140, 60), QColor(20, 70, 200), QColor(150, 60, 170)};

class ChartFrame {
public:
    explicit ChartFrame(QSize size) : plot_(44, 16, size.width() - 44 - 16, size.height() - 16 - 36) {}

    QPointF at(double flow, double head) const
    {
        return {plot_.left() + flow / kMaxFlow * plot_.width(), plot_.bottom() - head / kMaxHead * plot_.height()};
    }
    const QRectF &plot() const { return plot_; }

private:
    QRectF plot_;
};

QString decimal(double value, int decimals)
{
    return QLocale(QLocale::Russian).toString(value, 'f', decimals);
}

void paintGridAndAxes(QPainter &painter, const ChartFrame &frame)
{
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 10));
    for (int step = 0; step <= 11; ++step) {
        const double flow = step * 0.5;
        painter.setPen(QPen(QColor(210, 210, 210), 0.8, step % 2 ? Qt::DotLine : Qt::SolidLine));
        painter.drawLine(frame.at(flow, 0), frame.at(flow, kMaxHead));
        if (step % 2 == 0) {
            painter.setPen(Qt::black);
            painter.drawText(QRectF(frame.at(flow, 0) + QPointF(-15, 4), QSizeF(30, 12)), Qt::AlignCenter, decimal(flow, 0));
        }
    }
    for (int head = 0; head <= 9; ++head) {
        painter.setPen(QPen(QColor(210, 210, 210), 0.8));
        painter.drawLine(frame.at(0, head), frame.at(kMaxFlow, head));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(frame.at(0, head) + QPointF(-26, -6), QSizeF(20, 12)), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(head));
    }
    painter.setPen(QPen(Qt::black, 1.2));
    painter.drawLine(frame.at(0, 0), frame.at(kMaxFlow, 0));
    painter.drawLine(frame.at(0, 0), frame.at(0, kMaxHead));
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 11, true));
    painter.drawText(QRectF(frame.at(0, kMaxHead) + QPointF(-40, -16), QSizeF(36, 14)), Qt::AlignRight, QStringLiteral("H, м"));
    painter.drawText(QRectF(frame.at(kMaxFlow, 0) + QPointF(-60, 16), QSizeF(60, 14)), Qt::AlignRight,
                     QStringLiteral("Q, м³/ч"));
}

void paintPumpLines(QPainter &painter, const ChartFrame &frame)
{
    for (std::size_t i = 0; i < kPumpLines.size(); ++i) {
        const PumpLine &pump = kPumpLines[i];
        const double headAtZeroFlow = pump.flowAtZeroHead / pump.flowPerMetre;
        painter.setPen(QPen(kPumpColours[i], i == kChosenPump ? 2.4 : 1.6));
        painter.drawLine(frame.at(0, headAtZeroFlow), frame.at(pump.flowAtZeroHead, 0));
    }
}

void paintNetworkCurve(QPainter &painter, const ChartFrame &frame)
{
    QPainterPath curve(frame.at(0, 0));
    for (double flow = 0.05; kNetworkResistance * flow * flow <= kMaxHead; flow += 0.05)
        curve.lineTo(frame.at(flow, kNetworkResistance * flow * flow));
    painter.setPen(QPen(QColor(60, 60, 60), 1.4, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void paintOperatingPoint(QPainter &painter, const ChartFrame &frame)
{
    const QPointF point = OperatingPoint(kPumpLines[kChosenPump], kNetworkResistance);
    const QPointF onChart = frame.at(point.x(), point.y());
    painter.setPen(QPen(QColor(230, 0, 0), 1.6));
    painter.drawLine(frame.at(point.x(), 0), onChart);
    painter.drawLine(frame.at(0, point.y()), onChart);
    painter.setBrush(QColor(230, 0, 0));
    painter.drawEllipse(onChart, 3.2, 3.2);
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 11, true));
    const QString label = QStringLiteral("Q = %1 м³/ч,  H = %2 м").arg(decimal(point.x(), 2), decimal(point.y(), 2));
    const QRectF box(onChart + QPointF(10, 6), QSizeF(painter.fontMetrics().horizontalAdvance(label) + 8, 16));
    painter.setPen(QPen(QColor(200, 0, 0), 0.8));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    painter.drawText(box, Qt::AlignCenter, label);
}

void paintLegend(QPainter &painter, const ChartFrame &frame)
{
    const QRectF box(frame.plot().right() - 112, frame.plot().top() + 6, 106, 70);
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    painter.setBrush(QColor(255, 255, 255, 235));
    painter.drawRect(box);
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 10));
    for (std::size_t i = 0; i <= kPumpLines.size(); ++i) {
        const qreal y = box.top() + 10 + static_cast<qreal>(i) * 16;
        const bool network = i == kPumpLines.size();
        painter.setPen(network ? QPen(QColor(60, 60, 60), 1.4, Qt::DashLine) : QPen(kPumpColours[i], 2));
        painter.drawLine(QPointF(box.left() + 6, y), QPointF(box.left() + 26, y));
        painter.setPen(Qt::black);
        const QString label = network ? QStringLiteral("Сеть") : QStringLiteral("Насос ") + QString::fromLatin1(kPumpLines[i].name);
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
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const ChartFrame frame(size);
    paintGridAndAxes(painter, frame);
    paintNetworkCurve(painter, frame);
    paintPumpLines(painter, frame);
    paintOperatingPoint(painter, frame);
    paintLegend(painter, frame);
}

} // namespace tools
