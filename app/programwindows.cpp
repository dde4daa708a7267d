// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/programwindows.h"

#include "app/notice.h"
#include "ui/calculatorpage.h"
#include "ui/fpmoderestore.h"

ProgramWindows::ProgramWindows() : uved(new Tuved(&Form1))
{
    RestoreFloatingPointMode restore;  // after Form1 and uved have been built
    Form1.TabSheet1->SetShowNotice([notice = uved](const QString &text) {
        notice->ShowNotice(text);
    });
}

void ProgramWindows::Show()
{
    RestoreFloatingPointMode restore;
    Form1.show();
}
