// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpegfile.h"

#include "resources/jpegdecoder.h"
#include "tools/catalogue.h"
#include "tools/fakewindow.h"
#include "tools/glyphs.h"
#include "tools/jpegwriter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <stdexcept>

void PrintTo(const QString &text, std::ostream *out)
{
    *out << text.toStdString();
}

namespace {

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage TestCard()
{
    QImage card(96, 64, QImage::Format_RGB32);
    QPainter painter(&card);
    QLinearGradient ramp(0, 0, 96, 64);
    ramp.setColorAt(0, QColor(20, 60, 160));
    ramp.setColorAt(1, QColor(250, 220, 120));
    painter.fillRect(card.rect(), ramp);
    return card;
}

int LargestChannelDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            largest = std::max({largest, std::abs(p.red() - q.red()),
                                std::abs(p.green() - q.green()), std::abs(p.blue() - q.blue())});
        }
    }
    return largest;
}

class JpegWriter : public testing::Test {
protected:
    QString PathOf(const QString &name) const { return folder_.filePath(name); }

private:
    QTemporaryDir folder_;
};

TEST_F(JpegWriter, WritesAProgressiveFileThatDecodesFaithfully)
{
    tools::WriteProgressiveJpeg(TestCard(), PathOf(QStringLiteral("card.jpg")), 90);
    const QByteArray file = ReadAll(PathOf(QStringLiteral("card.jpg")));
    EXPECT_TRUE(testjpeg::FindSegment(file, 0xC2)) << "no progressive frame header";
    EXPECT_FALSE(testjpeg::FindSegment(file, 0xC0)) << "a baseline frame header";
    const QImage decoded = resources::DecodeJpeg(file);
    ASSERT_EQ(decoded.size(), TestCard().size());
    EXPECT_LE(LargestChannelDifference(decoded, TestCard()), 12);
}

TEST_F(JpegWriter, RecordsNinetySixDotsPerInch)
{
    tools::WriteProgressiveJpeg(TestCard(), PathOf(QStringLiteral("card.jpg")), 90);
    const QByteArray file = ReadAll(PathOf(QStringLiteral("card.jpg")));
    const auto jfif = testjpeg::FindSegment(file, 0xE0);
    ASSERT_TRUE(jfif);
    const auto byte = [&](int at) { return static_cast<unsigned char>(file[jfif->offset + at]); };
    EXPECT_EQ(byte(11), 1) << "density unit: dots per inch";
    EXPECT_EQ(byte(12) << 8 | byte(13), 96);
    EXPECT_EQ(byte(14) << 8 | byte(15), 96);
}

TEST_F(JpegWriter, KeepsAThinRedLineRed)
{
    // Chroma subsampling would bleed a one-pixel red line into pink.
    QImage sheet(64, 32, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    for (int y = 0; y < sheet.height(); ++y)
        sheet.setPixelColor(31, y, QColor(230, 0, 0));
    tools::WriteProgressiveJpeg(sheet, PathOf(QStringLiteral("line.jpg")), 90);
    const QColor line =
        resources::DecodeJpeg(ReadAll(PathOf(QStringLiteral("line.jpg")))).pixelColor(31, 16);
    EXPECT_GT(line.red(), 180);
    EXPECT_LT(line.green(), 70);
}

TEST_F(JpegWriter, ReportsAFileItCannotCreate)
{
    EXPECT_THROW(
        tools::WriteProgressiveJpeg(TestCard(), PathOf(QStringLiteral("missing/card.jpg")), 90),
        std::runtime_error);
    EXPECT_FALSE(QFile::exists(PathOf(QStringLiteral("missing/card.jpg"))));
}

TEST(FakeWindow, GrabsExactlyItsSizeWithTheCaptionBarOnTop)
{
    tools::FakeWindow window(QStringLiteral("Окно"), {QStringLiteral("Файл")}, QSize(300, 200));
    const QImage shot = window.Grab();
    ASSERT_EQ(shot.size(), QSize(300, 200));
    const QColor caption = shot.pixelColor(150, 14);
    EXPECT_GT(caption.blue(), caption.red() + 100) << "the title bar is blue";
    const QColor client = shot.pixelColor(150, 120);
    EXPECT_GT(client.red(), 200) << "the client area is light";
}

TEST(FakeWindow, ComposedWindowCastsAShadowDownAndRight)
{
    QImage back(200, 160, QImage::Format_RGB32);
    back.fill(Qt::white);
    QImage front(100, 80, QImage::Format_RGB32);
    front.fill(QColor(0, 0, 200));
    const QImage composed = tools::ComposeWindows(back, front, QPoint(40, 30));
    EXPECT_EQ(composed.pixelColor(90, 70), QColor(0, 0, 200));
    EXPECT_LT(composed.pixelColor(143, 112).red(), 235) << "no shadow below the right corner";
    EXPECT_EQ(composed.pixelColor(36, 26), QColor(Qt::white)) << "shadow above the left corner";
}

TEST(GlyphDrawing, IsOpaqueRgbWithAnExactKeyAndNoBlendedMagenta)
{
    const QImage glyph = tools::DrawButtonGlyph(QSize(16, 15));
    ASSERT_EQ(glyph.size(), QSize(16, 15));
    EXPECT_FALSE(glyph.hasAlphaChannel());
    EXPECT_EQ(glyph.pixelColor(0, 14), QColor(255, 0, 255));
    int keyed = 0;
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor pixel = glyph.pixelColor(x, y);
            const bool key = pixel == QColor(255, 0, 255);
            keyed += key;
            EXPECT_TRUE(key || pixel.red() < 200 || pixel.green() > 150 || pixel.blue() < 200)
                << x << "," << y;
        }
    }
    // The disc covers most of the glyph but leaves the corners to the key colour.
    EXPECT_GT(keyed, 30);
    EXPECT_LT(keyed, 110);
}

TEST(IconDrawing, SameChipAtBothSizes)
{
    const QImage small = tools::DrawIcon(32);
    const QImage large =
        tools::DrawIcon(128).scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ASSERT_EQ(small.size(), QSize(32, 32));
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            differing += std::abs(qAlpha(small.pixel(x, y)) - qAlpha(large.pixel(x, y))) > 128;
    }
    EXPECT_LT(differing, 40) << "the two sizes show different shapes";
}

// The generator's files as they are committed in resources/pictures: each one drawn again
// must come out the same, so that a change of the drawing code without remaking the files
// (scripts/make-pictures.sh), or a file edited by hand, fails here.
class GeneratedFile : public testing::TestWithParam<QString> {
protected:
    // The file written into a fresh folder.
    QByteArray Generate() const
    {
        const QList<tools::GeneratedFile> files = tools::GeneratedFiles();
        const auto file = std::find_if(files.begin(), files.end(), [&](const auto &candidate) {
            return candidate.fileName == GetParam();
        });
        if (file == files.end())
            return {};
        QTemporaryDir folder;
        file->write(folder.filePath(GetParam()));
        return ReadAll(folder.filePath(GetParam()));
    }

    QImage Decoded(const QByteArray &data) const
    {
        if (GetParam().endsWith(QStringLiteral(".jpg")))
            return resources::DecodeJpeg(data);
        return QImage::fromData(data).convertToFormat(QImage::Format_ARGB32);
    }
};

QStringList GeneratedFileNames()
{
    QStringList names;
    for (const tools::GeneratedFile &file : tools::GeneratedFiles())
        names.push_back(file.fileName);
    return names;
}

int LargestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q)),
                                std::abs(qAlpha(p) - qAlpha(q))});
        }
    }
    return largest;
}

TEST_P(GeneratedFile, IsTheSameBytesEachTime)
{
    const QByteArray first = Generate();
    ASSERT_FALSE(first.isEmpty());
    EXPECT_EQ(first, Generate());
}

// Byte for byte on the machine that made the files; elsewhere the raster engine may round an
// edge pixel differently by a level or two, which no drawing change stays within.
TEST_P(GeneratedFile, ShowsWhatIsCommitted)
{
    const QByteArray drawn = Generate();
    const QDir folder(QStringLiteral(VARNELO_PICTURES_DIR));
    const QByteArray committed = ReadAll(folder.filePath(GetParam()));
    ASSERT_FALSE(committed.isEmpty()) << "not in resources/pictures";
    if (drawn == committed)
        return;
    const QImage drawnImage = Decoded(drawn), committedImage = Decoded(committed);
    ASSERT_EQ(drawnImage.size(), committedImage.size());
    EXPECT_LE(LargestDifference(drawnImage, committedImage), 8)
        << "the drawing differs from the committed file: run scripts/make-pictures.sh";
}

INSTANTIATE_TEST_SUITE_P(Generator, GeneratedFile, testing::ValuesIn(GeneratedFileNames()),
                         [](const testing::TestParamInfo<QString> &info) {
                             QString name = info.param.section(QLatin1Char('.'), 0, 0);
                             return name.remove(QLatin1Char('-')).toStdString();
                         });

TEST(GeneratedFiles, AreAllTheCommittedPictures)
{
    QStringList committed = QDir(QStringLiteral(VARNELO_PICTURES_DIR)).entryList(QDir::Files);
    QStringList generated = GeneratedFileNames();
    committed.sort();
    generated.sort();
    EXPECT_EQ(generated, committed);
}

} // namespace
