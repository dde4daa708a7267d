// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculationsheet.h"

#include "ui/calculatorpage.h"

#include <QMimeData>
#include <QStringList>

#include <cmath>

namespace {

QString Text(const char *utf8) { return QString::fromUtf8(utf8); }

// Decimals of each kind of working figure: enough to follow the figures the boxes show.
constexpr int kFlowDecimals = 4;      // l/min and m³/h
constexpr int kHeadDecimals = 4;      // m, as the hydraulic formulas round
constexpr int kVelocityDecimals = 6;  // as the velocity is rounded
constexpr int kFactorDecimals = 6;
constexpr int kShareDecimals = 4;
constexpr int kCapacityDecimals = 3;
constexpr int kHeatDecimals = 2;      // W

constexpr const char *kMetres = "м.в.ст.";
constexpr const char *kLitresPerMinute = "л/мин";
constexpr const char *kCubicMetresPerHour = "м³/ч";

QString WithUnit(const QString &value, const char *unit) { return value + u' ' + Text(unit); }

QString Circuits(int count)
{
    // Russian agrees the noun with the count: 1, 21 контуре; 2, 10 контурах.
    const bool one = count % 10 == 1 && count % 100 != 11;
    return QString::number(count) + (one ? Text(" контуре") : Text(" контурах"));
}

} // namespace

QString FixedText(double value, int decimals, char mark)
{
    if (!std::isfinite(value))
        return value < 0 ? QStringLiteral("-∞") : QStringLiteral("∞");
    QString text = QString::number(value, 'f', decimals);
    if (text.startsWith(u'-') && text.toDouble() == 0)
        text.remove(0, 1);
    if (mark != '.')
        text.replace(u'.', QChar::fromLatin1(mark));
    return text;
}

QString CircuitCount(int count)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    const char *noun = "контуров";
    if (last == 1 && lastTwo != 11)
        noun = "контур";
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        noun = "контура";
    return QString::number(count) + u' ' + Text(noun);
}

QPointF OperatingPoint(const SheetChart &chart)
{
    const auto at = std::size_t(chart.circuitsFound - 1);
    return {chart.totalFlow[at], chart.totalHead[at]};
}

QString SheetTitle() { return Text(kCalculatorPageCaption); }

QString SheetSubtitle() { return Text(kCalculatorHeading); }

QString ProgramNameAndVersion() { return QStringLiteral("Varnelo " VARNELO_VERSION); }

QString CalculatedAtText(const QDateTime &at)
{
    return at.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
}

QString RegimeName(calc::FlowRegime regime)
{
    switch (regime) {
    case calc::FlowRegime::Laminar:
        return Text("ламинарный");
    case calc::FlowRegime::Transition:
        return Text("переходный");
    case calc::FlowRegime::Smooth:
        return Text("гидравлически гладкие трубы");
    case calc::FlowRegime::Mixed:
        return Text("смешанное трение");
    case calc::FlowRegime::Rough:
        return Text("шероховатые трубы");
    case calc::FlowRegime::None:
        break;
    }
    return Text("нет течения");
}

void AddWorking(CalculationSheet &sheet, const WorkingInputs &in,
                const calc::SizingWorking &w, char mark)
{
    const auto fixed = [mark](double value, int decimals) { return FixedText(value, decimals, mark); };
    const auto add = [&sheet](WorkingFigure figure, const QString &caption, const QString &value) {
        sheet.working.append({caption, value, figure});
    };
    const int found = w.circuitsFound;
    const calc::CountCheck &atFound = w.AtCount(found);
    const double slope = w.pump.slope.AsDouble();

    add(WorkingFigure::HeatTableValue,
        Text("Теплоотдача 100 м трубы по таблице, q (шаг %1 мм, %2 °C, перепад %3 К)")
            .arg(in.pitch).arg(in.setTemperature).arg(in.drop),
        WithUnit(QString::number(w.heatTableValue), "Вт"));
    add(WorkingFigure::CircuitHeat, Text("Тепловая мощность одного контура, P/1000 при P = L·q·10"),
        WithUnit(fixed(w.heatProduct / 1000, kHeatDecimals), "Вт"));
    add(WorkingFigure::CircuitFlow, Text("Расход одного контура, G = P/(1163·Δt)/60"),
        WithUnit(fixed(w.circuitFlow, kFlowDecimals), kLitresPerMinute));
    add(WorkingFigure::Velocity, Text("Скорость воды в трубе контура, v"),
        WithUnit(fixed(w.friction.velocity, kVelocityDecimals), "м/с"));
    add(WorkingFigure::Reynolds, Text("Число Рейнольдса, Re"), fixed(w.friction.reynolds, 0));
    add(WorkingFigure::Regime, Text("Режим течения"), RegimeName(w.friction.regime));
    add(WorkingFigure::FrictionFactor, Text("Коэффициент трения, λ"),
        fixed(w.friction.frictionFactor, kFactorDecimals));
    add(WorkingFigure::FrictionHead, Text("Потери напора на трение в одном контуре, Hк"),
        WithUnit(fixed(w.friction.head, kHeadDecimals), kMetres));
    add(WorkingFigure::BoilerDifference,
        Text("Разность температур подачи котла и обратки пола, ΔTк"),
        WithUnit(fixed(w.boilerDifference, 0), "К"));
    add(WorkingFigure::BoilerFlow, Text("Расход из котла на один контур, Gк"),
        WithUnit(fixed(w.boilerFlow, kFlowDecimals), kLitresPerMinute));
    add(WorkingFigure::RecirculationFlow, Text("Расход рециркуляции на один контур, Gр"),
        WithUnit(fixed(w.recirculationFlow, kFlowDecimals), kLitresPerMinute));
    add(WorkingFigure::BoilerShare, Text("Доля котла, Gк/(Gк + Gр)"),
        fixed(w.boilerShare, kShareDecimals));
    add(WorkingFigure::RecirculationShare, Text("Доля рециркуляции, Gр/(Gк + Gр)"),
        fixed(w.recirculationShare, kShareDecimals));
    add(WorkingFigure::PumpLine, Text("Характеристика насоса %1, Q = a − k·H").arg(in.pumpName),
        Text("Q = %1 − %2·H %3").arg(w.pump.atZeroHead).arg(fixed(slope, 4)).arg(Text(kCubicMetresPerHour)));
    add(WorkingFigure::BoilerLoss,
        Text("Потери в ветви котла при %1 (с запасом ×1,05)").arg(Circuits(found)),
        WithUnit(fixed(atFound.boilerLoss, kHeadDecimals), kMetres));
    add(WorkingFigure::RecirculationLoss,
        Text("Потери в ветви рециркуляции при %1").arg(Circuits(found)),
        WithUnit(fixed(atFound.recirculationLoss, kHeadDecimals), kMetres));
    add(WorkingFigure::DecidingBranch, Text("Сопротивление узла задаёт ветвь"),
        atFound.boilerLoss >= atFound.recirculationLoss ? Text("котла") : Text("рециркуляции"));
    add(WorkingFigure::TotalHead, Text("Полный напор при %1, H = Hк + потери узла").arg(Circuits(found)),
        WithUnit(fixed(atFound.totalHead, kHeadDecimals), kMetres));
    add(WorkingFigure::PumpFlow, Text("Подача насоса при этом напоре, Q"),
        WithUnit(fixed(atFound.pumpFlow, kFlowDecimals), kCubicMetresPerHour));
    add(WorkingFigure::Capacity, Text("Контуров, которые питает эта подача, Q/60·1000/G"),
        fixed(atFound.capacity, kCapacityDecimals));

    QString reason;
    switch (w.reason) {
    case calc::CountReason::NextFails: {
        const calc::CountCheck &next = w.AtCount(found + 1);
        add(WorkingFigure::NextCapacity,
            Text("Контуров, которые питает подача при %1").arg(Circuits(found + 1)),
            fixed(next.capacity, kCapacityDecimals));
        reason = Text("%1 < %2, а %3 ≥ %4: больше контуров насос не питает")
                     .arg(found).arg(fixed(atFound.capacity, kCapacityDecimals))
                     .arg(found + 1).arg(fixed(next.capacity, kCapacityDecimals));
        break;
    }
    case calc::CountReason::MostCircuits:
        reason = Text("%1 — наибольшее число контуров в расчёте, и насос его питает")
                     .arg(calc::kMostCircuits);
        break;
    case calc::CountReason::NonePasses:
        reason = Text("насос не питает и одного контура; цифры даны для одного контура");
        break;
    }
    add(WorkingFigure::Reason, Text("Почему контуров %1").arg(found), reason);

    SheetChart &chart = sheet.chart;
    chart.pumpName = in.pumpName;
    chart.pumpAtZeroHead = w.pump.atZeroHead;
    chart.pumpSlope = slope;
    for (int i = 1; i <= calc::kMostCircuits; ++i) {
        chart.totalFlow[std::size_t(i - 1)] = i * w.circuitFlow * 60 / 1000;
        chart.totalHead[std::size_t(i - 1)] = w.AtCount(i).totalHead;
    }
    chart.circuitsFound = found;
    chart.decimalMark = mark;
}

namespace {

struct Section {
    QString title;
    const QList<SheetLine> *lines;
};

QList<Section> Sections(const CalculationSheet &sheet)
{
    return {{Text("Исходные данные"), &sheet.inputs},
            {Text("Результаты"), &sheet.results},
            {Text("Ход расчёта"), &sheet.working}};
}

} // namespace

QString SheetPlainText(const CalculationSheet &sheet)
{
    QStringList lines{SheetTitle(), SheetSubtitle(),
                      Text("Рассчитано:\t") + CalculatedAtText(sheet.calculatedAt),
                      Text("Программа:\t") + ProgramNameAndVersion()};
    for (const Section &section : Sections(sheet)) {
        lines << QString() << section.title;
        for (const SheetLine &line : *section.lines)
            lines << line.caption + u'\t' + line.value;
    }
    return lines.join(u'\n') + u'\n';
}

QString SheetHtml(const CalculationSheet &sheet)
{
    const auto row = [](const QString &caption, const QString &value) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
            .arg(caption.toHtmlEscaped(), value.toHtmlEscaped());
    };
    QString html = QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                  "<body>\n<h1>%1</h1>\n<p>%2</p>\n<table>\n")
                       .arg(SheetTitle().toHtmlEscaped(), SheetSubtitle().toHtmlEscaped());
    html += row(Text("Рассчитано:"), CalculatedAtText(sheet.calculatedAt));
    html += row(Text("Программа:"), ProgramNameAndVersion());
    for (const Section &section : Sections(sheet)) {
        html += QStringLiteral("<tr><th colspan=\"2\">%1</th></tr>\n").arg(section.title.toHtmlEscaped());
        for (const SheetLine &line : *section.lines)
            html += row(line.caption, line.value);
    }
    return html + QStringLiteral("</table>\n</body></html>\n");
}

QMimeData *SheetMimeData(const CalculationSheet &sheet)
{
    auto *data = new QMimeData;
    data->setText(SheetPlainText(sheet));
    data->setHtml(SheetHtml(sheet));
    return data;
}

QString ProposedSheetFileName(const CalculationSheet &sheet)
{
    return SheetTitle() + u' ' + sheet.calculatedAt.date().toString(Qt::ISODate)
           + QStringLiteral(".pdf");
}
