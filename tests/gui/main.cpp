// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "guitest.h"

#include <QDesktopServices>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

QtMessageHandler g_standardHandler = nullptr;

// The offscreen platform notes on every new window that it cannot pass size hints on, and
// on every mouse or keyboard capture (an open menu) that it cannot grab it, nor raise a menu.
void QuietOffscreenNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints"))
        || message.contains(QLatin1String("does not support grabbing the mouse"))
        || message.contains(QLatin1String("does not support grabbing the keyboard"))
        || message.contains(QLatin1String("does not support raise()")))
        return;
    if (g_standardHandler)
        g_standardHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char **argv)
{
    // The tests drive the real widgets without a display, and never a real browser.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_standardHandler = qInstallMessageHandler(QuietOffscreenNotes);
    ::testing::InitGoogleTest(&argc, argv);
    Application application(argc, argv);
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &UrlCatcher::Instance(), "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &UrlCatcher::Instance(), "Open");
    return RUN_ALL_TESTS();
}
