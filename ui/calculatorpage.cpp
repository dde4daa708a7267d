// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculatorpage.h"

#include "calc/numbers.h"
#include "ui/calculationsheet.h"
#include "ui/controls.h"
#include "ui/errorreport.h"
#include "ui/picturebox.h"
#include "ui/sheetactions.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>

#include <algorithm>
#include <climits>
#include <optional>

namespace {

constexpr const char *kSetTempAboveBoiler =
    "Настроечная температура не должна превышать температуру котла!";

// Each control is exactly one thing: a list, the length, the button or a result box.
constexpr bool EachControlHasOneRole()
{
    for (const CalculatorControl &control : kCalculatorControls) {
        const int roles = (control.list != nullptr) + (control.length != nullptr)
                          + (control.button != nullptr) + (control.box != nullptr);
        if (roles != 1 || (control.list != nullptr) != (control.input != nullptr)
            || (control.box != nullptr) != (control.result != nullptr))
            return false;
    }
    return true;
}
static_assert(EachControlHasOneRole());

// Every result has exactly one box.
constexpr bool EachResultHasOneBox()
{
    for (const calc::ResultField field : calc::kResultOrder) {
        const auto boxes = std::ranges::count_if(kCalculatorControls, [field](const auto &control) {
            return control.box && control.result == field;
        });
        if (boxes != 1)
            return false;
    }
    return true;
}
static_assert(EachResultHasOneBox());

// The tab positions number the controls from 0, each position once.
constexpr bool TabPositionsAreAnOrder()
{
    const auto count = static_cast<int>(std::size(kCalculatorControls));
    for (int position = 0; position < count; ++position) {
        if (std::ranges::count(kCalculatorControls, position, &CalculatorControl::tabPosition) != 1)
            return false;
    }
    return true;
}
static_assert(TabPositionsAreAnOrder());

enum class Kind { List, Length, Button, Result };

constexpr Kind KindOf(const CalculatorControl &control)
{
    if (control.list)
        return Kind::List;
    if (control.length)
        return Kind::Length;
    return control.button ? Kind::Button : Kind::Result;
}

QWidget *ControlOf(const CalculatorPage &page, const CalculatorControl &control)
{
    if (control.list)
        return page.*control.list;
    if (control.length)
        return page.*control.length;
    if (control.button)
        return page.*control.button;
    return page.*control.box;
}

// The units of the lists whose labels name none; the other labels end in their unit.
struct ListUnit {
    int calc::SizingInputs::*input;
    const char *unit;
};
constexpr ListUnit kListUnits[] = {
    {&calc::SizingInputs::BoilerTempIndex, "°C"},
    {&calc::SizingInputs::SetTempIndex, "°C"},
    {&calc::SizingInputs::TempDropIndex, "К"},
};

// A label as the sheet writes it: its words without the colon, and the unit after its last
// comma ("Шаг укладки, мм:" gives "Шаг укладки" and "мм") or from kListUnits.
std::pair<QString, QString> CaptionAndUnit(const CalculatorControl &control)
{
    QString caption = QString::fromUtf8(control.label.caption);
    if (caption.endsWith(u':'))
        caption.chop(1);
    const qsizetype comma = caption.lastIndexOf(QStringLiteral(", "));
    if (comma >= 0)
        return {caption.left(comma), caption.mid(comma + 2)};
    for (const ListUnit &unit : kListUnits) {
        if (control.input && unit.input == control.input)
            return {caption, QString::fromUtf8(unit.unit)};
    }
    return {caption, QString()};
}

std::size_t ResultPosition(calc::ResultField field)
{
    return std::size_t(std::ranges::find(calc::kResultOrder, field) - calc::kResultOrder.begin());
}

constexpr QRect kPanel4{0, 0, 687, 25};
constexpr QRect kPanel2{0, 25, 687, 418};
constexpr QRect kImage1{8, 8, 241, 401};

QLineEdit *NewEdit(QWidget *parent, bool readOnly)
{
    auto *edit = new QLineEdit(parent);
    edit->setReadOnly(readOnly);
    edit->setMaxLength(INT_MAX);  // the length box takes any text; the core judges it
    return edit;
}

} // namespace

CalculatorPage::CalculatorPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    CreateControls();
    PlaceControls();
    CreateLabels();
    Connect();
}

void CalculatorPage::CreateControls()
{
    Panel4 = new Panel(this, QStringLiteral("Panel4"), QString::fromUtf8(kCalculatorHeading));
    Panel2 = new Panel(this, QStringLiteral("Panel2"));
    // The page is on display at start-up, so the photograph is decoded then.
    Image1 = new PictureBox(Panel2, QStringLiteral("Image1"), resources::Picture::UnitPhoto);
    // The lists first, then the length, the button and the result boxes: the order in which
    // the accessibility tree has always listed them.
    for (const Kind kind : {Kind::List, Kind::Length, Kind::Button, Kind::Result}) {
        for (const CalculatorControl &control : kCalculatorControls) {
            if (KindOf(control) == kind)
                CreateControl(control);
        }
    }
}

void CalculatorPage::CreateControl(const CalculatorControl &control)
{
    switch (KindOf(control)) {
    case Kind::List: {
        auto *list = new DropDownList(Panel2, QString());
        for (const char *item : control.items.texts)
            list->addItem(QString::fromUtf8(item));
        list->setCurrentIndex(control.items.selectedAtStart);
        this->*control.list = list;
        break;
    }
    case Kind::Length:
        this->*control.length = NewEdit(Panel2, false);
        Edit4->setText(QString::fromUtf8(calc::kPipeLengthAtStart));
        break;
    case Kind::Button:
        this->*control.button = new PushButton(Panel2, QString(), QStringLiteral("Рассчитать!"));
        BitBtn1->SetGlyph(resources::ButtonGlyph());
        break;
    case Kind::Result:
        this->*control.box = NewEdit(Panel2, true);
        break;
    }
}

void CalculatorPage::PlaceControls()
{
    Panel4->setGeometry(kPanel4);
    Panel2->setGeometry(kPanel2);
    Image1->setGeometry(kImage1);
    for (const CalculatorControl &control : kCalculatorControls) {
        QWidget *widget = ControlOf(*this, control);
        widget->setObjectName(QString::fromLatin1(control.name));
        widget->setGeometry(control.place);
    }
}

void CalculatorPage::CreateLabels()
{
    for (const CalculatorControl &control : kCalculatorControls) {
        if (!control.label.name)
            continue;
        const QString caption = QString::fromUtf8(control.label.caption);
        QWidget *widget = ControlOf(*this, control);
        auto *label = new QLabel(caption, Panel2);
        label->setObjectName(QString::fromLatin1(control.label.name));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setBuddy(widget);
        const QSize size(label->fontMetrics().horizontalAdvance(caption),
                         label->fontMetrics().height());
        label->setGeometry(
            QRect(QPoint(control.label.right - size.width(), control.label.top), size));
        widget->setAccessibleName(caption);
    }
}

void CalculatorPage::Connect()
{
    connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
    ConnectSheet();
}

// The sheet's commands: in the page's context menu (right button, the Menu key, Shift+F10),
// below the standard items of the length box's and result boxes' own menus, and Ctrl+P.
void CalculatorPage::ConnectSheet()
{
    sheetActions_ = new SheetActions(this, [this] { return Sheet(); });
    for (const CalculatorControl &control : kCalculatorControls) {
        if (control.list)  // a list would keep the event to itself; the page's menu stands for it
            (this->*control.list)->setContextMenuPolicy(Qt::NoContextMenu);
        QLineEdit *edit = control.box ? this->*control.box
                          : control.length ? this->*control.length : nullptr;
        if (!edit)
            continue;
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this, [this, edit](const QPoint &at) {
            RunGuarded([&] { sheetActions_->ShowEditMenu(edit, edit->mapToGlobal(at)); });
        });
    }
    // The platform turns the Menu key into a context-menu event itself; Shift+F10 is made one here.
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    menuKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(menuKey, &QShortcut::activated, this, Guarded([this] { OpenMenuFromKeyboard(); }));
}

void CalculatorPage::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
    RunGuarded([&] { sheetActions_->ShowPageMenu(event->globalPos()); });
}

// A context menu asked for from the keyboard, for the control that has the focus, as the
// platform's Menu key does.
void CalculatorPage::OpenMenuFromKeyboard()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus || !isAncestorOf(focus))
        return;
    const QPoint at = focus->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
    QCoreApplication::sendEvent(focus, &event);
}

QList<QWidget *> CalculatorPage::KeyboardOrder() const
{
    QList<QWidget *> order(static_cast<qsizetype>(std::size(kCalculatorControls)));
    for (const CalculatorControl &control : kCalculatorControls)
        order[control.tabPosition] = ControlOf(*this, control);
    return order;
}

void CalculatorPage::BitBtn1Click()
{
    const calc::SizingInputs inputs = ReadInputs();
    calc::SizingResults results;
    calc::SizingWorking working;
    auto outcome = calc::SizingOutcome::Computed;
    try {
        outcome = calc::SizeMixingUnit(inputs, results, &working);
    } catch (...) {
        ForgetCalculation();  // the boxes no longer show one calculation's figures
        ShowResults(results);  // what was set before the error stays shown
        throw;
    }
    if (outcome == calc::SizingOutcome::SetTempAboveBoiler) {
        ForgetCalculation();  // only a press that fills all seven boxes leaves a sheet
        if (showNotice_)
            showNotice_(QString::fromUtf8(kSetTempAboveBoiler));
        return;
    }
    ShowResults(results);
    KeepCalculation(inputs, working);
}

void CalculatorPage::KeepCalculation(const calc::SizingInputs &inputs,
                                     const calc::SizingWorking &working)
{
    // The clock's reading without the time zone's: the sheet shows it in local time.
    PressedCalculation pressed{inputs, {}, working, QDateTime::currentDateTimeUtc(),
                               calc::LocaleDecimalMark()};
    for (std::size_t i = 0; i < calc::kResultOrder.size(); ++i)
        pressed.shown[i] = (this->*BoxShowing(calc::kResultOrder[i]))->text();
    pressed_ = std::move(pressed);
    sheetActions_->SetEnabled(true);
}

void CalculatorPage::ForgetCalculation()
{
    pressed_.reset();
    sheetActions_->SetEnabled(false);
}

CalculationSheet CalculatorPage::Sheet() const
{
    const PressedCalculation &pressed = pressed_.value();
    const calc::SizingInputs &inputs = pressed.inputs;
    CalculationSheet sheet;
    sheet.calculatedAt = pressed.at.toLocalTime();
    for (const CalculatorControl &control : kCalculatorControls) {
        if (!control.label.name)
            continue;  // the button
        QString value;
        if (control.list)
            value = (this->*control.list)->itemText(inputs.*control.input);
        else if (control.length)
            value = QString::fromStdString(inputs.PipeLengthText);
        else
            value = pressed.shown[ResultPosition(control.result)];
        const auto [caption, unit] = CaptionAndUnit(control);
        if (!unit.isEmpty())
            value += u' ' + unit;
        (control.box ? sheet.results : sheet.inputs).append({caption, value});
    }
    const WorkingInputs workingInputs{calc::kPitches.ValueAt(inputs.PitchIndex),
                                      calc::kSetTemperatures.ValueAt(inputs.SetTempIndex),
                                      calc::kTemperatureDrops.ValueAt(inputs.TempDropIndex),
                                      ComboBox3->itemText(inputs.PumpIndex)};
    AddWorking(sheet, workingInputs, pressed.working, pressed.decimalMark);
    return sheet;
}

calc::SizingInputs CalculatorPage::ReadInputs() const
{
    calc::SizingInputs inputs;
    for (const ListInput &input : kListInputs)
        inputs.*input.field = (this->*input.list)->currentIndex();
    inputs.PipeLengthText = Edit4->text().toStdString();
    return inputs;
}

void CalculatorPage::ShowResults(const calc::SizingResults &results)
{
    for (const calc::ResultField field : calc::kResultOrder) {
        const std::optional<double> &value = results.*field;
        if (!value)
            continue;
        QLineEdit *box = this->*BoxShowing(field);
        box->setText(QString::fromStdString(calc::NumberToText(*value)));
        box->setCursorPosition(0);  // long texts show from their start
    }
}
