// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/placement.h"

#include "ui/errorreport.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Watches one window from its showing until the window manager has framed it and told the
// frame's extents, and then centres the outer rectangle once more. Without a frame (no window
// manager, or no window system) the first centring was already right and nothing moves.
class FramedCentring : public QObject {
public:
    FramedCentring(QWidget &window, const QRect &area)
        : QObject(&window), window_(window), area_(area)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == &window_ && event->type() == QEvent::Show)
            RunGuarded([this] { WatchNativeWindow(); });
        else if (IsPlacementNews(*watched, *event))
            RunGuarded([this] { CentreInFrame(); });
        return false;
    }

private:
    // The frame's extents arrive with the first exposure or with the move that framing
    // causes, depending on the window manager. The move is taken once the widget knows it.
    bool IsPlacementNews(const QObject &watched, const QEvent &event) const
    {
        if (&watched == &window_)
            return event.type() == QEvent::Move;
        return event.type() == QEvent::Expose && &watched == window_.windowHandle();
    }

    void WatchNativeWindow()
    {
        if (QWindow *handle = window_.windowHandle())
            handle->installEventFilter(this);
    }

    void CentreInFrame()
    {
        QWindow *handle = window_.windowHandle();
        if (!handle || !handle->isExposed() || handle->frameMargins().isNull())
            return;
        PlaceCentred(window_, area_);
        window_.removeEventFilter(this);
        handle->removeEventFilter(this);
        deleteLater();
    }

    QWidget &window_;
    const QRect area_;
};

} // namespace

void PlaceCentred(QWidget &window, const QRect &area)
{
    QMargins frame;
    if (const QWindow *handle = window.windowHandle())
        frame = handle->frameMargins();
    const QSize outer = window.size().grownBy(frame);
    const QPoint outerOrigin(area.x() + (area.width() - outer.width()) / 2,
                             area.y() + (area.height() - outer.height()) / 2);
    if (frame.isNull()) {
        // Asks the window manager, if any, to put the frame's corner there; framing then
        // moves the client area, and that move brings the frame's extents.
        window.move(outerOrigin);
        return;
    }
    // The widget learns the frame's extents later than its native window does, so move(),
    // which goes by what the widget knows, would miss by a title bar: place the client area.
    window.setGeometry(QRect(outerOrigin + QPoint(frame.left(), frame.top()), window.size()));
}

void PlaceCentredOnceFramed(QWidget &window, const QRect &area)
{
    PlaceCentred(window, area);
    new FramedCentring(window, area);
}
