// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculatorpage.h"

#include "calc/numbers.h"
#include "ui/controls.h"
#include "ui/errorreport.h"
#include "ui/picturebox.h"

#include <QLabel>
#include <QLineEdit>

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
    Panel4 = new Panel(this, QStringLiteral("Panel4"),
                       QStringLiteral("Калькулятор расчета Varnelo для теплого бетонного "
                                      "водяного пола с керамической плиткой"));
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
    calc::SizingResults results;
    auto outcome = calc::SizingOutcome::Computed;
    try {
        outcome = calc::SizeMixingUnit(ReadInputs(), results);
    } catch (...) {
        ShowResults(results);  // what was set before the error stays shown
        throw;
    }
    if (outcome == calc::SizingOutcome::SetTempAboveBoiler) {
        if (showNotice_)
            showNotice_(QString::fromUtf8(kSetTempAboveBoiler));
        return;
    }
    ShowResults(results);
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
