// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guitest.h"

#include "ui/controls.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>

namespace {

using NoticeTest = GuiTest;

TEST_F(NoticeTest, ShowsTheTextModallyUnderItsOwnCaption)
{
    ExpectModal([this](QWidget *modal) {
        EXPECT_EQ(modal, &Notice());
        EXPECT_EQ(Notice().windowTitle(), "uved");
        EXPECT_EQ(Notice().Button1->text(), "Понятно!");
        EXPECT_EQ(Notice().RichEdit1->toPlainText(), "первое сообщение");
        EXPECT_EQ(Notice().windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(Notice().RichEdit1->textCursor().position(), 0);
        Notice().Button1->click();
    });
    Notice().ShowNotice("первое сообщение");
    EXPECT_FALSE(Notice().isVisible());
}

// A long message wraps at the box's width and, taller than the box, scrolls downwards.
TEST_F(NoticeTest, LongTextWrapsAndScrolls)
{
    const QString longText = QStringLiteral("Настроечная температура выше температуры котла. ").repeated(12);
    ExpectModal([this](QWidget *) {
        QTextEdit *box = Notice().RichEdit1;
        EXPECT_LE(box->document()->size().width(), box->viewport()->width());
        EXPECT_GT(box->document()->size().height(), box->viewport()->height());
        EXPECT_TRUE(box->verticalScrollBar()->isVisible());
        Notice().Button1->click();
    });
    Notice().ShowNotice(longText);
}

TEST_F(NoticeTest, EachNoticeReplacesTheWholeText)
{
    ExpectModal([this](QWidget *) {
        Notice().RichEdit1->setFocus();
        QTest::keyClicks(Notice().RichEdit1, "typed");
        EXPECT_TRUE(Notice().RichEdit1->toPlainText().contains("typed"));
        Notice().Button1->click();
    });
    Notice().ShowNotice("one");
    ExpectNotice();
    Notice().ShowNotice("two");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "two");
}

TEST_F(NoticeTest, EmptyTextIsShownToo)
{
    ExpectNotice();
    Notice().ShowNotice("");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(notices[0].isEmpty());
}

TEST_F(NoticeTest, EscapeDoesNothingAndEnterOnTheButtonCloses)
{
    ExpectModal([this](QWidget *) {
        EXPECT_EQ(QApplication::focusWidget(), Notice().Button1);
        QTest::keyClick(Notice().Button1, Qt::Key_Escape);
        EXPECT_TRUE(Notice().isVisible());
        QTest::keyClick(Notice().Button1, Qt::Key_Return);
        EXPECT_FALSE(Notice().isVisible());
    });
    Notice().ShowNotice("x");
}

TEST_F(NoticeTest, EnterInTheTextBoxBreaksTheLine)
{
    ExpectModal([this](QWidget *) {
        Notice().RichEdit1->setFocus();
        Notice().RichEdit1->moveCursor(QTextCursor::End);
        QTest::keyClick(Notice().RichEdit1, Qt::Key_Return);
        EXPECT_TRUE(Notice().isVisible());
        EXPECT_EQ(Notice().RichEdit1->toPlainText(), "ab\n");
        Notice().Button1->click();
    });
    Notice().ShowNotice("ab");
}

TEST_F(NoticeTest, KeyboardOrderIsTheButtonThenTheTextBox)
{
    ExpectModal([this](QWidget *) {
        QTest::keyClick(Notice().Button1, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Notice().RichEdit1);
        QTest::keyClick(Notice().RichEdit1, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), Notice().Button1);
        QTest::keyClick(Notice().Button1, Qt::Key_Space);
    });
    Notice().ShowNotice("x");
}

TEST_F(NoticeTest, ReopensWithTheControlThatLastHadTheFocus)
{
    ExpectModal([this](QWidget *) {
        Notice().RichEdit1->setFocus();
        Notice().close();
    });
    Notice().ShowNotice("x");
    ExpectModal([this](QWidget *) {
        EXPECT_EQ(QApplication::focusWidget(), Notice().RichEdit1);
        Notice().Button1->click();
    });
    Notice().ShowNotice("y");
}

TEST_F(NoticeTest, CentredOnTheScreenFirstThenWhereTheUserLeftIt)
{
    const QRect screen = Form().screen()->geometry();
    ExpectModal([&](QWidget *) {
        EXPECT_TRUE(CentredIn(Notice(), screen));
        Notice().move(20, 30);
        Notice().Button1->click();
    });
    Notice().ShowNotice("x");
    ExpectModal([this](QWidget *) {
        EXPECT_EQ(Notice().pos(), QPoint(20, 30));
        Notice().Button1->click();
    });
    Notice().ShowNotice("y");
}

TEST_F(NoticeTest, ClosingByTheTitleBarEqualsTheButton)
{
    QTest::mouseClick(Page().BitBtn1, Qt::LeftButton);
    const QString flow = Page().Edit6->text();
    Page().ComboBox6->setCurrentIndex(0);
    Page().ComboBox4->setCurrentIndex(5);
    ExpectModal([this](QWidget *) { Notice().close(); });
    Page().BitBtn1->setFocus();
    QTest::mouseClick(Page().BitBtn1, Qt::LeftButton);
    EXPECT_FALSE(Notice().isVisible());
    EXPECT_EQ(Page().Edit6->text(), flow);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Form(); }));
    EXPECT_EQ(QApplication::focusWidget(), Page().BitBtn1);
}

TEST_F(NoticeTest, MainWindowTakesNoClicksWhileTheNoticeIsShown)
{
    ClickThroughWindowSystem(Page().BitBtn1);  // the same click reaches the button otherwise
    ASSERT_EQ(Page().Edit6->text(), "3.01");
    Page().Edit6->clear();
    ExpectModal([this](QWidget *) {
        ClickThroughWindowSystem(Page().BitBtn1);
        EXPECT_TRUE(Page().Edit6->text().isEmpty());
        Notice().Button1->click();
    });
    Notice().ShowNotice("x");
    EXPECT_TRUE(Page().Edit6->text().isEmpty());
}

TEST_F(NoticeTest, ResizingKeepsTheStripsAndTheButtonsPlace)
{
    Notice().resize(600, 200);
    Notice().show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Notice().Panel1->geometry(), QRect(0, 0, 600, 17));
    EXPECT_EQ(Notice().Panel2->geometry(), QRect(0, 159, 600, 41));
    EXPECT_EQ(Notice().Panel3->geometry(), QRect(0, 17, 600, 142));
    EXPECT_EQ(Notice().RichEdit1->geometry(), QRect(1, 1, 598, 140));
    EXPECT_EQ(Notice().Button1->geometry(), QRect(384, 8, 75, 25));
    Notice().hide();
}

} // namespace
