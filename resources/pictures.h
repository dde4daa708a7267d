// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

#include <array>
#include <cstddef>
#include <string_view>

namespace resources {

// The built-in JPEG pictures: the unit's photograph on the calculator page, the gallery views
// and the three pictures of teaching material.
enum class Picture {
    UnitPhoto,
    Program1View1,
    Program1View2,
    Program1View3,
    Program1View4,
    Program2View1,
    Program2View2,
    Program2View3,
    Program2View4,
    Program2View5,
    Program3View1,
    Program3View2,
    Program3View3,
    Program3View4,
    BookletCover,
    DesignCourse,
    HeatCourse,
};

struct PictureFile {
    Picture picture;
    std::string_view fileName;  // inside resources/pictures/, also its name in the resource
    int width;
    int height;
};

// File name and pixel size of every picture, in the order of Picture. The page layouts are
// built around these sizes; the picture generator draws to them and the tests hold the files
// to them.
inline constexpr std::array<PictureFile, 17> kPictureFiles{{
    {Picture::UnitPhoto, "unit-photo.jpg", 220, 397},
    {Picture::Program1View1, "program1-view1.jpg", 600, 493},
    {Picture::Program1View2, "program1-view2.jpg", 600, 496},
    {Picture::Program1View3, "program1-view3.jpg", 600, 494},
    {Picture::Program1View4, "program1-view4.jpg", 600, 494},
    {Picture::Program2View1, "program2-view1.jpg", 537, 380},
    {Picture::Program2View2, "program2-view2.jpg", 534, 380},
    {Picture::Program2View3, "program2-view3.jpg", 534, 380},
    {Picture::Program2View4, "program2-view4.jpg", 534, 380},
    {Picture::Program2View5, "program2-view5.jpg", 535, 380},
    {Picture::Program3View1, "program3-view1.jpg", 638, 360},
    {Picture::Program3View2, "program3-view2.jpg", 640, 361},
    {Picture::Program3View3, "program3-view3.jpg", 640, 387},
    {Picture::Program3View4, "program3-view4.jpg", 640, 387},
    {Picture::BookletCover, "booklet-cover.jpg", 350, 354},
    {Picture::DesignCourse, "design-course.jpg", 357, 350},
    {Picture::HeatCourse, "heat-course.jpg", 350, 348},
}};

namespace detail {
constexpr bool TableFollowsPictureOrder()
{
    for (std::size_t i = 0; i < kPictureFiles.size(); ++i) {
        if (kPictureFiles[i].picture != static_cast<Picture>(i))
            return false;
    }
    return true;
}
} // namespace detail
static_assert(detail::TableFollowsPictureOrder(), "kPictureFiles must list the pictures in the order of Picture");

inline constexpr std::string_view kButtonGlyphFile = "calculate-glyph.bmp";
inline constexpr QSize kButtonGlyphSize{16, 15};
inline constexpr std::string_view kIconFile = "icon-32.png";
inline constexpr std::string_view kLargeIconFile = "icon-128.png";  // for the desktop install
inline constexpr QSize kIconSize{32, 32};
inline constexpr QSize kLargeIconSize{128, 128};

constexpr const PictureFile &PictureEntry(Picture picture)
{
    return kPictureFiles[static_cast<std::size_t>(picture)];
}

constexpr QSize PictureSize(Picture picture)
{
    return {PictureEntry(picture).width, PictureEntry(picture).height};
}

// The picture's JPEG file exactly as built in (the bytes are not copied).
QByteArray PictureData(Picture picture);

// Decodes the built-in picture with DecodeJpeg. Throws JpegError only if the built-in data
// were damaged, which the build's own tests rule out.
QImage LoadPicture(Picture picture);

// The 16 x 15 glyph of the "Рассчитать!" button; its background, the colour of the bottom-left
// pixel, is transparent. Needs a QGuiApplication.
QPixmap ButtonGlyph();

// The program's icon for both windows (32 x 32, with a 128 x 128 version for large views).
QIcon ApplicationIcon();

} // namespace resources
