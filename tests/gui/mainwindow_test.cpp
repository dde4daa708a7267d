// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guitest.h"

#include "ui/controls.h"
#include "ui/tabset.h"
#include "ui/weblinks.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace {

using MainWindowTest = GuiTest;

QStringList Captions(const TabSet *tabSet)
{
    QStringList captions;
    for (int i = 0; i < tabSet->Count(); ++i)
        captions << tabSet->Tabs()->tabText(i);
    return captions;
}

QStringList PageNames(const TabSet *tabSet)
{
    QStringList names;
    for (int i = 0; i < tabSet->Count(); ++i)
        names << tabSet->Page(i)->objectName();
    return names;
}

// Walks the keyboard order with Tab (or Shift+Tab) and names each control reached.
QStringList WalkFocus(int steps, bool backwards = false)
{
    QStringList reached;
    for (int i = 0; i < steps; ++i) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
        reached << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                                : QStringLiteral("(none)"));
    }
    return reached;
}

// Makes the client area lower than the frame, so that ScrollBox1 has a vertical range.
void ShrinkWindow(TForm1 &form)
{
    form.resize(form.width(), form.height() - 200);
    QCoreApplication::processEvents();
}

TEST_F(MainWindowTest, CaptionAndMenuAsStored)
{
    EXPECT_EQ(Form().windowTitle(), "Varnelo v 1.0");
    const std::vector<std::tuple<QMenu *, QString, QAction *, QString>> menu = {
        {Form().N1, "Файл", Form().N2, "Закрыть"},
        {Form().N3, "Форум сантехников", Form().N5, "Перейти на Форум Сантехников"},
        {Form().N4, "Проектирование систем отопления и водоснаюжения", Form().N6,
         "Перейти на сайт услуг по проектированию"},
    };
    const QList<QAction *> entries = Form().MainMenu1->actions();
    ASSERT_EQ(entries.size(), 3);
    for (std::size_t i = 0; i < menu.size(); ++i) {
        const auto &[entry, entryCaption, command, commandCaption] = menu[i];
        EXPECT_EQ(entries[static_cast<qsizetype>(i)], entry->menuAction());
        EXPECT_EQ(entry->title(), entryCaption);
        ASSERT_EQ(entry->actions().size(), 1);
        EXPECT_EQ(entry->actions()[0], command);
        EXPECT_EQ(command->text(), commandCaption);
        EXPECT_TRUE(command->shortcut().isEmpty());
    }
}

TEST_F(MainWindowTest, StartsOnTheFirstTabOfEveryTabSet)
{
    const auto tabSets = {Form().PageControl1, Form().PageControl2, Form().PageControl3,
                          Form().PageControl4};
    for (TabSet *tabSet : tabSets)
        EXPECT_EQ(tabSet->TabIndex(), 0) << tabSet->objectName().toStdString();
    // FormCreate selects the first tabs whatever was selected before.
    for (TabSet *tabSet : tabSets)
        tabSet->SetTabIndex(tabSet->Count() - 1);
    Form().FormCreate();
    for (TabSet *tabSet : tabSets)
        EXPECT_EQ(tabSet->TabIndex(), 0) << tabSet->objectName().toStdString();
    EXPECT_TRUE(Page().isVisible());
    EXPECT_TRUE(Form().PageControl2->Page(0)->isVisibleTo(Form().PageControl2));
    EXPECT_FALSE(Form().PageControl2->Page(3)->isVisibleTo(Form().PageControl2));
    EXPECT_TRUE(Form().PageControl3->Page(0)->isVisibleTo(Form().PageControl3));
    EXPECT_TRUE(Form().PageControl4->Page(0)->isVisibleTo(Form().PageControl4));
}

TEST_F(MainWindowTest, TabCaptionsInOrder)
{
    EXPECT_EQ(Captions(Form().PageControl1),
              (QStringList{"Расчет узла Varnelo", "Программа", "Программа 2", "Программа 3",
                           "С чего начинается расчет?", "Конструкторские расчеты",
                           "Тепловые расчеты"}));
    EXPECT_EQ(Captions(Form().PageControl2),
              (QStringList{"Вид 1", "Вид 2", "Вид 3", "Вид 4", "Подробнее о программе"}));
    EXPECT_EQ(Captions(Form().PageControl3), (QStringList{"Вид 1", "Вид 2", "Вид 3", "Вид 4",
                                                          "Вид 5", "Подробнее о программе"}));
    EXPECT_EQ(Captions(Form().PageControl4),
              (QStringList{"Вид 1", "Вид 2", "Вид 3", "Вид 4", "Подробнее"}));
    EXPECT_EQ(Form().PageControl1->Page(3), Form().TabSheet18);
    EXPECT_EQ(PageNames(Form().PageControl2),
              (QStringList{"TabSheet6", "TabSheet7", "TabSheet8", "TabSheet9", "TabSheet10"}));
    EXPECT_EQ(PageNames(Form().PageControl3),
              (QStringList{"TabSheet12", "TabSheet13", "TabSheet14", "TabSheet15", "TabSheet16",
                           "TabSheet17"}));
    EXPECT_EQ(PageNames(Form().PageControl4),
              (QStringList{"TabSheet19", "TabSheet20", "TabSheet21", "TabSheet22", "TabSheet23"}));
}

TEST_F(MainWindowTest, FocusStartsOnTheOuterTabRow)
{
    EXPECT_EQ(QApplication::focusWidget(), Form().PageControl1->Tabs());
}

TEST_F(MainWindowTest, TabFollowsTheStoredKeyboardOrder)
{
    EXPECT_EQ(WalkFocus(17),
              (QStringList{"Edit1", "ComboBox1", "Edit4", "ComboBox2", "BitBtn1", "Edit5", "Edit6",
                           "ComboBox3", "Edit8", "Edit9", "ComboBox4", "ComboBox5", "Edit3",
                           "ComboBox6", "Edit13", "RichEdit1", "PageControl1Tabs"}));
}

TEST_F(MainWindowTest, ShiftTabWalksTheOrderBackwards)
{
    EXPECT_EQ(WalkFocus(4, true),
              (QStringList{"RichEdit1", "Edit13", "ComboBox6", "Edit3"}));
}

TEST_F(MainWindowTest, ReferencePageOrderIsItsInnerTabRowThenTheInformationBox)
{
    Form().PageControl1->SetTabIndex(1);
    EXPECT_EQ(WalkFocus(3), (QStringList{"PageControl2Tabs", "RichEdit1", "PageControl1Tabs"}));
}

TEST_F(MainWindowTest, CtrlTabSwitchesTheTabOfTheSetHoldingTheFocus)
{
    Page().Edit4->setFocus();
    QTest::keyClick(Page().Edit4, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Form().PageControl1->TabIndex(), 1);
    Form().PageControl1->SetTabIndex(6);
    Form().PageControl1->Tabs()->setFocus();
    QTest::keyClick(Form().PageControl1->Tabs(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(Form().PageControl1->TabIndex(), 0);
}

TEST_F(MainWindowTest, WheelMovesNothingWhileTheFrameFits)
{
    EXPECT_EQ(Form().ScrollBox1->verticalScrollBar()->maximum(), 0);
    SendWheel(Page().Panel2, kWheelDown);
    EXPECT_EQ(Form().ScrollBox1->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, WheelStepsFivePixelsAndStopsAtTheEnds)
{
    ShrinkWindow(Form());
    QScrollBar *bar = Form().ScrollBox1->verticalScrollBar();
    const int end = bar->maximum();
    ASSERT_GT(end, 10);
    SendWheel(Page().Panel2, kWheelDown);
    EXPECT_EQ(bar->value(), 5);
    SendWheel(Page().Image1, kWheelDown);
    EXPECT_EQ(bar->value(), 10);
    for (int i = 0; i < end; ++i)
        SendWheel(Page().Panel2, kWheelDown);
    EXPECT_EQ(bar->value(), end);
    EXPECT_EQ(Form().Panel7->mapTo(Form().ScrollBox1->viewport(), QPoint(0, 561)).y(),
              Form().ScrollBox1->viewport()->height());
    SendWheel(Page().Panel2, kWheelUp);
    EXPECT_EQ(bar->value(), end - 5);
    EXPECT_EQ(Form().ScrollBox1->horizontalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, WheelUpFromThreeStopsAtZero)
{
    ShrinkWindow(Form());
    QScrollBar *bar = Form().ScrollBox1->verticalScrollBar();
    bar->setValue(3);
    SendWheel(Page().Edit4, kWheelUp);
    EXPECT_EQ(bar->value(), 0);
    SendWheel(Page().Edit4, kWheelUp);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(MainWindowTest, WheelOverScrollBarsAndTabsStillMovesFiveOnly)
{
    ShrinkWindow(Form());
    QScrollBar *bar = Form().ScrollBox1->verticalScrollBar();
    SendWheel(bar, kWheelDown);
    EXPECT_EQ(bar->value(), 5);
    SendWheel(Form().PageControl1->Tabs(), kWheelDown);
    EXPECT_EQ(bar->value(), 10);
    EXPECT_EQ(Form().PageControl1->TabIndex(), 0);
}

TEST_F(MainWindowTest, ListChangesOnTheWheelOnlyWhileFocused)
{
    ShrinkWindow(Form());
    QScrollBar *bar = Form().ScrollBox1->verticalScrollBar();
    Page().Edit4->setFocus();
    SendWheel(Page().ComboBox6, kWheelDown);
    EXPECT_EQ(Page().ComboBox6->currentIndex(), 2);
    EXPECT_EQ(bar->value(), 5);
    Page().ComboBox6->setFocus();
    SendWheel(Page().ComboBox6, kWheelDown);
    EXPECT_EQ(Page().ComboBox6->currentIndex(), 3);  // the event went on to the list
    EXPECT_EQ(bar->value(), 10);
}

TEST_F(MainWindowTest, WheelOfAnotherWindowLeavesTheFrame)
{
    ShrinkWindow(Form());
    QWidget other;
    other.resize(100, 100);
    other.show();
    SendWheel(&other, kWheelDown);
    EXPECT_EQ(Form().ScrollBox1->verticalScrollBar()->value(), 0);
}

TEST_F(MainWindowTest, EnlargingLeavesTheFrameAtTheTopLeft)
{
    Form().resize(Form().width() + 300, Form().height() + 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(Form().Panel7->geometry(), QRect(0, 0, 697, 561));
    EXPECT_FALSE(Form().ScrollBox1->verticalScrollBar()->isVisible());
    EXPECT_FALSE(Form().ScrollBox1->horizontalScrollBar()->isVisible());
}

TEST_F(MainWindowTest, StartsCentredOnTheDesktop)
{
    EXPECT_TRUE(CentredIn(Form(), QGuiApplication::primaryScreen()->virtualGeometry()));
}

TEST_F(MainWindowTest, InformationBoxShowsTwoFixedLinesAndRefusesTyping)
{
    QTextEdit *info = Form().RichEdit1;
    const QStringList lines = info->toPlainText().split(u'\n');
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], "       Подробную информацию о гидравлических и тепловых расчетах");
    EXPECT_EQ(lines[1], "       Вы найдете здесь: " + QString(kMakerSiteAddress));
    EXPECT_TRUE(info->isReadOnly());
    info->setFocus();
    QTest::keyClicks(info->viewport(), "abc");
    QTest::keyClick(info->viewport(), Qt::Key_Return);
    EXPECT_EQ(info->toPlainText().split(u'\n'), lines);
    EXPECT_FALSE(info->document()->toHtml().contains("<a "));  // the address is plain text
    EXPECT_FALSE(info->verticalScrollBar()->isVisible());      // both lines fit
}

TEST_F(MainWindowTest, CloseCommandEndsTheProgram)
{
    EXPECT_EQ(RunUntilTheProgramEnds([this] { Form().N2->trigger(); }), 0);
    EXPECT_FALSE(Form().isVisible());
}

TEST_F(MainWindowTest, NoticeShownOnceDoesNotKeepTheProgramAlive)
{
    ExpectNotice();
    Notice().ShowNotice("x");
    EXPECT_EQ(RunUntilTheProgramEnds([this] { Form().close(); }), 0);
}

TEST_F(MainWindowTest, LinkCommandsOpenTheirAddresses)
{
    Form().N5->trigger();
    Form().N6->trigger();
    const auto &opened = UrlCatcher::Instance().opened;
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString(), kForumAddress);
    EXPECT_EQ(opened[1].toString(), kMakerSiteAddress);
    EXPECT_TRUE(reports.empty());
}

TEST_F(MainWindowTest, EveryFocusableControlHasAnAccessibleName)
{
    for (QWidget *control : Form().findChildren<QWidget *>()) {
        if (control->focusPolicy() == Qt::NoFocus || control->focusProxy()
            || qobject_cast<QScrollBar *>(control) || !control->isVisibleTo(&Form()))
            continue;
        if (control->parentWidget() && control->parentWidget()->inherits("QAbstractScrollArea")
            && control->objectName() == "qt_scrollarea_viewport")
            continue;
        EXPECT_FALSE(control->accessibleName().isEmpty())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
}

} // namespace
