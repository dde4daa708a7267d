// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/errorreport.h"

#include "calc/fpmode.h"
#include "ui/accessibility.h"
#include "ui/activation.h"
#include "ui/fpmoderestore.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <deque>
#include <vector>

namespace {

QString &StoredCaption()
{
    static QString caption;
    return caption;
}

// The window the box belongs to: whichever is in front, so that it is centred over it.
QWidget *ReportOwner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget *active = QApplication::activeWindow())
        return active;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

// A drag or a pressed button must not outlive the error that interrupted it.
void CancelCapture()
{
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    if (QWidget *grabber = QWidget::keyboardGrabber())
        grabber->releaseKeyboard();
}

void ShowBox(const QString &message) noexcept
{
    try {
        CancelCapture();
        RestoreActivation activation;
        RestoreFloatingPointMode mode;
        QMessageBox box(QMessageBox::Critical, ReportCaption(), ReportText(message),
                        QMessageBox::Ok, ReportOwner());
        box.setObjectName(QStringLiteral("ErrorReport"));
        SetWindowTitleAndName(&box, box.windowTitle());
        box.setTextFormat(Qt::PlainText);  // a quoted length such as "<b>80" is not markup
        // "OK" as the report has always said it, whatever Qt's Russian catalogue makes of it.
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    } catch (...) {
        // Nothing is left to report with; the program goes on with the next event.
    }
}

using Clock = std::chrono::steady_clock;

ErrorClock g_clock = nullptr;

Clock::time_point Now() { return g_clock ? g_clock() : Clock::now(); }

// One message from one source, and when it last came (or its report was last closed).
struct Burst {
    const QObject *source;
    QString message;
    Clock::time_point lastSeen;
};

// The receiver of the innermost event on its way, per thread: the toolkit's own threads
// deliver events through the application too.
thread_local const QObject *t_delivering = nullptr;

struct Reports {
    bool open = false;
    std::vector<Burst> bursts;
    std::deque<Burst> waiting;  // raised while a report was open
};

Reports &State()
{
    static Reports reports;
    return reports;
}

Burst *FindBurst(const QObject *source, const QString &message)
{
    for (Burst &burst : State().bursts) {
        if (burst.source == source && burst.message == message)
            return &burst;
    }
    return nullptr;
}

// Only while no report is open: the bursts of the waiting reports must stay known.
void ForgetQuietBursts(Clock::time_point now)
{
    std::erase_if(State().bursts,
                  [now](const Burst &burst) { return now - burst.lastSeen >= kErrorQuietTime; });
}

// Shows the waiting reports one after another; a report closed starts its quiet time.
void ShowWaiting()
{
    Reports &state = State();
    state.open = true;
    while (!state.waiting.empty()) {
        const Burst next = state.waiting.front();
        state.waiting.pop_front();
        ShowBox(next.message);
        if (Burst *burst = FindBurst(next.source, next.message))
            burst->lastSeen = Now();
    }
    state.open = false;
}

void ShowReport(const QString &message) noexcept
{
    try {
        Reports &state = State();
        const auto now = Now();
        if (!state.open)
            ForgetQuietBursts(now);
        if (Burst *known = FindBurst(t_delivering, message)) {
            known->lastSeen = now;  // the same burst goes on
            return;
        }
        state.bursts.push_back({t_delivering, message, now});
        state.waiting.push_back(state.bursts.back());
        if (!state.open)
            ShowWaiting();
    } catch (...) {
        State().open = false;
    }
}

bool IsUserAction(const QEvent &event)
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return event.spontaneous();
    default:
        return false;
    }
}

} // namespace

EventDelivery::EventDelivery(const QObject *receiver, const QEvent &event) noexcept
    : outer_(t_delivering)
{
    t_delivering = receiver;
    Reports &state = State();
    if (IsUserAction(event) && !state.open) {  // input comes on the user-interface thread only
        std::erase_if(state.bursts,
                      [receiver](const Burst &burst) { return burst.source == receiver; });
    }
}

EventDelivery::~EventDelivery() { t_delivering = outer_; }

void ForgetErrorBursts() noexcept
{
    State().bursts.clear();
    State().waiting.clear();
}

void SetErrorClock(ErrorClock now) noexcept { g_clock = now; }

void SetReportCaption(const QString &caption) { StoredCaption() = caption; }

QString ReportCaption() { return StoredCaption(); }

QString ReportText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ReportError(const std::exception &error) noexcept
{
    ShowReport(QString::fromUtf8(error.what()));
}

void ReportUnknownError() noexcept { ShowReport(QStringLiteral("Unknown error")); }

void ReportCurrentError() noexcept
{
    calc::LoadFloatingPointMode();
    try {
        throw;
    } catch (const std::exception &error) {
        ReportError(error);
    } catch (...) {
        ReportUnknownError();
    }
}
