// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <chrono>
#include <exception>

class QEvent;
class QObject;

// The application-wide error report: every error that leaves an event handler ends here.

// The report's caption; the application object sets it once at start-up.
void SetReportCaption(const QString &caption);
QString ReportCaption();

// The report's text: the message, with "." appended when it is not empty and its last
// character's code is above that of "." (so after a letter or a digit, not after "!" or ".").
QString ReportText(const QString &message);

// Shows one error in a message box, modal to the whole program: caption ReportCaption(),
// the error icon, one "OK" button. Returns when the box is closed. Never throws.
//
// One report at a time: an error raised while a report is open waits, and is shown once that
// report is closed, in the order raised. An error that keeps coming back is shown once per
// burst, so that it can neither stack reports nor lock the program in reports:
// - its source is the object whose event was being delivered when it arose (the button
//   clicked, the picture painted, the window moved), or none outside any event;
// - a burst of one message from one source lasts while it keeps coming back: it ends when it
//   has stayed away for kErrorQuietTime after its report was closed, or when the user presses
//   a key, a mouse button or turns the wheel on that source, as a new press deserves its answer.
void ReportError(const std::exception &error) noexcept;
void ReportUnknownError() noexcept;

inline constexpr std::chrono::milliseconds kErrorQuietTime{1000};

// The clock the quiet time is read from: the steady clock, or for a test that steps across
// kErrorQuietTime exactly, one of its own (nullptr gives the steady clock back).
using ErrorClock = std::chrono::steady_clock::time_point (*)();
void SetErrorClock(ErrorClock now) noexcept;

// Marks one event on its way to its receiver, for the report to tell where an error arose.
// The application opens one around every event it delivers.
class EventDelivery {
public:
    EventDelivery(const QObject *receiver, const QEvent &event) noexcept;
    EventDelivery(const EventDelivery &) = delete;
    EventDelivery &operator=(const EventDelivery &) = delete;
    ~EventDelivery();

private:
    const QObject *outer_;
};

// Forgets every burst, as at start-up; for a test that plays a fresh program.
void ForgetErrorBursts() noexcept;

// For use inside a catch block: reloads the floating-point mode, so that no fault state
// survives the error, then reports the exception being handled.
void ReportCurrentError() noexcept;

// Runs one event handler. An error escaping it is reported here and the handler is
// abandoned, so that no exception ever unwinds through the toolkit's frames.
template <class Handler>
void RunGuarded(Handler &&handler) noexcept
{
    try {
        handler();
    } catch (...) {
        ReportCurrentError();
    }
}

// A handler for connect(), guarded as RunGuarded does; the signal's arguments are dropped.
template <class Handler>
auto Guarded(Handler handler)
{
    return [handler = std::move(handler)]() { RunGuarded(handler); };
}
