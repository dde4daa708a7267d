#pragma once

#include <QRect>

class QWidget;

// Moves a top-level window so that its outer rectangle (frame included, as far as the
// window system has told it yet) is centred in the given area.
void PlaceCentred(QWidget &window, const QRect &area);
