// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

// The faces of the layout, in pixel sizes. The layout was drawn with "MS Sans Serif" and
// "Calibri", which Linux lacks; Debian's free faces stand in for them by metrics.

// "MS Sans Serif" 11 px: Liberation Sans (Arial's metrics), narrow enough that the longest
// label of the calculator page ends well right of the picture.
QFont FormFont();

// The header strip's caption: the form face, bold, 13 px.
QFont HeaderFont();

// The captions of the tab rows, 11 px. Carlito: the seven captions of the outer tab set fit
// its 695 pixels in one row only in this narrower face.
QFont TabCaptionFont();

// "Calibri" 16 px for the information box: Carlito has Calibri's metrics.
QFont InfoBoxFont();

// "Verdana" for the web link labels, underlined, at 19 or 24 px. DejaVu Sans stands in where
// Verdana is missing: it grew out of Bitstream Vera, drawn to the same wide, open proportions,
// so the addresses take about the room the layout gives them.
QFont LinkFont(int pixelSize);
