// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guitest.h"

#include "app/regionalsettings.h"
#include "ui/errorreport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QWheelEvent>
#include <QWindow>

#include <cstdint>
#include <cstdlib>
#include <QtTest/qtestspontaneevent.h>

namespace {

constexpr int kWatchIntervalMs = 10;
constexpr int kActivationLimitMs = 2000;

QString Describe(QWidget *modal)
{
    QString text = modal->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(modal))
        text += QStringLiteral(": ") + box->text();
    return text;
}

void ForceClose(QWidget *modal)
{
    if (auto *dialog = qobject_cast<QDialog *>(modal))
        dialog->reject();
    else
        modal->close();
}

} // namespace

void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

void PrintTo(const QSize &size, std::ostream *out) { *out << size.width() << 'x' << size.height(); }

void PrintTo(const QPoint &point, std::ostream *out) { *out << point.x() << ',' << point.y(); }

UrlCatcher &UrlCatcher::Instance()
{
    static UrlCatcher catcher;
    return catcher;
}

void GuiTest::SetUp()
{
    SwitchRegionalSettings(QLocale(QLocale::English, QLocale::UnitedStates));
    reporter_ = std::make_unique<ErrorReporter>(ErrorReporter::Instance()->Caption());
    UrlCatcher::Instance().opened.clear();
    windows_ = std::make_unique<ProgramWindows>();
    watcher_.setInterval(kWatchIntervalMs);
    QObject::connect(&watcher_, &QTimer::timeout, &watcher_, [this] { CheckForModal(); });
    watcher_.start();
    Form().show();
    // Showing activates the window; asking again only where no window system does it (a bare
    // X server), as a second request arriving late would take the activation from a modal window.
    if (!QTest::qWaitForWindowActive(&Form(), kActivationLimitMs)) {
        Form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
    }
}

void GuiTest::TearDown()
{
    EXPECT_TRUE(expected_.empty()) << expected_.size() << " expected modal window(s) never opened";
    watcher_.stop();
    windows_.reset();
    reporter_.reset();
    SetRegionalSettingsSource({});
}

void GuiTest::ChooseInputs(int boiler, int setTemp, int drop, const char *length, int pitch,
                           int pump)
{
    Page().ComboBox6->setCurrentIndex(boiler);
    Page().ComboBox4->setCurrentIndex(setTemp);
    Page().ComboBox1->setCurrentIndex(drop);
    Page().Edit4->setText(QString::fromLatin1(length));
    Page().ComboBox5->setCurrentIndex(pitch);
    Page().ComboBox3->setCurrentIndex(pump);
}

void GuiTest::SwitchRegionalSettings(const QLocale &locale)
{
    SetRegionalSettingsSource([locale] { return locale; });
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &change);
}

void GuiTest::ExpectModal(ModalHandler handle) { expected_.push_back(std::move(handle)); }

void GuiTest::ExpectErrorReport(std::function<void()> whileOpen)
{
    ExpectModal([this, whileOpen = std::move(whileOpen)](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr) << "expected an error report, got " << Describe(modal).toStdString();
        if (whileOpen)
            whileOpen();
        SeenReport seen{box->windowTitle(), box->text(), box->icon(), {},
                        box->windowModality() == Qt::ApplicationModal,
                        box->textFormat() == Qt::PlainText, box->accessibleName()};
        for (QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        reports.push_back(seen);
        QAbstractButton *ok = box->button(QMessageBox::Ok);
        ASSERT_NE(ok, nullptr);
        ok->click();
    });
}

void GuiTest::ExpectNotice()
{
    ExpectModal([this](QWidget *modal) {
        auto *notice = qobject_cast<Tuved *>(modal);
        ASSERT_NE(notice, nullptr) << "expected the notice, got " << Describe(modal).toStdString();
        notices.push_back(notice->RichEdit1->toPlainText());
        notice->Button1->click();
    });
}

// Runs inside the modal window's own event loop.
void GuiTest::CheckForModal()
{
    QPointer<QWidget> modal = QApplication::activeModalWidget();
    if (!modal || handling_ || !modal->isVisible())
        return;
    handling_ = true;
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected modal window: " << Describe(modal).toStdString();
        ForceClose(modal);
    } else {
        ModalHandler handle = std::move(expected_.front());
        expected_.pop_front();
        // The window system activates a new window a little after showing it. (Waiting on
        // the window handle is not enough: a transient window counts as active while its
        // parent is.)
        if (!QTest::qWaitFor([&] { return QApplication::activeWindow() == modal; },
                             kActivationLimitMs))
            ADD_FAILURE() << "modal window never became active: " << Describe(modal).toStdString();
        handle(modal);
        if (modal && modal->isVisible()) {
            ADD_FAILURE() << "modal window left open: " << Describe(modal).toStdString();
            ForceClose(modal);
        }
    }
    handling_ = false;
}

void SendWheel(QWidget *target, int angle)
{
    const QPointF local = QRectF(target->rect()).center();
    QWheelEvent wheel(local, target->mapToGlobal(local), QPoint(), QPoint(0, angle),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(target, &wheel);
}

void ClickThroughWindowSystem(QWidget *target)
{
    QWidget *window = target->window();
    const QPoint at = target->mapTo(window, target->rect().center());
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

int RunUntilTheProgramEnds(const std::function<void()> &start)
{
    constexpr int kLimitMs = 5000;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &limit, [] { QCoreApplication::exit(-1); });
    limit.start(kLimitMs);
    QTimer::singleShot(0, &limit, start);
    return QCoreApplication::exec();
}

::testing::AssertionResult CentredIn(const QWidget &window, const QRect &area)
{
    const QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    const QPoint offset = window.frameGeometry().center() - area.center();
    const int slackX = (frame.left() + frame.right()) / 2 + 1;
    const int slackY = (frame.top() + frame.bottom()) / 2 + 1;
    if (std::abs(offset.x()) <= slackX && std::abs(offset.y()) <= slackY)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "outer rectangle off centre by " << offset.x() << ','
                                         << offset.y();
}
