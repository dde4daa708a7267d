// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/jpegwriter.h"

#include "resources/jpegerrors.h"

#include <cstdio>
#include <stdexcept>
#include <string>

namespace tools {
namespace {

using resources::JpegErrors;

void Configure(jpeg_compress_struct &info, const QImage &rgb, int quality)
{
    info.image_width = static_cast<JDIMENSION>(rgb.width());
    info.image_height = static_cast<JDIMENSION>(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_simple_progression(&info);
    info.comp_info[0].h_samp_factor = 1;
    info.comp_info[0].v_samp_factor = 1;
    info.density_unit = 1;  // dots per inch: the pictures are laid out at 96
    info.X_density = 96;
    info.Y_density = 96;
}

// Plain C data only between setjmp and the libjpeg calls that may jump back.
bool Compress(const QImage &rgb, std::FILE *file, int quality, JpegErrors &errors)
{
    jpeg_compress_struct info{};
    info.err = resources::UseJpegErrors(errors);
    if (setjmp(errors.escape) != 0) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    Configure(info, rgb, quality);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows it is given.
        auto row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

void WriteProgressiveJpeg(const QImage &image, const QString &path, int quality)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    std::FILE *file = std::fopen(path.toLocal8Bit().constData(), "wb");
    if (file == nullptr)
        throw std::runtime_error("cannot create " + path.toStdString());
    JpegErrors errors{};
    const bool written = Compress(rgb, file, quality, errors);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        std::remove(path.toLocal8Bit().constData());
        throw std::runtime_error(
            path.toStdString() + ": "
            + (written ? std::string("write failed") : std::string(errors.message)));
    }
}

} // namespace tools
