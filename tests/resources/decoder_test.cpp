// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpegfile.h"

#include "resources/jpegdecoder.h"
#include "resources/pictures.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <string>

namespace {

using resources::DecodeJpeg;
using resources::JpegError;
using resources::Picture;

// The photograph is the picture shown at start-up; the damaged copies are made from it.
QByteArray Photo()
{
    return resources::PictureData(Picture::UnitPhoto);
}

std::string DecodeFailure(const QByteArray &data)
{
    try {
        DecodeJpeg(data);
    } catch (const JpegError &error) {
        return error.what();
    }
    return {};
}

TEST(JpegDecoder, DecodesThePhotographInTrueColours)
{
    const QImage image = DecodeJpeg(Photo());
    ASSERT_EQ(image.size(), QSize(220, 397));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    // White studio background in the corner, the green pump body in the middle.
    const QColor corner = image.pixelColor(3, 3);
    EXPECT_GT(corner.red(), 245);
    EXPECT_GT(corner.green(), 245);
    EXPECT_GT(corner.blue(), 245);
    const QColor pump = image.pixelColor(110, 232);
    EXPECT_GT(pump.green(), pump.red() + 40);
    EXPECT_GT(pump.green(), pump.blue() + 40);
}

struct Truncation {
    const char *name;
    std::function<qsizetype(const QByteArray &)> keptBytes;
};

void PrintTo(const Truncation &truncation, std::ostream *out)
{
    *out << truncation.name;
}

class TruncatedPhoto : public testing::TestWithParam<Truncation> {};

TEST_P(TruncatedPhoto, IsReportedNotPadded)
{
    const QByteArray whole = Photo();
    const qsizetype kept = GetParam().keptBytes(whole);
    ASSERT_GT(kept, 0);
    ASSERT_LT(kept, whole.size());
    const std::string reason = DecodeFailure(whole.left(kept));
    EXPECT_FALSE(reason.empty()) << "a copy cut to " << kept << " bytes decoded without complaint";
}

qsizetype EndOfFirstScanHeader(const QByteArray &jpeg)
{
    const auto sos = testjpeg::FindSegment(jpeg, 0xDA);
    return sos ? sos->offset + sos->length : 0;
}

INSTANTIATE_TEST_SUITE_P(
    JpegDecoder, TruncatedPhoto,
    testing::Values(Truncation{"InsideTheHeaders", [](const QByteArray &) { return qsizetype{100}; }},
                    Truncation{"RightAfterTheFirstScanHeader", EndOfFirstScanHeader},
                    Truncation{"AtHalf", [](const QByteArray &jpeg) { return jpeg.size() / 2; }},
                    Truncation{"InTheLastScan", [](const QByteArray &jpeg) { return jpeg.size() - 200; }},
                    Truncation{"WithoutTheEndMarker", [](const QByteArray &jpeg) { return jpeg.size() - 2; }}),
    [](const testing::TestParamInfo<Truncation> &info) { return std::string(info.param.name); });

TEST(JpegDecoder, TruncationMessageNamesThePrematureEnd)
{
    EXPECT_NE(DecodeFailure(Photo().left(Photo().size() / 2)).find("Premature end"), std::string::npos);
}

struct Damage {
    const char *name;
    std::function<void(QByteArray &)> apply;
};

void PrintTo(const Damage &damage, std::ostream *out)
{
    *out << damage.name;
}

class CorruptedPhoto : public testing::TestWithParam<Damage> {};

TEST_P(CorruptedPhoto, IsReported)
{
    QByteArray damaged = Photo();
    GetParam().apply(damaged);
    ASSERT_NE(damaged, Photo());
    EXPECT_FALSE(DecodeFailure(damaged).empty());
}

void ZeroFrameHeight(QByteArray &jpeg)
{
    const auto frame = testjpeg::FindSegment(jpeg, 0xC2);
    ASSERT_TRUE(frame);
    jpeg[frame->offset + 5] = 0;
    jpeg[frame->offset + 6] = 0;
}

void OverfillHuffmanTable(QByteArray &jpeg)
{
    const auto table = testjpeg::FindSegment(jpeg, 0xC4);
    ASSERT_TRUE(table);
    // The sixteen code counts follow the class/id byte; 255 codes of length 1 cannot exist.
    jpeg[table->offset + 5] = static_cast<char>(0xFF);
}

void InsertMarkerIntoScanData(QByteArray &jpeg)
{
    const qsizetype middle = jpeg.size() / 2;
    jpeg[middle] = static_cast<char>(0xFF);
    jpeg[middle + 1] = static_cast<char>(0xD4);  // a restart marker, in a file that has no restarts
}

void BreakStartOfImage(QByteArray &jpeg)
{
    jpeg[1] = static_cast<char>(0xD9);
}

void ClaimLosslessFrame(QByteArray &jpeg)
{
    const auto frame = testjpeg::FindSegment(jpeg, 0xC2);
    ASSERT_TRUE(frame);
    jpeg[frame->offset + 1] = static_cast<char>(0xC3);
}

INSTANTIATE_TEST_SUITE_P(
    JpegDecoder, CorruptedPhoto,
    testing::Values(Damage{"FrameHeightZero", ZeroFrameHeight}, Damage{"HuffmanTableOverfull", OverfillHuffmanTable},
                    Damage{"MarkerInScanData", InsertMarkerIntoScanData}, Damage{"StartOfImageBroken", BreakStartOfImage},
                    Damage{"UnsupportedFrameType", ClaimLosslessFrame}),
    [](const testing::TestParamInfo<Damage> &info) { return std::string(info.param.name); });

// Files written by another encoder (Qt's, used here only to write): baseline, not progressive.
QByteArray EncodedElsewhere(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "JPEG", 95) ? bytes : QByteArray();
}

TEST(JpegDecoder, DecodesABaselineGreyFileAsEqualChannels)
{
    QImage grey(40, 30, QImage::Format_Grayscale8);
    for (int y = 0; y < grey.height(); ++y)
        std::memset(grey.scanLine(y), 40 + 5 * y, static_cast<std::size_t>(grey.width()));
    const QByteArray file = EncodedElsewhere(grey);
    if (file.isEmpty())
        GTEST_SKIP() << "no JPEG writer in this Qt";
    ASSERT_TRUE(testjpeg::FindSegment(file, 0xC0)) << "expected a baseline file";
    const QImage decoded = DecodeJpeg(file);
    ASSERT_EQ(decoded.size(), grey.size());
    const QColor pixel = decoded.pixelColor(20, 20);
    EXPECT_EQ(pixel.red(), pixel.green());
    EXPECT_EQ(pixel.green(), pixel.blue());
    EXPECT_NEAR(pixel.red(), 140, 4);
}

TEST(JpegDecoder, DecodesABaselineColourFile)
{
    QImage colour(40, 30, QImage::Format_RGB32);
    colour.fill(QColor(30, 160, 220));
    const QByteArray file = EncodedElsewhere(colour);
    if (file.isEmpty())
        GTEST_SKIP() << "no JPEG writer in this Qt";
    const QColor pixel = DecodeJpeg(file).pixelColor(20, 15);
    EXPECT_NEAR(pixel.red(), 30, 4);
    EXPECT_NEAR(pixel.green(), 160, 4);
    EXPECT_NEAR(pixel.blue(), 220, 4);
}

TEST(JpegDecoder, RejectsDataThatIsNoJpegAtAll)
{
    QFile icon(QStringLiteral(VARNELO_PICTURES_DIR "/icon-32.png"));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    const QByteArray inputs[] = {QByteArray(), QByteArray("Varnelo"), QByteArray(1000, '\0'), icon.readAll()};
    for (const QByteArray &input : inputs)
        EXPECT_FALSE(DecodeFailure(input).empty()) << input.size() << " bytes were accepted";
}

TEST(JpegDecoder, SaysWhyItRejectsNonJpegData)
{
    EXPECT_NE(DecodeFailure(QByteArray("GIF89a and more")).find("Not a JPEG file"), std::string::npos);
}

TEST(JpegDecoder, ErrorIsARuntimeError)
{
    EXPECT_THROW(DecodeJpeg(QByteArray("x")), std::runtime_error);
}

TEST(JpegDecoder, DecodesAgainAfterAFailure)
{
    EXPECT_FALSE(DecodeFailure(Photo().left(300)).empty());
    EXPECT_EQ(DecodeJpeg(Photo()).size(), QSize(220, 397));
}

} // namespace
