// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/mainwindow.h"

class Tuved;

// The program's two windows in start-up order: Form1, built with its whole layout and
// FormCreate run, then the hidden notice window uved, which the calculator page reaches
// through ShowNotice. Both live until the program ends.
struct ProgramWindows {
    ProgramWindows();

    // Shows the main window, placed as it was built: centred on the desktop.
    void Show();

    TForm1 Form1;
    Tuved *uved = nullptr;  // owned by Form1
};
