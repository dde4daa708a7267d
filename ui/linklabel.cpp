// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/linklabel.h"

#include "ui/contrast.h"
#include "ui/fonts.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

constexpr QColor kLinkBlue{0, 0, 255};

} // namespace

LinkLabel::LinkLabel(QWidget *parent, const QString &objectName, const QString &address,
                     int pixelSize)
    : QLabel(parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);  // the address as it is, never read as markup
    setText(address);
    setFont(LinkFont(pixelSize));
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, kLinkBlue);
    setPalette(blue);
    // Fixed, or it would follow the background of the holder (a panel's text is button text).
    setForegroundRole(QPalette::WindowText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(address);
}

void LinkLabel::PlaceIn(const QRect &layoutBox, Qt::Alignment alignment)
{
    layoutBox_ = layoutBox;
    setAlignment(alignment | Qt::AlignTop);
    move(layoutBox.topLeft());
    if (isVisible())
        FitToCaption();
}

void LinkLabel::SetGround(QPalette::ColorRole role)
{
    ground_ = role;
    update();
}

QColor LinkLabel::Ground() const
{
    if (!ground_)
        return {};
    const QColor theme = palette().color(*ground_);
    const QColor ink = palette().color(foregroundRole());
    return ContrastRatio(ink, theme) >= kReadableContrast ? theme : QColor(Qt::white);
}

void LinkLabel::paintEvent(QPaintEvent *event)
{
    if (ground_) {
        QPainter painter(this);
        painter.fillRect(rect(), Ground());
    }
    QLabel::paintEvent(event);
}

void LinkLabel::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    if (!fitted_)
        FitToCaption();
}

// Measuring the caption loads the link face, which only the reference pages use: done when
// the label is first shown, it costs the start-up nothing.
void LinkLabel::FitToCaption()
{
    fitted_ = true;
    const QFontMetrics metrics = fontMetrics();
    const QSize size(metrics.horizontalAdvance(text()), metrics.height());
    int left = layoutBox_.left();
    if (alignment() & Qt::AlignHCenter)
        left += (layoutBox_.width() - size.width()) / 2;
    setGeometry(QRect(QPoint(std::max(left, 0), layoutBox_.top()), size));
}

void LinkLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

// Released elsewhere after a press here, the press is withdrawn, as with a button.
void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}
