// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

// How a fresh drawing is judged against a committed picture. Byte for byte (give or take an
// edge pixel) only with the toolchain that drew the committed files; with any other Qt, JPEG
// library or fonts, by a measure that sees a missing part, another scene or another size but
// not another anti-aliasing, text rendering or a widget row a few pixels higher (nor two
// views of one program window that differ only in the figures of a table).
namespace tools {

// What the pictures are drawn with: the Qt version, the JPEG library and each face they use
// (the face found, its revision and a digest of its outlines, metrics and hinting).
// Needs a QGuiApplication.
QString DrawingToolchain();

// The toolchain recorded beside committed pictures: the first line of the file that is
// neither empty nor a "#" comment; empty when the file cannot be read.
QString RecordedToolchain(const QString &path);

// The largest difference between two pictures of one size that covers a whole patch of
// 32 x 32 pixels. Both are reduced to a quarter of their size by averaging, so that edge
// pixels and glyph shapes blur into their surroundings; each 16-pixel block of one is compared
// with the best match within 12 pixels in the other, both ways, as a mean difference per
// colour channel (0..255; alpha counts as a fourth); a patch counts by its best-matching
// block, so that one line of widgets drawn a few pixels lower does not count.
// Pictures of different sizes, or none, are infinitely different.
double PatchDifference(const QImage &a, const QImage &b);

// Where PatchDifference says two drawings show different pictures. Measured over the built-in
// pictures: between the drawings of Qt 6.4, 6.8 and 6.11 at most 24.2; a picture with a
// quarter of its width and height left undrawn at least 57.9; a picture of another subject
// at least 35.7.
inline constexpr double kPatchTolerance = 30;

} // namespace tools
