// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guitest.h"

#include "calc/designdata.h"
#include "ui/controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <array>
#include <string>

namespace {

const QString kNoticeText = QStringLiteral("Настроечная температура не должна превышать температуру котла!");

// The result boxes in the order the page writes them: flow, resistance, circuits, manifold
// head, heat output, specific output, area.
std::array<QLineEdit *, 7> ResultBoxes(CalculatorPage &page)
{
    std::array<QLineEdit *, 7> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = page.*BoxShowing(calc::kResultOrder[i]);
    return boxes;
}

std::array<QString, 7> ResultTexts(CalculatorPage &page)
{
    std::array<QString, 7> texts;
    const auto boxes = ResultBoxes(page);
    for (std::size_t i = 0; i < boxes.size(); ++i)
        texts[i] = boxes[i]->text();
    return texts;
}

// Typing beyond ASCII, which QTest's key helpers do not cover.
void TypeText(QWidget *target, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
    QCoreApplication::sendEvent(target, &release);
}

class CalculatorPageTest : public GuiTest {
protected:
    void Calculate() { QTest::mouseClick(Page().BitBtn1, Qt::LeftButton); }
};

// One row of the worked values, each exercising other lists: list positions, the typed
// length and the seven texts as written with ".".
struct WorkedCase {
    const char *name;
    int boiler, setTemp, drop;
    const char *length;
    int pitch, pump;
    std::array<const char *, 7> shown;
};

void PrintTo(const WorkedCase &row, std::ostream *out) { *out << row.name; }

const WorkedCase kWorkedCases[] = {
    {"defaults", 2, 3, 0, "80", 1, 0, {"3.01", "0.85", "10", "2.1942", "10.51", "87.6", "120"}},
    {"larger_pump", 2, 3, 0, "80", 1, 2, {"3.01", "1.67", "14", "2.1942", "14.72", "87.6", "168"}},
    {"drop_10K", 2, 3, 1, "80", 1, 0, {"1.33", "1.79", "29", "0.5245", "26.91", "77.33", "348"}},
    {"boiler_side_larger", 1, 3, 0, "80", 1, 0, {"3.01", "1.09", "10", "2.1942", "10.51", "87.6", "120"}},
    {"equal_temperatures", 0, 3, 0, "80", 1, 0, {"3.01", "1.57", "4", "2.1942", "4.2", "87.6", "48"}},
    {"low_set_temperature", 2, 0, 0, "80", 1, 0, {"0.94", "1.91", "44", "0.2834", "14.36", "27.2", "528"}},
    {"hot_narrow_pitch", 4, 5, 0, "60", 0, 2, {"2.57", "2.06", "17", "1.2468", "15.25", "149.5", "102"}},
    {"ceiling_of_50", 2, 3, 0, "10", 1, 0, {"0.38", "0.33", "50", "0.0084", "6.57", "87.6", "75"}},
};

class WorkedValues : public CalculatorPageTest,
                     public ::testing::WithParamInterface<std::tuple<WorkedCase, char>> {};

TEST_P(WorkedValues, PressShowsTheseTexts)
{
    const auto &[worked, mark] = GetParam();
    SwitchRegionalSettings(mark == ',' ? QLocale(QLocale::Russian, QLocale::Russia)
                                       : QLocale(QLocale::English, QLocale::UnitedStates));
    ChooseInputs(worked.boiler, worked.setTemp, worked.drop, worked.length, worked.pitch,
                 worked.pump);
    Calculate();
    const auto shown = ResultTexts(Page());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        SCOPED_TRACE(ResultBoxes(Page())[i]->objectName().toStdString());
        std::string expected = worked.shown[i];
        std::replace(expected.begin(), expected.end(), '.', mark);
        EXPECT_EQ(shown[i].toStdString(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    CalculatorPage, WorkedValues,
    ::testing::Combine(::testing::ValuesIn(kWorkedCases), ::testing::Values(',', '.')),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name)
               + (std::get<1>(info.param) == ',' ? "_comma" : "_point");
    });

TEST_F(CalculatorPageTest, StartsWithTheStoredDefaultsAndEmptyResults)
{
    EXPECT_EQ(Page().ComboBox6->currentText(), "70");
    EXPECT_EQ(Page().ComboBox4->currentText(), "50");
    EXPECT_EQ(Page().ComboBox1->currentText(), "5");
    EXPECT_EQ(Page().Edit4->text(), "80");
    EXPECT_EQ(Page().ComboBox5->currentText(), "150");
    EXPECT_EQ(Page().ComboBox2->currentText(), QStringLiteral("М/П  Ф16-2,0"));
    EXPECT_EQ(Page().ComboBox3->currentText(), "willo 25/6");
    for (QLineEdit *box : ResultBoxes(Page()))
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
    EXPECT_TRUE(Page().isVisible());
}

TEST_F(CalculatorPageTest, ListsHoldTheirItemsInOrder)
{
    // Each list against the design table it stands for: a list built from the wrong table, or
    // with items missing or reordered, shows here.
    const std::vector<std::pair<DropDownList *, calc::ChoiceTexts>> lists = {
        {Page().ComboBox6, calc::kBoilerTemperatures.Shown()},
        {Page().ComboBox4, calc::kSetTemperatures.Shown()},
        {Page().ComboBox1, calc::kTemperatureDrops.Shown()},
        {Page().ComboBox5, calc::kPitches.Shown()},
        {Page().ComboBox2, calc::kFloorPipes.Shown()},
        {Page().ComboBox3, calc::kPumps.Shown()},
    };
    for (const auto &[list, table] : lists) {
        QStringList shown, expected;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        for (const char *text : table.texts)
            expected << QString::fromUtf8(text);
        EXPECT_EQ(shown, expected) << list->objectName().toStdString();
        EXPECT_FALSE(list->isEditable());
    }
}

// The items written out as the user reads them: a slip in one item's text shows here.
TEST_F(CalculatorPageTest, ListsShowTheItemTextsAsStored)
{
    const std::vector<std::pair<DropDownList *, QStringList>> lists = {
        {Page().ComboBox6, {"50", "60", "70", "80", "90"}},
        {Page().ComboBox4, {"35", "40", "45", "50", "55", "60"}},
        {Page().ComboBox1, {"5", "10"}},
        {Page().ComboBox5, {"100", "150", "200"}},
        {Page().ComboBox2, {"М/П  Ф16-2,0"}},
        {Page().ComboBox3, {"willo 25/6", "willo 25/4", "willo 25/8"}},
    };
    for (const auto &[list, expected] : lists) {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        EXPECT_EQ(shown, expected) << list->objectName().toStdString();
    }
}

TEST_F(CalculatorPageTest, WritesTheBoxesInTheFixedOrder)
{
    std::vector<QString> written;
    for (QLineEdit *box : ResultBoxes(Page()))
        QObject::connect(box, &QLineEdit::textChanged, box,
                         [&written, box] { written.push_back(box->objectName()); });
    Calculate();
    EXPECT_EQ(written, (std::vector<QString>{"Edit6", "Edit3", "Edit5", "Edit9", "Edit1",
                                             "Edit8", "Edit13"}));
}

TEST_F(CalculatorPageTest, SetTemperatureAboveBoilerShowsTheNoticeAndKeepsTheBoxes)
{
    Calculate();
    const auto before = ResultTexts(Page());
    Page().ComboBox6->setCurrentIndex(0);  // boiler 50
    Page().ComboBox4->setCurrentIndex(5);  // set 60
    ExpectNotice();
    Calculate();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], kNoticeText);
    EXPECT_EQ(ResultTexts(Page()), before);
    EXPECT_TRUE(reports.empty());
}

TEST_F(CalculatorPageTest, NoticeOnEmptyBoxesLeavesThemEmpty)
{
    Page().ComboBox6->setCurrentIndex(0);
    Page().ComboBox4->setCurrentIndex(4);  // set 55 above boiler 50
    ExpectNotice();
    Calculate();
    for (QLineEdit *box : ResultBoxes(Page()))
        EXPECT_TRUE(box->text().isEmpty()) << box->objectName().toStdString();
}

TEST_F(CalculatorPageTest, LengthAbcShowsZeroFlowThenReportsTheFault)
{
    Calculate();
    auto expected = ResultTexts(Page());
    expected[0] = "0";
    Page().Edit4->setText("abc");
    ExpectErrorReport();
    Calculate();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "Invalid floating point operation.");
    EXPECT_EQ(ResultTexts(Page()), expected);
}

TEST_F(CalculatorPageTest, LengthThatDoesNotConvertChangesNoBox)
{
    Calculate();
    const auto before = ResultTexts(Page());
    Page().Edit4->setText("1-2");
    ExpectErrorReport();
    Calculate();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "'1-2' is not a valid floating point value.");
    EXPECT_EQ(ResultTexts(Page()), before);
}

TEST_F(CalculatorPageTest, ConversionErrorComesBeforeTheTemperatureCheck)
{
    Page().ComboBox6->setCurrentIndex(0);
    Page().ComboBox4->setCurrentIndex(5);
    Page().Edit4->setText("1-2");
    ExpectErrorReport();
    Calculate();
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_TRUE(notices.empty());
}

TEST_F(CalculatorPageTest, CalculationAfterAnErrorGivesTheFreshResults)
{
    Calculate();
    const auto fresh = ResultTexts(Page());
    Page().Edit4->setText("0");
    ExpectErrorReport();
    Calculate();
    EXPECT_EQ(Page().Edit6->text(), "0");
    Page().Edit4->setText("80");
    Calculate();
    EXPECT_EQ(ResultTexts(Page()), fresh);
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(CalculatorPageTest, DecimalMarkFollowsTheRegionalSettingsWithoutRestart)
{
    SwitchRegionalSettings(QLocale(QLocale::Russian, QLocale::Russia));
    Calculate();
    EXPECT_EQ(Page().Edit6->text(), "3,01");
    SwitchRegionalSettings(QLocale(QLocale::English, QLocale::UnitedKingdom));
    Calculate();
    EXPECT_EQ(Page().Edit6->text(), "3.01");
    EXPECT_EQ(Page().Edit9->text(), "2.1942");
}

TEST_F(CalculatorPageTest, EnterInAnEditOrListStartsNothing)
{
    for (QWidget *control : std::initializer_list<QWidget *>{Page().Edit4, Page().ComboBox6}) {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Return);
        QTest::keyClick(control, Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_TRUE(Page().Edit6->text().isEmpty()) << control->objectName().toStdString();
    }
}

TEST_F(CalculatorPageTest, EnterOnTheButtonCalculates)
{
    Page().BitBtn1->setFocus();
    QTest::keyClick(Page().BitBtn1, Qt::Key_Return);
    EXPECT_EQ(Page().Edit6->text(), "3.01");
    Page().Edit4->setText(QStringLiteral("60"));
    QTest::keyClick(Page().BitBtn1, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Page().Edit6->text(), "2.26");
}

TEST_F(CalculatorPageTest, SpaceOnTheButtonCalculates)
{
    Page().BitBtn1->setFocus();
    QTest::keyClick(Page().BitBtn1, Qt::Key_Space);
    EXPECT_EQ(Page().Edit13->text(), "120");
}

TEST_F(CalculatorPageTest, ButtonIsNeverTheDefaultButton)
{
    EXPECT_FALSE(Page().BitBtn1->isDefault());
    EXPECT_FALSE(Page().BitBtn1->autoDefault());
    EXPECT_TRUE(Page().BitBtn1->isEnabled());
}

TEST_F(CalculatorPageTest, ResultBoxesRefuseTypingButTakeTheFocus)
{
    Calculate();
    for (QLineEdit *box : ResultBoxes(Page())) {
        const QString before = box->text();
        box->setFocus();
        EXPECT_TRUE(box->hasFocus());
        QTest::keyClicks(box, "9x");
        QTest::keyClick(box, Qt::Key_Backspace);
        EXPECT_EQ(box->text(), before) << box->objectName().toStdString();
    }
}

TEST_F(CalculatorPageTest, LengthBoxTakesAnyTextOfAnyLength)
{
    const QString longText(40000, QLatin1Char('7'));
    Page().Edit4->setText(longText);
    EXPECT_EQ(Page().Edit4->text().size(), longText.size());
    Page().Edit4->clear();
    Page().Edit4->setFocus();
    QTest::keyClicks(Page().Edit4, "8,5 ");
    TypeText(Page().Edit4, QStringLiteral("м"));
    EXPECT_EQ(Page().Edit4->text(), QStringLiteral("8,5 м"));
}

TEST_F(CalculatorPageTest, InputsAndResultsAreNamedByTheirLabels)
{
    const std::vector<std::pair<QWidget *, QString>> named = {
        {Page().ComboBox6, "Подающая температура котла:"},
        {Page().ComboBox4, "Настроечная температура термоголовки:"},
        {Page().ComboBox1, "Перепад температур контуров водяного пола:"},
        {Page().Edit4, "Длина трубы одного контура, м:"},
        {Page().ComboBox5, "Шаг укладки, мм:"},
        {Page().ComboBox2, "Труба теплого водяного пола:"},
        {Page().ComboBox3, "Насос:"},
        {Page().Edit9, "Давление на коллекторе, м.в.ст.:"},
        {Page().Edit3, "Сопротивление смесительного узла, м.в.ст.:"},
        {Page().Edit5, "Максимальное количество контуров:"},
        {Page().Edit6, "Расход одного контура, л/м:"},
        {Page().Edit8, "Удельная тепловая мощность, Вт/м2:"},
        {Page().Edit1, "Тепловая мощность, кВт:"},
        {Page().Edit13, "Площадь, м2:"},
    };
    for (const auto &[control, caption] : named)
        EXPECT_EQ(control->accessibleName(), caption) << control->objectName().toStdString();
    for (QWidget *control : Page().KeyboardOrder())
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->objectName().toStdString();
}

TEST_F(CalculatorPageTest, EachLabelNamesItsOwnControl)
{
    int labelled = 0;
    for (QLabel *label : Page().Panel2->findChildren<QLabel *>()) {
        if (!label->buddy())
            continue;
        ++labelled;
        EXPECT_EQ(label->buddy()->accessibleName(), label->text()) << label->objectName().toStdString();
    }
    EXPECT_EQ(labelled, 14);
}

TEST_F(CalculatorPageTest, SwitchingTabsKeepsInputsAndResults)
{
    Page().Edit4->setText("60");
    Page().ComboBox3->setCurrentIndex(2);
    Calculate();
    const auto results = ResultTexts(Page());
    Form().PageControl1->SetTabIndex(4);
    EXPECT_FALSE(Page().isVisible());
    Form().PageControl1->SetTabIndex(0);
    EXPECT_TRUE(Page().isVisible());
    EXPECT_EQ(Page().Edit4->text(), "60");
    EXPECT_EQ(Page().ComboBox3->currentIndex(), 2);
    EXPECT_EQ(ResultTexts(Page()), results);
}

TEST_F(CalculatorPageTest, PressWithUnchangedInputsWritesTheSameTexts)
{
    Calculate();
    const auto first = ResultTexts(Page());
    Calculate();
    EXPECT_EQ(ResultTexts(Page()), first);
}

// A result wider than its box is shown from its first digit, not scrolled to its end.
TEST_F(CalculatorPageTest, LongResultShowsFromItsStart)
{
    Page().Edit4->setText(QStringLiteral("1E7"));
    Calculate();
    int tooWide = 0;
    for (QLineEdit *box : ResultBoxes(Page())) {
        if (box->fontMetrics().horizontalAdvance(box->text()) <= box->contentsRect().width())
            continue;
        ++tooWide;
        EXPECT_EQ(box->cursorPosition(), 0) << box->objectName().toStdString();
    }
    EXPECT_GT(tooWide, 0) << "no result is wider than its box";
}

} // namespace
