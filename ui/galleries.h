// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class LinkLabel;
class TabSet;

// The three galleries of the main window. Each function makes the pages of the gallery's
// empty tab set from its own table: one "Вид" page per screenshot (a scroll box filling the
// page with one picture box in it), then the link page with a label showing the address it
// opens. It returns that label, for the window to connect to its handler.

// "Программа" (PageControl2): four views (TabSheet6 to TabSheet9) on white, the link page
// TabSheet10 with Label18 on a white strip.
LinkLabel *FillProgramGallery(TabSet &pageControl2, const QString &address);

// "Программа 2" (PageControl3): five views (TabSheet12 to TabSheet16) on white, the link page
// TabSheet17 with Label19 on a white panel.
LinkLabel *FillProgram2Gallery(TabSet &pageControl3, const QString &address);

// "Программа 3" (PageControl4): four views (TabSheet19 to TabSheet22) and the link page
// TabSheet23, whose ScrollBox15 holds Label20, all in the button-highlight colour.
LinkLabel *FillProgram3Gallery(TabSet &pageControl4, const QString &address);
