// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpegfile.h"

namespace testjpeg {
namespace {

unsigned ByteAt(const QByteArray &data, qsizetype index)
{
    return static_cast<unsigned char>(data[index]);
}

} // namespace

std::optional<QList<Segment>> HeaderSegments(const QByteArray &jpeg)
{
    if (jpeg.size() < 4 || ByteAt(jpeg, 0) != 0xFF || ByteAt(jpeg, 1) != 0xD8)
        return std::nullopt;
    QList<Segment> segments{{0xD8, 0, 2}};
    qsizetype at = 2;
    while (at + 4 <= jpeg.size()) {
        if (ByteAt(jpeg, at) != 0xFF)
            return std::nullopt;
        const auto marker = static_cast<unsigned char>(ByteAt(jpeg, at + 1));
        const qsizetype length = 2 + static_cast<qsizetype>(ByteAt(jpeg, at + 2) << 8 | ByteAt(jpeg, at + 3));
        if (at + length > jpeg.size())
            return std::nullopt;
        segments.push_back({marker, at, length});
        if (marker == 0xDA)
            return segments;
        at += length;
    }
    return std::nullopt;
}

std::optional<Segment> FindSegment(const QByteArray &jpeg, unsigned char marker)
{
    const auto segments = HeaderSegments(jpeg);
    if (!segments)
        return std::nullopt;
    for (const Segment &segment : *segments) {
        if (segment.marker == marker)
            return segment;
    }
    return std::nullopt;
}

} // namespace testjpeg
