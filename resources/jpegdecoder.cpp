// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/jpegdecoder.h"

#include "resources/jpegerrors.h"

#include <cstddef>
#include <cstdio>

namespace resources {
namespace {

// Decoding ends on warnings too: libjpeg merely warns about a truncated file or damaged
// entropy data and then goes on with made-up pixels.
extern "C" void failOnWarning(j_common_ptr info, int level)
{
    if (level < 0)
        JumpOnJpegError(info);
}

extern "C" void printNothing(j_common_ptr) {}

// Where the decoded rows go. It lives in the caller's frame, so that no C++ object with a
// destructor sits in the frames that a longjmp skips.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual bool allocate(int width, int height) = 0;  // false when out of memory
    virtual JSAMPROW row(int y) = 0;
};

class ImageRows final : public RowSink {
public:
    bool allocate(int width, int height) override
    {
        image = QImage(width, height, QImage::Format_RGB32);
        return !image.isNull();
    }
    JSAMPROW row(int y) override { return image.scanLine(y); }

    QImage image;
};

// Returns true with every row written to sink, or false with errors->message set. Holds only
// plain C data, as a longjmp lands here from inside libjpeg.
bool DecodeInto(const QByteArray &data, RowSink &sink, JpegErrors &errors)
{
    jpeg_decompress_struct info;
    info.err = UseJpegErrors(errors);
    errors.base.emit_message = failOnWarning;
    errors.base.output_message = printNothing;
    if (setjmp(errors.escape) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    // Straight into Qt's 32-bit layout (blue, green, red, opaque alpha in memory on this
    // little-endian machine), without a conversion pass afterwards.
    info.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&info);
    if (!sink.allocate(static_cast<int>(info.output_width), static_cast<int>(info.output_height))) {
        std::snprintf(errors.message, sizeof errors.message, "Out of memory for a %ux%u picture",
                      info.output_width, info.output_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = sink.row(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray &data)
{
    JpegErrors errors{};
    ImageRows rows;
    if (!DecodeInto(data, rows, errors))
        throw JpegError(errors.message);
    return rows.image;
}

} // namespace resources
