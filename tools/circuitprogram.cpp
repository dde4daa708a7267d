// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/circuitprogram.h"

#include "tools/fakewindow.h"
#include "tools/pumpchart.h"
#include "tools/symbols.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QTreeWidget>

#include <memory>

namespace tools {
namespace {

const QString kCaption = QStringLiteral("Гидравлика контуров 2.3 - [Коттедж, 1 этаж]");
const QStringList kMenus{QStringLiteral("Файл"),        QStringLiteral("Правка"),
                         QStringLiteral("Вид"),         QStringLiteral("Расчет"),
                         QStringLiteral("Справочники"), QStringLiteral("Окно"),
                         QStringLiteral("Справка")};
const QStringList kPageTitles{
    QStringLiteral("Разветвленный контур"), QStringLiteral("Кольцо между стояками"),
    QStringLiteral("Однотрубная система"), QStringLiteral("Теплопотери трубы")};

QPushButton *AddButton(QBoxLayout *layout, const QString &text)
{
    auto *button = new QPushButton(text, layout->parentWidget());
    layout->addWidget(button);
    return button;
}

QLabel *AddBoldLabel(QBoxLayout *layout, const QString &text)
{
    auto *label = new QLabel(text, layout->parentWidget());
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    layout->addWidget(label);
    return label;
}

void AddPumpRow(QVBoxLayout *layout)
{
    auto *row = new QHBoxLayout;
    layout->addLayout(row);
    row->addWidget(new QLabel(QStringLiteral("Насос:"), layout->parentWidget()));
    auto *pump = new QComboBox(layout->parentWidget());
    pump->addItem(QStringLiteral("25/6  (Q = 4 м³/ч, H = 6 м)"));
    row->addWidget(pump);
    row->addSpacing(10);
    AddLabelledField(static_cast<QBoxLayout *>(row), QStringLiteral("Расход, м³/ч:"),
                     QStringLiteral("1,80"), 50);
    row->addSpacing(10);
    AddLabelledField(static_cast<QBoxLayout *>(row), QStringLiteral("Температура, °C:"),
                     QStringLiteral("60"), 36);
    row->addStretch();
}

QTreeWidgetItem *AddSection(QTreeWidgetItem *parent, const QStringList &columns)
{
    auto *item = new QTreeWidgetItem(parent, columns);
    item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTreeWidget *MakeBranchTree(QWidget *parent)
{
    auto *tree = new QTreeWidget(parent);
    tree->setHeaderLabels(
        {QStringLiteral("Участок"), QStringLiteral("Давление, м"), QStringLiteral("Расход, м³/ч")});
    tree->setColumnWidth(0, 168);
    tree->setColumnWidth(1, 76);
    auto *main = AddSection(
        tree->invisibleRootItem(),
        {QStringLiteral("Магистраль Т1"), QStringLiteral("3,28"), QStringLiteral("1,800")});
    AddSection(main,
               {QStringLiteral("Участок 1-2"), QStringLiteral("3,28"), QStringLiteral("1,800")});
    AddSection(
        main, {QStringLiteral("Ветвь 1 (кухня)"), QStringLiteral("2,91"), QStringLiteral("0,300")});
    auto *living = AddSection(
        main,
        {QStringLiteral("Ветвь 2 (гостиная)"), QStringLiteral("2,74"), QStringLiteral("0,420")});
    AddSection(living,
               {QStringLiteral("Отвод 2.1"), QStringLiteral("2,70"), QStringLiteral("0,210")});
    AddSection(living,
               {QStringLiteral("Отвод 2.2"), QStringLiteral("2,66"), QStringLiteral("0,210")});
    auto *bedroom = AddSection(
        main,
        {QStringLiteral("Ветвь 3 (спальня)"), QStringLiteral("2,52"), QStringLiteral("0,380")});
    AddSection(
        main,
        {QStringLiteral("Ветвь 4 (ванная)"), QStringLiteral("2,40"), QStringLiteral("0,260")});
    AddSection(
        main,
        {QStringLiteral("Ветвь 5 (детская)"), QStringLiteral("2,31"), QStringLiteral("0,240")});
    AddSection(
        main,
        {QStringLiteral("Ветвь 6 (кабинет)"), QStringLiteral("2,22"), QStringLiteral("0,200")});
    AddSection(main,
               {QStringLiteral("Участок 9-1"), QStringLiteral("0,62"), QStringLiteral("1,800")});
    tree->expandAll();
    tree->setCurrentItem(bedroom);
    return tree;
}

void BuildBranchedPage(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    AddPumpRow(layout);
    auto *columns = new QHBoxLayout;
    layout->addLayout(columns, 1);
    auto *left = new QVBoxLayout;
    columns->addLayout(left, 3);
    left->addWidget(MakeBranchTree(page), 1);
    auto *buttons = new QHBoxLayout;
    left->addLayout(buttons);
    for (const QString &text : {QStringLiteral("Добавить ветвь"), QStringLiteral("Удалить"),
                                QStringLiteral("Рассчитать"), QStringLiteral("Отчет")})
        AddButton(buttons, text);
    auto *group = new QGroupBox(QStringLiteral("Данные ветви 3"), page);
    columns->addWidget(group, 2);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(MakePropertyGrid(group, {
        {QStringLiteral("Исходные данные")},
        {QStringLiteral("Длина, м"), QStringLiteral("14,5")},
        {QStringLiteral("Внутр. диаметр, мм"), QStringLiteral("16,0")},
        {QStringLiteral("Шероховатость, мм"), QStringLiteral("0,01")},
        {QStringLiteral("Сумма КМС"), QStringLiteral("6,5")},
        {QStringLiteral("Расход, м³/ч"), QStringLiteral("0,380")},
        {QStringLiteral("Результаты")},
        {QStringLiteral("Скорость, м/с"), QStringLiteral("0,52")},
        {QStringLiteral("Потери по длине, м"), QStringLiteral("0,34")},
        {QStringLiteral("Местные потери, м"), QStringLiteral("0,09")},
        {QStringLiteral("Давление в начале, м"), QStringLiteral("2,52")},
        {QStringLiteral("Давление в конце, м"), QStringLiteral("2,09")},
        {QStringLiteral("Число Рейнольдса"), QStringLiteral("17 600")},
        {QStringLiteral("Коэфф. трения"), QStringLiteral("0,027")},
        {QStringLiteral("Уд. потери, Па/м"), QStringLiteral("232")},
    }, 124));
}

// Two risers with three circuits between them, closed through the pump at the bottom.
void PaintLoopScheme(QPainter &painter, QSize size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const qreal left = 40, right = size.width() - 40.0, top = 22, bottom = size.height() - 22.0;
    const qreal levels[] = {top + 10, (top + bottom) / 2 - 8, bottom - 30};
    DrawPipe(painter, {left, top}, {left, bottom}, kSupplyRed);
    DrawPipe(painter, {right, top}, {right, bottom}, kReturnBlue);
    const qreal pump = (left + right) / 2;
    DrawPipe(painter, {left, bottom}, {pump, bottom}, kSupplyRed);
    DrawPipe(painter, {pump, bottom}, {right, bottom}, kReturnBlue);
    int tag = 1;
    for (const qreal y : levels) {
        const qreal middle = (left + right) / 2;
        DrawPipe(painter, {left, y}, {middle - 30, y}, kSupplyRed);
        DrawPipe(painter, {middle + 30, y}, {right, y}, kReturnBlue);
        DrawRadiatorSymbol(painter, QRectF(middle - 30, y - 9, 60, 18));
        DrawNode(painter, {left, y});
        DrawNode(painter, {right, y});
        DrawNumberTag(painter, {(left + middle - 30) / 2, y - 9}, QString::number(tag++));
        DrawNumberTag(painter, {(right + middle + 30) / 2, y - 9}, QString::number(tag++));
        DrawFlowArrow(painter, {middle - 38, y}, 0, kSupplyRed);
    }
    DrawPumpSymbol(painter, {pump, bottom}, 9, 180);
    DrawNumberTag(painter, {left - 14, (levels[0] + levels[1]) / 2}, QString::number(tag++));
    DrawNumberTag(painter, {right + 14, (levels[1] + levels[2]) / 2}, QString::number(tag++));
    DrawNumberTag(painter, {(left + right) / 2 + 50, bottom + 10}, QString::number(tag));
    DrawFlowArrow(painter, {left, levels[0] + 30}, 90, kSupplyRed);
    DrawFlowArrow(painter, {right, levels[2] + 20}, 270, kReturnBlue);
}

void BuildLoopPage(QWidget *page)
{
    auto *columns = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    columns->addLayout(left, 3);
    auto *scheme = MakePaintedArea(page, PaintLoopScheme);
    scheme->setFixedHeight(176);
    left->addWidget(scheme);
    AddBoldLabel(left, QStringLiteral("Общее сопротивление кольца: 2,86 м      Расход: 1,52 м³/ч"));
    left->addWidget(MakeTable(page,
                              {QStringLiteral("Труба"), QStringLiteral("Длина, м"),
                               QStringLiteral("Давление, м"), QStringLiteral("Расход, м³/ч")},
                              {
                                  {QStringLiteral("1"), QStringLiteral("6,2"),
                                   QStringLiteral("0,41"), QStringLiteral("0,540")},
                                  {QStringLiteral("2"), QStringLiteral("6,0"),
                                   QStringLiteral("0,38"), QStringLiteral("0,540")},
                                  {QStringLiteral("3"), QStringLiteral("5,8"),
                                   QStringLiteral("0,30"), QStringLiteral("0,500")},
                                  {QStringLiteral("4"), QStringLiteral("5,8"),
                                   QStringLiteral("0,29"), QStringLiteral("0,500")},
                                  {QStringLiteral("5"), QStringLiteral("6,4"),
                                   QStringLiteral("0,25"), QStringLiteral("0,480")},
                                  {QStringLiteral("6"), QStringLiteral("6,1"),
                                   QStringLiteral("0,24"), QStringLiteral("0,480")},
                                  {QStringLiteral("7"), QStringLiteral("3,0"),
                                   QStringLiteral("0,37"), QStringLiteral("0,980")},
                                  {QStringLiteral("8"), QStringLiteral("3,0"),
                                   QStringLiteral("0,35"), QStringLiteral("0,980")},
                                  {QStringLiteral("9"), QStringLiteral("12,5"),
                                   QStringLiteral("0,87"), QStringLiteral("1,520")},
                              },
                              {46, 70, 80, 0}),
                    1);
    auto *right = new QVBoxLayout;
    columns->addLayout(right, 2);
    AddBoldLabel(right, QStringLiteral("Результаты по узлам"));
    auto *nodes = MakeTable(
        page, {QStringLiteral("Узел"), QStringLiteral("Давл., м"), QStringLiteral("Расход, м³/ч")},
        {
            {QStringLiteral("1 (подача)"), QStringLiteral("2,86"), QStringLiteral("1,520")},
            {QStringLiteral("2"), QStringLiteral("2,45"), QStringLiteral("0,980")},
            {QStringLiteral("3"), QStringLiteral("2,08"), QStringLiteral("0,480")},
            {QStringLiteral("4"), QStringLiteral("1,19"), QStringLiteral("0,480")},
            {QStringLiteral("5"), QStringLiteral("0,84"), QStringLiteral("0,980")},
            {QStringLiteral("6 (обратка)"), QStringLiteral("0,47"), QStringLiteral("1,520")},
        },
        {76, 60, 0});
    nodes->selectRow(2);
    right->addWidget(nodes, 1);
    AddBoldLabel(right, QStringLiteral("Кольцо"));
    auto *summary = MakePropertyGrid(page, {
        {QStringLiteral("Температуры, °C"), QStringLiteral("70 / 50")},
        {QStringLiteral("Длина кольца, м"), QStringLiteral("64,8")},
        {QStringLiteral("Тепловая нагрузка, Вт"), QStringLiteral("35 200")},
        {QStringLiteral("Объем воды, л"), QStringLiteral("18,4")},
        {QStringLiteral("Запас напора, м"), QStringLiteral("0,42")},
    }, 130);
    summary->setFixedHeight(5 * 17 + 4);
    right->addWidget(summary);
    auto *buttons = new QHBoxLayout;
    right->addLayout(buttons);
    AddButton(buttons, QStringLiteral("Рассчитать"));
    AddButton(buttons, QStringLiteral("Отчет"));
}

// Boiler, a supply line with five radiators on bypasses, and the return through the pump.
void PaintSinglePipeScheme(QPainter &painter, QSize size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const qreal main = 40, back = size.height() - 26.0, start = 58, end = size.width() - 18.0;
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(QColor(245, 245, 245));
    painter.drawRect(QRectF(8, main - 8, 38, back - main + 16));
    painter.setFont(QFont(painter.font().family(), 8));
    painter.drawText(QRectF(8, main - 8, 38, back - main + 16), Qt::AlignCenter,
                     QStringLiteral("Котел"));
    DrawPipe(painter, {46, main}, {end, main}, kSupplyRed);
    DrawPipe(painter, {end, main}, {end, back}, kReturnBlue);
    DrawPipe(painter, {46, back}, {end, back}, kReturnBlue);
    const int radiators = 5;
    const qreal pitch = (end - start) / radiators;
    for (int i = 0; i < radiators; ++i) {
        const qreal x = start + pitch * i + 10;
        const QRectF radiator(x + 4, main + 22, pitch - 28, 26);
        DrawPipe(painter, {x + 4, main}, {x + 4, radiator.center().y()}, kSupplyRed, 1.5);
        DrawPipe(painter, {radiator.right(), radiator.center().y()}, {radiator.right(), main},
                 kSupplyRed, 1.5);
        DrawRadiatorSymbol(painter, radiator);
        DrawNode(painter, {x + 4, main});
        DrawNode(painter, {radiator.right(), main});
        DrawNumberTag(painter, {radiator.center().x(), main - 11}, QString::number(i + 1));
        painter.setPen(Qt::black);
        painter.drawText(QRectF(radiator.center().x() - 30, radiator.bottom() + 3, 60, 12),
                         Qt::AlignCenter, QStringLiteral("%1 °C").arg(80 - 4 * i));
    }
    DrawPumpSymbol(painter, {(46 + end) / 2, back}, 8, 180);
    DrawFlowArrow(painter, {start - 2, main}, 0, kSupplyRed);
    DrawFlowArrow(painter, {end, back - 24}, 270, kReturnBlue);
}

void BuildSinglePipePage(QWidget *page)
{
    auto *columns = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    columns->addLayout(left, 3);
    auto *scheme = MakePaintedArea(page, PaintSinglePipeScheme);
    scheme->setFixedHeight(150);
    left->addWidget(scheme);
    AddBoldLabel(left,
                 QStringLiteral("Общее сопротивление: 1,64 м      Перепад температур: 20 °C"));
    left->addWidget(MakeTable(page,
                              {QStringLiteral("Участок"), QStringLiteral("d, мм"),
                               QStringLiteral("Давление, м"), QStringLiteral("Расход, м³/ч")},
                              {
                                  {QStringLiteral("Котел - Р1"), QStringLiteral("20"),
                                   QStringLiteral("0,21"), QStringLiteral("0,310")},
                                  {QStringLiteral("Обход Р1"), QStringLiteral("20"),
                                   QStringLiteral("0,06"), QStringLiteral("0,217")},
                                  {QStringLiteral("Радиатор 1"), QStringLiteral("15"),
                                   QStringLiteral("0,06"), QStringLiteral("0,093")},
                                  {QStringLiteral("Р1 - Р2"), QStringLiteral("20"),
                                   QStringLiteral("0,12"), QStringLiteral("0,310")},
                                  {QStringLiteral("Обход Р2"), QStringLiteral("20"),
                                   QStringLiteral("0,05"), QStringLiteral("0,217")},
                                  {QStringLiteral("Радиатор 2"), QStringLiteral("15"),
                                   QStringLiteral("0,05"), QStringLiteral("0,093")},
                                  {QStringLiteral("Р2 - Р3"), QStringLiteral("20"),
                                   QStringLiteral("0,11"), QStringLiteral("0,310")},
                                  {QStringLiteral("Р5 - котел"), QStringLiteral("20"),
                                   QStringLiteral("0,38"), QStringLiteral("0,310")},
                              },
                              {90, 44, 80, 0}),
                    1);
    auto *right = new QVBoxLayout;
    columns->addLayout(right, 2);
    AddBoldLabel(right, QStringLiteral("Исходные данные"));
    right->addWidget(MakePropertyGrid(page, {
        {QStringLiteral("Система")},
        {QStringLiteral("Температура подачи, °C"), QStringLiteral("80")},
        {QStringLiteral("Температура обратки, °C"), QStringLiteral("60")},
        {QStringLiteral("Труба"), QStringLiteral("Сталь 20x2,8")},
        {QStringLiteral("Коэфф. затекания"), QStringLiteral("0,30")},
        {QStringLiteral("Радиаторы, Вт")},
        {QStringLiteral("Радиатор 1"), QStringLiteral("1 500")},
        {QStringLiteral("Радиатор 2"), QStringLiteral("1 400")},
        {QStringLiteral("Радиатор 3"), QStringLiteral("1 400")},
        {QStringLiteral("Радиатор 4"), QStringLiteral("1 200")},
        {QStringLiteral("Радиатор 5"), QStringLiteral("1 700")},
        {QStringLiteral("Результаты")},
        {QStringLiteral("Общий расход, м³/ч"), QStringLiteral("0,310")},
        {QStringLiteral("Выход Р5, °C"), QStringLiteral("60,2")},
        {QStringLiteral("Скорость, м/с"), QStringLiteral("0,51")},
    }, 136), 1);
    auto *buttons = new QHBoxLayout;
    right->addLayout(buttons);
    AddButton(buttons, QStringLiteral("Рассчитать"));
}

std::unique_ptr<FakeWindow> MakeProgramWindow(int page, QSize size)
{
    auto window = std::make_unique<FakeWindow>(kCaption, kMenus, size);
    QToolBar *toolBar = window->AddToolBar();
    AddToolButtons(toolBar, {ToolIcon::New, ToolIcon::Open, ToolIcon::Save});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Print, ToolIcon::Undo});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Calculate, ToolIcon::Chart, ToolIcon::Report});
    auto *layout = new QVBoxLayout(window->Content());
    layout->setContentsMargins(4, 4, 4, 2);
    auto *tabs = new QTabWidget(window->Content());
    layout->addWidget(tabs);
    using Builder = void (*)(QWidget *);
    const Builder builders[] = {BuildBranchedPage, BuildLoopPage, BuildSinglePipePage, nullptr};
    for (int i = 0; i < kPageTitles.size(); ++i) {
        auto *content = new QWidget(tabs);
        if (i == page && builders[i] != nullptr)
            builders[i](content);
        tabs->addTab(content, kPageTitles[i]);
    }
    tabs->setCurrentIndex(page);
    window->StatusBar()->addWidget(
        new QLabel(QStringLiteral("Расчет выполнен. Невязка расходов 0,001 м³/ч"),
                   window->StatusBar()),
        1);
    window->StatusBar()->addPermanentWidget(
        new QLabel(QStringLiteral("Вода, 60 °C"), window->StatusBar()));
    return window;
}

QImage DrawChartWindow()
{
    FakeWindow window(QStringLiteral("Рабочая точка насоса"), {}, QSize(392, 318));
    auto *layout = new QVBoxLayout(window.Content());
    layout->setContentsMargins(6, 6, 6, 6);
    auto *top = new QHBoxLayout;
    layout->addLayout(top);
    top->addWidget(new QLabel(QStringLiteral("Насос:"), window.Content()));
    auto *pump = new QComboBox(window.Content());
    pump->addItem(QStringLiteral("25/6"));
    top->addWidget(pump);
    top->addSpacing(12);
    top->addWidget(new QLabel(QStringLiteral("Сеть: H = 1,00 · Q²"), window.Content()));
    top->addStretch();
    layout->addWidget(MakePaintedArea(window.Content(), PaintPumpChart), 1);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    AddButton(buttons, QStringLiteral("Печать"));
    AddButton(buttons, QStringLiteral("Закрыть"));
    window.StatusBar()->hide();
    return window.Grab();
}

} // namespace

QImage DrawCircuitProgram(CircuitView view, QSize size)
{
    if (view == CircuitView::PumpChart) {
        const QImage program = MakeProgramWindow(0, size)->Grab();
        return ComposeWindows(program, DrawChartWindow(), QPoint(176, 118));
    }
    return MakeProgramWindow(static_cast<int>(view), size)->Grab();
}

} // namespace tools
