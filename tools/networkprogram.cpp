// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/networkprogram.h"

#include "tools/axonometry.h"
#include "tools/fakewindow.h"
#include "tools/symbols.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>

#include <array>

namespace tools {
namespace {

const QStringList kMenus{QStringLiteral("Файл"),   QStringLiteral("Правка"),
                         QStringLiteral("Вид"),    QStringLiteral("Построение"),
                         QStringLiteral("Расчет"), QStringLiteral("Справка")};

using Rows = QList<QStringList>;

// What the element editor on the right shows for the selected element.
struct ElementCard {
    QString identity;
    QString type;
    QString elementClass;
    QString model;
    Rows details;  // point coordinates, parameters or results
};

struct Scene {
    QString document;
    Network network;
    ElementCard element;
    QString status;
};

// Cold-water supply of a two-storey house: a pump at the inlet, a riser and a branch with
// taps on each floor.
Network WaterSupply(bool withFlows)
{
    Network net;
    const QColor water = kColdWaterBlue;
    net.AddRun({-4, 0, 0}, {{4, 0, 0}}, water);
    net.fixtures.push_back({FixtureKind::Valve, {-3.4f, 0, 0}});
    net.fixtures.push_back({FixtureKind::Pump, {-0.9f, 0, 0}});
    net.AddRun({0, 0, 0}, {{0, 0, 1}, {0, 0, 3}}, water);
    for (const float z : {1.0f, 4.0f}) {
        const QVector3D corner = net.AddRun({0, 0, z}, {{3, 0, 0}, {3, 0, 0}}, water);
        net.AddRun(corner, {{0, 4, 0}}, water);
        net.AddRun({3, 0, z}, {{0, 3, 0}, {2, 0, 0}}, water);
        net.AddRun({3, 3, z}, {{0, 0, -0.6f}}, water);
        for (const QVector3D tap :
             {corner + QVector3D(0, 4, 0), QVector3D(5, 3, z), QVector3D(3, 3, z - 0.6f)})
            net.fixtures.push_back({FixtureKind::Tap, tap});
    }
    net.pipes[4].selected = true;
    if (withFlows) {
        // Flow in l/s of each pipe in the order they were laid; the short drops carry none.
        const char *flows[] = {"1,20", "1,20", "0,58", "0,62", "0,31", "0,31", "0,31", "",
                               "", "0,58", "0,29", "0,29", "0,29", "", ""};
        for (std::size_t i = 0; i < net.pipes.size() && i < std::size(flows); ++i)
            net.pipes[i].label = QString::fromLatin1(flows[i]);
    }
    return net;
}

QColor CoolingAlongLoop(int step, int steps)
{
    const qreal t = static_cast<qreal>(step) / steps;
    return QColor::fromRgbF(0.82 - 0.7 * t, 0.12 + 0.2 * t, 0.12 + 0.66 * t);
}

// A single-pipe loop around a room, in series through six radiators, back to the boiler.
Network SinglePipeLoop()
{
    Network net;
    net.fixtures.push_back({FixtureKind::Boiler, {0, 0, 0}});
    const std::array<QVector3D, 6> radiatorStarts{
        {{1.5f, 0, 0}, {4.5f, 0, 0}, {8, 1.5f, 0}, {6.5f, 6, 0}, {3.5f, 6, 0}, {0, 4.5f, 0}}};
    const std::array<QVector3D, 6> directions{
        {{1, 0, 0}, {1, 0, 0}, {0, 1, 0}, {-1, 0, 0}, {-1, 0, 0}, {0, -1, 0}}};
    const std::array<QVector3D, 4> corners{{{8, 0, 0}, {8, 6, 0}, {0, 6, 0}, {0, 0, 0}}};
    QVector3D at(0.3f, 0, 0);
    std::size_t corner = 0;
    for (std::size_t i = 0; i < radiatorStarts.size(); ++i) {
        const QColor colour = CoolingAlongLoop(static_cast<int>(i), 6);
        if ((directions[i] - directions[i == 0 ? 0 : i - 1]).length() > 0.1f) {
            net.AddRun(at, {corners[corner] - at}, colour);
            at = corners[corner++];
        }
        net.AddRun(at, {radiatorStarts[i] - at, {0, 0, 0.25f}}, colour);
        net.radiators.push_back(
            {radiatorStarts[i] + QVector3D(0, 0, 0.25f), directions[i], 1.2f, 0.6f, i == 2});
        at = radiatorStarts[i] + directions[i] * 1.2f;
        net.AddRun(at + QVector3D(0, 0, 0.25f), {{0, 0, -0.25f}},
                   CoolingAlongLoop(static_cast<int>(i) + 1, 6));
    }
    net.AddRun(at, {corners[3] - at}, CoolingAlongLoop(6, 6));
    net.fixtures.push_back({FixtureKind::Pump, {0, 2.2f, 0}});
    return net;
}

// A radiator beside a riser pair, fed from the supply and drained into the return riser.
void AddRadiatorAt(Network &net, QVector3D supplyRiser, float level)
{
    const QVector3D start = supplyRiser + QVector3D(0.6f, 0, level);
    net.radiators.push_back({start, {1, 0, 0}, 1.4f, 0.55f, false});
    net.AddRun(supplyRiser + QVector3D(0, 0, level + 0.45f), {{0.6f, 0, 0}}, kSupplyRed);
    net.AddRun(start + QVector3D(1.4f, 0, 0.1f), {{0.3f, 0, 0}, {0, 0.4f, 0}}, kReturnBlue);
}

// Two-pipe system with vertical riser pairs, radiators on three levels.
Network VerticalRisers()
{
    Network net;
    const std::array<float, 3> risers{0.0f, 4.0f, 8.0f};
    const std::array<float, 3> levels{0.6f, 3.6f, 6.6f};
    net.AddRun({-2, 0, 0}, {{10, 0, 0}}, kSupplyRed);
    net.AddRun({-2, 0.4f, 0.15f}, {{10, 0, 0}}, kReturnBlue);
    net.fixtures.push_back({FixtureKind::Boiler, {-2, 0.2f, 0}});
    net.fixtures.push_back({FixtureKind::Pump, {-1, 0, 0}});
    for (const float x : risers) {
        net.AddRun({x, 0, 0}, {{0, 0, 7.5f}}, kSupplyRed);
        net.AddRun({x + 2.0f, 0.4f, 0.15f}, {{0, 0, 7.2f}}, kReturnBlue);
        for (const float level : levels)
            AddRadiatorAt(net, {x, 0, 0}, level);
    }
    net.radiators[4].selected = true;
    return net;
}

// Two-pipe horizontal branches on three levels, fed from one riser pair.
Network HorizontalBranches()
{
    Network net;
    net.fixtures.push_back({FixtureKind::Boiler, {-1.5f, 0.2f, -0.3f}});
    net.AddRun({-1.5f, 0, -0.3f}, {{1.5f, 0, 0}, {0, 0, 7.3f}}, kSupplyRed);
    net.AddRun({-1.5f, 0.5f, -0.2f}, {{1.9f, 0, 0}, {0, 0, 7.0f}}, kReturnBlue);
    net.fixtures.push_back({FixtureKind::Pump, {-0.8f, 0, -0.3f}});
    const std::array<float, 3> levels{0.3f, 3.3f, 6.3f};
    for (const float level : levels) {
        net.AddRun({0, 0, level}, {{9, 0, 0}}, kSupplyRed);
        net.AddRun({0.4f, 0.5f, level + 0.05f}, {{8.6f, 0, 0}}, kReturnBlue);
        for (const float x : {1.0f, 4.0f, 7.0f}) {
            net.radiators.push_back({{x, 0.9f, level + 0.3f}, {1, 0, 0}, 1.3f, 0.55f, false});
            net.AddRun({x, 0, level}, {{0, 0.9f, 0}, {0, 0, 0.3f}}, kSupplyRed);
            net.AddRun({x + 1.3f, 0.9f, level + 0.4f}, {{0, 0, -0.35f}, {0, -0.4f, 0}},
                       kReturnBlue);
        }
    }
    net.pipes[18].selected = true;  // the supply branch of the middle level
    return net;
}

Rows PipeDetails(const QString &start, const QString &end, const QString &length,
                 const QString &innerDiameter)
{
    return {{QStringLiteral("Точка 1, м"), start},
            {QStringLiteral("Точка 2, м"), end},
            {QStringLiteral("Параметры")},
            {QStringLiteral("Длина, м"), length},
            {QStringLiteral("Dвн, мм"), innerDiameter},
            {QStringLiteral("Сумма КМС"), QStringLiteral("1,5")},
            {QStringLiteral("Изоляция"), QStringLiteral("нет")},
            {QStringLiteral("Уклон, ‰"), QStringLiteral("2")}};
}

Scene SceneOf(NetworkView view)
{
    switch (view) {
    case NetworkView::WaterSupply:
        return {QStringLiteral("Коттедж - водопровод В1"),
                WaterSupply(false),
                {QStringLiteral("Т-14"), QStringLiteral("Труба"), QStringLiteral("Водопровод В1"),
                 QStringLiteral("ПП PN20 25x4,2"),
                 PipeDetails(QStringLiteral("3,0; 0,0; 1,0"), QStringLiteral("6,0; 0,0; 1,0"),
                             QStringLiteral("3,00"), QStringLiteral("16,6"))},
                QStringLiteral("Элементов: 42   Выбрано: 1")};
    case NetworkView::PipeResults:
        return {QStringLiteral("Коттедж - водопровод В1"),
                WaterSupply(true),
                {QStringLiteral("Т-14"),
                 QStringLiteral("Труба"),
                 QStringLiteral("Водопровод В1"),
                 QStringLiteral("ПП PN20 25x4,2"),
                 {{QStringLiteral("Результаты расчета")},
                  {QStringLiteral("Расход, л/с"), QStringLiteral("0,31")},
                  {QStringLiteral("Потери, м"), QStringLiteral("0,66")},
                  {QStringLiteral("Скорость, м/с"), QStringLiteral("1,43")},
                  {QStringLiteral("t начала, °C"), QStringLiteral("10,0")},
                  {QStringLiteral("t конца, °C"), QStringLiteral("10,0")},
                  {QStringLiteral("P начала, м"), QStringLiteral("24,62")},
                  {QStringLiteral("P конца, м"), QStringLiteral("23,96")}}},
                QStringLiteral("Расчет выполнен: 0,4 с   Ошибок нет")};
    case NetworkView::SinglePipeLoop:
        return {QStringLiteral("Дом - отопление, однотрубная"),
                SinglePipeLoop(),
                {QStringLiteral("Р-3"),
                 QStringLiteral("Радиатор"),
                 QStringLiteral("Отопление"),
                 QStringLiteral("Секционный 500/80"),
                 {{QStringLiteral("Параметры")},
                  {QStringLiteral("Секций, шт"), QStringLiteral("8")},
                  {QStringLiteral("Мощность, Вт"), QStringLiteral("1 280")},
                  {QStringLiteral("t входа, °C"), QStringLiteral("76,4")},
                  {QStringLiteral("t выхода, °C"), QStringLiteral("68,2")},
                  {QStringLiteral("Расход, кг/ч"), QStringLiteral("134")},
                  {QStringLiteral("Потери, кПа"), QStringLiteral("0,82")},
                  {QStringLiteral("Вход, м"), QStringLiteral("8,0; 1,5; 0,25")}}},
                QStringLiteral("Радиаторов: 6   Тепловая нагрузка: 7,6 кВт")};
    case NetworkView::VerticalRisers:
        return {QStringLiteral("Школа - отопление, стояки"),
                VerticalRisers(),
                {QStringLiteral("Р-5"),
                 QStringLiteral("Радиатор"),
                 QStringLiteral("Отопление"),
                 QStringLiteral("Панельный 22-500-1400"),
                 {{QStringLiteral("Параметры")},
                  {QStringLiteral("Мощность, Вт"), QStringLiteral("2 150")},
                  {QStringLiteral("t входа, °C"), QStringLiteral("79,1")},
                  {QStringLiteral("t выхода, °C"), QStringLiteral("60,3")},
                  {QStringLiteral("Расход, кг/ч"), QStringLiteral("98")},
                  {QStringLiteral("Клапан"), QStringLiteral("Kv 0,6")},
                  {QStringLiteral("Этаж"), QStringLiteral("2")},
                  {QStringLiteral("Стояк"), QStringLiteral("Ст-1")}}},
                QStringLiteral("Стояков: 3   Радиаторов: 9")};
    case NetworkView::HorizontalBranches:
        return {QStringLiteral("Офис - отопление, поэтажное"),
                HorizontalBranches(),
                {QStringLiteral("Т-37"), QStringLiteral("Труба"), QStringLiteral("Отопление Т1"),
                 QStringLiteral("Сталь 25x3,2"),
                 PipeDetails(QStringLiteral("0,0; 0,0; 3,3"), QStringLiteral("9,0; 0,0; 3,3"),
                             QStringLiteral("9,00"), QStringLiteral("27,1"))},
                QStringLiteral("Ветвей: 3   Радиаторов: 9")};
    }
    return {};
}

QWidget *MakeElementEditor(QWidget *parent, const ElementCard &card)
{
    auto *group = new QGroupBox(QStringLiteral("Элемент"), parent);
    group->setFixedWidth(178);
    auto *layout = new QVBoxLayout(group);
    layout->setContentsMargins(4, 6, 4, 4);
    auto *form = new QFormLayout;
    form->setHorizontalSpacing(4);
    form->setVerticalSpacing(3);
    layout->addLayout(form);
    form->addRow(QStringLiteral("Ид.:"), new QLineEdit(card.identity, group));
    for (const auto &[label, value] : {std::pair{QStringLiteral("Тип:"), card.type},
                                       std::pair{QStringLiteral("Класс:"), card.elementClass},
                                       std::pair{QStringLiteral("Модель:"), card.model}}) {
        auto *box = new QComboBox(group);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(6);
        box->addItem(value);
        form->addRow(label, box);
    }
    layout->addWidget(MakePropertyGrid(group, card.details, 78), 1);
    return group;
}

QWidget *MakeCoordinateRow(QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 2, 0, 0);
    for (const auto &[axis, value] : {std::pair{QStringLiteral("X:"), QStringLiteral("3,000")},
                                      std::pair{QStringLiteral("Y:"), QStringLiteral("0,000")},
                                      std::pair{QStringLiteral("Z:"), QStringLiteral("1,000")}})
        AddLabelledField(layout, axis, value, 52);
    AddLabelledField(layout, QStringLiteral("Шаг, м:"), QStringLiteral("0,1"), 34);
    layout->addStretch();
    return row;
}

} // namespace

QImage DrawNetworkProgram(NetworkView view, QSize size)
{
    const Scene scene = SceneOf(view);
    FakeWindow window(QStringLiteral("Трубопроводные сети 3D - [%1]").arg(scene.document), kMenus,
                      size);
    QToolBar *toolBar = window.AddToolBar();
    AddToolButtons(toolBar, {ToolIcon::New, ToolIcon::Open, ToolIcon::Save});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Pipe, ToolIcon::Radiator, ToolIcon::Zoom, ToolIcon::Rotate});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Calculate, ToolIcon::Report});
    auto *columns = new QHBoxLayout(window.Content());
    columns->setContentsMargins(3, 3, 3, 3);
    columns->setSpacing(4);
    auto *work = new QVBoxLayout;
    columns->addLayout(work, 1);
    const Network network = scene.network;
    auto *drawing = MakePaintedArea(window.Content(), [network](QPainter &painter, QSize area) {
        PaintNetwork(painter, area, network);
    });
    work->addWidget(drawing, 1);
    work->addWidget(MakeCoordinateRow(window.Content()));
    columns->addWidget(MakeElementEditor(window.Content(), scene.element));
    window.StatusBar()->addWidget(new QLabel(scene.status, window.StatusBar()), 1);
    return window.Grab();
}

} // namespace tools
