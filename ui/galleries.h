// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class LinkLabel;
class TabSet;

// The three galleries of the main window. Each function fills the gallery's empty tab set
// from its table in galleries.cpp: the "Вид" pages of screenshots, then the link page with a
// label showing `address`. It returns that label, for the window to connect to its handler.

LinkLabel *FillProgramGallery(TabSet &pageControl2, const QString &address);
LinkLabel *FillProgram2Gallery(TabSet &pageControl3, const QString &address);
LinkLabel *FillProgram3Gallery(TabSet &pageControl4, const QString &address);
