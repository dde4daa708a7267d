// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "guitest.h"

#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/tabset.h"

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>

namespace {

// A control of the frame and its rectangle within the control it lies on in the layout
// (which may hold it through a viewport or a page of a tab set).
struct Placement {
    const char *name;
    const char *parent;
    QRect rect;
};

const Placement kFramePlacements[] = {
    {"Panel1", "Panel7", {1, 1, 695, 33}},
    {"PageControl1", "Panel7", {1, 34, 695, 471}},
    {"Panel3", "Panel7", {1, 505, 695, 55}},
    {"RichEdit1", "Panel3", {1, 1, 693, 53}},
    {"TabSheet1", "PageControl1", {4, 24, 687, 443}},
    {"TabSheet5", "PageControl1", {4, 24, 687, 443}},
    {"TabSheet11", "PageControl1", {4, 24, 687, 443}},
    {"TabSheet18", "PageControl1", {4, 24, 687, 443}},
    {"TabSheet3", "PageControl1", {4, 24, 687, 443}},
    {"TabSheet2", "PageControl1", {4, 24, 687, 443}},
    {"TabSheet4", "PageControl1", {4, 24, 687, 443}},
    {"PageControl2", "TabSheet5", {0, 0, 687, 443}},
    {"PageControl3", "TabSheet11", {0, 0, 687, 443}},
    {"PageControl4", "TabSheet18", {0, 0, 689, 441}},
    {"TabSheet6", "PageControl2", {4, 24, 679, 415}},
    {"TabSheet10", "PageControl2", {4, 24, 679, 415}},
    {"TabSheet12", "PageControl3", {4, 24, 679, 415}},
    {"TabSheet17", "PageControl3", {4, 24, 679, 415}},
    {"TabSheet19", "PageControl4", {4, 24, 681, 413}},
    {"TabSheet23", "PageControl4", {4, 24, 681, 413}},
};

// Names are unique within Panel7 (the notice window has its own Panel1, Panel3, RichEdit1).
QWidget *FrameControl(TForm1 &form, const char *name)
{
    return QLatin1String(name) == QLatin1String("Panel7")
               ? form.Panel7
               : form.Panel7->findChild<QWidget *>(QLatin1String(name));
}

// The calculator page: named controls of Panel2 and the two panels of the page.
struct PagePlacement {
    const char *name;
    QRect rect;
};

const PagePlacement kPagePlacements[] = {
    {"Image1", {8, 8, 241, 401}},    {"BitBtn1", {352, 192, 113, 25}},
    {"ComboBox6", {504, 16, 105, 21}}, {"ComboBox4", {504, 40, 105, 21}},
    {"ComboBox1", {504, 64, 105, 21}}, {"Edit4", {504, 88, 105, 21}},
    {"ComboBox5", {504, 112, 105, 21}}, {"ComboBox2", {504, 136, 105, 21}},
    {"ComboBox3", {504, 160, 105, 21}}, {"Edit9", {504, 232, 105, 21}},
    {"Edit3", {504, 256, 105, 21}},    {"Edit5", {504, 280, 105, 21}},
    {"Edit6", {504, 304, 105, 21}},    {"Edit8", {504, 328, 105, 21}},
    {"Edit1", {504, 352, 105, 21}},    {"Edit13", {504, 376, 105, 21}},
};

struct LabelPlacement {
    const char *name;
    int top;
    int right;
};

const LabelPlacement kLabels[] = {
    {"Label2", 20, 498},  {"Label3", 43, 497},  {"Label4", 67, 496},  {"Label5", 91, 498},
    {"Label10", 115, 498}, {"Label6", 140, 498}, {"Label8", 164, 498}, {"Label12", 234, 499},
    {"Label11", 259, 498}, {"Label7", 283, 498}, {"Label9", 308, 497}, {"Label13", 331, 497},
    {"Label1", 356, 497},  {"Label14", 380, 497},
};

using LayoutTest = GuiTest;

TEST_F(LayoutTest, ClientAreaBelowTheMenuIs699By567)
{
    EXPECT_EQ(Form().ScrollBox1->size(), QSize(699, 567));
    EXPECT_EQ(Form().ScrollBox1->y(), Form().MainMenu1->geometry().bottom() + 1);
    EXPECT_EQ(Form().Panel7->minimumSize(), QSize(697, 561));
    EXPECT_EQ(Form().Panel7->maximumSize(), QSize(697, 561));
    EXPECT_FALSE(Form().ScrollBox1->verticalScrollBar()->isVisible());
    EXPECT_FALSE(Form().ScrollBox1->horizontalScrollBar()->isVisible());
}

TEST_F(LayoutTest, FrameControlsWhereTheLayoutPutsThem)
{
    EXPECT_EQ(Form().Panel7->geometry(), QRect(0, 0, 697, 561));
    for (const Placement &row : kFramePlacements) {
        QWidget *control = FrameControl(Form(), row.name);
        ASSERT_NE(control, nullptr) << row.name;
        const QPoint at = control->mapTo(FrameControl(Form(), row.parent), QPoint(0, 0));
        EXPECT_EQ(QRect(at, control->size()), row.rect) << row.name;
    }
}

TEST_F(LayoutTest, CalculatorPageControlsWhereTheLayoutPutsThem)
{
    EXPECT_EQ(Page().Panel4->geometry(), QRect(0, 0, 687, 25));
    EXPECT_EQ(Page().Panel2->geometry(), QRect(0, 25, 687, 418));
    for (const PagePlacement &row : kPagePlacements) {
        auto *control = Page().Panel2->findChild<QWidget *>(row.name);
        ASSERT_NE(control, nullptr) << row.name;
        EXPECT_EQ(control->geometry(), row.rect) << row.name;
    }
}

TEST_F(LayoutTest, LabelsEndAtTheirRightEdgesClearOfThePicture)
{
    const int pictureRight = Page().Image1->geometry().right() + 1;  // 249
    for (const LabelPlacement &row : kLabels) {
        auto *label = Page().Panel2->findChild<QLabel *>(row.name);
        ASSERT_NE(label, nullptr) << row.name;
        const QFontMetrics metrics(label->font());
        EXPECT_EQ(label->x() + label->width(), row.right) << row.name;
        EXPECT_EQ(label->y(), row.top) << row.name;
        EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text())) << row.name;
        EXPECT_GE(label->height(), metrics.height()) << row.name;
        EXPECT_GT(label->x(), pictureRight) << row.name << " overlaps the picture";
        EXPECT_LE(label->geometry().right(), 503) << row.name << " overlaps its control";
    }
}

TEST_F(LayoutTest, FormFaceIsASansSerifOfElevenPixels)
{
    const QFontInfo form(Page().Edit4->font());
    EXPECT_EQ(form.pixelSize(), 11);
    EXPECT_EQ(form.family(), "Liberation Sans");
    const QFontInfo info(Form().RichEdit1->font());
    EXPECT_EQ(info.pixelSize(), 16);
    EXPECT_EQ(info.family(), "Carlito");
    const QFontInfo header(Form().Panel1->Caption()->font());
    EXPECT_EQ(header.pixelSize(), 13);
    EXPECT_TRUE(header.bold());
}

// Counts the pixels of a widget's rendering that have exactly the given colour.
int PixelsOfColour(QWidget *widget, const QColor &colour)
{
    const QImage image = widget->grab().toImage();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    return count;
}

void ExpectRaisedEdge(Panel *panel)
{
    const QImage image = panel->grab().toImage();
    const qreal ratio = image.devicePixelRatio();  // positions below in layout pixels
    const auto at = [&](int x, int y) { return image.pixelColor(int(x * ratio), int(y * ratio)); };
    const QColor face = panel->palette().color(QPalette::Button);
    const int x = 2, y = panel->height() / 2;
    const int right = panel->width() - 1, bottom = panel->height() - 1;
    const std::string name = panel->objectName().toStdString();
    EXPECT_GT(at(x, 0).lightness(), face.lightness()) << name << " top";
    EXPECT_GT(at(0, y).lightness(), face.lightness()) << name << " left";
    EXPECT_LT(at(x, bottom).lightness(), face.lightness()) << name << " bottom";
    EXPECT_LT(at(right, y).lightness(), face.lightness()) << name << " right";
    const QPoint inside[] = {{x, 1}, {1, y}, {x, bottom - 1}, {right - 1, y}};
    for (const QPoint point : inside)
        EXPECT_EQ(at(point.x(), point.y()).name(), face.name())
            << name << " at " << point.x() << "," << point.y();
}

TEST_F(LayoutTest, HeaderTextIsDrawnGreenOnSkyBlue)
{
    EXPECT_GT(PixelsOfColour(Form().Panel1, QColor(0, 128, 0)), 100);
    EXPECT_GT(PixelsOfColour(Form().Panel1, QColor(166, 202, 240)), 15000);
    EXPECT_EQ(PixelsOfColour(Form().Panel1, Qt::black), 0);
}

TEST_F(LayoutTest, HeaderColoursAsStored)
{
    EXPECT_EQ(Form().Panel1->palette().color(QPalette::Button), QColor(166, 202, 240));
    EXPECT_EQ(Form().Panel1->Caption()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(Form().Panel1->Caption()->text(),
              "Сборник инструментов для расчета систем водоснабжения и отопления");
    EXPECT_EQ(Page().Panel4->Caption()->text(),
              "Калькулятор расчета Varnelo для теплого бетонного водяного пола с керамической плиткой");
}

// Every panel has a raised edge of one pixel: light along the top and left, dark along the
// bottom and right, and its own background right inside. Read near the left end, clear of
// captions and controls.
TEST_F(LayoutTest, PanelsHaveARaisedEdgeOfOnePixel)
{
    ExpectModal([this](QWidget *) {
        for (Panel *panel : {Notice().Panel1, Notice().Panel2})
            ExpectRaisedEdge(panel);
        Notice().Button1->click();
    });
    Notice().ShowNotice(QString());
    for (Panel *panel : {Form().Panel1, Page().Panel4, Page().Panel2})
        ExpectRaisedEdge(panel);
}

TEST_F(LayoutTest, CaptionsFitTheirPanelsAndButton)
{
    for (Panel *panel : {Form().Panel1, Page().Panel4}) {
        const QLabel *caption = panel->Caption();
        EXPECT_LE(QFontMetrics(caption->font()).horizontalAdvance(caption->text()),
                  caption->width()) << panel->objectName().toStdString();
    }
    const QFontMetrics button(Page().BitBtn1->font());
    // Room for the 16 x 15 glyph, 4 pixels and the caption, inside the button's edges.
    EXPECT_LE(16 + 4 + button.horizontalAdvance(Page().BitBtn1->text()), 113 - 12);
}

TEST_F(LayoutTest, EveryTabRowShowsAllItsTabsAtOnce)
{
    for (TabSet *tabSet : {Form().PageControl1, Form().PageControl2, Form().PageControl3,
                           Form().PageControl4}) {
        const QTabBar *tabs = tabSet->Tabs();
        const QRect last = tabs->tabRect(tabs->count() - 1);
        EXPECT_LE(last.right(), tabs->width() - 1) << tabSet->objectName().toStdString();
        for (int i = 0; i < tabs->count(); ++i) {
            EXPECT_GE(tabs->tabRect(i).width(),
                      QFontMetrics(tabs->font()).horizontalAdvance(tabs->tabText(i)))
                << tabSet->objectName().toStdString() << " tab " << i;
        }
    }
}

TEST_F(LayoutTest, NoticeControlsWhereTheLayoutPutsThem)
{
    Notice().show();
    QCoreApplication::processEvents();
    EXPECT_EQ(Notice().size(), QSize(470, 115));
    EXPECT_EQ(Notice().Panel1->geometry(), QRect(0, 0, 470, 17));
    EXPECT_EQ(Notice().Panel3->geometry(), QRect(0, 17, 470, 57));
    EXPECT_EQ(Notice().RichEdit1->geometry(), QRect(1, 1, 468, 55));
    EXPECT_EQ(Notice().Panel2->geometry(), QRect(0, 74, 470, 41));
    EXPECT_EQ(Notice().Button1->geometry(), QRect(384, 8, 75, 25));
    Notice().hide();
}

using ScaledTest = GuiTest;

// Run with QT_SCALE_FACTOR=2 by its own CTest entry: the same layout, drawn at twice the size.
TEST_F(ScaledTest, WindowIsDrawnAtTheRequestedScale)
{
    const QByteArray expected = qgetenv("VARNELO_EXPECT_SCALE");
    if (expected.isEmpty())
        GTEST_SKIP() << "runs only at a set scale";
    const qreal scale = expected.toDouble();
    EXPECT_DOUBLE_EQ(Form().devicePixelRatioF(), scale);
    const QPixmap drawn = Form().Panel7->grab();
    EXPECT_EQ(drawn.size(), QSize(697, 561) * scale);
    EXPECT_EQ(Form().ScrollBox1->size(), QSize(699, 567));
}

} // namespace
