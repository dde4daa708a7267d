// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/programwindows.h"

#include "app/notice.h"
#include "ui/calculatorpage.h"

ProgramWindows::ProgramWindows() : uved(new Tuved(&Form1))
{
    Form1.TabSheet1->SetShowNotice([notice = uved](const QString &text) {
        notice->ShowNotice(text);
    });
}

void ProgramWindows::Show()
{
    Form1.show();
}
