// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpegfile.h"

#include "resources/jpegdecoder.h"
#include "resources/pictures.h"

#include <QFile>
#include <QResource>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace resources {

void PrintTo(const PictureFile &file, std::ostream *out)
{
    *out << file.fileName;
}

} // namespace resources

namespace {

using resources::kPictureFiles;
using resources::PictureFile;

static_assert(resources::PictureSize(resources::Picture::UnitPhoto) == QSize(220, 397));
static_assert(resources::PictureSize(resources::Picture::DesignCourse) == QSize(357, 350));

class BuiltInPicture : public testing::TestWithParam<PictureFile> {};

TEST_P(BuiltInPicture, DecodesToItsStatedSize)
{
    const QImage image = resources::LoadPicture(GetParam().picture);
    EXPECT_EQ(image.size(), QSize(GetParam().width, GetParam().height));
    EXPECT_EQ(image.size(), resources::PictureSize(GetParam().picture));
}

TEST_P(BuiltInPicture, IsAProgressiveJpeg)
{
    const QByteArray data = resources::PictureData(GetParam().picture);
    const auto segments = testjpeg::HeaderSegments(data);
    ASSERT_TRUE(segments) << "not a well-formed JPEG header";
    int frames = 0;
    for (const testjpeg::Segment &segment : *segments) {
        const bool isFrame = segment.marker >= 0xC0 && segment.marker <= 0xCF && segment.marker != 0xC4 &&
                             segment.marker != 0xC8 && segment.marker != 0xCC;
        if (isFrame) {
            ++frames;
            EXPECT_EQ(segment.marker, 0xC2) << "frame type is not progressive Huffman";
        }
    }
    EXPECT_EQ(frames, 1);
}

TEST_P(BuiltInPicture, IsTheCommittedFileStoredUncompressed)
{
    const QString name = QString::fromUtf8(GetParam().fileName.data(), static_cast<qsizetype>(GetParam().fileName.size()));
    QFile committed(QStringLiteral(VARNELO_PICTURES_DIR "/") + name);
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    EXPECT_EQ(resources::PictureData(GetParam().picture), committed.readAll());
    EXPECT_EQ(QResource(QStringLiteral(":/varnelo/pictures/") + name).compressionAlgorithm(), QResource::NoCompression);
}

INSTANTIATE_TEST_SUITE_P(Resources, BuiltInPicture, testing::ValuesIn(kPictureFiles),
                         [](const testing::TestParamInfo<PictureFile> &info) {
                             std::string name(info.param.fileName.substr(0, info.param.fileName.find('.')));
                             std::erase(name, '-');
                             return name;
                         });

TEST(BuiltInPictures, AreAllDifferent)
{
    for (std::size_t i = 0; i < kPictureFiles.size(); ++i) {
        for (std::size_t j = i + 1; j < kPictureFiles.size(); ++j)
            EXPECT_NE(resources::PictureData(kPictureFiles[i].picture), resources::PictureData(kPictureFiles[j].picture))
                << kPictureFiles[i].fileName << " and " << kPictureFiles[j].fileName;
    }
}

} // namespace
