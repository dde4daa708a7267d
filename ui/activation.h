// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>

// Remembers the active window and its focused control, and gives both back when the scope
// ends: after a modal window closes, the window that was active before is active again, with
// the focus where it was, whether or not the window system does that by itself.
class RestoreActivation {
public:
    RestoreActivation();
    RestoreActivation(const RestoreActivation &) = delete;
    RestoreActivation &operator=(const RestoreActivation &) = delete;
    ~RestoreActivation();

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> focus_;
};
