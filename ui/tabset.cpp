// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/tabset.h"

#include "ui/errorreport.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>
#include <QWheelEvent>

namespace {

constexpr int kTabRowHeight = 24;
constexpr int kFrameOverlap = 2;   // the tab row overlaps the top of the frame
constexpr int kPageInset = 4;
constexpr int kTabPadding = 12;    // both sides together, as compact as the layout needs

// The toolkit's own tab drawing with compact padding, so that long captions fit one row.
class TabRowStyle : public QProxyStyle {
public:
    explicit TabRowStyle(QStyle *base) : QProxyStyle(base) {}

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return kTabPadding;
        if (metric == PM_TabBarTabVSpace)
            return 8;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// The user's own style, under any proxy styles around it. A platform theme may give the
// application a proxy of its own (qt6ct's "qt6ct-style" holds the style the user chose), and in
// a proxy around a proxy the inner style lays out a tab's label with the padding of the proxy
// next to it, not of ours: the label would keep the style's wide padding inside a tab sized
// with the compact one, and lose characters at both ends.
QStyle *UserStyle()
{
    const QStyle *style = QApplication::style();
    while (const auto *proxy = qobject_cast<const QProxyStyle *>(style))
        style = proxy->baseStyle();
    QStyle *own = QStyleFactory::create(style->name());
    return own ? own : QStyleFactory::create(QStringLiteral("Fusion"));
}

// One style object for every tab row, owned by the application object, which outlives
// all windows.
QStyle *SharedTabRowStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new TabRowStyle(UserStyle());
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

// The tab row takes no part in the mouse wheel: the wheel is the main window's.
class TabRow : public QTabBar {
public:
    explicit TabRow(QWidget *parent) : QTabBar(parent)
    {
        setStyle(SharedTabRowStyle());
        setFont(TabCaptionFont());
        setExpanding(false);
        setDrawBase(false);
        setUsesScrollButtons(true);
        setElideMode(Qt::ElideNone);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void wheelEvent(QWheelEvent *event) override { event->ignore(); }
};

} // namespace

TabSet::TabSet(QWidget *parent, const QString &objectName)
    : QWidget(parent), tabs_(new TabRow(this))
{
    setObjectName(objectName);
    tabs_->setObjectName(objectName + QStringLiteral("Tabs"));
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    connect(tabs_, &QTabBar::currentChanged, this,
            [this](int index) { RunGuarded([this, index] { ShowPage(index); }); });
}

QWidget *TabSet::AddPage(const QString &objectName, const QString &caption)
{
    auto *page = new QWidget(this);
    page->setObjectName(objectName);
    AddPage(page, caption);
    return page;
}

void TabSet::AddPage(QWidget *page, const QString &caption)
{
    page->setParent(this);
    page->setAccessibleName(caption);
    page->setBackgroundRole(QPalette::Button);
    page->setAutoFillBackground(true);
    pages_.push_back(page);
    tabs_->addTab(caption);
    LayOut();
    ShowPage(tabs_->currentIndex());
}

int TabSet::TabIndex() const { return tabs_->currentIndex(); }

void TabSet::SetTabIndex(int index)
{
    if (index >= 0 && index < Count())
        tabs_->setCurrentIndex(index);
}

QWidget *TabSet::Page(int index) const
{
    return index >= 0 && index < Count() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

QRect TabSet::PageRect() const
{
    return {kPageInset, kTabRowHeight, width() - 2 * kPageInset,
            height() - kTabRowHeight - kPageInset};
}

void TabSet::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    LayOut();
}

// Also run as pages are added: a tab set on a hidden page gets no resize event until shown.
void TabSet::LayOut()
{
    tabs_->setGeometry(2, 0, width() - 4, kTabRowHeight);
    for (QWidget *page : pages_)
        page->setGeometry(PageRect());
}

void TabSet::paintEvent(QPaintEvent *event)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.rect = QRect(0, kTabRowHeight - kFrameOverlap, width(),
                       height() - kTabRowHeight + kFrameOverlap);
    frame.shape = QTabBar::RoundedNorth;
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.tabBarSize = tabs_->size();
    frame.tabBarRect = tabs_->geometry();
    frame.selectedTabRect = tabs_->tabRect(tabs_->currentIndex()).translated(tabs_->pos());
    // One pass for each rectangle of the area to paint (around the page, which paints itself),
    // each clipped to its rectangle. Under a clip of any other shape the raster engine hands
    // the frame's long translucent lines to a pool of helper threads, and starting those costs
    // far more than the lines: a millisecond or two of the program's first paint.
    for (const QRect &area : event->region()) {
        painter.setClipRect(area);
        painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
    }
}

void TabSet::keyPressEvent(QKeyEvent *event)
{
    const auto modifiers = event->modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    int step = 0;
    if (ctrl && event->key() == Qt::Key_Tab)
        step = (modifiers & Qt::ShiftModifier) ? -1 : 1;
    else if (ctrl && event->key() == Qt::Key_Backtab)
        step = -1;
    else if (ctrl && event->key() == Qt::Key_PageDown)
        step = 1;
    else if (ctrl && event->key() == Qt::Key_PageUp)
        step = -1;
    if (step == 0 || !StepTab(step))
        QWidget::keyPressEvent(event);
}

bool TabSet::StepTab(int step)
{
    if (Count() < 2)
        return false;
    SetTabIndex((TabIndex() + step + Count()) % Count());
    return true;
}

void TabSet::ShowPage(int index)
{
    for (int i = 0; i < Count(); ++i)
        pages_[static_cast<std::size_t>(i)]->setVisible(i == index);
    update();
}
