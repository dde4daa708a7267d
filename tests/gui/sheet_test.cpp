// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guitest.h"
#include "sheetreference.h"
#include "sheettools.h"

#include "ui/calculationsheet.h"
#include "ui/sheetactions.h"
#include "ui/sheetprint.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <set>

#include <unistd.h>

namespace {

const QStringList kSheetItems = {QStringLiteral("Копировать расчёт"),
                                 QStringLiteral("Сохранить расчёт в PDF…"),
                                 QStringLiteral("Печать расчёта…")};

// A context menu as it opened: its items' texts (a separator as ""), whether each is enabled,
// and what a screen reader calls each.
struct SeenMenu {
    QStringList texts;
    QList<bool> enabled;
    QStringList accessibleNames;
};

// Runs `open`, which may open a context menu, and closes the menu it opens.
std::optional<SeenMenu> CatchMenu(const std::function<void()> &open)
{
    std::optional<SeenMenu> seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, &poll, [&seen] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible() || seen)
            return;
        SeenMenu menuSeen;
        for (QAction *action : menu->actions()) {
            menuSeen.texts << (action->isSeparator() ? QString() : action->text());
            menuSeen.enabled << action->isEnabled();
        }
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; accessible && i < accessible->childCount(); ++i)
            menuSeen.accessibleNames << accessible->child(i)->text(QAccessible::Name);
        seen = menuSeen;
        menu->close();
    });
    poll.start();
    open();
    static_cast<void>(QTest::qWaitFor([&seen] { return seen.has_value(); }, 300));
    return seen;
}

// The last three items of a menu.
QStringList LastThree(const SeenMenu &menu) { return menu.texts.mid(menu.texts.size() - 3); }

class SheetTest : public GuiTest {
protected:
    void Calculate() { QTest::mouseClick(Page().BitBtn1, Qt::LeftButton); }

    SheetActions &Commands() { return Page().SheetCommands(); }

    // Whether the three commands are enabled; they always agree.
    bool Enabled()
    {
        const auto actions = Commands().Actions();
        for (QAction *action : actions)
            EXPECT_EQ(action->isEnabled(), actions.front()->isEnabled()) << action->text().toStdString();
        return actions.front()->isEnabled();
    }

    void RightClick(QWidget *target)
    {
        const QPoint at = target->mapTo(&Form(), target->rect().center());
        QTest::mouseClick(Form().windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    }

    // The Menu key as the platform delivers it: a keyboard context-menu event for the focus.
    static void MenuKey(QWidget *focus)
    {
        const QPoint at = focus->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
        QCoreApplication::sendEvent(focus, &event);
    }

    static void ShiftF10(QWidget *focus) { QTest::keyClick(focus, Qt::Key_F10, Qt::ShiftModifier); }
};

TEST_F(SheetTest, RightClickOnThePageOpensTheThreeCommandsInOrder)
{
    for (QWidget *target : std::initializer_list<QWidget *>{Page().Image1, Page().Panel4, Page().ComboBox6,
                                                             Page().BitBtn1}) {
        const auto menu = CatchMenu([&] { RightClick(target); });
        ASSERT_TRUE(menu) << target->objectName().toStdString();
        EXPECT_EQ(menu->texts, kSheetItems) << target->objectName().toStdString();
        EXPECT_EQ(menu->accessibleNames, kSheetItems);
    }
}

TEST_F(SheetTest, MenuKeyAndShiftF10OpenTheMenuOnAListTheButtonAndABox)
{
    for (QWidget *control : std::initializer_list<QWidget *>{Page().ComboBox4, Page().BitBtn1, Page().Edit5}) {
        for (const auto &press : {&SheetTest::MenuKey, &SheetTest::ShiftF10}) {
            // The window takes the activation back from the closed menu a little later, or,
            // when the menu was closed before the platform activated it, not at all.
            ASSERT_TRUE(QTest::qWaitFor([this, control] {
                if (!Form().isActiveWindow())
                    Form().activateWindow();
                control->setFocus();
                return control->hasFocus();
            }));
            const auto menu = CatchMenu([&] { press(control); });
            ASSERT_TRUE(menu) << control->objectName().toStdString();
            EXPECT_EQ(LastThree(*menu), kSheetItems) << control->objectName().toStdString();
        }
    }
}

TEST_F(SheetTest, ShiftF10OutsideThePageOpensNoSheetMenu)
{
    Form().PageControl1->Tabs()->setFocus();
    EXPECT_FALSE(CatchMenu([&] { ShiftF10(Form().PageControl1->Tabs()); }));
}

TEST_F(SheetTest, BoxMenuKeepsTheStandardItemsThenASeparatorAndTheThree)
{
    Calculate();
    for (QLineEdit *box : {Page().Edit9, Page().Edit13, Page().Edit4}) {
        const std::unique_ptr<QMenu> standard(box->createStandardContextMenu());
        QStringList expected;
        for (QAction *action : standard->actions())
            expected << (action->isSeparator() ? QString() : action->text());
        ASSERT_GE(expected.size(), 2);
        expected << QString() << kSheetItems;
        const auto menu = CatchMenu([&] { RightClick(box); });
        ASSERT_TRUE(menu) << box->objectName().toStdString();
        EXPECT_EQ(menu->texts, expected) << box->objectName().toStdString();
    }
}

TEST_F(SheetTest, QtsOwnItemsSpeakRussian)
{
    const std::unique_ptr<QMenu> standard(Page().Edit9->createStandardContextMenu());
    QStringList texts;
    for (QAction *action : standard->actions())
        texts << action->text();
    EXPECT_TRUE(texts.join(u' ').contains(QStringLiteral("Копировать"))) << texts.join(u'|').toStdString();
}

TEST_F(SheetTest, CommandsAreEnabledOnlyAfterACompleteCalculation)
{
    EXPECT_FALSE(Enabled()) << "before the first calculation";
    const auto before = CatchMenu([&] { RightClick(Page().Image1); });
    ASSERT_TRUE(before);
    EXPECT_EQ(before->enabled, (QList<bool>{false, false, false}));

    Calculate();
    EXPECT_TRUE(Enabled()) << "after a complete calculation";
    const auto after = CatchMenu([&] { RightClick(Page().Image1); });
    ASSERT_TRUE(after);
    EXPECT_EQ(after->enabled, (QList<bool>{true, true, true}));

    Page().ComboBox6->setCurrentIndex(0);  // boiler 50
    Page().ComboBox4->setCurrentIndex(5);  // set 60
    ExpectNotice();
    Calculate();
    EXPECT_FALSE(Enabled()) << "after the notice";

    Page().ComboBox4->setCurrentIndex(3);
    Calculate();
    ASSERT_TRUE(Enabled());
    Page().Edit4->setText(QStringLiteral("abc"));
    ExpectErrorReport();
    Calculate();
    EXPECT_FALSE(Enabled()) << "after an error";

    Page().Edit4->setText(QStringLiteral("80"));
    Calculate();
    Page().Edit4->setText(QStringLiteral("1-2"));
    ExpectErrorReport();
    Calculate();
    EXPECT_FALSE(Enabled()) << "after a length that does not convert";
}

TEST_F(SheetTest, CtrlPOpensThePreviewOnlyOnTheCalculatorPageAndOnlyWhenEnabled)
{
    int previews = 0;
    Commands().SetPreview([&previews](QWidget *, const CalculationSheet &) { ++previews; });
    Page().Edit4->setFocus();
    QTest::keyClick(Page().Edit4, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previews, 0) << "before a calculation";
    Calculate();
    QTest::keyClick(Page().Edit4, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previews, 1);
    Form().PageControl1->Tabs()->setFocus();
    QTest::keyClick(Form().PageControl1->Tabs(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previews, 2) << "the tab row of the shown page";
    Form().PageControl1->SetTabIndex(4);
    QTest::keyClick(Form().PageControl1->Tabs(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previews, 2) << "another page shown";
    Form().PageControl1->SetTabIndex(0);
    Page().Edit4->setText(QStringLiteral("abc"));
    ExpectErrorReport();
    Calculate();
    QTest::keyClick(Page().Edit4, Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(previews, 2) << "after an error";
}

TEST_F(SheetTest, PrintOpensThePrintPreviewOfTheSheet)
{
    Calculate();
    bool shown = false;
    ExpectModal([&shown](QWidget *modal) {
        auto *preview = qobject_cast<QPrintPreviewDialog *>(modal);
        ASSERT_NE(preview, nullptr);
        shown = true;
        preview->reject();
    });
    Commands().Actions()[2]->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(reports.empty());
}

TEST_F(SheetTest, PrintingPaintsOnAGivenPrinter)
{
    Calculate();
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    SetSheetPageLayout(printer);
    PrintSheet(Page().Sheet(), printer);
    const QString text = PdfText(dir.filePath(QStringLiteral("printed.pdf")));
    EXPECT_TRUE(text.contains(QStringLiteral("Ход расчёта"))) << text.toStdString();
    EXPECT_TRUE(text.contains(Page().Edit9->text()));
}

TEST_F(SheetTest, APrinterThatCannotStartIsAnError)
{
    Calculate();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QStringLiteral("/proc/version/printed.pdf"));
    EXPECT_THROW(PrintSheet(Page().Sheet(), printer), std::runtime_error);
}

TEST_F(SheetTest, SheetKeepsTheInputsOfThePressNotLaterChanges)
{
    Calculate();
    Page().ComboBox3->setCurrentIndex(2);
    Page().ComboBox6->setCurrentIndex(4);
    Page().Edit4->setText(QStringLiteral("60"));
    const QString text = SheetPlainText(Page().Sheet());
    EXPECT_TRUE(text.contains(QStringLiteral("Насос\twillo 25/6\n"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Подающая температура котла\t70 °C\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("Длина трубы одного контура\t80 м\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("willo 25/8")));
}

TEST_F(SheetTest, InputsAreListedAsSelectedWithTheirUnits)
{
    Page().ComboBox1->setCurrentIndex(1);
    Page().Edit4->setText(QStringLiteral(" 75,5 м"));
    Page().ComboBox5->setCurrentIndex(2);
    Calculate();
    const CalculationSheet sheet = Page().Sheet();
    const QList<std::pair<QString, QString>> expected = {
        {"Подающая температура котла", "70 °C"},
        {"Настроечная температура термоголовки", "50 °C"},
        {"Перепад температур контуров водяного пола", "10 К"},
        {"Длина трубы одного контура", " 75,5 м м"},
        {"Шаг укладки", "200 мм"},
        {"Труба теплого водяного пола", "М/П  Ф16-2,0"},
        {"Насос", "willo 25/6"},
    };
    ASSERT_EQ(sheet.inputs.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(sheet.inputs[i].caption, expected[i].first);
        EXPECT_EQ(sheet.inputs[i].value, expected[i].second);
    }
}

// Each result as its box shows it, with either decimal mark, in the sheet and in its text.
class SheetResults : public SheetTest, public ::testing::WithParamInterface<char> {};

TEST_P(SheetResults, HoldEachBoxTextExactly)
{
    SwitchRegionalSettings(GetParam() == ',' ? QLocale(QLocale::Russian, QLocale::Russia)
                                             : QLocale(QLocale::English, QLocale::UnitedStates));
    Page().ComboBox1->setCurrentIndex(1);
    Calculate();
    const CalculationSheet sheet = Page().Sheet();
    const QString text = SheetPlainText(sheet);
    const QList<std::pair<QLineEdit *, QString>> boxes = {
        {Page().Edit9, "Давление на коллекторе\t%1 м.в.ст.\n"},
        {Page().Edit3, "Сопротивление смесительного узла\t%1 м.в.ст.\n"},
        {Page().Edit5, "Максимальное количество контуров\t%1\n"},
        {Page().Edit6, "Расход одного контура\t%1 л/м\n"},
        {Page().Edit8, "Удельная тепловая мощность\t%1 Вт/м2\n"},
        {Page().Edit1, "Тепловая мощность\t%1 кВт\n"},
        {Page().Edit13, "Площадь\t%1 м2\n"},
    };
    ASSERT_EQ(sheet.results.size(), boxes.size());
    for (const auto &[box, line] : boxes)
        EXPECT_TRUE(text.contains(line.arg(box->text()))) << line.arg(box->text()).toStdString();
    EXPECT_TRUE(Page().Edit6->text().contains(QChar::fromLatin1(GetParam())));
    EXPECT_TRUE(FigureText(sheet, WorkingFigure::CircuitFlow).contains(QChar::fromLatin1(GetParam())));
}

INSTANTIATE_TEST_SUITE_P(Sheet, SheetResults, ::testing::Values(',', '.'),
                         [](const auto &info) { return info.param == ',' ? "comma" : "point"; });

// Worked cases that reach each flow regime and each reason for the count.
struct WorkingCase {
    const char *name;
    int boiler, setTemp, drop;
    const char *length;
    double metres;
    int pitch, pump;
};

void PrintTo(const WorkingCase &row, std::ostream *out) { *out << row.name; }

const WorkingCase kWorkingCases[] = {
    {"defaults_smooth_next_fails", 2, 3, 0, "80", 80, 1, 0},
    {"boiler_side_decides", 1, 3, 0, "80", 80, 1, 0},
    {"laminar", 2, 0, 1, "10", 10, 0, 0},
    {"transition", 2, 2, 0, "36", 36, 1, 0},
    {"mixed_none_passes", 4, 5, 0, "150", 150, 2, 1},
    {"ceiling_of_50", 2, 3, 0, "10", 10, 1, 0},
    {"equal_temperatures", 0, 3, 0, "80", 80, 1, 2},
};

class SheetWorking : public SheetTest, public ::testing::WithParamInterface<WorkingCase> {};

TEST_P(SheetWorking, AgreesWithTheFiguresWorkedOutApart)
{
    const WorkingCase &row = GetParam();
    ChooseInputs(row.boiler, row.setTemp, row.drop, row.length, row.pitch, row.pump);
    Calculate();
    const ReferenceWorking reference = WorkOut(row.boiler, row.setTemp, row.drop, row.metres, row.pitch, row.pump);
    const CalculationSheet sheet = Page().Sheet();
    EXPECT_TRUE(WorkingAgrees(sheet, reference, '.'));
    EXPECT_EQ(Page().Edit5->text(), QString::number(reference.found));
}

INSTANTIATE_TEST_SUITE_P(Sheet, SheetWorking, ::testing::ValuesIn(kWorkingCases),
                         [](const auto &info) { return std::string(info.param.name); });

// The rows above between them reach every regime the sizing can reach and every reason.
TEST(SheetWorkingCases, ReachEveryRegimeAndReason)
{
    std::set<Regime> regimes;
    std::set<Reason> reasons;
    for (const WorkingCase &row : kWorkingCases) {
        const ReferenceWorking w = WorkOut(row.boiler, row.setTemp, row.drop, row.metres, row.pitch, row.pump);
        regimes.insert(w.regime);
        reasons.insert(w.reason);
    }
    EXPECT_EQ(regimes, (std::set<Regime>{Regime::Laminar, Regime::Transition, Regime::Smooth, Regime::Mixed}));
    EXPECT_EQ(reasons.size(), 3u);
}

TEST_F(SheetTest, CopyPutsTextAndATableOnTheClipboard)
{
    Calculate();
    QGuiApplication::clipboard()->clear();
    const auto menu = CatchMenu([&] { RightClick(Page().Image1); });
    ASSERT_TRUE(menu);
    Commands().Actions()[0]->trigger();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasText());
    ASSERT_TRUE(data->hasHtml());
    EXPECT_EQ(data->text(), SheetPlainText(Page().Sheet()));
    EXPECT_TRUE(data->text().contains(QStringLiteral("Давление на коллекторе\t2.1942 м.в.ст.\n")));
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>Давление на коллекторе</td><td>2.1942 м.в.ст.</td>")));
    EXPECT_TRUE(data->html().contains(QStringLiteral("<td>Режим течения</td><td>гидравлически гладкие трубы</td>")));
}

TEST_F(SheetTest, SaveProposesTheDatedNameInDocumentsAndWritesAPdf)
{
    Calculate();
    QTemporaryDir dir;
    QString proposed;
    const QString target = dir.filePath(QStringLiteral("расчёт.pdf"));
    Commands().SetFileChooser([&](QWidget *parent, const QString &offered) {
        EXPECT_EQ(parent, &Form());
        proposed = offered;
        return target;
    });
    QStringList warnings;
    Commands().SetWarning([&](QWidget *, const QString &text) { warnings << text; });
    Commands().Actions()[1]->trigger();
    const QString date = Page().Sheet().calculatedAt.date().toString(QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(QFileInfo(proposed).fileName(), QStringLiteral("Расчет узла Varnelo %1.pdf").arg(date));
    EXPECT_EQ(QFileInfo(proposed).absolutePath(),
              QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).absolutePath());
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
    EXPECT_TRUE(PdfText(target).contains(Page().Edit3->text()));
}

TEST_F(SheetTest, CancelledSaveWritesNothing)
{
    Calculate();
    QTemporaryDir dir;
    Commands().SetFileChooser([](QWidget *, const QString &) { return QString(); });
    Commands().SetWarning([](QWidget *, const QString &text) { ADD_FAILURE() << text.toStdString(); });
    Commands().Actions()[1]->trigger();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SheetTest, PdfHasTitleAuthorEmbeddedFontsAndSelectableCyrillicText)
{
    SwitchRegionalSettings(QLocale(QLocale::Russian, QLocale::Russia));
    Calculate();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_EQ(SaveSheetPdf(Page().Sheet(), path), QString());
    const PdfReport report = ReadPdf(path);
    EXPECT_TRUE(report.info.contains(QStringLiteral("Title:           Расчет узла Varnelo"))) << report.info.toStdString();
    EXPECT_TRUE(report.info.contains(QStringLiteral("Author:          Varnelo 1.0"))) << report.info.toStdString();
    EXPECT_TRUE(report.info.contains(QStringLiteral("Pages:           1"))) << report.info.toStdString();
    EXPECT_TRUE(report.info.contains(QStringLiteral("Page size:       595 x 842 pts (A4)")))
        << report.info.toStdString();
    EXPECT_TRUE(report.warnings.isEmpty()) << report.warnings.toStdString();
    ASSERT_FALSE(report.fonts.isEmpty());
    for (const QString &font : report.fonts)
        EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << "not embedded: " << font.toStdString();
    for (const char *words : {"Расчет узла Varnelo", "Исходные данные", "Ход расчёта", "Рабочая точка"})
        EXPECT_TRUE(report.text.contains(QString::fromUtf8(words))) << words;
    EXPECT_TRUE(report.text.contains(QStringLiteral("2,1942 м.в.ст."))) << report.text.toStdString();
}

TEST(SheetPdfAuthor, AnUnexpectedDocumentStaysAsItIs)
{
    const QByteArray notPdf = "%PDF-1.4\nnothing here\n";
    EXPECT_EQ(WithPdfAuthor(notPdf, QStringLiteral("x")), notPdf);
}

// --- saving that fails --------------------------------------------------------------------

class SheetSaveFailure : public SheetTest {
protected:
    void SetUp() override
    {
        SheetTest::SetUp();
        Calculate();
        Commands().SetWarning([this](QWidget *parent, const QString &text) {
            EXPECT_EQ(parent, &Form());
            warnings << text;
        });
    }

    void SaveTo(const QString &path)
    {
        Commands().SetFileChooser([path](QWidget *, const QString &) { return path; });
        Commands().Actions()[1]->trigger();
    }

    QStringList warnings;
};

TEST_F(SheetSaveFailure, FolderThatDoesNotExist)
{
    QTemporaryDir dir;
    SaveTo(dir.filePath(QStringLiteral("нет такой папки/расчёт.pdf")));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Расчёт не сохранён в файл «расчёт.pdf»")))
        << warnings[0].toStdString();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(SheetSaveFailure, NameThatCannotBeWritten)
{
    SaveTo(QStringLiteral("/proc/version/расчёт.pdf"));
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("нельзя записывать")));
}

TEST_F(SheetSaveFailure, FolderWithoutWritePermissionKeepsTheOlderFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("расчёт.pdf"));
    const QByteArray older = "an older file of that name";
    WriteFile(path, older);
    ASSERT_TRUE(QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner
                                                      | QFileDevice::ReadGroup | QFileDevice::ExeGroup
                                                      | QFileDevice::ReadOther | QFileDevice::ExeOther));
    if (QFileInfo(dir.path()).isWritable() || ::geteuid() == 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "running as root, which writes into a folder without write permission; "
                        "the other failures are tried by the other tests";
    }
    SaveTo(path);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(ReadFile(path), older);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"расчёт.pdf"});
}

// A full disk: a small file system that the test run mounts for it (tests/gui/with-full-disk.sh
// names it in VARNELO_SMALL_DISK); filled up, then the save must fail whole.
TEST_F(SheetSaveFailure, FullDiskKeepsTheOlderFileAndLeavesNoPartialFile)
{
    const QString disk = qEnvironmentVariable("VARNELO_SMALL_DISK");
    if (disk.isEmpty())
        GTEST_SKIP() << "no small file system to fill (run through with-full-disk.sh)";
    const QString path = QDir(disk).filePath(QStringLiteral("расчёт.pdf"));
    const QByteArray older(4000, 'o');
    WriteFile(path, older);
    FillUp(QDir(disk).filePath(QStringLiteral("filler")));
    SaveTo(path);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].contains(QStringLiteral("запись не удалась"))) << warnings[0].toStdString();
    EXPECT_EQ(ReadFile(path), older);
    EXPECT_EQ(QDir(disk).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{"filler", "расчёт.pdf"}));
    QFile::remove(QDir(disk).filePath(QStringLiteral("filler")));
    QFile::remove(path);
}

} // namespace
