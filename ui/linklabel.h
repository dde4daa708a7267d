// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>

#include <optional>

// A web link label: its caption is the address it opens, in an underlined blue face, sized
// to the text when it is first shown. It shows the hand cursor, takes no focus, and has no
// hover or visited look. A click (the left button pressed and released over the label) emits
// clicked().
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(QWidget *parent, const QString &objectName, const QString &address, int pixelSize);

    // The layout gives a box for the caption; the label, sized to its text, stands at the box's
    // top-left corner, or for centred text on the box's middle, never left of its parent.
    void PlaceIn(const QRect &layoutBox, Qt::Alignment alignment);

    // The label paints a ground of its own in the palette's colour of role, as it is when
    // painted; where the link's blue would not be readable on that colour (a colour scheme
    // whose role is dark), in white, the colour of that role in the usual schemes.
    void SetGround(QPalette::ColorRole role);
    QColor Ground() const;

signals:
    void clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void FitToCaption();

    QRect layoutBox_;
    std::optional<QPalette::ColorRole> ground_;
    bool fitted_ = false;
    bool pressed_ = false;
};
