// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculatorpage.h"

#include "calc/numbers.h"
#include "ui/controls.h"
#include "ui/errorreport.h"
#include "ui/picturebox.h"

#include <QLabel>
#include <QLineEdit>

#include <climits>
#include <optional>

namespace {

constexpr const char *kSetTempAboveBoiler =
    "Настроечная температура не должна превышать температуру котла!";

// Every result has exactly one box.
constexpr bool EachResultHasOneBox()
{
    for (const calc::ResultField field : calc::kResultOrder) {
        int boxes = 0;
        for (const ResultBox &entry : kResultBoxes)
            boxes += entry.field == field;
        if (boxes != 1)
            return false;
    }
    return true;
}
static_assert(EachResultHasOneBox());

// The control column of Panel2, top to bottom, each control with the label left of it:
// the label is sized to its text and right-aligned at labelRight.
constexpr int kColumnLeft = 504;
constexpr QSize kColumnControl{105, 21};

template <auto member>
QWidget *ControlOf(CalculatorPage &page)
{
    return page.*member;
}

struct ColumnRow {
    QWidget *(*control)(CalculatorPage &);
    const char *name;
    int top;
    const char *label;
    int labelTop;
    int labelRight;
    const char *caption;
};

constexpr ColumnRow kColumn[] = {
    {&ControlOf<&CalculatorPage::ComboBox6>, "ComboBox6", 16,
     "Label2", 20, 498, "Подающая температура котла:"},
    {&ControlOf<&CalculatorPage::ComboBox4>, "ComboBox4", 40,
     "Label3", 43, 497, "Настроечная температура термоголовки:"},
    {&ControlOf<&CalculatorPage::ComboBox1>, "ComboBox1", 64,
     "Label4", 67, 496, "Перепад температур контуров водяного пола:"},
    {&ControlOf<&CalculatorPage::Edit4>, "Edit4", 88,
     "Label5", 91, 498, "Длина трубы одного контура, м:"},
    {&ControlOf<&CalculatorPage::ComboBox5>, "ComboBox5", 112,
     "Label10", 115, 498, "Шаг укладки, мм:"},
    {&ControlOf<&CalculatorPage::ComboBox2>, "ComboBox2", 136,
     "Label6", 140, 498, "Труба теплого водяного пола:"},
    {&ControlOf<&CalculatorPage::ComboBox3>, "ComboBox3", 160,
     "Label8", 164, 498, "Насос:"},
    {&ControlOf<&CalculatorPage::Edit9>, "Edit9", 232,
     "Label12", 234, 499, "Давление на коллекторе, м.в.ст.:"},
    {&ControlOf<&CalculatorPage::Edit3>, "Edit3", 256,
     "Label11", 259, 498, "Сопротивление смесительного узла, м.в.ст.:"},
    {&ControlOf<&CalculatorPage::Edit5>, "Edit5", 280,
     "Label7", 283, 498, "Максимальное количество контуров:"},
    {&ControlOf<&CalculatorPage::Edit6>, "Edit6", 304,
     "Label9", 308, 497, "Расход одного контура, л/м:"},
    {&ControlOf<&CalculatorPage::Edit8>, "Edit8", 328,
     "Label13", 331, 497, "Удельная тепловая мощность, Вт/м2:"},
    {&ControlOf<&CalculatorPage::Edit1>, "Edit1", 352,
     "Label1", 356, 497, "Тепловая мощность, кВт:"},
    {&ControlOf<&CalculatorPage::Edit13>, "Edit13", 376,
     "Label14", 380, 497, "Площадь, м2:"},
};

constexpr QRect kPanel4{0, 0, 687, 25};
constexpr QRect kPanel2{0, 25, 687, 418};
constexpr QRect kImage1{8, 8, 241, 401};
constexpr QRect kBitBtn1{352, 192, 113, 25};

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
    for (const ListInput &input : kListInputs) {
        auto *list = new DropDownList(Panel2, QString());
        for (const char *item : input.items.texts)
            list->addItem(QString::fromUtf8(item));
        list->setCurrentIndex(input.items.selectedAtStart);
        this->*input.list = list;
    }
    Edit4 = NewEdit(Panel2, false);
    Edit4->setText(QString::fromUtf8(calc::kPipeLengthAtStart));
    BitBtn1 = new PushButton(Panel2, QStringLiteral("BitBtn1"), QStringLiteral("Рассчитать!"));
    BitBtn1->SetGlyph(resources::ButtonGlyph());
    for (const ResultBox &result : kResultBoxes)
        this->*result.box = NewEdit(Panel2, true);
}

void CalculatorPage::PlaceControls()
{
    Panel4->setGeometry(kPanel4);
    Panel2->setGeometry(kPanel2);
    Image1->setGeometry(kImage1);
    BitBtn1->setGeometry(kBitBtn1);
    for (const ColumnRow &row : kColumn) {
        QWidget *control = row.control(*this);
        control->setObjectName(QString::fromLatin1(row.name));
        control->setGeometry(QRect(QPoint(kColumnLeft, row.top), kColumnControl));
    }
}

void CalculatorPage::CreateLabels()
{
    for (const ColumnRow &row : kColumn) {
        const QString caption = QString::fromUtf8(row.caption);
        QWidget *control = row.control(*this);
        auto *label = new QLabel(caption, Panel2);
        label->setObjectName(QString::fromLatin1(row.label));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        label->setBuddy(control);
        const QSize size(label->fontMetrics().horizontalAdvance(caption),
                         label->fontMetrics().height());
        label->setGeometry(QRect(QPoint(row.labelRight - size.width(), row.labelTop), size));
        control->setAccessibleName(caption);
    }
}

void CalculatorPage::Connect()
{
    connect(BitBtn1, &QPushButton::clicked, this, Guarded([this] { BitBtn1Click(); }));
}

QList<QWidget *> CalculatorPage::KeyboardOrder() const
{
    return {Edit1, ComboBox1, Edit4, ComboBox2, BitBtn1, Edit5, Edit6, ComboBox3,
            Edit8, Edit9, ComboBox4, ComboBox5, Edit3, ComboBox6, Edit13};
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
