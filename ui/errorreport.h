// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <exception>

// The application-wide error report: every error that leaves an event handler ends here.

// The report's caption; the application object sets it once at start-up.
void SetReportCaption(const QString &caption);
QString ReportCaption();

// The report's text: the message, with "." appended when it is not empty and its last
// character's code is above that of "." (so after a letter or a digit, not after "!" or ".").
QString ReportText(const QString &message);

// Shows one error in a message box, modal to the whole program: caption ReportCaption(),
// the error icon, one "OK" button. Returns when the box is closed. Never throws.
void ReportError(const std::exception &error) noexcept;
void ReportUnknownError() noexcept;

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
