// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Makes the README's picture of the calculator page from the real main window, offscreen:
// the default inputs calculated, as a user with Russian regional settings sees them.
// Usage: readme_screenshot <output.png>
#include "app/application.h"
#include "app/programwindows.h"
#include "app/regionalsettings.h"
#include "ui/calculatorpage.h"
#include "ui/controls.h"

#include <QImage>
#include <QLocale>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: readme_screenshot <output.png>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    SetRegionalSettingsSource([] { return QLocale(QLocale::Russian, QLocale::Russia); });
    FollowRegionalSettings();
    ProgramWindows windows;
    windows.Show();
    application.processEvents();
    windows.Form1.TabSheet1->BitBtn1Click();
    application.processEvents();
    const QImage shot = windows.Form1.grab().toImage();
    return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
