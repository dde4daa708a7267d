// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/errorreport.h"

#include "ui/accessibility.h"
#include "ui/activation.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <QWidget>

#include <atomic>

namespace {

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

void ShowBox(const QString &caption, const QString &message) noexcept
{
    try {
        CancelCapture();
        RestoreActivation activation;
        QMessageBox box(QMessageBox::Critical, caption, ReportText(message), QMessageBox::Ok,
                        ReportOwner());
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

// The innermost event on its way, per thread: the toolkit's own threads deliver events
// through the application too.
thread_local const QObject *t_delivering = nullptr;
thread_local QEvent::Type t_deliveringType = QEvent::None;

std::atomic<ErrorReporter *> g_inCharge{nullptr};

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

bool OnInterfaceThread(const QObject &object)
{
    return QThread::currentThread() == object.thread();
}

} // namespace

ErrorReporter::ErrorReporter(const QString &caption, QObject *parent)
    : QObject(parent), caption_(caption), outer_(g_inCharge.exchange(this))
{
}

ErrorReporter::~ErrorReporter()
{
    ErrorReporter *expected = this;
    g_inCharge.compare_exchange_strong(expected, outer_);
}

ErrorReporter *ErrorReporter::Instance() noexcept { return g_inCharge.load(); }

std::chrono::steady_clock::time_point ErrorReporter::Now() const
{
    return clock_ ? clock_() : std::chrono::steady_clock::now();
}

ErrorReporter::Burst *ErrorReporter::FindBurst(const QObject *source, const QString &message)
{
    for (Burst &burst : bursts_) {
        if (burst.source == source && burst.message == message)
            return &burst;
    }
    return nullptr;
}

void ErrorReporter::Report(const QString &message, ErrorOrigin origin) noexcept
{
    try {
        const QObject *source = t_delivering;
        // Off the user-interface thread no window may be built, and inside a paint a modal
        // box would hold the window's drawing until closed: both are shown from the event loop.
        if (!OnInterfaceThread(*this) || t_deliveringType == QEvent::Paint) {
            QPointer<ErrorReporter> self(this);
            QMetaObject::invokeMethod(
                this,
                [self, message, source, origin] {
                    if (self)
                        self->Show(message, source, origin);
                },
                Qt::QueuedConnection);
            return;
        }
        Show(message, source, origin);
    } catch (...) {
    }
}

void ErrorReporter::Show(const QString &message, const QObject *source, ErrorOrigin origin) noexcept
{
    try {
        const auto now = Now();
        if (!open_) {  // the bursts of the waiting reports must stay known
            std::erase_if(bursts_, [now](const Burst &burst) {
                return now - burst.lastSeen >= kErrorQuietTime;
            });
        }
        const Burst raised{source, message, now, origin};
        if (origin == ErrorOrigin::Event) {
            if (Burst *known = FindBurst(source, message)) {
                known->lastSeen = now;  // the same burst goes on
                return;
            }
            bursts_.push_back(raised);
        }
        waiting_.push_back(raised);
        if (!open_)
            ShowWaiting();
    } catch (...) {
        open_ = false;
    }
}

// Shows the waiting reports one after another; a report closed starts its quiet time.
void ErrorReporter::ShowWaiting()
{
    open_ = true;
    while (!waiting_.empty()) {
        const Burst next = waiting_.front();
        waiting_.pop_front();
        ShowBox(caption_, next.message);
        if (Burst *burst = FindBurst(next.source, next.message))
            burst->lastSeen = Now();
    }
    open_ = false;
}

void ErrorReporter::UserActedOn(const QObject *source) noexcept
{
    if (open_)
        return;
    std::erase_if(bursts_, [source](const Burst &burst) { return burst.source == source; });
}

EventDelivery::EventDelivery(const QObject *receiver, const QEvent &event) noexcept
    : outer_(t_delivering), outerType_(t_deliveringType)
{
    t_delivering = receiver;
    t_deliveringType = event.type();
    if (IsUserAction(event)) {  // input comes on the user-interface thread only
        if (ErrorReporter *reporter = ErrorReporter::Instance())
            reporter->UserActedOn(receiver);
    }
}

EventDelivery::~EventDelivery()
{
    t_delivering = outer_;
    t_deliveringType = static_cast<QEvent::Type>(outerType_);
}

QString ReportText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + u'.';
    return message;
}

void ReportError(const std::exception &error, ErrorOrigin origin) noexcept
{
    if (ErrorReporter *reporter = ErrorReporter::Instance())
        reporter->Report(QString::fromUtf8(error.what()), origin);
}

void ReportCurrentError(ErrorOrigin origin) noexcept
{
    ErrorReporter *reporter = ErrorReporter::Instance();
    if (!reporter)
        return;
    try {
        throw;
    } catch (const std::exception &error) {
        reporter->Report(QString::fromUtf8(error.what()), origin);
    } catch (...) {
        reporter->Report(QStringLiteral("Unknown error"), origin);
    }
}
