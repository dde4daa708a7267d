// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the program's start-up: an empty Qt main window of the program's size, a
// client area of 699 x 567 below a one-line menu, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

namespace {

constexpr QSize kClientBelowMenu{699, 567};

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Файл"));
    window.setCentralWidget(new QWidget(&window));
    const int menuHeight = window.menuBar()->heightForWidth(kClientBelowMenu.width());
    window.resize(kClientBelowMenu.width(),
                  kClientBelowMenu.height()
                      + (menuHeight > 0 ? menuHeight : window.menuBar()->sizeHint().height()));
    window.show();
    return application.exec();
}
