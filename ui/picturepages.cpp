// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picturepages.h"

#include "resources/pictures.h"
#include "ui/controls.h"
#include "ui/linklabel.h"
#include "ui/picturebox.h"

namespace {

using resources::Picture;

constexpr int kPictureLinkPixels = 24;

// Placements within the page's panel: the picture box (at; box size) and the box the layout
// gives the label's centred caption.
struct PicturePage {
    const char *panel;
    const char *image;
    Picture picture;
    QRect imageBox;
    const char *label;
    QRect labelBox;
};

constexpr PicturePage kBookletPage{
    "Panel6", "Image3", Picture::BookletCover, {152, 16, 377, 361}, "Label16", {104, 384, 463, 29}};
// The box is 345 rows high: the bottom 5 rows of the 350-row picture are cut off.
constexpr PicturePage kDesignCoursePage{
    "Panel5", "Image2", Picture::DesignCourse, {128, 32, 393, 345}, "Label15", {120, 384, 465, 29}};
constexpr PicturePage kHeatCoursePage{
    "Panel8", "Image4", Picture::HeatCourse, {152, 24, 401, 353}, "Label17", {120, 384, 463, 29}};

LinkLabel *FillPicturePage(QWidget &page, const PicturePage &layout, const QString &address)
{
    auto *panel = new Panel(&page, QString::fromLatin1(layout.panel));
    panel->SetColour(Qt::white);
    panel->setGeometry(page.rect());
    auto *image = new PictureBox(panel, QString::fromLatin1(layout.image), layout.picture);
    image->setGeometry(layout.imageBox);
    auto *label = new LinkLabel(panel, QString::fromLatin1(layout.label), address,
                                kPictureLinkPixels);
    label->PlaceIn(layout.labelBox, Qt::AlignHCenter);
    return label;
}

} // namespace

LinkLabel *FillBookletPage(QWidget &tabSheet3, const QString &address)
{
    return FillPicturePage(tabSheet3, kBookletPage, address);
}

LinkLabel *FillDesignCoursePage(QWidget &tabSheet2, const QString &address)
{
    return FillPicturePage(tabSheet2, kDesignCoursePage, address);
}

LinkLabel *FillHeatCoursePage(QWidget &tabSheet4, const QString &address)
{
    return FillPicturePage(tabSheet4, kHeatCoursePage, address);
}
