#include "ui/linklabel.h"

#include "ui/fonts.h"

#include <QMouseEvent>

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
    resize(fontMetrics().horizontalAdvance(address), fontMetrics().height());
}

void LinkLabel::PlaceIn(const QRect &layoutBox, Qt::Alignment alignment)
{
    setAlignment(alignment | Qt::AlignTop);
    int left = layoutBox.left();
    if (alignment & Qt::AlignHCenter)
        left += (layoutBox.width() - width()) / 2;
    move(std::max(left, 0), layoutBox.top());
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
