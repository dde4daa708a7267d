// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Time from a click on "Рассчитать!" to the seven result boxes being written, and to their
// being painted, on the program's real windows. The length alternates between two values so
// that every press writes new texts. Usage: press_bench [presses]; prints
//   press-written-us <median> <min> <max> <99th percentile>
//   press-painted-us <median> <min> <max> <99th percentile>
#include "app/application.h"
#include "app/programwindows.h"
#include "ui/calculatorpage.h"
#include "ui/controls.h"

#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kDefaultPresses = 2000;
constexpr int kWarmUpPresses = 50;
constexpr std::array<const char *, 2> kLengths = {"80", "60"};

using Clock = std::chrono::steady_clock;

struct PressTimes {
    std::vector<double> written;
    std::vector<double> painted;
    std::array<QString, 2> lastFlows;  // the flow shown after each of the two lengths
};

double Microseconds(Clock::duration duration)
{
    return std::chrono::duration<double, std::micro>(duration).count();
}

PressTimes TimePresses(CalculatorPage &page, int presses)
{
    PressTimes times;
    for (int i = -kWarmUpPresses; i < presses; ++i) {
        const std::size_t which = static_cast<std::size_t>(i + kWarmUpPresses) % kLengths.size();
        page.Edit4->setText(QString::fromLatin1(kLengths[which]));
        QCoreApplication::processEvents();
        const auto pressed = Clock::now();
        QTest::mouseClick(page.BitBtn1, Qt::LeftButton);
        const auto written = Clock::now();
        QCoreApplication::processEvents();
        const auto painted = Clock::now();
        if (i >= 0) {
            times.written.push_back(Microseconds(written - pressed));
            times.painted.push_back(Microseconds(painted - pressed));
        }
        times.lastFlows[which] = page.Edit6->text();
    }
    return times;
}

void PrintSummary(const char *name, std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&values](double fraction) {
        return values[static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1))];
    };
    std::printf("%s %.1f %.1f %.1f %.1f\n", name, at(0.5), values.front(), values.back(), at(0.99));
}

// The presses must really have computed: each length showed a flow of its own.
bool EachLengthShowedItsFlow(const PressTimes &times)
{
    return !times.lastFlows[0].isEmpty() && !times.lastFlows[1].isEmpty()
        && times.lastFlows[0] != times.lastFlows[1];
}

} // namespace

int main(int argc, char **argv)
{
    const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultPresses;
    Application application(argc, argv);
    ProgramWindows windows;
    windows.Show();
    if (!QTest::qWaitForWindowExposed(&windows.Form1)) {
        std::fprintf(stderr, "the main window was never shown\n");
        return 1;
    }
    const PressTimes times = TimePresses(*windows.Form1.TabSheet1, presses);
    if (!EachLengthShowedItsFlow(times)) {
        std::fprintf(stderr, "the presses wrote no results\n");
        return 1;
    }
    PrintSummary("press-written-us", times.written);
    PrintSummary("press-painted-us", times.painted);
    return 0;
}
