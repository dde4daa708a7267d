// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/activation.h"

#include <QApplication>

RestoreActivation::RestoreActivation()
    : window_(QApplication::activeWindow()), focus_(QApplication::focusWidget())
{
}

RestoreActivation::~RestoreActivation()
{
    if (!window_ || !window_->isVisible())
        return;
    if (focus_ && focus_->window() == window_)
        focus_->setFocus(Qt::ActiveWindowFocusReason);
    window_->activateWindow();
}
