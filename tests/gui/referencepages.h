// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "guitest.h"

#include <QImage>

// Where a page of the main window lies: its tab in PageControl1 and, on a gallery, its tab in
// the gallery's own tab set.
struct PagePath {
    int outer;
    int inner = -1;
};

// Chooses the page's tabs, as a click on them would, and lets the page settle.
void ShowPage(TForm1 &form, PagePath path);

// A control of the frame by its name (the names are unique within Panel7).
template <class Control = QWidget>
Control *Find(TForm1 &form, const char *name)
{
    return form.Panel7->findChild<Control *>(QLatin1String(name));
}

// A control's rectangle within the control that holds it in the layout: a page, a panel, or a
// scroll box, whose controls lie on its scrolled area (taken at scroll position 0).
QRect PlacementIn(const QWidget *control, const QWidget *holder);

// What the user sees of a rectangle of a control, its children included.
QImage Seen(QWidget *control, const QRect &rect);

// The pixels of an image compared one by one; on failure, where the first difference is.
::testing::AssertionResult SamePixels(const QImage &seen, const QImage &expected);

// True when every pixel of the rectangle of image has the given colour.
::testing::AssertionResult AllOfColour(const QImage &image, const QRect &rect, const QColor &colour);
