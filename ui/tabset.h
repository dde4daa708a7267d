// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <vector>

class QTabBar;

// A tab set with fixed geometry: a row of tabs along the top, a frame around the page area,
// and pages that all lie at PageRect() whether shown or not, so that each page's size is
// known before it is first displayed. Tabs switch by click, by the arrow keys on the tab row,
// and by Ctrl+Tab / Ctrl+Shift+Tab or Ctrl+PgDown / Ctrl+PgUp from inside the set.
class TabSet : public QWidget {
    Q_OBJECT

public:
    TabSet(QWidget *parent, const QString &objectName);

    // Adds a page (a plain widget for the caller to fill) with its tab at the end of the row.
    QWidget *AddPage(const QString &objectName, const QString &caption);
    // Adds a page made by the caller; the tab set becomes its parent.
    void AddPage(QWidget *page, const QString &caption);

    int TabIndex() const;
    void SetTabIndex(int index);
    int Count() const { return static_cast<int>(pages_.size()); }
    QWidget *Page(int index) const;
    QTabBar *Tabs() const { return tabs_; }

    // 4 pixels in from the sides and the bottom, 24 from the top: below the tab row and
    // inside the frame.
    QRect PageRect() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void LayOut();
    void ShowPage(int index);
    bool StepTab(int step);

    QTabBar *tabs_ = nullptr;
    std::vector<QWidget *> pages_;
};
