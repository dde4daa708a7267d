// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

class CalculatorPage;
class LinkLabel;
class Panel;
class QAction;
class QMenu;
class QMenuBar;
class QTextEdit;
class ScrollBox;
class TabSet;

// The main window Form1: a header strip, the outer tab set of seven pages and the
// information box, all on Panel7 of fixed size inside the scroll box ScrollBox1, and the main
// menu. Every wheel event in the window moves ScrollBox1 by 5 pixels and goes on unconsumed.
// The six reference tabs hold the galleries and picture pages, whose link labels open web
// pages, as do the menu commands N5 and N6.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // Selects the first tab of every tab set; runs once, when the layout is built.
    void FormCreate();
    void N2Click();
    void N5Click();
    void N6Click();
    void Label15Click();
    void Label16Click();
    void Label17Click();
    void Label18Click();
    void Label19Click();
    void Label20Click();
    void ScrollBox1MouseWheelDown();
    void ScrollBox1MouseWheelUp();

    QMenuBar *MainMenu1 = nullptr;
    QMenu *N1 = nullptr;
    QAction *N2 = nullptr;
    QMenu *N3 = nullptr;
    QAction *N5 = nullptr;
    QMenu *N4 = nullptr;
    QAction *N6 = nullptr;

    ScrollBox *ScrollBox1 = nullptr;
    Panel *Panel7 = nullptr;
    Panel *Panel1 = nullptr;
    TabSet *PageControl1 = nullptr;
    Panel *Panel3 = nullptr;
    QTextEdit *RichEdit1 = nullptr;

    CalculatorPage *TabSheet1 = nullptr;
    QWidget *TabSheet5 = nullptr;
    QWidget *TabSheet11 = nullptr;
    QWidget *TabSheet18 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet4 = nullptr;

    // The galleries' tab sets; their pages are the galleries' own (ui/galleries.cpp).
    TabSet *PageControl2 = nullptr;
    TabSet *PageControl3 = nullptr;
    TabSet *PageControl4 = nullptr;

    LinkLabel *Label18 = nullptr;  // "Программа" > "Подробнее о программе"
    LinkLabel *Label19 = nullptr;  // "Программа 2" > "Подробнее о программе"
    LinkLabel *Label20 = nullptr;  // "Программа 3" > "Подробнее"
    LinkLabel *Label16 = nullptr;  // "С чего начинается расчет?"
    LinkLabel *Label15 = nullptr;  // "Конструкторские расчеты"
    LinkLabel *Label17 = nullptr;  // "Тепловые расчеты"

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateMenu();
    void CreateFrame();
    void CreateInfoBox();
    void CreatePages();
    void CreateInnerTabSets();
    void FillReferencePages();
    void ConnectLinks();
    void SetKeyboardOrder();
    void SizeAndPlace();
    void ScrollBy(int pixels);
};
