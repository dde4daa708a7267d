// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "referencepages.h"

#include "resources/jpegdecoder.h"
#include "resources/pictures.h"

#include <QScrollBar>
#include <QTest>

#include <algorithm>

namespace {

using resources::Picture;

enum class Ground { White, ButtonHighlight, ButtonFace };

// Every picture box, the page it lies on, the picture it shows with that picture's size, and
// the ground that shows where the picture does not cover the box.
struct ShownPicture {
    const char *image;
    PagePath page;
    Picture picture;
    QSize size;
    Ground ground;
};

const ShownPicture kPictures[] = {
    {"Image1", {0}, Picture::UnitPhoto, {220, 397}, Ground::ButtonFace},
    {"Image5", {1, 0}, Picture::Program1View1, {600, 493}, Ground::White},
    {"Image6", {1, 1}, Picture::Program1View2, {600, 496}, Ground::White},
    {"Image7", {1, 2}, Picture::Program1View3, {600, 494}, Ground::White},
    {"Image8", {1, 3}, Picture::Program1View4, {600, 494}, Ground::White},
    {"Image9", {2, 0}, Picture::Program2View1, {537, 380}, Ground::White},
    {"Image10", {2, 1}, Picture::Program2View2, {534, 380}, Ground::White},
    {"Image11", {2, 2}, Picture::Program2View3, {534, 380}, Ground::White},
    {"Image12", {2, 3}, Picture::Program2View4, {534, 380}, Ground::White},
    {"Image13", {2, 4}, Picture::Program2View5, {535, 380}, Ground::White},
    {"Image14", {3, 0}, Picture::Program3View1, {638, 360}, Ground::ButtonHighlight},
    {"Image15", {3, 1}, Picture::Program3View2, {640, 361}, Ground::ButtonHighlight},
    {"Image16", {3, 2}, Picture::Program3View3, {640, 387}, Ground::ButtonHighlight},
    {"Image17", {3, 3}, Picture::Program3View4, {640, 387}, Ground::ButtonHighlight},
    {"Image3", {4}, Picture::BookletCover, {350, 354}, Ground::White},
    {"Image2", {5}, Picture::DesignCourse, {357, 350}, Ground::White},
    {"Image4", {6}, Picture::HeatCourse, {350, 348}, Ground::White},
};

QColor ColourOf(Ground ground, const QWidget &control)
{
    switch (ground) {
    case Ground::White:
        return Qt::white;
    case Ground::ButtonHighlight:
        return control.palette().color(QPalette::Light);
    case Ground::ButtonFace:
        break;
    }
    return control.palette().color(QPalette::Button);
}

QList<PictureBox *> DecodedBoxes(TForm1 &form)
{
    QList<PictureBox *> decoded;
    for (PictureBox *box : form.findChildren<PictureBox *>()) {
        if (box->IsDecoded())
            decoded << box;
    }
    return decoded;
}

class ReferencePicturesTest : public GuiTest {};

TEST_F(ReferencePicturesTest, EveryBoxShowsItsBuiltInPictureUnscaledAtTheTopLeft)
{
    for (const ShownPicture &row : kPictures) {
        ShowPage(Form(), row.page);
        auto *box = Find<PictureBox>(Form(), row.image);
        ASSERT_NE(box, nullptr) << row.image;
        EXPECT_EQ(box->PictureSize(), row.size) << row.image;
        const QImage picture = resources::LoadPicture(row.picture);
        ASSERT_EQ(picture.size(), row.size) << row.image;

        // What the box's holder shows within the box: the picture from the top-left corner,
        // cut by the box, and the holder's ground where the picture does not reach.
        const QImage seen = Seen(box->parentWidget(), box->geometry());
        const QRect covered = QRect(QPoint(0, 0), row.size) & box->rect();
        EXPECT_TRUE(SamePixels(seen.copy(covered), picture.copy(covered))) << row.image;
        const QColor ground = ColourOf(row.ground, *box->parentWidget());
        if (covered.right() < box->rect().right()) {
            const QRect right(covered.right() + 1, 0, box->width() - covered.width(), box->height());
            EXPECT_TRUE(AllOfColour(seen, right, ground)) << row.image << " right of the picture";
        }
        if (covered.bottom() < box->rect().bottom()) {
            const QRect below(0, covered.bottom() + 1, box->width(), box->height() - covered.height());
            EXPECT_TRUE(AllOfColour(seen, below, ground)) << row.image << " under the picture";
        }
    }
}

// A box lower than its picture hides the bottom rows: where they would be, the user sees the
// ground, although the picture has something else to show there.
struct CutPicture {
    const char *image;
    PagePath page;
    Picture picture;
    int rowsShown;
    int rowsCut;
};

const CutPicture kCutPictures[] = {
    {"Image10", {2, 1}, Picture::Program2View2, 377, 3},
    {"Image12", {2, 3}, Picture::Program2View4, 377, 3},
    {"Image13", {2, 4}, Picture::Program2View5, 377, 3},
    {"Image16", {3, 2}, Picture::Program3View3, 385, 2},
    {"Image2", {5}, Picture::DesignCourse, 345, 5},
};

TEST_F(ReferencePicturesTest, LowBoxesCutTheBottomRowsOfTheirPictures)
{
    int visiblyCut = 0;
    for (const CutPicture &row : kCutPictures) {
        ShowPage(Form(), row.page);
        auto *box = Find<PictureBox>(Form(), row.image);
        ASSERT_NE(box, nullptr) << row.image;
        EXPECT_EQ(box->height(), row.rowsShown) << row.image;
        EXPECT_EQ(box->PictureSize().height(), row.rowsShown + row.rowsCut) << row.image;

        // Under a box in a scroll box lies the scroll box's view, around the scrolled area.
        QWidget *surface = box->parentWidget();
        if (auto *scrollBox = qobject_cast<ScrollBox *>(surface->parentWidget()->parentWidget()))
            surface = scrollBox->viewport();
        const int width = box->PictureSize().width();
        const QRect cutRows(box->mapTo(surface, QPoint(0, row.rowsShown)), QSize(width, row.rowsCut));
        ASSERT_LE(cutRows.bottom(), surface->height() - 1) << row.image;
        const QImage seen = Seen(surface, cutRows);
        const QColor ground = ColourOf(Ground::White, *surface);
        EXPECT_TRUE(AllOfColour(seen, seen.rect(), ground)) << row.image;
        const QImage hidden = resources::LoadPicture(row.picture).copy(0, row.rowsShown, width, row.rowsCut);
        if (!AllOfColour(hidden, hidden.rect(), ground))
            ++visiblyCut;  // (the design course ends in white rows: there the cut shows nothing)
    }
    EXPECT_GE(visiblyCut, 4) << "too few pictures whose cut would show";
}

// Each "Вид" page of "Программа": a vertical bar only; at the end of the range the bottom of
// the picture box meets the bottom of the view, with the box's empty white under the picture.
struct TallView {
    const char *scrollBox;
    const char *image;
    PagePath page;
    int whiteRows;
};

const TallView kTallViews[] = {
    {"ScrollBox2", "Image5", {1, 0}, 107},
    {"ScrollBox3", "Image6", {1, 1}, 104},
    {"ScrollBox4", "Image7", {1, 2}, 106},
    {"ScrollBox5", "Image8", {1, 3}, 106},
};

TEST_F(ReferencePicturesTest, ProgramViewsScrollDownToWhiteUnderThePicture)
{
    for (const TallView &row : kTallViews) {
        ShowPage(Form(), row.page);
        auto *box = Find<ScrollBox>(Form(), row.scrollBox);
        auto *image = Find<PictureBox>(Form(), row.image);
        ASSERT_TRUE(box && image) << row.scrollBox;
        EXPECT_TRUE(box->verticalScrollBar()->isVisible()) << row.scrollBox;
        EXPECT_FALSE(box->horizontalScrollBar()->isVisible()) << row.scrollBox;

        QScrollBar *bar = box->verticalScrollBar();
        bar->setValue(bar->maximum() + 100);  // clamped to the end
        QCoreApplication::processEvents();
        QWidget *view = box->viewport();
        EXPECT_EQ(image->mapTo(view, QPoint(0, image->height())).y(), view->height()) << row.scrollBox;
        const int pictureBottom = image->mapTo(view, QPoint(0, image->PictureSize().height())).y();
        EXPECT_EQ(view->height() - pictureBottom, row.whiteRows) << row.scrollBox;
        EXPECT_TRUE(row.whiteRows >= 104 && row.whiteRows <= 107);
        const QImage seen = Seen(view, view->rect());
        const QRect white(image->mapTo(view, QPoint(0, 0)).x(), pictureBottom, image->width(),
                          row.whiteRows);
        EXPECT_TRUE(AllOfColour(seen, white, Qt::white)) << row.scrollBox;
        EXPECT_FALSE(AllOfColour(seen, white.translated(0, -row.whiteRows), Qt::white))
            << row.scrollBox << ": no picture above the white";
    }
}

TEST_F(ReferencePicturesTest, FirstViewOfProgram2ScrollsSlightlyBothWays)
{
    ShowPage(Form(), {2, 0});
    auto *box = Find<ScrollBox>(Form(), "ScrollBox6");
    ASSERT_NE(box, nullptr);
    QScrollBar *across = box->horizontalScrollBar();
    QScrollBar *down = box->verticalScrollBar();
    EXPECT_TRUE(across->isVisible());
    EXPECT_TRUE(down->isVisible());
    // The box reaches 681 across and 409 down; the view is what the border and the bars leave.
    EXPECT_EQ(across->maximum(), 681 - box->viewport()->width());
    EXPECT_EQ(down->maximum(), 409 - box->viewport()->height());
    EXPECT_GT(across->maximum(), 0);
    EXPECT_LE(across->maximum(), 40);
    EXPECT_GT(down->maximum(), 0);
    EXPECT_LE(down->maximum(), 40);
}

TEST_F(ReferencePicturesTest, OtherViewsShowNoScrollBar)
{
    const std::pair<const char *, PagePath> views[] = {
        {"ScrollBox7", {2, 1}},  {"ScrollBox8", {2, 2}},  {"ScrollBox9", {2, 3}},
        {"ScrollBox10", {2, 4}}, {"ScrollBox11", {3, 0}}, {"ScrollBox12", {3, 1}},
        {"ScrollBox13", {3, 2}}, {"ScrollBox14", {3, 3}}, {"ScrollBox15", {3, 4}},
    };
    for (const auto &[name, page] : views) {
        ShowPage(Form(), page);
        auto *box = Find<ScrollBox>(Form(), name);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_TRUE(box->isVisible()) << name;
        EXPECT_FALSE(box->horizontalScrollBar()->isVisible()) << name;
        EXPECT_FALSE(box->verticalScrollBar()->isVisible()) << name;
        EXPECT_EQ(box->horizontalScrollBar()->maximum(), 0) << name;
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0) << name;
    }
}

TEST_F(ReferencePicturesTest, OnlyThePhotographIsDecodedAtStartUp)
{
    const QList<PictureBox *> decoded = DecodedBoxes(Form());
    ASSERT_EQ(decoded.size(), 1);
    EXPECT_EQ(decoded[0], Page().Image1);
    EXPECT_EQ(Form().findChildren<PictureBox *>().size(), 17);
}

TEST_F(ReferencePicturesTest, EachPictureIsDecodedWhenItsPageIsFirstShown)
{
    qsizetype decodedBefore = DecodedBoxes(Form()).size();
    for (const ShownPicture &row : kPictures) {
        if (QLatin1String(row.image) == QLatin1String("Image1"))
            continue;
        auto *box = Find<PictureBox>(Form(), row.image);
        ASSERT_NE(box, nullptr) << row.image;
        EXPECT_FALSE(box->IsDecoded()) << row.image << " before its page was shown";
        ShowPage(Form(), row.page);
        EXPECT_TRUE(box->IsDecoded()) << row.image;
        EXPECT_EQ(DecodedBoxes(Form()).size(), ++decodedBefore) << "showing " << row.image;
    }
    ShowPage(Form(), {0});
    ShowPage(Form(), {1, 0});
    EXPECT_EQ(DecodedBoxes(Form()).size(), decodedBefore);
}

// A damaged picture (here the built-in file cut short) is reported once, through the error
// report, and leaves its box empty; the program goes on.
TEST_F(ReferencePicturesTest, DamagedPictureIsReportedOnceAndLeavesTheBoxEmpty)
{
    QWidget page(&Form(), Qt::Window);
    page.resize(400, 400);
    auto *box = new PictureBox(&page, QStringLiteral("Damaged"), [] {
        return resources::DecodeJpeg(resources::PictureData(Picture::HeatCourse).left(4000));
    });
    box->setGeometry(0, 0, 350, 348);
    ExpectErrorReport();
    page.show();
    QTest::qWait(50);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].icon, QMessageBox::Critical);
    EXPECT_FALSE(reports[0].text.isEmpty());
    EXPECT_FALSE(box->IsDecoded());
    EXPECT_TRUE(box->PictureSize().isEmpty());
    page.hide();
    page.show();
    QTest::qWait(50);
    EXPECT_EQ(reports.size(), 1u) << "reported again";
    EXPECT_TRUE(Page().Image1->IsDecoded());
}

TEST_F(ReferencePicturesTest, WheelOverAGalleryMovesTheFrameNotTheView)
{
    Form().resize(Form().width(), Form().height() - 200);
    ShowPage(Form(), {1, 0});
    QScrollBar *frame = Form().ScrollBox1->verticalScrollBar();
    auto *box = Find<ScrollBox>(Form(), "ScrollBox2");
    ASSERT_NE(box, nullptr);
    ASSERT_GT(box->verticalScrollBar()->maximum(), 0);
    SendWheel(box->viewport(), kWheelDown);
    EXPECT_EQ(frame->value(), 5);
    SendWheel(Find(Form(), "Image5"), kWheelDown);
    EXPECT_EQ(frame->value(), 10);
    SendWheel(box->verticalScrollBar(), kWheelDown);
    EXPECT_EQ(frame->value(), 15);
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    EXPECT_EQ(box->horizontalScrollBar()->value(), 0);
}

TEST_F(ReferencePicturesTest, PicturesTakeNoInputAndKeepTheCursor)
{
    for (const ShownPicture &row : kPictures) {
        ShowPage(Form(), row.page);
        auto *box = Find<PictureBox>(Form(), row.image);
        ASSERT_NE(box, nullptr) << row.image;
        EXPECT_EQ(box->focusPolicy(), Qt::NoFocus) << row.image;
        EXPECT_FALSE(box->testAttribute(Qt::WA_SetCursor)) << row.image;
        // The pointer over the picture is over what lies under it, with the arrow cursor.
        const QPoint middle = box->mapTo(&Form(), box->rect().center());
        QWidget *pointed = Form().childAt(middle);
        ASSERT_NE(pointed, nullptr) << row.image;
        EXPECT_NE(pointed, box) << row.image;
        EXPECT_EQ(pointed->cursor().shape(), Qt::ArrowCursor) << row.image;
    }
}

// The photograph of the calculator page: the glyph of "Рассчитать!" stands left of the
// caption, 4 pixels apart, the two centred together, the magenta ground nowhere to be seen.
TEST_F(ReferencePicturesTest, ButtonShowsItsGlyphLeftOfTheCaption)
{
    PushButton *button = Page().BitBtn1;
    ASSERT_FALSE(button->Glyph().isNull());
    EXPECT_EQ(button->Glyph().size(), QSize(16, 15));
    const QImage seen = Seen(button, button->rect());
    const auto green = [](const QColor &pixel) {
        return pixel.green() > pixel.red() + 40 && pixel.green() > pixel.blue() + 40;
    };
    // The disc does not reach the glyph's left edge: how far in it starts.
    const QImage glyph = resources::ButtonGlyph().toImage();
    int discInset = glyph.width();
    for (int y = 0; y < glyph.height(); ++y) {
        for (int x = 0; x < glyph.width(); ++x) {
            if (glyph.pixelColor(x, y).alpha() == 255 && green(glyph.pixelColor(x, y)))
                discInset = std::min(discInset, x);
        }
    }
    int glyphLeft = seen.width(), glyphRight = -1, textLeft = seen.width(), textRight = -1;
    for (int y = 3; y < seen.height() - 3; ++y) {
        for (int x = 3; x < seen.width() - 3; ++x) {
            const QColor pixel = seen.pixelColor(x, y);
            EXPECT_FALSE(pixel.red() > 200 && pixel.blue() > 200 && pixel.green() < 80)
                << "magenta at " << x << ',' << y;
            if (green(pixel)) {
                glyphLeft = std::min(glyphLeft, x);
                glyphRight = std::max(glyphRight, x);
            } else if (pixel.lightness() < 90 && x > glyphRight + 1) {
                textLeft = std::min(textLeft, x);
                textRight = std::max(textRight, x);
            }
        }
    }
    ASSERT_GE(glyphRight, 0) << "no glyph";
    ASSERT_GE(textRight, 0) << "no caption";
    EXPECT_LE(glyphRight - glyphLeft + 1, 16);
    EXPECT_GE(glyphRight - glyphLeft + 1, 12);
    glyphLeft -= discInset;
    // 4 pixels, and the first letter's own side bearing of a pixel or so.
    const int gap = textLeft - (glyphLeft + 16);
    EXPECT_GE(gap, 4);
    EXPECT_LE(gap, 6);
    EXPECT_LE(std::abs(glyphLeft - (seen.width() - 1 - textRight)), 4) << "not centred together";
}

TEST_F(ReferencePicturesTest, BothWindowsCarryTheProgramIcon)
{
    const QImage icon = resources::ApplicationIcon().pixmap(QSize(32, 32)).toImage();
    ASSERT_FALSE(icon.isNull());
    for (QWidget *window : {static_cast<QWidget *>(&Form()), static_cast<QWidget *>(&Notice())}) {
        const QIcon shown = window->windowIcon();
        EXPECT_TRUE(shown.availableSizes().contains(QSize(32, 32))) << window->objectName().toStdString();
        EXPECT_EQ(shown.pixmap(QSize(32, 32)).toImage(), icon) << window->objectName().toStdString();
    }
}

} // namespace
