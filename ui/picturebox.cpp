// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/picturebox.h"

#include "ui/errorreport.h"

#include <QPainter>

PictureBox::PictureBox(QWidget *parent, const QString &objectName, resources::Picture picture)
    : PictureBox(parent, objectName, [picture] { return resources::LoadPicture(picture); })
{
}

PictureBox::PictureBox(QWidget *parent, const QString &objectName, Decoder decode)
    : QWidget(parent), decode_(std::move(decode))
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void PictureBox::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!tried_)
        RunGuarded([this] { Decode(); });  // damaged data end in the error report
}

void PictureBox::Decode()
{
    tried_ = true;
    picture_ = QPixmap::fromImage(decode_());
    decoded_ = !picture_.isNull();
    update();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);  // unscaled; the box's own edges cut it
}
