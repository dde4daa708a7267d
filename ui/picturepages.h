// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class LinkLabel;
class QWidget;

// The three picture pages of the main window. Each function fills its page with one white
// panel that holds a picture of teaching material and, under it, a large link label showing
// the address it opens; it returns that label, for the window to connect to its handler.

// "С чего начинается расчет?" (TabSheet3): the booklet cover and Label16.
LinkLabel *FillBookletPage(QWidget &tabSheet3, const QString &address);

// "Конструкторские расчеты" (TabSheet2): the design course and Label15.
LinkLabel *FillDesignCoursePage(QWidget &tabSheet2, const QString &address);

// "Тепловые расчеты" (TabSheet4): the heat course and Label17.
LinkLabel *FillHeatCoursePage(QWidget &tabSheet4, const QString &address);
