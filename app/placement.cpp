#include "app/placement.h"

#include <QWidget>
#include <QWindow>

void PlaceCentred(QWidget &window, const QRect &area)
{
    QMargins frame;
    if (const QWindow *handle = window.windowHandle())
        frame = handle->frameMargins();
    const QSize outer = window.size().grownBy(frame);
    // For a window, move() places the outer rectangle.
    window.move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
}
