// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time to build the calculation sheet of a press and write it as a PDF file, on the program's
// real windows; and the cost of loading Qt's Russian catalogue. Usage:
//   sheet_bench [rounds] [file.pdf]
// prints
//   sheet-pdf-ms <median> <min> <max>     building the sheet, painting it and saving the file
//   translator-load-us <median> <min> <max>
// and, with a file name, leaves the last sheet there (the defaults, "," as decimal mark).
#include "app/application.h"
#include "app/programwindows.h"
#include "app/regionalsettings.h"
#include "ui/calculationsheet.h"
#include "ui/calculatorpage.h"
#include "ui/controls.h"
#include "ui/sheetprint.h"

#include <QDir>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void PrintSummary(const char *name, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    std::printf("%s %.2f %.2f %.2f\n", name, values[values.size() / 2], values.front(), values.back());
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const QString keep = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    Application application(argc, argv);
    SetRegionalSettingsSource([] { return QLocale(QLocale::Russian, QLocale::Russia); });
    FollowRegionalSettings();
    ProgramWindows windows;
    windows.Show();
    CalculatorPage &page = *windows.Form1.TabSheet1;
    QTest::mouseClick(page.BitBtn1, Qt::LeftButton);
    if (!page.HasSheet()) {
        std::fprintf(stderr, "the press left no sheet\n");
        return 1;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sheet.pdf"));
    std::vector<double> pdf;
    for (int i = -2; i < rounds; ++i) {
        const auto started = Clock::now();
        const QString failure = SaveSheetPdf(page.Sheet(), path);
        const auto done = Clock::now();
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(failure));
            return 1;
        }
        if (i >= 0)
            pdf.push_back(std::chrono::duration<double, std::milli>(done - started).count());
    }
    PrintSummary("sheet-pdf-ms", pdf);

    std::vector<double> load;
    for (int i = 0; i < rounds; ++i) {
        const auto started = Clock::now();
        QTranslator translator;
        const bool loaded = translator.load(QStringLiteral("qtbase_ru"),
                                            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        const auto done = Clock::now();
        if (!loaded) {
            std::fprintf(stderr, "Qt's Russian catalogue is missing\n");
            return 1;
        }
        load.push_back(std::chrono::duration<double, std::micro>(done - started).count());
    }
    PrintSummary("translator-load-us", load);

    if (!keep.isEmpty() && !SaveSheetPdf(page.Sheet(), keep).isEmpty())
        return 1;
    return 0;
}
