// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/fakewindow.h"

#include <QApplication>

#include <gtest/gtest.h>

// The screenshots are built from widgets, so the generator's tests run in a widget
// application, off screen, with the look the generator sets up.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tools::SetUpScreenshotLook();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
