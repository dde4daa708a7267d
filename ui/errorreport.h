// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <deque>
#include <exception>
#include <vector>

class QEvent;

// The application-wide error report: every error that leaves an event handler ends here.
//
// One report at a time: an error raised while a report is open waits, and is shown once that
// report is closed, in the order raised.
//
// A failing user command (a click, a key, a menu command, a link, an accessibility action:
// whatever runs a handler made with Guarded) is always reported. An error that recurs without
// the user (a paint, a timer, a layout) is shown once per burst, so that it can neither stack
// reports nor lock the program in reports:
// - its source is the object whose event was being delivered when it arose (the picture
//   painted, the window moved), or none outside any event;
// - a burst of one message from one source lasts while it keeps coming back: it ends when it
//   has stayed away for kErrorQuietTime after its report was closed, or when the user presses
//   a key, a mouse button or turns the wheel on that source.
// An error raised while a widget paints is shown once the paint has returned, so the windows
// go on drawing behind the report; one raised on another thread is handed to the
// user-interface thread and shown there.
inline constexpr std::chrono::milliseconds kErrorQuietTime{1000};

// The clock the quiet time is read from: the steady clock, or for a test that steps across
// kErrorQuietTime exactly, one of its own (nullptr gives the steady clock back).
using ErrorClock = std::chrono::steady_clock::time_point (*)();

// Where an error left its handler.
enum class ErrorOrigin { Event, Command };

// The program's error report. The application owns one; while another is alive (a test's
// fresh one), that one reports, and the one before it takes over again when it ends.
class ErrorReporter : public QObject {
    Q_OBJECT

public:
    explicit ErrorReporter(const QString &caption, QObject *parent = nullptr);
    ~ErrorReporter() override;

    // The reporter in charge; nullptr before the application has made one.
    static ErrorReporter *Instance() noexcept;

    QString Caption() const { return caption_; }
    void SetClock(ErrorClock now) noexcept { clock_ = now; }

    // Shows one error in a message box, modal to the whole program: caption Caption(), the
    // error icon, one "OK" button; returns once it is closed (or, where the report is deferred,
    // at once). Callable from any thread. Never throws.
    void Report(const QString &message, ErrorOrigin origin) noexcept;

    // The user pressed a key, a mouse button or turned the wheel on `source`.
    void UserActedOn(const QObject *source) noexcept;

private:
    // One message from one source, and when it last came (or its report was last closed).
    struct Burst {
        const QObject *source;
        QString message;
        std::chrono::steady_clock::time_point lastSeen;
        ErrorOrigin origin;
    };
    void Show(const QString &message, const QObject *source, ErrorOrigin origin) noexcept;
    void ShowWaiting();
    Burst *FindBurst(const QObject *source, const QString &message);
    std::chrono::steady_clock::time_point Now() const;

    QString caption_;
    ErrorClock clock_ = nullptr;
    ErrorReporter *outer_ = nullptr;
    bool open_ = false;
    std::vector<Burst> bursts_;
    std::deque<Burst> waiting_;  // raised while a report was open
};

// The report's text: the message, with "." appended when it is not empty and its last
// character's code is above that of "." (so after a letter or a digit, not after "!" or ".").
QString ReportText(const QString &message);

// Reports an error through the reporter in charge (see ErrorReporter::Report).
void ReportError(const std::exception &error, ErrorOrigin origin = ErrorOrigin::Event) noexcept;

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
    int outerType_;
};

// For use inside a catch block: reports the exception being handled.
void ReportCurrentError(ErrorOrigin origin = ErrorOrigin::Event) noexcept;

// Runs one event handler. An error escaping it is reported here and the handler is
// abandoned, so that no exception ever unwinds through the toolkit's frames.
template <class Handler>
void RunGuarded(Handler &&handler, ErrorOrigin origin = ErrorOrigin::Event) noexcept
{
    try {
        handler();
    } catch (...) {
        ReportCurrentError(origin);
    }
}

// A user command's handler for connect() (a click, a menu command, a link), guarded as
// RunGuarded does; every failure of it is reported. The signal's arguments are dropped.
template <class Handler>
auto Guarded(Handler handler)
{
    return [handler = std::move(handler)]() { RunGuarded(handler, ErrorOrigin::Command); };
}
