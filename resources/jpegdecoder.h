// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QImage>

#include <stdexcept>

namespace resources {

// Raised by DecodeJpeg when the data are not a complete, sound JPEG file; what() holds
// libjpeg's reason.
class JpegError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decodes a JPEG file (baseline or progressive, colour or grey) held in memory with libjpeg
// into a QImage::Format_RGB32 image. Strict: any problem libjpeg reports, warnings included
// (a truncated file, corrupt entropy data, stray bytes), throws JpegError instead of returning
// a patched-up image. Never ends the process and prints nothing.
QImage DecodeJpeg(const QByteArray &data);

} // namespace resources
