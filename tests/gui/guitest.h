// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/mainwindow.h"
#include "app/notice.h"
#include "app/programwindows.h"
#include "ui/calculatorpage.h"
#include "ui/controls.h"
#include "ui/errorreport.h"
#include "ui/linklabel.h"
#include "ui/picturebox.h"
#include "ui/tabset.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

// Readable failure messages for the toolkit's values.
void PrintTo(const QString &text, std::ostream *out);
void PrintTo(const QRect &rect, std::ostream *out);
void PrintTo(const QSize &size, std::ostream *out);
void PrintTo(const QPoint &point, std::ostream *out);

// Catches every web address the program hands to the desktop, so that no test opens a browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    static UrlCatcher &Instance();
    std::vector<QUrl> opened;

public slots:
    void Open(const QUrl &url) { opened.push_back(url); }
};

// What an error report showed.
struct SeenReport {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool applicationModal = false;
    bool plainText = false;  // shown as it stands, never read as markup
    QString accessibleName;  // the window's own name for screen readers
};

// A fresh pair of windows for each test, Form1 shown and active, with a watcher that closes
// the modal windows a test expects and fails the test, instead of hanging, on any other.
class GuiTest : public ::testing::Test {
protected:
    using ModalHandler = std::function<void(QWidget *)>;

    void SetUp() override;
    void TearDown() override;

    // The next modal window to open goes to handle(), which must close it.
    void ExpectModal(ModalHandler handle);
    // An error report: recorded in reports, then closed with its "OK" button; whileOpen runs
    // first, while the report is still open.
    void ExpectErrorReport(std::function<void()> whileOpen = {});
    // A notice: its text recorded in notices, then closed with "Понятно!".
    void ExpectNotice();

    TForm1 &Form() { return windows_->Form1; }
    CalculatorPage &Page() { return *windows_->Form1.TabSheet1; }
    Tuved &Notice() { return *windows_->uved; }

    // Chooses each list's item by its position and types the length, as the user would.
    void ChooseInputs(int boiler, int setTemp, int drop, const char *length, int pitch, int pump);

    // Sets the decimal mark the way a change of the regional settings does.
    static void SwitchRegionalSettings(const QLocale &locale);

    // A fresh error report for each test, as at start-up, named as the program's.
    ErrorReporter &Reporter() { return *reporter_; }

    std::vector<SeenReport> reports;
    std::vector<QString> notices;

private:
    void CheckForModal();

    std::unique_ptr<ErrorReporter> reporter_;
    std::unique_ptr<ProgramWindows> windows_;
    QTimer watcher_;
    std::deque<ModalHandler> expected_;
    bool handling_ = false;
};

// One wheel step delivered the way the window system delivers it (spontaneous, to the
// widget under the pointer, passed on to the parents while ignored). Negative angle: down.
void SendWheel(QWidget *target, int angle);

// A click that comes through the window system, so that a modal window can block it.
void ClickThroughWindowSystem(QWidget *target);

// Runs the event loop until the program would end; the exit code, or -1 when it does not
// end within the time limit after start() has run.
int RunUntilTheProgramEnds(const std::function<void()> &start);

// True when the outer rectangle of a window is centred in area, up to the frame the window
// system added after the window was placed.
::testing::AssertionResult CentredIn(const QWidget &window, const QRect &area);
constexpr int kWheelDown = -120;
constexpr int kWheelUp = 120;
