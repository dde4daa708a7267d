// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "configuredaddresses.h"
#include "referencepages.h"

#include "ui/fonts.h"
#include "ui/weblinks.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMenu>
#include <QTextEdit>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

// The eight link controls: where each stands and the address it must open.
struct Link {
    const char *name;
    PagePath page;  // outer index -1: a command of the main menu
    QLatin1StringView address;
};

const Link kLinks[] = {
    {"Label18", {1, 4}, kConfiguredLabel18},   {"Label19", {2, 5}, kConfiguredLabel19},
    {"Label20", {3, 4}, kConfiguredLabel20},   {"Label16", {4}, kConfiguredLabel16},
    {"Label15", {5}, kConfiguredLabel15},      {"Label17", {6}, kConfiguredLabel17},
    {"N5", {-1}, kConfiguredN5},               {"N6", {-1}, kConfiguredN6},
};

const std::vector<QUrl> &Opened() { return UrlCatcher::Instance().opened; }

// The pointer comes to rest on a control, as the toolkit reports it when the pointer enters:
// the control is marked as under the mouse and gets the enter and hover events.
void PointAt(QWidget *control)
{
    const QPointF middle = QRectF(control->rect()).center();
    const QPointF global = control->mapToGlobal(middle);
    control->setAttribute(Qt::WA_UnderMouse, true);
    QEnterEvent enter(middle, middle, global);
    QCoreApplication::sendEvent(control, &enter);
    QHoverEvent hover(QEvent::HoverEnter, middle, global, QPointF(-1, -1));
    QCoreApplication::sendEvent(control, &hover);
    QCoreApplication::processEvents();
}

class WebLinksTest : public GuiTest {
protected:
    // Clicks the control as the user would: a label through the window system, on its page;
    // a menu command through its menu.
    void Use(const Link &link)
    {
        if (link.page.outer < 0) {
            auto *command = Form().findChild<QAction *>(QLatin1String(link.name));
            ASSERT_NE(command, nullptr) << link.name;
            command->trigger();
            return;
        }
        ShowPage(Form(), link.page);
        auto *label = Find<LinkLabel>(Form(), link.name);
        ASSERT_NE(label, nullptr) << link.name;
        ClickThroughWindowSystem(label);
    }

    // A click at a point of the window, given in a control's coordinates.
    void ClickAt(QWidget *control, const QPoint &at)
    {
        QTest::mouseClick(Form().windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          control->mapTo(&Form(), at));
    }
};

TEST_F(WebLinksTest, EachControlOpensExactlyItsAddress)
{
    for (const Link &link : kLinks) {
        UrlCatcher::Instance().opened.clear();
        Use(link);
        ASSERT_EQ(Opened().size(), 1u) << link.name;
        EXPECT_EQ(Opened()[0].toString(), link.address) << link.name;
    }
    EXPECT_TRUE(reports.empty());
}

TEST_F(WebLinksTest, LabelCaptionIsTheAddressItOpens)
{
    for (const Link &link : kLinks) {
        if (link.page.outer < 0)
            continue;
        auto *label = Find<LinkLabel>(Form(), link.name);
        ASSERT_NE(label, nullptr) << link.name;
        EXPECT_EQ(label->text(), link.address) << link.name;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << link.name;
    }
}

TEST_F(WebLinksTest, ClickingTwiceAsksTwice)
{
    Use(kLinks[0]);
    Use(kLinks[0]);
    Form().N5->trigger();
    Form().N5->trigger();
    ASSERT_EQ(Opened().size(), 4u);
    EXPECT_EQ(Opened()[0], Opened()[1]);
    EXPECT_EQ(Opened()[2], Opened()[3]);
}

// The maker's site and its four pages on one host, the three other links on three others,
// each a complete address for the unencrypted web protocol.
TEST_F(WebLinksTest, AddressesAreCompleteAndOnTheirSites)
{
    QStringList otherHosts;
    const QString maker = QUrl(kConfiguredN6).host();
    for (const Link &link : kLinks) {
        const QUrl url(link.address, QUrl::StrictMode);
        EXPECT_TRUE(url.isValid()) << link.name;
        EXPECT_EQ(url.scheme(), "http") << link.name;
        EXPECT_FALSE(url.host().isEmpty()) << link.name;
        EXPECT_TRUE(url.path().startsWith(u'/')) << link.name;
        EXPECT_EQ(url.toString(), link.address) << link.name << " is not in its plain form";
        const bool onMakersSite = QByteArray("Label15 Label16 Label17 Label20 N6").contains(link.name);
        if (onMakersSite)
            EXPECT_EQ(url.host(), maker) << link.name;
        else
            otherHosts << url.host();
    }
    ASSERT_EQ(otherHosts.size(), 3);
    otherHosts << maker;
    otherHosts.removeDuplicates();
    EXPECT_EQ(otherHosts.size(), 4) << "the forum and the two program sites need hosts of their own";
    EXPECT_TRUE(Form().RichEdit1->toPlainText().endsWith(kConfiguredN6));
}

// With no browser to take the address the desktop refuses; the program shows nothing and
// goes on. (The offscreen platform refuses every address, and starts nothing.)
TEST_F(WebLinksTest, RefusedOpenShowsNothingAndTheProgramGoesOn)
{
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        GTEST_SKIP() << "only the offscreen platform is sure to refuse without a browser";
    const auto restore = std::shared_ptr<void>(nullptr, [](void *) {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &UrlCatcher::Instance(), "Open");
    });
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    ASSERT_FALSE(QDesktopServices::openUrl(QUrl(kMakerSiteAddress)));
    for (const Link &link : kLinks)
        Use(link);
    QTest::qWait(50);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(Form().isVisible());
    EXPECT_TRUE(Form().isActiveWindow());
}

// Clicks that reach no link: on a picture, on the empty part of a link page, just beside a
// label, and a press and release that do not both fall on the label.
TEST_F(WebLinksTest, ClicksBesideTheLinksOpenNothing)
{
    struct Miss {
        PagePath page;
        const char *control;
        QPoint at;  // in the control; negative: from its right or bottom edge
    };
    const Miss misses[] = {
        {{1, 0}, "Image5", {300, 200}},   {{2, 0}, "Image9", {5, 5}},
        {{3, 3}, "Image17", {320, 190}},  {{4}, "Image3", {175, 177}},
        {{5}, "Image2", {200, 100}},      {{6}, "Image4", {10, 340}},
        {{1, 4}, "TabSheet10", {300, 200}}, {{1, 4}, "Panel9", {20, 40}},
        {{1, 4}, "Label18", {-1, 10}},    {{2, 5}, "Panel10", {600, 90}},
        {{2, 5}, "Label19", {-1, -1}},    {{2, 5}, "TabSheet17", {300, 300}},
        {{3, 4}, "ScrollBox15", {300, 300}}, {{3, 4}, "Label20", {10, -1}},
        {{4}, "Panel6", {20, 420}},       {{5}, "Label15", {-1, 5}},
        {{6}, "Panel8", {650, 20}},
    };
    for (const Miss &miss : misses) {
        ShowPage(Form(), miss.page);
        QWidget *control = Find(Form(), miss.control);
        ASSERT_NE(control, nullptr) << miss.control;
        // Negative offsets count from beyond the right or bottom edge: just outside a label.
        const QPoint at(miss.at.x() < 0 ? control->width() - miss.at.x() : miss.at.x(),
                        miss.at.y() < 0 ? control->height() - miss.at.y() : miss.at.y());
        ClickAt(control, at);
        EXPECT_TRUE(Opened().empty()) << miss.control << " at " << at.x() << ',' << at.y();
    }
    ShowPage(Form(), {5});
    auto *label = Find<LinkLabel>(Form(), "Label15");
    QWindow *window = Form().windowHandle();
    const QPoint inside = label->mapTo(&Form(), label->rect().center());
    const QPoint outside = label->mapTo(&Form(), QPoint(label->width() + 20, 5));
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, outside);
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, outside);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, inside);
    QTest::mouseClick(window, Qt::RightButton, Qt::NoModifier, inside);
    EXPECT_TRUE(Opened().empty());
    EXPECT_TRUE(reports.empty());
}

TEST_F(WebLinksTest, LabelsShowTheHandCursorAndTakeNoFocus)
{
    for (const Link &link : kLinks) {
        if (link.page.outer < 0)
            continue;
        ShowPage(Form(), link.page);
        auto *label = Find<LinkLabel>(Form(), link.name);
        ASSERT_NE(label, nullptr) << link.name;
        EXPECT_EQ(Form().childAt(label->mapTo(&Form(), label->rect().center())), label) << link.name;
        EXPECT_EQ(label->cursor().shape(), Qt::PointingHandCursor) << link.name;
        EXPECT_EQ(label->focusPolicy(), Qt::NoFocus) << link.name;
        Form().PageControl1->Tabs()->setFocus();
        ClickThroughWindowSystem(label);
        EXPECT_EQ(QApplication::focusWidget(), Form().PageControl1->Tabs()) << link.name;
    }
}

// The text is drawn in pure blue (with its underline), never in the black of other text,
// and the pointer resting on a label changes nothing.
TEST_F(WebLinksTest, LabelsAreBlueAndDoNotChangeUnderThePointer)
{
    for (const Link &link : kLinks) {
        if (link.page.outer < 0)
            continue;
        ShowPage(Form(), link.page);
        auto *label = Find<LinkLabel>(Form(), link.name);
        ASSERT_NE(label, nullptr) << link.name;
        const QImage before = Seen(label, label->rect());
        int blue = 0, dark = 0;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                const QColor pixel = before.pixelColor(x, y);
                blue += pixel == QColor(0, 0, 255);
                dark += pixel.blue() < 100 && pixel.lightness() < 60;
            }
        }
        EXPECT_GE(blue, label->width()) << link.name << ": the underline alone is that long";
        EXPECT_EQ(dark, 0) << link.name;

        PointAt(label);
        EXPECT_TRUE(label->underMouse()) << link.name;
        EXPECT_TRUE(SamePixels(Seen(label, label->rect()), before)) << link.name;
        EXPECT_EQ(label->font(), LinkFont(label->font().pixelSize())) << link.name;
    }
}

} // namespace
