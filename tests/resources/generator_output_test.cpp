// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpegfile.h"

#include "resources/jpegdecoder.h"
#include "tools/catalogue.h"
#include "tools/fakewindow.h"
#include "tools/glyphs.h"
#include "tools/jpegwriter.h"
#include "tools/picturecheck.h"

#include <QDir>
#include <QFile>
#include <QHash>
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

const QString &ThisMachinesToolchain()
{
    static const QString toolchain = tools::DrawingToolchain();
    return toolchain;
}

// Byte for byte with the toolchain that made the files, give or take a level or two where the
// raster engine rounds an edge pixel differently on another processor; no drawing change stays
// within that. Another Qt, JPEG library or face draws other pixels: there only the likeness
// below is judged.
TEST_P(GeneratedFile, ShowsWhatIsCommitted)
{
    const QString recorded = tools::RecordedToolchain(QStringLiteral(VARNELO_PICTURES_TOOLCHAIN));
    ASSERT_FALSE(recorded.isEmpty()) << "no toolchain recorded in " VARNELO_PICTURES_TOOLCHAIN;
    if (ThisMachinesToolchain() != recorded)
        GTEST_SKIP() << "the committed pictures were drawn with " << recorded.toStdString()
                     << "; this machine draws with " << ThisMachinesToolchain().toStdString()
                     << ", whose pixels differ: only their likeness is judged here";
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

// On every machine: the same picture, whatever anti-aliasing and text rendering this Qt has.
TEST_P(GeneratedFile, LooksLikeWhatIsCommitted)
{
    const QImage drawn = Decoded(Generate());
    const QImage committed = Decoded(ReadAll(QDir(QStringLiteral(VARNELO_PICTURES_DIR)).filePath(GetParam())));
    ASSERT_FALSE(committed.isNull()) << "not in resources/pictures";
    ASSERT_EQ(drawn.size(), committed.size());
    EXPECT_LE(tools::PatchDifference(drawn, committed), tools::kPatchTolerance)
        << "the drawing shows another picture than the committed file";
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

// A wrong picture made of this machine's own drawing of one picture: the likeness above must
// catch each, on every Qt, or it would pass a drawing that has lost its way.
QImage WithoutItsBusiestPart(const QImage &picture)
{
    const QSize part = picture.size() / 4;
    QRect busiest;
    double mostContrast = -1;
    for (int y = 0; y + part.height() <= picture.height(); y += part.height() / 4) {
        for (int x = 0; x + part.width() <= picture.width(); x += part.width() / 4) {
            double sum = 0, squares = 0;
            for (int v = y; v < y + part.height(); ++v)
                for (int u = x; u < x + part.width(); ++u) {
                    const double grey = qGray(picture.pixel(u, v));
                    sum += grey, squares += grey * grey;
                }
            const double count = part.width() * part.height();
            const double contrast = squares / count - (sum / count) * (sum / count);
            if (contrast > mostContrast)
                mostContrast = contrast, busiest = QRect(QPoint(x, y), part);
        }
    }
    // Left undrawn: the part takes its commonest colour, its background.
    QHash<QRgb, int> counts;
    for (int v = busiest.top(); v <= busiest.bottom(); ++v)
        for (int u = busiest.left(); u <= busiest.right(); ++u)
            ++counts[picture.pixel(u, v)];
    const auto background = std::max_element(counts.cbegin(), counts.cend());
    QImage wrong = picture.convertToFormat(QImage::Format_ARGB32);
    QPainter(&wrong).fillRect(busiest, QColor::fromRgba(background.key()));
    return wrong;
}

QImage AnotherSceneOfTheSameSize(const QString &fileName, QSize size)
{
    // The first picture of another subject: the files of one subject share the part of their
    // name before the first "-" (program1-view1 …).
    const QString subject = fileName.section(QLatin1Char('-'), 0, 0);
    for (const resources::PictureFile &other : resources::kPictureFiles) {
        const QString name = QString::fromLatin1(other.fileName.data(), int(other.fileName.size()));
        if (name.section(QLatin1Char('-'), 0, 0) == subject)
            continue;
        QImage scene(size, QImage::Format_ARGB32);
        scene.fill(Qt::white);
        QPainter(&scene).drawImage(0, 0, QImage(QDir(QStringLiteral(VARNELO_PICTURES_DIR)).filePath(name)));
        return scene;
    }
    return {};
}

class WrongPicture : public GeneratedFile {};

TEST_P(WrongPicture, IsToldApartFromTheCommittedFile)
{
    const QImage drawn = Decoded(Generate());
    ASSERT_FALSE(drawn.isNull());
    const QImage missingPart = WithoutItsBusiestPart(drawn);
    const QImage anotherScene = AnotherSceneOfTheSameSize(GetParam(), drawn.size());
    const QImage anotherSize = drawn.copy(0, 0, drawn.width() - 1, drawn.height());
    EXPECT_GT(tools::PatchDifference(missingPart, drawn), tools::kPatchTolerance) << "a missing part";
    EXPECT_GT(tools::PatchDifference(anotherScene, drawn), tools::kPatchTolerance) << "another scene";
    EXPECT_GT(tools::PatchDifference(anotherSize, drawn), tools::kPatchTolerance) << "another size";
}

QStringList PictureFileNames()
{
    QStringList names;
    for (const resources::PictureFile &file : resources::kPictureFiles)
        names << QString::fromLatin1(file.fileName.data(), int(file.fileName.size()));
    return names;
}

INSTANTIATE_TEST_SUITE_P(Likeness, WrongPicture, testing::ValuesIn(PictureFileNames()),
                         [](const testing::TestParamInfo<QString> &info) {
                             QString name = info.param.section(QLatin1Char('.'), 0, 0);
                             return name.remove(QLatin1Char('-')).toStdString();
                         });

} // namespace
