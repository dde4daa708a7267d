// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// Reading the marker structure of a JPEG file, independently of libjpeg, so that the tests can
// check how the pictures were written and damage them in chosen places.
namespace testjpeg {

struct Segment {
    unsigned char marker;  // the byte after 0xFF
    qsizetype offset;      // of the 0xFF
    qsizetype length;      // of the whole segment including the marker, or 2 for markers without data
};

// The segments from SOI up to and including the first SOS, or nullopt if the data do not
// start like a JPEG file or a segment runs past the end.
std::optional<QList<Segment>> HeaderSegments(const QByteArray &jpeg);

// The first segment with the given marker, if any.
std::optional<Segment> FindSegment(const QByteArray &jpeg, unsigned char marker);

} // namespace testjpeg
