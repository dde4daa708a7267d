#include "ui/calculatorpage.h"

#include "calc/numbers.h"
#include "ui/controls.h"
#include "ui/errorreport.h"
#include "ui/picturebox.h"

#include <QLabel>
#include <QLineEdit>

#include <climits>
#include <optional>
#include <span>

namespace {

constexpr const char *kSetTempAboveBoiler =
    "Настроечная температура не должна превышать температуру котла!";

constexpr const char *kBoilerTemps[] = {"50", "60", "70", "80", "90"};
constexpr const char *kSetTemps[] = {"35", "40", "45", "50", "55", "60"};
constexpr const char *kTempDrops[] = {"5", "10"};
constexpr const char *kPitches[] = {"100", "150", "200"};
constexpr const char *kPipes[] = {"М/П  Ф16-2,0"};
constexpr const char *kPumps[] = {"willo 25/6", "willo 25/4", "willo 25/8"};

// The drop-down lists: items by position and the position selected at start.
struct ListEntry {
    DropDownList *CalculatorPage::*control;
    const char *name;
    std::span<const char *const> items;
    int selected;
};

constexpr ListEntry kLists[] = {
    {&CalculatorPage::ComboBox6, "ComboBox6", kBoilerTemps, 2},
    {&CalculatorPage::ComboBox4, "ComboBox4", kSetTemps, 3},
    {&CalculatorPage::ComboBox1, "ComboBox1", kTempDrops, 0},
    {&CalculatorPage::ComboBox5, "ComboBox5", kPitches, 1},
    {&CalculatorPage::ComboBox2, "ComboBox2", kPipes, 0},
    {&CalculatorPage::ComboBox3, "ComboBox3", kPumps, 0},
};

// The result boxes in the order they are written, each with the field it shows.
struct ResultEntry {
    QLineEdit *CalculatorPage::*box;
    const char *name;
    std::optional<double> calc::SizingResults::*field;
};

constexpr ResultEntry kResults[] = {
    {&CalculatorPage::Edit6, "Edit6", &calc::SizingResults::CircuitFlow},
    {&CalculatorPage::Edit3, "Edit3", &calc::SizingResults::UnitResistance},
    {&CalculatorPage::Edit5, "Edit5", &calc::SizingResults::MaxCircuits},
    {&CalculatorPage::Edit9, "Edit9", &calc::SizingResults::ManifoldHead},
    {&CalculatorPage::Edit1, "Edit1", &calc::SizingResults::HeatOutput},
    {&CalculatorPage::Edit8, "Edit8", &calc::SizingResults::SpecificOutput},
    {&CalculatorPage::Edit13, "Edit13", &calc::SizingResults::Area},
};

// The control column of Panel2, top to bottom, each control with the label left of it:
// the label is sized to its text and right-aligned at labelRight.
constexpr int kColumnLeft = 504;
constexpr QSize kColumnControl{105, 21};

struct ColumnRow {
    const char *control;
    int top;
    const char *label;
    int labelTop;
    int labelRight;
    const char *caption;
};

constexpr ColumnRow kColumn[] = {
    {"ComboBox6", 16, "Label2", 20, 498, "Подающая температура котла:"},
    {"ComboBox4", 40, "Label3", 43, 497, "Настроечная температура термоголовки:"},
    {"ComboBox1", 64, "Label4", 67, 496, "Перепад температур контуров водяного пола:"},
    {"Edit4", 88, "Label5", 91, 498, "Длина трубы одного контура, м:"},
    {"ComboBox5", 112, "Label10", 115, 498, "Шаг укладки, мм:"},
    {"ComboBox2", 136, "Label6", 140, 498, "Труба теплого водяного пола:"},
    {"ComboBox3", 160, "Label8", 164, 498, "Насос:"},
    {"Edit9", 232, "Label12", 234, 499, "Давление на коллекторе, м.в.ст.:"},
    {"Edit3", 256, "Label11", 259, 498, "Сопротивление смесительного узла, м.в.ст.:"},
    {"Edit5", 280, "Label7", 283, 498, "Максимальное количество контуров:"},
    {"Edit6", 304, "Label9", 308, 497, "Расход одного контура, л/м:"},
    {"Edit8", 328, "Label13", 331, 497, "Удельная тепловая мощность, Вт/м2:"},
    {"Edit1", 352, "Label1", 356, 497, "Тепловая мощность, кВт:"},
    {"Edit13", 376, "Label14", 380, 497, "Площадь, м2:"},
};

constexpr QRect kPanel4{0, 0, 687, 25};
constexpr QRect kPanel2{0, 25, 687, 418};
constexpr QRect kImage1{8, 8, 241, 401};
constexpr QRect kBitBtn1{352, 192, 113, 25};

QLineEdit *NewEdit(QWidget *parent, const char *name, bool readOnly)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
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
    for (const ListEntry &list : kLists) {
        auto *combo = new DropDownList(Panel2, QString::fromLatin1(list.name));
        for (const char *item : list.items)
            combo->addItem(QString::fromUtf8(item));
        combo->setCurrentIndex(list.selected);
        this->*list.control = combo;
    }
    Edit4 = NewEdit(Panel2, "Edit4", false);
    Edit4->setText(QStringLiteral("80"));
    BitBtn1 = new PushButton(Panel2, QStringLiteral("BitBtn1"), QStringLiteral("Рассчитать!"));
    BitBtn1->SetGlyph(resources::ButtonGlyph());
    for (const ResultEntry &result : kResults)
        this->*result.box = NewEdit(Panel2, result.name, true);
}

void CalculatorPage::PlaceControls()
{
    Panel4->setGeometry(kPanel4);
    Panel2->setGeometry(kPanel2);
    Image1->setGeometry(kImage1);
    BitBtn1->setGeometry(kBitBtn1);
    for (const ColumnRow &row : kColumn) {
        auto *control = Panel2->findChild<QWidget *>(QString::fromLatin1(row.control));
        control->setGeometry(QRect(QPoint(kColumnLeft, row.top), kColumnControl));
    }
}

void CalculatorPage::CreateLabels()
{
    for (const ColumnRow &row : kColumn) {
        const QString caption = QString::fromUtf8(row.caption);
        auto *control = Panel2->findChild<QWidget *>(QString::fromLatin1(row.control));
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
    inputs.BoilerTempIndex = ComboBox6->currentIndex();
    inputs.SetTempIndex = ComboBox4->currentIndex();
    inputs.TempDropIndex = ComboBox1->currentIndex();
    inputs.PipeLengthText = Edit4->text().toStdString();
    inputs.PitchIndex = ComboBox5->currentIndex();
    inputs.PipeIndex = ComboBox2->currentIndex();
    inputs.PumpIndex = ComboBox3->currentIndex();
    return inputs;
}

void CalculatorPage::ShowResults(const calc::SizingResults &results)
{
    for (const ResultEntry &result : kResults) {
        const std::optional<double> &value = results.*result.field;
        if (!value)
            continue;
        QLineEdit *box = this->*result.box;
        box->setText(QString::fromStdString(calc::NumberToText(*value)));
        box->setCursorPosition(0);  // long texts show from their start
    }
}
