// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded into a Qt program through LD_PRELOAD, so that the very executable a user starts is
// measured, unchanged. When the first paint of the program's first ordinary window is over,
// it prints on stdout
//   first-paint-ns <wall-clock nanoseconds since the epoch>
//   peak-rss-kb <the process's peak resident memory so far>
//   window <width>x<height>
// and ends the event loop. A launcher that notes the time just before starting the process
// gets the start-up time.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

long PeakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string field;
    while (status >> field) {
        if (field == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    }
    return -1;
}

void ReportAndQuit(const QWidget *window)
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::printf("first-paint-ns %lld\npeak-rss-kb %ld\nwindow %dx%d\n",
                static_cast<long long>(std::chrono::nanoseconds(now).count()),
                PeakResidentKilobytes(), window->width(), window->height());
    std::fflush(stdout);
    QCoreApplication::quit();
}

// Notes the first paint of any widget of an ordinary window (no pop-up, no tool tip); once
// that paint pass is over, reports.
class FirstPaintWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (seen_ || event->type() != QEvent::Paint || !watched->isWidgetType())
            return false;
        const QWidget *window = static_cast<QWidget *>(watched)->window();
        if (window->windowType() != Qt::Window)
            return false;
        seen_ = true;
        QTimer::singleShot(0, this, [window] { ReportAndQuit(window); });
        return false;
    }

private:
    bool seen_ = false;
};

void WatchFirstPaint()
{
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new FirstPaintWatch(application));
}

} // namespace

// Runs as soon as the program has created its application object.
Q_COREAPP_STARTUP_FUNCTION(WatchFirstPaint)
