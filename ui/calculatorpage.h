// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sizing.h"
#include "calc/working.h"

#include <QDateTime>
#include <QList>
#include <QRect>
#include <QWidget>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

class DropDownList;
class Panel;
class PictureBox;
class PushButton;
class QLineEdit;
class SheetActions;
struct CalculationSheet;

// The page's caption on its tab, and the heading of its top panel.
inline constexpr const char *kCalculatorPageCaption = "Расчет узла Varnelo";
inline constexpr const char *kCalculatorHeading =
    "Калькулятор расчета Varnelo для теплого бетонного водяного пола с керамической плиткой";

// The calculator page (the first tab of the main window, "Расчет узла Varnelo"): the
// photograph, seven inputs, the button "Рассчитать!" and seven read-only result boxes.
// It hands the inputs to SizeMixingUnit and shows what comes back; it does no arithmetic.
class CalculatorPage : public QWidget {
    Q_OBJECT

public:
    // Shows a text in the notice window and returns when the user has closed it.
    using NoticeHandler = std::function<void(const QString &)>;

    explicit CalculatorPage(QWidget *parent);

    void SetShowNotice(NoticeHandler showNotice) { showNotice_ = std::move(showNotice); }

    // The page's controls in keyboard order, for the window's own order.
    QList<QWidget *> KeyboardOrder() const;

    // The button's handler: also runs on Enter or Space while the button has the focus.
    void BitBtn1Click();

    // The sheet of the last press, while that press filled all seven boxes; the commands that
    // hand it over (the page's context menu, the boxes' menus and Ctrl+P) are enabled just then.
    bool HasSheet() const { return pressed_.has_value(); }
    CalculationSheet Sheet() const;
    SheetActions &SheetCommands() const { return *sheetActions_; }

    Panel *Panel4 = nullptr;
    Panel *Panel2 = nullptr;
    PictureBox *Image1 = nullptr;
    DropDownList *ComboBox6 = nullptr;
    DropDownList *ComboBox4 = nullptr;
    DropDownList *ComboBox1 = nullptr;
    QLineEdit *Edit4 = nullptr;
    DropDownList *ComboBox5 = nullptr;
    DropDownList *ComboBox2 = nullptr;
    DropDownList *ComboBox3 = nullptr;
    PushButton *BitBtn1 = nullptr;
    QLineEdit *Edit9 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QLineEdit *Edit8 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit13 = nullptr;

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    // What a press that filled all seven boxes leaves for its sheet, as it was at the press.
    struct PressedCalculation {
        calc::SizingInputs inputs;
        std::array<QString, calc::kResultOrder.size()> shown;  // in the order of kResultOrder
        calc::SizingWorking working;
        QDateTime at;
        char decimalMark = '.';
    };

    void CreateControls();
    void CreateControl(const struct CalculatorControl &control);
    void PlaceControls();
    void CreateLabels();
    void Connect();
    calc::SizingInputs ReadInputs() const;
    void ShowResults(const calc::SizingResults &results);
    void ConnectSheet();
    void KeepCalculation(const calc::SizingInputs &inputs, const calc::SizingWorking &working);
    void ForgetCalculation();
    void OpenMenuFromKeyboard();

    NoticeHandler showNotice_;
    SheetActions *sheetActions_ = nullptr;
    std::optional<PressedCalculation> pressed_;
};

// Where a control of Panel2 stands: the inputs and results in one column, the button apart.
constexpr QRect InColumn(int top) { return {504, top, 105, 21}; }

// The label left of a control: sized to its caption, right-aligned at `right`.
struct ControlLabel {
    const char *name = nullptr;
    int top = 0;
    int right = 0;
    const char *caption = nullptr;
};

// One control of the page: its name, place, label and stored tab position (the keyboard
// order within Panel2), and what it is: exactly one of a drop-down list (with its choice
// list and the input it fills), the typed length, the button, or a result box (with the
// result it shows).
struct CalculatorControl {
    const char *name;
    QRect place;
    int tabPosition;
    ControlLabel label{};
    DropDownList *CalculatorPage::*list = nullptr;
    calc::ChoiceTexts items{};
    int calc::SizingInputs::*input = nullptr;
    QLineEdit *CalculatorPage::*length = nullptr;
    PushButton *CalculatorPage::*button = nullptr;
    QLineEdit *CalculatorPage::*box = nullptr;
    calc::ResultField result = nullptr;
};

// The controls of Panel2, top to bottom: the one table every other list of them comes from.
inline constexpr CalculatorControl kCalculatorControls[] = {
    {.name = "ComboBox6", .place = InColumn(16), .tabPosition = 13,
     .label = {"Label2", 20, 498, "Подающая температура котла:"},
     .list = &CalculatorPage::ComboBox6, .items = calc::kBoilerTemperatures.Shown(),
     .input = &calc::SizingInputs::BoilerTempIndex},
    {.name = "ComboBox4", .place = InColumn(40), .tabPosition = 10,
     .label = {"Label3", 43, 497, "Настроечная температура термоголовки:"},
     .list = &CalculatorPage::ComboBox4, .items = calc::kSetTemperatures.Shown(),
     .input = &calc::SizingInputs::SetTempIndex},
    {.name = "ComboBox1", .place = InColumn(64), .tabPosition = 1,
     .label = {"Label4", 67, 496, "Перепад температур контуров водяного пола:"},
     .list = &CalculatorPage::ComboBox1, .items = calc::kTemperatureDrops.Shown(),
     .input = &calc::SizingInputs::TempDropIndex},
    {.name = "Edit4", .place = InColumn(88), .tabPosition = 2,
     .label = {"Label5", 91, 498, "Длина трубы одного контура, м:"},
     .length = &CalculatorPage::Edit4},
    {.name = "ComboBox5", .place = InColumn(112), .tabPosition = 11,
     .label = {"Label10", 115, 498, "Шаг укладки, мм:"},
     .list = &CalculatorPage::ComboBox5, .items = calc::kPitches.Shown(),
     .input = &calc::SizingInputs::PitchIndex},
    {.name = "ComboBox2", .place = InColumn(136), .tabPosition = 3,
     .label = {"Label6", 140, 498, "Труба теплого водяного пола:"},
     .list = &CalculatorPage::ComboBox2, .items = calc::kFloorPipes.Shown(),
     .input = &calc::SizingInputs::PipeIndex},
    {.name = "ComboBox3", .place = InColumn(160), .tabPosition = 7,
     .label = {"Label8", 164, 498, "Насос:"},
     .list = &CalculatorPage::ComboBox3, .items = calc::kPumps.Shown(),
     .input = &calc::SizingInputs::PumpIndex},
    {.name = "BitBtn1", .place = {352, 192, 113, 25}, .tabPosition = 4,
     .button = &CalculatorPage::BitBtn1},
    {.name = "Edit9", .place = InColumn(232), .tabPosition = 9,
     .label = {"Label12", 234, 499, "Давление на коллекторе, м.в.ст.:"},
     .box = &CalculatorPage::Edit9, .result = &calc::SizingResults::ManifoldHead},
    {.name = "Edit3", .place = InColumn(256), .tabPosition = 12,
     .label = {"Label11", 259, 498, "Сопротивление смесительного узла, м.в.ст.:"},
     .box = &CalculatorPage::Edit3, .result = &calc::SizingResults::UnitResistance},
    {.name = "Edit5", .place = InColumn(280), .tabPosition = 5,
     .label = {"Label7", 283, 498, "Максимальное количество контуров:"},
     .box = &CalculatorPage::Edit5, .result = &calc::SizingResults::MaxCircuits},
    {.name = "Edit6", .place = InColumn(304), .tabPosition = 6,
     .label = {"Label9", 308, 497, "Расход одного контура, л/м:"},
     .box = &CalculatorPage::Edit6, .result = &calc::SizingResults::CircuitFlow},
    {.name = "Edit8", .place = InColumn(328), .tabPosition = 8,
     .label = {"Label13", 331, 497, "Удельная тепловая мощность, Вт/м2:"},
     .box = &CalculatorPage::Edit8, .result = &calc::SizingResults::SpecificOutput},
    {.name = "Edit1", .place = InColumn(352), .tabPosition = 0,
     .label = {"Label1", 356, 497, "Тепловая мощность, кВт:"},
     .box = &CalculatorPage::Edit1, .result = &calc::SizingResults::HeatOutput},
    {.name = "Edit13", .place = InColumn(376), .tabPosition = 14,
     .label = {"Label14", 380, 497, "Площадь, м2:"},
     .box = &CalculatorPage::Edit13, .result = &calc::SizingResults::Area},
};

// Which drop-down list shows which choice list of calc/designdata.h and fills which input,
// top to bottom.
struct ListInput {
    DropDownList *CalculatorPage::*list;
    calc::ChoiceTexts items;
    int calc::SizingInputs::*field;
};

inline constexpr auto kListInputs = [] {
    constexpr auto count = std::ranges::count_if(kCalculatorControls, [](const auto &control) {
        return control.list != nullptr;
    });
    std::array<ListInput, count> inputs{};
    std::size_t next = 0;
    for (const CalculatorControl &control : kCalculatorControls) {
        if (control.list)
            inputs[next++] = {control.list, control.items, control.input};
    }
    return inputs;
}();

// The box that shows `field`.
constexpr QLineEdit *CalculatorPage::*BoxShowing(calc::ResultField field)
{
    for (const CalculatorControl &control : kCalculatorControls) {
        if (control.box && control.result == field)
            return control.box;
    }
    return nullptr;
}
