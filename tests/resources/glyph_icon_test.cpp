// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/pictures.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

bool IsMagentaLike(const QColor &colour)
{
    return colour.red() > 180 && colour.blue() > 180 && colour.green() < 100;
}

TEST(ButtonGlyph, FileIsA24BitBitmapOnMagenta)
{
    QFile file(QStringLiteral(VARNELO_PICTURES_DIR "/calculate-glyph.bmp"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "bits per pixel";
    const QImage image = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(image.size(), QSize(16, 15));
    EXPECT_EQ(image.pixelColor(0, 14), QColor(255, 0, 255));
}

TEST(ButtonGlyph, ShowsAGreenDiscWithAWhiteArrowAndNothingElse)
{
    const QImage glyph = resources::ButtonGlyph().toImage();
    ASSERT_EQ(glyph.size(), QSize(16, 15));
    for (const QPoint corner : {QPoint(0, 14), QPoint(0, 0), QPoint(15, 0), QPoint(15, 14)})
        EXPECT_EQ(glyph.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
    const QColor disc = glyph.pixelColor(5, 3);
    EXPECT_EQ(disc.alpha(), 255);
    EXPECT_GT(disc.green(), disc.red() + 40);
    EXPECT_GT(disc.green(), disc.blue() + 40);
    const QColor arrow = glyph.pixelColor(6, 7);
    EXPECT_EQ(arrow.alpha(), 255);
    EXPECT_GT(std::min({arrow.red(), arrow.green(), arrow.blue()}), 220);
}

TEST(ButtonGlyph, LeavesNoMagentaFringe)
{
    const QImage glyph = resources::ButtonGlyph().toImage();
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            const QColor pixel = glyph.pixelColor(x, y);
            EXPECT_TRUE(pixel.alpha() == 0 || !IsMagentaLike(pixel)) << x << "," << y;
        }
    }
}

TEST(ApplicationIcon, IsABlackChipWithYellowPinsOnTransparency)
{
    const QIcon icon = resources::ApplicationIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = icon.pixmap(QSize(32, 32)).toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    for (const QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(image.pixelColor(corner).alpha(), 0) << corner.x() << "," << corner.y();
    const QColor centre = image.pixelColor(16, 16);
    EXPECT_EQ(centre.alpha(), 255);
    EXPECT_LT(std::max({centre.red(), centre.green(), centre.blue()}), 60);
    int yellow = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            yellow += pixel.alpha() == 255 && pixel.red() > 200 && pixel.green() > 150 && pixel.blue() < 90;
        }
    }
    EXPECT_GT(yellow, 12);
}

TEST(ApplicationIcon, OffersThe32And128PixelDrawings)
{
    const QList<QSize> sizes = resources::ApplicationIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(32, 32)));
    EXPECT_TRUE(sizes.contains(QSize(128, 128)));
}

} // namespace
