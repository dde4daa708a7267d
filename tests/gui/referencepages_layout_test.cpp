// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "referencepages.h"

#include "ui/contrast.h"

#include <QFontInfo>
#include <QScrollBar>

namespace {

// Every control of the six reference pages: its rectangle within the control that holds it
// in the layout (for a scroll box, within its scrolled area), on the page where it lies.
struct Placement {
    const char *name;
    const char *holder;
    PagePath page;
    QRect rect;
};

const Placement kPlacements[] = {
    {"ScrollBox2", "TabSheet6", {1, 0}, {0, 0, 679, 415}},
    {"Image5", "ScrollBox2", {1, 0}, {16, 16, 625, 600}},
    {"ScrollBox3", "TabSheet7", {1, 1}, {0, 0, 679, 415}},
    {"Image6", "ScrollBox3", {1, 1}, {16, 16, 609, 600}},
    {"ScrollBox4", "TabSheet8", {1, 2}, {0, 0, 679, 415}},
    {"Image7", "ScrollBox4", {1, 2}, {16, 16, 625, 600}},
    {"ScrollBox5", "TabSheet9", {1, 3}, {0, 0, 679, 415}},
    {"Image8", "ScrollBox5", {1, 3}, {16, 16, 625, 600}},
    {"Panel9", "TabSheet10", {1, 4}, {0, 0, 679, 81}},
    {"ScrollBox6", "TabSheet12", {2, 0}, {0, 0, 679, 415}},
    {"Image9", "ScrollBox6", {2, 0}, {16, 8, 665, 401}},
    {"ScrollBox7", "TabSheet13", {2, 1}, {0, 0, 679, 415}},
    {"Image10", "ScrollBox7", {2, 1}, {16, 16, 641, 377}},
    {"ScrollBox8", "TabSheet14", {2, 2}, {0, 0, 679, 415}},
    {"Image11", "ScrollBox8", {2, 2}, {16, 16, 641, 385}},
    {"ScrollBox9", "TabSheet15", {2, 3}, {0, 0, 679, 415}},
    {"Image12", "ScrollBox9", {2, 3}, {16, 16, 641, 377}},
    {"ScrollBox10", "TabSheet16", {2, 4}, {0, 0, 679, 415}},
    {"Image13", "ScrollBox10", {2, 4}, {24, 16, 633, 377}},
    {"Panel10", "TabSheet17", {2, 5}, {8, 8, 665, 105}},
    {"ScrollBox11", "TabSheet19", {3, 0}, {0, 0, 681, 413}},
    {"Image14", "ScrollBox11", {3, 0}, {8, 8, 665, 393}},
    {"ScrollBox12", "TabSheet20", {3, 1}, {0, 0, 681, 413}},
    {"Image15", "ScrollBox12", {3, 1}, {8, 8, 665, 401}},
    {"ScrollBox13", "TabSheet21", {3, 2}, {0, 0, 681, 413}},
    {"Image16", "ScrollBox13", {3, 2}, {8, 8, 657, 385}},
    {"ScrollBox14", "TabSheet22", {3, 3}, {0, 0, 681, 413}},
    {"Image17", "ScrollBox14", {3, 3}, {8, 8, 665, 393}},
    {"ScrollBox15", "TabSheet23", {3, 4}, {0, 0, 681, 413}},
    {"Panel6", "TabSheet3", {4}, {0, 0, 687, 443}},
    {"Image3", "Panel6", {4}, {152, 16, 377, 361}},
    {"Panel5", "TabSheet2", {5}, {0, 0, 687, 443}},
    {"Image2", "Panel5", {5}, {128, 32, 393, 345}},
    {"Panel8", "TabSheet4", {6}, {0, 0, 687, 443}},
    {"Image4", "Panel8", {6}, {152, 24, 401, 353}},
};

// The link labels: the box the layout gives each caption, its alignment and its character
// height. A label is sized to its text and stands at the box's left, or on its middle.
struct LinkPlacement {
    const char *name;
    const char *holder;
    PagePath page;
    QRect layoutBox;
    bool centred;
    int pixelSize;
};

const LinkPlacement kLinks[] = {
    {"Label18", "Panel9", {1, 4}, {176, 32, 292, 23}, false, 19},
    {"Label19", "Panel10", {2, 5}, {168, 40, 338, 23}, false, 19},
    {"Label20", "ScrollBox15", {3, 4}, {48, 88, 587, 23}, true, 19},
    {"Label16", "Panel6", {4}, {104, 384, 463, 29}, true, 24},
    {"Label15", "Panel5", {5}, {120, 384, 465, 29}, true, 24},
    {"Label17", "Panel8", {6}, {120, 384, 463, 29}, true, 24},
};

using LayoutReferencePagesTest = GuiTest;

TEST_F(LayoutReferencePagesTest, ControlsWhereTheLayoutPutsThem)
{
    for (const Placement &row : kPlacements) {
        ShowPage(Form(), row.page);
        QWidget *control = Find(Form(), row.name);
        QWidget *holder = Find(Form(), row.holder);
        ASSERT_NE(control, nullptr) << row.name;
        ASSERT_NE(holder, nullptr) << row.holder;
        EXPECT_TRUE(control->isVisible()) << row.name;
        EXPECT_EQ(PlacementIn(control, holder), row.rect) << row.name << " in " << row.holder;
    }
}

TEST_F(LayoutReferencePagesTest, LinkLabelsFitTheirBoxesInTheLinkFace)
{
    for (const LinkPlacement &row : kLinks) {
        ShowPage(Form(), row.page);
        auto *label = Find<LinkLabel>(Form(), row.name);
        QWidget *holder = Find(Form(), row.holder);
        ASSERT_NE(label, nullptr) << row.name;
        const QFontInfo face(label->font());
        EXPECT_EQ(face.pixelSize(), row.pixelSize) << row.name;
        EXPECT_TRUE(face.family() == "Verdana" || face.family() == "DejaVu Sans")
            << row.name << " in " << face.family().toStdString();
        EXPECT_TRUE(label->font().underline()) << row.name;

        const QFontMetrics metrics(label->font());
        const QRect placed = PlacementIn(label, holder);
        EXPECT_EQ(placed.size(), QSize(metrics.horizontalAdvance(label->text()), metrics.height()))
            << row.name << " is not sized to its text";
        EXPECT_EQ(placed.top(), row.layoutBox.top()) << row.name;
        if (row.centred)
            EXPECT_LE(std::abs(placed.center().x() - row.layoutBox.center().x()), 1) << row.name;
        else
            EXPECT_EQ(placed.left(), row.layoutBox.left()) << row.name;
        EXPECT_TRUE(row.layoutBox.contains(placed))
            << row.name << " needs more room than the layout gives it";
        EXPECT_TRUE(QRect(QPoint(0, 0), holder->size()).contains(placed)) << row.name;
        EXPECT_TRUE(label->parentWidget()->rect().contains(label->geometry()))
            << row.name << " is cut by the area it lies on";
    }
}

TEST_F(LayoutReferencePagesTest, ReferencePagesKeepTheirSizeInALargerWindow)
{
    Form().resize(Form().width() + 300, Form().height() + 200);
    ShowPage(Form(), {1, 0});
    EXPECT_EQ(Find(Form(), "ScrollBox2")->size(), QSize(679, 415));
    EXPECT_EQ(Find(Form(), "Image5")->size(), QSize(625, 600));
    ShowPage(Form(), {5});
    EXPECT_EQ(Find(Form(), "Panel5")->size(), QSize(687, 443));
    EXPECT_EQ(Find<PictureBox>(Form(), "Image2")->PictureSize(), QSize(357, 350));
}

// The WCAG ratio, worked by hand from the relative luminances.
struct ColourPair {
    QColor a;
    QColor b;
    double ratio;
};

const ColourPair kContrasts[] = {
    {Qt::black, Qt::white, 21.0},
    {Qt::white, Qt::white, 1.0},
    {QColor(0, 0, 255), Qt::white, 8.59},          // a link on a white panel
    {QColor(0, 128, 0), QColor(166, 202, 240), 3.02},  // the header strip
    {QColor(0, 0, 255), QColor(10, 10, 10), 2.30},    // a link on a dark caption-text colour
    {QColor(128, 128, 128), Qt::white, 3.95},
};

TEST(ContrastTest, RatiosOfWorkedPairsEitherWayRound)
{
    for (const ColourPair &row : kContrasts) {
        EXPECT_NEAR(ContrastRatio(row.a, row.b), row.ratio, 0.005) << row.a.name().toStdString();
        EXPECT_NEAR(ContrastRatio(row.b, row.a), row.ratio, 0.005) << row.a.name().toStdString();
    }
}

// Label20 lies on the caption-text colour of the colour scheme, unless the link's blue would
// not be readable there: then on white, the colour of the usual schemes.
struct CaptionText {
    QColor scheme;
    QColor ground;
};

const CaptionText kCaptionTexts[] = {
    {Qt::white, Qt::white},
    {QColor(249, 249, 249), QColor(249, 249, 249)},  // a dark scheme's near-white
    {Qt::yellow, Qt::yellow},                        // 8.0:1, readable
    {QColor(10, 10, 10), Qt::white},                 // a light scheme's near-black
    {QColor(128, 128, 128), Qt::white},              // 2.2:1
    // At the threshold of 4.5:1, worked from the luminances: 4.500036:1 and 4.499996:1,
    // then the greys either side of it, 4.524:1 and 4.476:1.
    {QColor(207, 172, 255), QColor(207, 172, 255)},
    {QColor(9, 203, 255), Qt::white},
    {QColor(188, 188, 188), QColor(188, 188, 188)},
    {QColor(187, 187, 187), Qt::white},
    {QColor(0, 0, 255), Qt::white},                  // the link's own blue
};

TEST_F(LayoutReferencePagesTest, LabelOnTheCaptionTextColourStaysReadable)
{
    ShowPage(Form(), {3, 4});
    auto *label = Find<LinkLabel>(Form(), "Label20");
    ASSERT_NE(label, nullptr);
    for (const CaptionText &row : kCaptionTexts) {
        QPalette scheme = label->parentWidget()->palette();
        scheme.setColor(QPalette::HighlightedText, row.scheme);
        label->parentWidget()->setPalette(scheme);
        const QImage seen = Seen(label, label->rect());
        EXPECT_TRUE(AllOfColour(seen, QRect(0, 0, 1, 1), row.ground)) << row.scheme.name().toStdString();
        EXPECT_TRUE(AllOfColour(seen, QRect(seen.width() - 1, 0, 1, 1), row.ground))
            << row.scheme.name().toStdString();
    }
}

} // namespace
