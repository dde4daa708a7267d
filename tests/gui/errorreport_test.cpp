// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guitest.h"

#include "calc/errors.h"
#include "ui/errorreport.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/qtestspontaneevent.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

struct PeriodCase {
    const char *name;
    const char *message;
    const char *shown;
};

const PeriodCase kPeriodCases[] = {
    {"letter", "Floating point overflow", "Floating point overflow."},
    {"digit", "code 7", "code 7."},
    {"quote_of_conversion", "'1-2' is not a valid floating point value",
     "'1-2' is not a valid floating point value."},
    {"period", "Done.", "Done."},
    {"exclamation", "Stop!", "Stop!"},
    {"comma", "a,", "a,"},
    {"hyphen", "a-", "a-"},
    {"parenthesis", "(a)", "(a)"},
    {"quotation_mark", "say \"x\"", "say \"x\""},
    {"apostrophe", "'x'", "'x'"},
    {"blank", "a ", "a "},
    {"empty", "", ""},
    {"slash_just_above_period", "a/", "a/."},
    {"cyrillic", "Ошибка", "Ошибка."},
};

class ReportTextRule : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(ReportTextRule, AppendsAPeriodOnlyAfterACharacterAboveIt)
{
    EXPECT_EQ(ReportText(QString::fromUtf8(GetParam().message)).toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(ErrorReport, ReportTextRule, ::testing::ValuesIn(kPeriodCases),
                         [](const auto &info) { return std::string(info.param.name); });

using ErrorReportTest = GuiTest;

TEST_F(ErrorReportTest, ShowsOneModalStopBoxNamedAfterTheExecutable)
{
    ExpectErrorReport();
    ReportError(calc::EOverflow());
    ASSERT_EQ(reports.size(), 1u);
    // The executable of these tests is varnelo_gui_tests: no directory, first letter kept.
    EXPECT_EQ(reports[0].caption, "varnelo_gui_tests");
    EXPECT_EQ(reports[0].accessibleName, "varnelo_gui_tests");
    EXPECT_EQ(reports[0].text, "Floating point overflow.");
    EXPECT_EQ(reports[0].icon, QMessageBox::Critical);
    EXPECT_EQ(reports[0].buttons, QStringList{"OK"});
    EXPECT_TRUE(reports[0].applicationModal);
}

TEST_F(ErrorReportTest, TextThatLooksLikeMarkupIsShownAsItStands)
{
    // A conversion error quotes what the user typed, which may look like markup.
    ExpectErrorReport();
    ReportError(calc::EConvertError("<b>80</b>"));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "'<b>80</b>' is not a valid floating point value.");
    EXPECT_TRUE(reports[0].plainText);
}

TEST_F(ErrorReportTest, GuardReportsTheErrorAndAbandonsOnlyTheHandler)
{
    bool reachedAfterError = false;
    ExpectErrorReport();
    RunGuarded([&] {
        throw calc::EConvertError("1 000");
        reachedAfterError = true;
    });
    EXPECT_FALSE(reachedAfterError);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "'1 000' is not a valid floating point value.");
    EXPECT_TRUE(Form().isVisible());
}

TEST_F(ErrorReportTest, ErrorsThatAreNotTheProgramsOwnAreReportedToo)
{
    ExpectErrorReport();
    RunGuarded([] { throw std::runtime_error("disk full"); });
    ExpectErrorReport();
    RunGuarded([] { throw 42; });
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].text, "disk full.");
    EXPECT_EQ(reports[1].text, "Unknown error.");
}

// An object whose event handler lets an error escape, as no handler of the program does.
class Throwing : public QObject {
protected:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw calc::EZeroDivide();
        return QObject::event(event);
    }
};

TEST_F(ErrorReportTest, ApplicationCatchesWhatEscapesAHandler)
{
    Throwing object;
    QEvent user(QEvent::User);
    ExpectErrorReport();
    QCoreApplication::sendEvent(&object, &user);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "Floating point division by zero.");
}

TEST_F(ErrorReportTest, FocusGoesBackWhereItWasAfterTheReport)
{
    Page().Edit4->setText("1-2");
    Page().BitBtn1->setFocus();
    ExpectErrorReport();
    QTest::keyClick(Page().BitBtn1, Qt::Key_Space);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Form(); }));
    EXPECT_EQ(QApplication::focusWidget(), Page().BitBtn1);
}

TEST_F(ErrorReportTest, ReportEndsAMouseCapture)
{
    Page().BitBtn1->grabMouse();
    ASSERT_EQ(QWidget::mouseGrabber(), Page().BitBtn1);
    ExpectErrorReport();
    RunGuarded([] { throw calc::EOverflow(); });
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// A broken widget that keeps repainting: every paint fails and asks for the next one.
class FailingPaint : public QWidget {
public:
    explicit FailingPaint(QWidget *parent) : QWidget(parent)
    {
        QObject::connect(&again_, &QTimer::timeout, this, [this] { update(); });
        again_.start(1);
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        throw calc::EInvalidOp();
    }

private:
    QTimer again_;
};

TEST_F(ErrorReportTest, ErrorOnEveryPaintIsReportedOnceAndTheProgramStaysUsable)
{
    int paintsWhenClosed = -1;
    bool shownInsideThePaint = true;
    auto *broken = new FailingPaint(Page().Panel2);
    broken->setGeometry(300, 300, 20, 20);  // an empty spot left of the result boxes
    ExpectErrorReport([&] {
        paintsWhenClosed = broken->paints;
        shownInsideThePaint = broken->testAttribute(Qt::WA_WState_InPaintEvent);
    });
    broken->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return paintsWhenClosed > 0; }));
    // Shown after the paint returned, so the window goes on drawing behind the report.
    EXPECT_FALSE(shownInsideThePaint);
    // Each of these paints fails again, and would open a report of its own.
    ASSERT_TRUE(QTest::qWaitFor([&] { return broken->paints > paintsWhenClosed + 20; }));
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].text, "Invalid floating point operation.");

    QTest::mouseClick(Page().BitBtn1, Qt::LeftButton);
    EXPECT_EQ(Page().Edit5->text(), "10");
    Page().Edit4->setText("1-2");
    ExpectErrorReport();
    QTest::mouseClick(Page().BitBtn1, Qt::LeftButton);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1].text, "'1-2' is not a valid floating point value.");
    delete broken;
}

TEST_F(ErrorReportTest, ErrorsRaisedWhileAReportIsOpenFollowItOnceEach)
{
    const auto raiseWhileOpen = [&] {
        // As handlers of other events would, while the first report waits for the user.
        QWidget *first = QApplication::activeModalWidget();
        RunGuarded([] { throw calc::EZeroDivide(); });
        RunGuarded([] { throw calc::EZeroDivide(); });
        RunGuarded([] { throw calc::EInvalidOp(); });  // the first one's text, another source
        EXPECT_EQ(QApplication::activeModalWidget(), first) << "a report opened over another";
    };
    ExpectErrorReport(raiseWhileOpen);
    ExpectErrorReport();
    ExpectErrorReport();
    RunGuarded([] { throw calc::EInvalidOp(); });
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].text, "Invalid floating point operation.");
    EXPECT_EQ(reports[1].text, "Floating point division by zero.");
    EXPECT_EQ(reports[2].text, "Invalid floating point operation.");
}

TEST_F(ErrorReportTest, TheSameErrorIsReportedAgainAfterAQuietTime)
{
    ExpectErrorReport();
    RunGuarded([] { throw calc::EOverflow(); });
    RunGuarded([] { throw calc::EOverflow(); });
    EXPECT_EQ(reports.size(), 1u);
    QTest::qWait(static_cast<int>(kErrorQuietTime.count()) + 50);
    ExpectErrorReport();
    RunGuarded([] { throw calc::EOverflow(); });
    EXPECT_EQ(reports.size(), 2u);
}

// The bursts' clock, stepped by hand so that the quiet time of a second is met to the
// millisecond.
std::chrono::steady_clock::time_point g_now{};
std::chrono::steady_clock::time_point SteppedNow() { return g_now; }

using std::chrono_literals::operator""ms;

class ErrorBurstTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Reporter().SetClock(SteppedNow);
    }

    static void Wait(std::chrono::milliseconds time) { g_now += time; }

    // The same error, raised in a handler of an event on its way to source.
    static void FailIn(const QObject &source)
    {
        const QEvent update(QEvent::UpdateRequest);
        const EventDelivery delivery(&source, update);
        RunGuarded([] { throw calc::EOverflow(); });
    }

    QObject place;
    QObject otherPlace;
};

TEST_F(ErrorBurstTest, ShownAgainOnceAwayForTheQuietTime)
{
    ExpectErrorReport();
    FailIn(place);
    Wait(999ms);
    FailIn(place);
    EXPECT_EQ(reports.size(), 1u) << "back a millisecond early";
    Wait(1000ms);
    ExpectErrorReport();
    FailIn(place);
    EXPECT_EQ(reports.size(), 2u) << "back after exactly the quiet time";
}

TEST_F(ErrorBurstTest, EachReturnStartsTheQuietTimeAgain)
{
    ExpectErrorReport();
    FailIn(place);
    for (int i = 0; i < 3; ++i) {
        Wait(999ms);
        FailIn(place);
    }
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(ErrorBurstTest, QuietTimeStartsWhenTheReportIsClosed)
{
    ExpectErrorReport([] { Wait(5000ms); });  // the report read for five seconds
    FailIn(place);
    Wait(999ms);
    FailIn(place);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(ErrorBurstTest, AnotherPlaceHasABurstOfItsOwn)
{
    ExpectErrorReport();
    FailIn(place);
    ExpectErrorReport();
    FailIn(otherPlace);
    FailIn(place);
    FailIn(otherPlace);
    EXPECT_EQ(reports.size(), 2u);
}

// An event on its way to a place, as the window system delivers the user's (spontaneous)
// or as the program sends it itself.
struct Action {
    const char *name;
    std::function<std::unique_ptr<QEvent>()> make;
    bool spontaneous;
    bool endsTheBurst;
};

std::unique_ptr<QEvent> Key(QEvent::Type type)
{
    return std::make_unique<QKeyEvent>(type, Qt::Key_Space, Qt::NoModifier);
}

std::unique_ptr<QEvent> Mouse(QEvent::Type type)
{
    return std::make_unique<QMouseEvent>(type, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                                         Qt::LeftButton, Qt::NoModifier);
}

std::unique_ptr<QEvent> Wheel()
{
    return std::make_unique<QWheelEvent>(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, -120),
                                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
}

const Action kActions[] = {
    {"key press", [] { return Key(QEvent::KeyPress); }, true, true},
    {"mouse press", [] { return Mouse(QEvent::MouseButtonPress); }, true, true},
    {"double click", [] { return Mouse(QEvent::MouseButtonDblClick); }, true, true},
    {"wheel", [] { return Wheel(); }, true, true},
    {"key release", [] { return Key(QEvent::KeyRelease); }, true, false},
    {"mouse release", [] { return Mouse(QEvent::MouseButtonRelease); }, true, false},
    {"mouse move", [] { return Mouse(QEvent::MouseMove); }, true, false},
    {"key press sent by the program", [] { return Key(QEvent::KeyPress); }, false, false},
};

void Deliver(const Action &action, const QObject &target)
{
    const std::unique_ptr<QEvent> event = action.make();
    if (action.spontaneous)
        QSpontaneKeyEvent::setSpontaneous(event.get());
    const EventDelivery delivery(&target, *event);
}

TEST_F(ErrorBurstTest, ThePlacesOwnPressEndsItsBurst)
{
    for (const Action &action : kActions) {
        ErrorReporter fresh(Reporter().Caption());
        fresh.SetClock(SteppedNow);
        reports.clear();
        ExpectErrorReport();
        FailIn(place);
        Deliver(action, otherPlace);
        FailIn(place);
        EXPECT_EQ(reports.size(), 1u) << action.name << " elsewhere";
        Deliver(action, place);
        if (action.endsTheBurst)
            ExpectErrorReport();
        FailIn(place);
        EXPECT_EQ(reports.size(), action.endsTheBurst ? 2u : 1u) << action.name;
    }
}

TEST_F(ErrorReportTest, EveryPressThatFailsIsReported)
{
    Page().Edit4->setText("1-2");
    ExpectErrorReport();
    QTest::mouseClick(Page().BitBtn1, Qt::LeftButton);
    ExpectErrorReport();
    QTest::keyClick(Page().BitBtn1, Qt::Key_Space);
    EXPECT_EQ(reports.size(), 2u);
}

// Switch access and voice control press a button through its accessibility action, which
// clicks it from a timer: each failing press is reported all the same.
TEST_F(ErrorReportTest, EveryPressThroughTheAccessibilityActionThatFailsIsReported)
{
    Page().Edit4->setText("abc");
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(Page().BitBtn1);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(button->actionInterface(), nullptr);
    for (std::size_t press = 1; press <= 2; ++press) {
        ExpectErrorReport();
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_TRUE(QTest::qWaitFor([&] { return reports.size() == press; })) << press;
    }
    EXPECT_EQ(reports[1].text, "Invalid floating point operation.");  // «abc» cleans to nothing
}

// An error raised on another thread is shown once, on the user-interface thread, and the
// thread that raised it goes on without waiting for the user.
TEST_F(ErrorReportTest, AnErrorOfAnotherThreadIsShownOnTheInterfaceThread)
{
    bool shownOnInterfaceThread = false;
    ExpectErrorReport([&] {
        shownOnInterfaceThread = QApplication::activeModalWidget()->thread()
            == QCoreApplication::instance()->thread();
    });
    std::unique_ptr<QThread> worker(
        QThread::create([] { RunGuarded([] { throw calc::EOverflow(); }); }));
    worker->start();
    ASSERT_TRUE(worker->wait(5000)) << "the worker waited for the report";
    ASSERT_TRUE(QTest::qWaitFor([&] { return reports.size() == 1; }));
    EXPECT_TRUE(shownOnInterfaceThread);
    EXPECT_EQ(reports[0].text, "Floating point overflow.");
    QTest::qWait(100);
    EXPECT_EQ(reports.size(), 1u);
}

TEST_F(ErrorReportTest, WindowIsFullyUsableAfterAReport)
{
    ExpectErrorReport();
    RunGuarded([] { throw calc::EInvalidOp(); });
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    QTest::mouseClick(Page().BitBtn1, Qt::LeftButton);
    EXPECT_EQ(Page().Edit5->text(), "10");
}

} // namespace
