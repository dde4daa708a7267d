// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/galleries.h"

#include "resources/pictures.h"
#include "ui/controls.h"
#include "ui/linklabel.h"
#include "ui/picturebox.h"
#include "ui/tabset.h"

#include <span>

namespace {

using resources::Picture;

constexpr int kGalleryLinkPixels = 19;

// One "Вид" page: its tab, and its scroll box filling the page and holding one picture box,
// placed within the scroll box's area (at; box size).
struct ViewPage {
    const char *tabSheet;
    const char *caption;
    const char *scrollBox;
    const char *image;
    Picture picture;
    QRect imageBox;
};

// The boxes reach down to 616, far below the page, so each of these pages scrolls.
constexpr ViewPage kProgramViews[] = {
    {"TabSheet6", "Вид 1", "ScrollBox2", "Image5", Picture::Program1View1, {16, 16, 625, 600}},
    {"TabSheet7", "Вид 2", "ScrollBox3", "Image6", Picture::Program1View2, {16, 16, 609, 600}},
    {"TabSheet8", "Вид 3", "ScrollBox4", "Image7", Picture::Program1View3, {16, 16, 625, 600}},
    {"TabSheet9", "Вид 4", "ScrollBox5", "Image8", Picture::Program1View4, {16, 16, 625, 600}},
};

// The first box reaches 681 across, a little beyond its page; the boxes of 377 rows cut the
// bottom 3 rows of their 380-row pictures.
constexpr ViewPage kProgram2Views[] = {
    {"TabSheet12", "Вид 1", "ScrollBox6", "Image9", Picture::Program2View1, {16, 8, 665, 401}},
    {"TabSheet13", "Вид 2", "ScrollBox7", "Image10", Picture::Program2View2, {16, 16, 641, 377}},
    {"TabSheet14", "Вид 3", "ScrollBox8", "Image11", Picture::Program2View3, {16, 16, 641, 385}},
    {"TabSheet15", "Вид 4", "ScrollBox9", "Image12", Picture::Program2View4, {16, 16, 641, 377}},
    {"TabSheet16", "Вид 5", "ScrollBox10", "Image13", Picture::Program2View5, {24, 16, 633, 377}},
};

constexpr ViewPage kProgram3Views[] = {
    {"TabSheet19", "Вид 1", "ScrollBox11", "Image14", Picture::Program3View1, {8, 8, 665, 393}},
    {"TabSheet20", "Вид 2", "ScrollBox12", "Image15", Picture::Program3View2, {8, 8, 665, 401}},
    {"TabSheet21", "Вид 3", "ScrollBox13", "Image16", Picture::Program3View3, {8, 8, 657, 385}},
    {"TabSheet22", "Вид 4", "ScrollBox14", "Image17", Picture::Program3View4, {8, 8, 665, 393}},
};

// The link pages: the label's holder and the box the layout gives the label within it.
constexpr int kPanel9Height = 81;  // docked at the top of TabSheet10
constexpr QRect kLabel18{176, 32, 292, 23};
constexpr QRect kPanel10{8, 8, 665, 105};
constexpr QRect kLabel19{168, 40, 338, 23};
constexpr QRect kLabel20{48, 88, 587, 23};

// Adds one page to the tab set for each view, in the table's order.
void AddViews(TabSet &tabSet, std::span<const ViewPage> views, const QColor &colour)
{
    for (const ViewPage &view : views) {
        QWidget *page = tabSet.AddPage(QString::fromLatin1(view.tabSheet),
                                       QString::fromUtf8(view.caption));
        auto *box = new ScrollBox(page, QString::fromLatin1(view.scrollBox));
        box->setGeometry(page->rect());
        QWidget *area = box->FixedArea(colour);
        auto *image = new PictureBox(area, QString::fromLatin1(view.image), view.picture);
        image->setGeometry(view.imageBox);
        box->FitFixedArea();
    }
}

Panel *WhitePanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *panel = new Panel(parent, QString::fromLatin1(name));
    panel->SetColour(Qt::white);
    panel->setGeometry(geometry);
    return panel;
}

LinkLabel *GalleryLink(QWidget *holder, const char *name, const QString &address,
                       const QRect &layoutBox, Qt::Alignment alignment)
{
    auto *label = new LinkLabel(holder, QString::fromLatin1(name), address, kGalleryLinkPixels);
    label->PlaceIn(layoutBox, alignment);
    return label;
}

} // namespace

LinkLabel *FillProgramGallery(TabSet &pageControl2, const QString &address)
{
    AddViews(pageControl2, kProgramViews, Qt::white);
    QWidget *page = pageControl2.AddPage(QStringLiteral("TabSheet10"),
                                         QStringLiteral("Подробнее о программе"));
    Panel *strip = WhitePanel(page, "Panel9", QRect(0, 0, page->width(), kPanel9Height));
    return GalleryLink(strip, "Label18", address, kLabel18, Qt::AlignLeft);
}

LinkLabel *FillProgram2Gallery(TabSet &pageControl3, const QString &address)
{
    AddViews(pageControl3, kProgram2Views, Qt::white);
    QWidget *page = pageControl3.AddPage(QStringLiteral("TabSheet17"),
                                         QStringLiteral("Подробнее о программе"));
    Panel *panel = WhitePanel(page, "Panel10", kPanel10);
    return GalleryLink(panel, "Label19", address, kLabel19, Qt::AlignLeft);
}

LinkLabel *FillProgram3Gallery(TabSet &pageControl4, const QString &address)
{
    const QColor buttonHighlight = pageControl4.palette().color(QPalette::Light);
    AddViews(pageControl4, kProgram3Views, buttonHighlight);
    QWidget *page = pageControl4.AddPage(QStringLiteral("TabSheet23"), QStringLiteral("Подробнее"));
    auto *box = new ScrollBox(page, QStringLiteral("ScrollBox15"));
    box->setGeometry(page->rect());
    QWidget *area = box->FixedArea(buttonHighlight);
    LinkLabel *label = GalleryLink(area, "Label20", address, kLabel20, Qt::AlignHCenter);
    // On a ground of its own, the caption-text colour (white in the usual colour schemes).
    label->SetGround(QPalette::HighlightedText);
    box->FitFixedArea();
    return label;
}
