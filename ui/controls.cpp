// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/controls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWheelEvent>

Panel::Panel(QWidget *parent, const QString &objectName, const QString &caption)
    : QFrame(parent)
{
    setObjectName(objectName);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    if (caption.isEmpty())
        return;
    caption_ = new QLabel(caption, this);
    caption_->setObjectName(objectName + QStringLiteral("Caption"));
    caption_->setAlignment(Qt::AlignCenter);
    // On a button-face background a label would take the button-text colour; the caption is
    // window text, so that a panel's own text colour (the green header) shows.
    caption_->setForegroundRole(QPalette::WindowText);
    setAccessibleName(caption);
}

void Panel::SetColour(const QColor &colour)
{
    QPalette own = palette();
    own.setColor(QPalette::Button, colour);
    setPalette(own);
}

void Panel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    if (caption_)
        caption_->setGeometry(contentsRect());
}

ScrollBox::ScrollBox(QWidget *parent, const QString &objectName) : QScrollArea(parent)
{
    setObjectName(objectName);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
}

QWidget *ScrollBox::FixedArea(const QColor &colour)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *area = new QWidget(this);
    area->setObjectName(objectName() + QStringLiteral("Area"));
    setWidget(area);
    for (QWidget *background : {viewport(), area}) {
        QPalette own = background->palette();
        own.setColor(QPalette::Window, colour);
        background->setPalette(own);
        background->setBackgroundRole(QPalette::Window);
        background->setAutoFillBackground(true);
    }
    return area;
}

void ScrollBox::FitFixedArea()
{
    for (QWidget *control : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->installEventFilter(this);
    RefitFixedArea();
}

void ScrollBox::RefitFixedArea()
{
    QWidget *area = widget();
    QRect extent;
    for (const QWidget *control : area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        extent |= control->geometry();  // shown or not: the area is fitted before it is shown
    area->resize(extent.right() + 1, extent.bottom() + 1);
}

void ScrollBox::wheelEvent(QWheelEvent *event) { event->ignore(); }

bool ScrollBox::eventFilter(QObject *watched, QEvent *event)
{
    const bool reshaped = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (reshaped && widget() && watched->parent() == widget())
        RefitFixedArea();
    // A scroll bar would scroll by its own steps: the wheel stops there.
    if (event->type() == QEvent::Wheel
        && (watched == horizontalScrollBar() || watched == verticalScrollBar()))
        return true;
    return QScrollArea::eventFilter(watched, event);
}

DropDownList::DropDownList(QWidget *parent, const QString &objectName) : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);
}

void DropDownList::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

PushButton::PushButton(QWidget *parent, const QString &objectName, const QString &caption)
    : QPushButton(caption, parent)
{
    setObjectName(objectName);
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(caption);
}

void PushButton::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void PushButton::SetGlyph(const QPixmap &glyph)
{
    glyph_ = glyph;
    update();
}

void PushButton::paintEvent(QPaintEvent *event)
{
    if (glyph_.isNull()) {
        QPushButton::paintEvent(event);
        return;
    }
    constexpr int kGlyphSpacing = 4;
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();  // the frame, the face and the focus mark only
    painter.drawControl(QStyle::CE_PushButton, option);

    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (isDown())
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    const QSize glyph = glyph_.deviceIndependentSize().toSize();
    const int captionWidth = fontMetrics().horizontalAdvance(text());
    const int left = contents.x() + (contents.width() - glyph.width() - kGlyphSpacing - captionWidth) / 2;
    painter.drawPixmap(left, contents.y() + (contents.height() - glyph.height()) / 2, glyph_);
    const QRect caption(left + glyph.width() + kGlyphSpacing, contents.y(), captionWidth,
                        contents.height());
    painter.drawItemText(caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                         palette(), isEnabled(), text(), QPalette::ButtonText);
}
