// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

namespace tools {

// The "Рассчитать!" button's glyph: a shaded green disc with a white arrow pointing right on
// the magenta key colour, opaque RGB (saved as a 24-bit BMP).
QImage DrawButtonGlyph(QSize size);

// The program icon: a black chip with yellow pins, lying diagonally, on transparency.
QImage DrawIcon(int side);

} // namespace tools
