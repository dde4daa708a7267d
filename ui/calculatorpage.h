// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/sizing.h"

#include <QList>
#include <QWidget>

#include <array>
#include <functional>

class DropDownList;
class Panel;
class PictureBox;
class PushButton;
class QLineEdit;

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

private:
    void CreateControls();
    void PlaceControls();
    void CreateLabels();
    void Connect();
    calc::SizingInputs ReadInputs() const;
    void ShowResults(const calc::SizingResults &results);

    NoticeHandler showNotice_;
};

// Which drop-down list shows which choice list of calc/designdata.h and fills which input.
struct ListInput {
    DropDownList *CalculatorPage::*list;
    calc::ChoiceTexts items;
    int calc::SizingInputs::*field;
};

inline constexpr std::array<ListInput, 6> kListInputs = {{
    {&CalculatorPage::ComboBox6, calc::kBoilerTemperatures.Shown(),
     &calc::SizingInputs::BoilerTempIndex},
    {&CalculatorPage::ComboBox4, calc::kSetTemperatures.Shown(), &calc::SizingInputs::SetTempIndex},
    {&CalculatorPage::ComboBox1, calc::kTemperatureDrops.Shown(),
     &calc::SizingInputs::TempDropIndex},
    {&CalculatorPage::ComboBox5, calc::kPitches.Shown(), &calc::SizingInputs::PitchIndex},
    {&CalculatorPage::ComboBox2, calc::kFloorPipes.Shown(), &calc::SizingInputs::PipeIndex},
    {&CalculatorPage::ComboBox3, calc::kPumps.Shown(), &calc::SizingInputs::PumpIndex},
}};

// Which read-only box shows which result, top to bottom. The boxes are written in the order of
// the results, calc::kResultOrder.
struct ResultBox {
    calc::ResultField field;
    QLineEdit *CalculatorPage::*box;
};

inline constexpr std::array<ResultBox, 7> kResultBoxes = {{
    {&calc::SizingResults::ManifoldHead, &CalculatorPage::Edit9},
    {&calc::SizingResults::UnitResistance, &CalculatorPage::Edit3},
    {&calc::SizingResults::MaxCircuits, &CalculatorPage::Edit5},
    {&calc::SizingResults::CircuitFlow, &CalculatorPage::Edit6},
    {&calc::SizingResults::SpecificOutput, &CalculatorPage::Edit8},
    {&calc::SizingResults::HeatOutput, &CalculatorPage::Edit1},
    {&calc::SizingResults::Area, &CalculatorPage::Edit13},
}};

// The box that shows `field`.
constexpr QLineEdit *CalculatorPage::*BoxShowing(calc::ResultField field)
{
    for (const ResultBox &entry : kResultBoxes) {
        if (entry.field == field)
            return entry.box;
    }
    return nullptr;
}

// The page's result boxes in the order they are written.
inline std::array<QLineEdit *, 7> ResultBoxesInOrder(const CalculatorPage &page)
{
    std::array<QLineEdit *, 7> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = page.*BoxShowing(calc::kResultOrder[i]);
    return boxes;
}
