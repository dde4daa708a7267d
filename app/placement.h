// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QRect>

class QWidget;

// Moves a top-level window so that its outer rectangle (frame included, as far as the
// window system has told it yet) is centred in the given area.
void PlaceCentred(QWidget &window, const QRect &area);

// Centres the window as PlaceCentred does, and once more when it has been shown in its frame:
// a window manager frames a window only when the window is mapped, so the first centring
// knows the client area alone and the frame would land half a title bar low. After that the
// window stays wherever the user moves it.
void PlaceCentredOnceFramed(QWidget &window, const QRect &area);
