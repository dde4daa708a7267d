#pragma once

#include "calc/sizing.h"

#include <QList>
#include <QWidget>

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
