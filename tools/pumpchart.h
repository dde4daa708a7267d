#pragma once

#include <QPainter>
#include <QPointF>
#include <QSize>

#include <array>

namespace tools {

// A pump described by its straight line of flow against head: Q = a − k·H (Q in m³/h, H in m).
struct PumpLine {
    const char *name;
    double flowAtZeroHead;  // a
    double flowPerMetre;    // k
};

// The three pumps of the calculator page, from the lines its sizing uses, lowest head first.
PumpLine ChartPump(std::size_t sizingIndex, const char *name);
inline const std::array<PumpLine, 3> kPumpLines{{
    ChartPump(1, "25/4"),
    ChartPump(0, "25/6"),
    ChartPump(2, "25/8"),
}};

// Where the pump's line meets the network curve H = s·Q²: (flow in m³/h, head in m).
QPointF OperatingPoint(const PumpLine &pump, double networkResistance);

// Head in metres against flow in m³/h for the three pump lines and a network curve
// H = s·Q², with the operating point of the 25/6 pump marked by two red lines.
void PaintPumpChart(QPainter &painter, QSize size);

} // namespace tools
