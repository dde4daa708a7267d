// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheetreference.h"

#include "calc/designdata.h"

#include <QStringList>

#include <cmath>
#include <map>

namespace {

using Long = long double;

double RoundTo(Long value, Long scale) { return double(std::nearbyint(value * scale) / scale); }

double Velocity(double flow, double diameter)
{
    if (diameter == 0)
        return 0;
    const Long v = ((4 * Long(flow)) / 60000) / ((3.14L * diameter) * diameter);
    return RoundTo(v, 1e6L);
}

double Power(double base, double exponent) { return double(std::exp(exponent * std::log(Long(base)))); }

struct Friction {
    double velocity, reynolds, lambda, head;
    Regime regime;
};

Friction FrictionLoss(double roughness, double viscosity, double flow, double diameterMm, double length)
{
    Friction f{};
    const double d = double(Long(diameterMm) / 1000);
    f.velocity = Velocity(flow, d);
    double re = viscosity > 0 ? double((Long(f.velocity) * d) / (Long(viscosity) / 1000000)) : 0;
    const double e = double(Long(roughness) / 1000);
    const Long ratio = Long(d) / e;
    double lambda = 0;
    Regime regime = Regime::None;
    if (re <= 2300) {
        if (re == 0)
            lambda = 0;
        re = RoundTo(re, 1e9L);
        if (re > 0) {
            lambda = double(70 / Long(re));
            regime = Regime::Laminar;
        }
    }
    if (re > 2300 && re <= 4000) {
        lambda = double(0.3164L / Power(re, 0.25));
        regime = Regime::Transition;
    }
    if (re > 4000 && re <= 10 * ratio) {
        lambda = double(0.3164L / Power(re, 0.25));
        regime = Regime::Smooth;
    }
    if (re > 10 * ratio && re <= 560 * ratio) {
        lambda = double(0.11L * Power(double(Long(e) / d + 68 / Long(re)), 0.25));
        regime = Regime::Mixed;
    }
    if (re > 560 * ratio) {
        lambda = double(0.11L * Power(double(Long(e) / d), 0.25));
        regime = Regime::Rough;
    }
    const double h = double((((Long(length) * f.velocity) * f.velocity) * lambda) / ((Long(d) * 2) * 9.81L));
    f.reynolds = re;
    f.lambda = lambda;
    f.regime = regime;
    f.head = RoundTo(h, 1e4L);
    return f;
}

double LocalLoss(double flow, double diameterMm, double zeta)
{
    const double v = Velocity(flow, double(Long(diameterMm) / 1000));
    const double h = double(((Long(zeta) * v) * v) / 19.62L);
    return RoundTo(h, 1e4L);
}

QString RegimeText(Regime regime)
{
    switch (regime) {
    case Regime::Laminar: return QStringLiteral("ламинарный");
    case Regime::Transition: return QStringLiteral("переходный");
    case Regime::Smooth: return QStringLiteral("гидравлически гладкие трубы");
    case Regime::Mixed: return QStringLiteral("смешанное трение");
    case Regime::Rough: return QStringLiteral("шероховатые трубы");
    case Regime::None: break;
    }
    return QStringLiteral("нет течения");
}

// The number a value text begins with, read with the sheet's decimal mark, and how many
// decimals it shows.
struct Shown {
    bool read = false;
    long double value = 0;
    int decimals = 0;
};

Shown Read(const QString &text, char mark)
{
    QString number = text.section(u' ', 0, 0);
    const qsizetype at = number.indexOf(QChar::fromLatin1(mark));
    Shown shown;
    shown.decimals = at < 0 ? 0 : int(number.size() - at - 1);
    number.replace(QChar::fromLatin1(mark), u'.');
    shown.value = number.toDouble(&shown.read);
    return shown;
}

} // namespace

ReferenceWorking WorkOut(int boiler, int setTemp, int drop, double length, int pitch, int pump)
{
    ReferenceWorking w{};
    const int boilerTemperature = calc::kBoilerTemperatures.ValueAt(boiler);
    const int setTemperature = calc::kSetTemperatures.ValueAt(setTemp);
    if (boilerTemperature < setTemperature) {
        w.notice = true;
        return w;
    }
    const int dropKelvin = calc::kTemperatureDrops.ValueAt(drop);
    w.heat = calc::kHeatTable[std::size_t(pitch)][std::size_t(setTemp)][std::size_t(drop)];
    w.power = double(Long(length) * w.heat * 10);
    w.flow = double(Long(w.power) / (1163 * dropKelvin) / 60);
    const Friction friction = FrictionLoss(0.01, 0.61, w.flow, 12, length);
    w.velocity = friction.velocity;
    w.reynolds = friction.reynolds;
    w.lambda = friction.lambda;
    w.regime = friction.regime;
    w.frictionHead = friction.head;
    w.boilerDifference = boilerTemperature - (setTemperature - dropKelvin);
    w.boilerFlow = double(Long(w.power) / (1163 * Long(w.boilerDifference)) / 60);
    w.recirculationFlow = double(Long(w.flow) - w.boilerFlow);
    w.boilerShare = double(Long(w.boilerFlow) / (Long(w.boilerFlow) + w.recirculationFlow));
    w.recirculationShare = double(Long(w.recirculationFlow) / (Long(w.boilerFlow) + w.recirculationFlow));

    const calc::PumpLine line = calc::kPumps.ValueAt(pump);
    const Long slope = Long(line.slope.numerator) / Long(line.slope.denominator);
    w.pumpAtZeroHead = line.atZeroHead;
    w.pumpSlope = double(slope);
    for (int i = 1; i <= 50; ++i) {
        ReferenceCount &c = w.counts[std::size_t(i - 1)];
        const double boilerFlow = double(Long(i) * w.flow * w.boilerShare);
        c.boilerLoss = double(Long(LocalLoss(boilerFlow, 25, 175)) * 1.05L);
        const double recirculationFlow = double(Long(i) * w.flow * w.recirculationShare);
        c.recirculationLoss = LocalLoss(recirculationFlow, 25, 25);
        c.unitLoss = c.boilerLoss >= c.recirculationLoss ? c.boilerLoss : c.recirculationLoss;
        c.totalHead = double(Long(w.frictionHead) + c.unitLoss);
        c.pumpFlow = double(line.atZeroHead - slope * c.totalHead);
        c.capacity = Long(c.pumpFlow) / 60 * 1000 / w.flow;
        c.passes = i < c.capacity;
        if (c.passes)
            w.found = i;
    }
    if (!w.counts[std::size_t(w.found - 1)].passes)
        w.reason = Reason::NonePasses;
    else
        w.reason = w.found == 50 ? Reason::MostCircuits : Reason::NextFails;
    return w;
}

QString FigureText(const CalculationSheet &sheet, WorkingFigure figure)
{
    for (const SheetLine &line : sheet.working) {
        if (line.figure == figure)
            return line.value;
    }
    return {};
}

::testing::AssertionResult WorkingAgrees(const CalculationSheet &sheet, const ReferenceWorking &w,
                                         char mark)
{
    QStringList problems;
    const auto number = [&](WorkingFigure figure, const char *name, long double expected) {
        const QString text = FigureText(sheet, figure);
        const Shown shown = Read(text, mark);
        const long double slack = 0.5L * std::pow(10.0L, -shown.decimals)
                                  + 1e-9L * std::max(1.0L, std::fabs(expected));
        if (!shown.read || std::fabs(shown.value - expected) > slack)
            problems << QStringLiteral("%1 shows \"%2\", worked out %3")
                            .arg(QString::fromLatin1(name), text)
                            .arg(double(expected), 0, 'g', 12);
    };
    const auto words = [&](WorkingFigure figure, const char *name, const QString &expected) {
        const QString text = FigureText(sheet, figure);
        if (text != expected)
            problems << QStringLiteral("%1 shows \"%2\", expected \"%3\"")
                            .arg(QString::fromLatin1(name), text, expected);
    };
    const std::size_t n = std::size_t(w.found - 1);
    const ReferenceCount &at = w.counts[n];

    number(WorkingFigure::HeatTableValue, "q", w.heat);
    number(WorkingFigure::CircuitHeat, "heat of one circuit", Long(w.power) / 1000);
    number(WorkingFigure::CircuitFlow, "circuit flow", w.flow);
    number(WorkingFigure::Velocity, "velocity", w.velocity);
    number(WorkingFigure::Reynolds, "Reynolds number", w.reynolds);
    words(WorkingFigure::Regime, "regime", RegimeText(w.regime));
    number(WorkingFigure::FrictionFactor, "friction factor", w.lambda);
    number(WorkingFigure::FrictionHead, "friction head", w.frictionHead);
    number(WorkingFigure::BoilerDifference, "boiler difference", w.boilerDifference);
    number(WorkingFigure::BoilerFlow, "boiler flow", w.boilerFlow);
    number(WorkingFigure::RecirculationFlow, "recirculation flow", w.recirculationFlow);
    number(WorkingFigure::BoilerShare, "boiler share", w.boilerShare);
    number(WorkingFigure::RecirculationShare, "recirculation share", w.recirculationShare);
    const QString slope = QString::number(w.pumpSlope, 'f', 4).replace(u'.', QChar::fromLatin1(mark));
    words(WorkingFigure::PumpLine, "pump line",
          QStringLiteral("Q = %1 − %2·H м³/ч").arg(w.pumpAtZeroHead).arg(slope));
    number(WorkingFigure::BoilerLoss, "boiler-side loss", at.boilerLoss);
    number(WorkingFigure::RecirculationLoss, "recirculation loss", at.recirculationLoss);
    words(WorkingFigure::DecidingBranch, "deciding branch",
          at.boilerLoss >= at.recirculationLoss ? QStringLiteral("котла") : QStringLiteral("рециркуляции"));
    number(WorkingFigure::TotalHead, "total head", at.totalHead);
    number(WorkingFigure::PumpFlow, "pump flow", at.pumpFlow);
    number(WorkingFigure::Capacity, "capacity", at.capacity);

    // Why the count is what it is: the next count's capacity only when the next one fails.
    const QString reason = FigureText(sheet, WorkingFigure::Reason);
    const bool hasNext = !FigureText(sheet, WorkingFigure::NextCapacity).isEmpty();
    switch (w.reason) {
    case Reason::NextFails:
        number(WorkingFigure::NextCapacity, "next count's capacity", w.counts[n + 1].capacity);
        if (!reason.contains(QStringLiteral("%1 ≥ ").arg(w.found + 1)))
            problems << QStringLiteral("reason \"%1\" does not say that %2 fails").arg(reason).arg(w.found + 1);
        break;
    case Reason::MostCircuits:
        if (hasNext || !reason.startsWith(QStringLiteral("50 — наибольшее")))
            problems << QStringLiteral("reason \"%1\" is not the ceiling of 50").arg(reason);
        break;
    case Reason::NonePasses:
        if (hasNext || !reason.contains(QStringLiteral("не питает и одного контура")))
            problems << QStringLiteral("reason \"%1\" is not that none passes").arg(reason);
        break;
    }

    // Each count's line names the count it belongs to.
    for (const SheetLine &line : sheet.working) {
        if ((line.figure == WorkingFigure::BoilerLoss || line.figure == WorkingFigure::TotalHead)
            && !line.caption.contains(QStringLiteral(" %1 контур").arg(w.found)))
            problems << QStringLiteral("\"%1\" does not name %2 circuits").arg(line.caption).arg(w.found);
    }

    // The chart: every count's flow and head, and the operating point of the count found.
    const SheetChart &chart = sheet.chart;
    for (std::size_t i = 0; i < 50; ++i) {
        const long double flow = Long(i + 1) * w.flow * 60 / 1000;
        if (std::fabs(chart.totalFlow[i] - flow) > 1e-12L * std::max(1.0L, flow)
            || chart.totalHead[i] != w.counts[i].totalHead)
            problems << QStringLiteral("chart at %1 circuits: %2 m³/h, %3 m").arg(i + 1)
                            .arg(chart.totalFlow[i]).arg(chart.totalHead[i]);
    }
    const QPointF point = OperatingPoint(chart);
    const long double pointFlow = Long(w.found) * w.flow * 60 / 1000;
    if (chart.circuitsFound != w.found || std::fabs(point.x() - pointFlow) > 1e-12L * std::max(1.0L, pointFlow)
        || point.y() != at.totalHead)
        problems << QStringLiteral("operating point %1 m³/h, %2 m for %3 circuits")
                        .arg(point.x()).arg(point.y()).arg(chart.circuitsFound);
    if (chart.pumpAtZeroHead != w.pumpAtZeroHead || std::fabs(chart.pumpSlope - w.pumpSlope) > 1e-15)
        problems << QStringLiteral("chart's pump line");

    if (problems.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << problems.join(QStringLiteral("\n")).toStdString();
}
