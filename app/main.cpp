// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/application.h"
#include "app/programwindows.h"

int main(int argc, char *argv[])
{
    Application application(argc, argv);
    ProgramWindows windows;
    windows.Show();
    return application.exec();
}
