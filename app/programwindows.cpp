#include "app/programwindows.h"

#include "app/notice.h"
#include "calc/fpmode.h"
#include "ui/calculatorpage.h"

ProgramWindows::ProgramWindows() : uved(new Tuved(&Form1))
{
    Form1.TabSheet1->SetShowNotice([notice = uved](const QString &text) {
        notice->ShowNotice(text);
    });
    // Creating windows may touch the arithmetic mode; the calculation needs its own.
    calc::LoadFloatingPointMode();
}
