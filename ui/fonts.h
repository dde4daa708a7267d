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
