// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>
#include <QFrame>
#include <QPushButton>
#include <QScrollArea>

class QLabel;

// A panel: raised 1-pixel edge, button-face background, and an optional caption centred in it.
class Panel : public QFrame {
    Q_OBJECT

public:
    Panel(QWidget *parent, const QString &objectName, const QString &caption = {});

    QLabel *Caption() const { return caption_; }
    // A colour of its own instead of the button face (the reference pages' panels are white).
    void SetColour(const QColor &colour);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QLabel *caption_ = nullptr;
};

// A scroll box whose range follows its content and which never scrolls by itself on the
// mouse wheel: the main window moves the outer one in fixed steps, the inner ones stay put.
class ScrollBox : public QScrollArea {
    Q_OBJECT

public:
    ScrollBox(QWidget *parent, const QString &objectName);

    // Makes the box hold controls at fixed positions, in the given colour, with the single
    // sunken border of the reference pages; the caller places its controls on the area
    // returned, then calls FitFixedArea.
    QWidget *FixedArea(const QColor &colour);
    // From now on the scroll range runs to the right and bottom edges of the controls placed
    // (of a picture box, not of the picture it shows), also after one of them moves or changes
    // size; a scroll bar shows only in a direction where they reach beyond the visible area.
    void FitFixedArea();

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void RefitFixedArea();
};

// A drop-down list of fixed items. It changes its selection on the wheel only while it has
// the keyboard focus; otherwise the wheel goes on to its parents.
class DropDownList : public QComboBox {
    Q_OBJECT

public:
    DropDownList(QWidget *parent, const QString &objectName);

protected:
    void wheelEvent(QWheelEvent *event) override;
};

// A push button that is never a default button: Enter and Space press it only while it has
// the focus, and Enter in another control starts nothing.
class PushButton : public QPushButton {
    Q_OBJECT

public:
    PushButton(QWidget *parent, const QString &objectName, const QString &caption);

    // A small picture left of the caption, 4 pixels apart, the two centred on the button
    // together. (The toolkit's own icon leaves only 2 pixels before the caption.)
    void SetGlyph(const QPixmap &glyph);
    const QPixmap &Glyph() const { return glyph_; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap glyph_;
};
