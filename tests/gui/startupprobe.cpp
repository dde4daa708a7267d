// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts the program's own windows, exactly as the program does, and prints the wall-clock
// time at which the first paint of the main window has finished (nanoseconds since the
// epoch); then quits. Usage: varnelo_startup_probe varnelo. The start-up benchmark compares
// the program with an empty window of its own (bench/).
#include "app/application.h"
#include "app/programwindows.h"

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

// Notes the first paint of any widget of the watched window, then, once that paint pass is
// over, prints the time and ends the event loop.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget *window) : window_(window)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (seen_ || event->type() != QEvent::Paint || !watched->isWidgetType()
            || static_cast<QWidget *>(watched)->window() != window_)
            return false;
        seen_ = true;
        QTimer::singleShot(0, this, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::printf("first-paint-ns %lld\n",
                        static_cast<long long>(std::chrono::nanoseconds(now).count()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
        return false;
    }

private:
    QWidget *window_;
    bool seen_ = false;
};

int RunProgramWindows(int argc, char **argv)
{
    Application application(argc, argv);
    ProgramWindows windows;
    FirstPaintWatch watch(&windows.Form1);
    windows.Show();
    std::printf("window %dx%d\n", windows.Form1.width(), windows.Form1.height());
    return application.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], "varnelo") == 0)
        return RunProgramWindows(argc, argv);
    std::fprintf(stderr, "usage: %s varnelo\n", argv[0]);
    return 2;
}
