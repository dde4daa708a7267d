// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class LinkLabel;
class TabSet;

// The three galleries of the main window. Each function fills the pages that the gallery's
// tab set already holds: one "Вид" page per screenshot (a scroll box filling the page with one
// picture box in it), then the link page with a label showing the address it opens. It
// returns that label, for the window to connect to its handler.

// "Программа" (PageControl2): four views on white, the link Label18 on a white strip.
LinkLabel *FillProgramGallery(TabSet &pageControl2, const QString &address);

// "Программа 2" (PageControl3): five views on white, the link Label19 on a white panel.
LinkLabel *FillProgram2Gallery(TabSet &pageControl3, const QString &address);

// "Программа 3" (PageControl4): four views and the link page ScrollBox15 with Label20, all in
// the button-highlight colour.
LinkLabel *FillProgram3Gallery(TabSet &pageControl4, const QString &address);
