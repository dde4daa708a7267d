// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "resources/pictures.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

// A picture box: shows one picture at its own pixel size with its top-left corner at the box's
// top-left corner, neither scaled nor centred; what lies beyond the box is cut off, and the
// part of the box the picture does not cover shows the parent's background. The picture is
// decoded when the box is first shown, so that pages never opened cost nothing at start-up.
// The box takes no input: clicks, the wheel and the cursor belong to what lies under it.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    using Decoder = std::function<QImage()>;

    // One of the built-in pictures.
    PictureBox(QWidget *parent, const QString &objectName, resources::Picture picture);
    // Any picture: decode runs once, on the first showing, inside the handlers' guard.
    PictureBox(QWidget *parent, const QString &objectName, Decoder decode);

    bool IsDecoded() const { return decoded_; }
    // The decoded picture's own size; empty until it is decoded, or when decoding failed.
    QSize PictureSize() const { return picture_.size() / picture_.devicePixelRatio(); }

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void Decode();

    Decoder decode_;
    QPixmap picture_;
    bool decoded_ = false;
    bool tried_ = false;  // a picture that fails is reported once, not at every showing
};
