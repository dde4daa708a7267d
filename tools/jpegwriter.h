// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QString>

namespace tools {

// Writes image as a progressive JPEG file (quality 0..100) with full-resolution colour: the
// screenshots carry small coloured text and thin lines that chroma subsampling would smear.
// Throws std::runtime_error with libjpeg's reason when the file cannot be written.
void WriteProgressiveJpeg(const QImage &image, const QString &path, int quality);

} // namespace tools
