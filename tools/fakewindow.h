// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>

class QBoxLayout;
class QLineEdit;
class QStatusBar;
class QTableWidget;
class QToolBar;

// Program windows for the gallery screenshots, built from real widgets and grabbed off screen.
namespace tools {

// One style, font and palette for every screenshot, wherever the generator runs. Inactive
// windows are coloured like active ones, as an off-screen window never gets the focus.
void SetUpScreenshotLook();

// A top-level program window with a drawn title bar and frame, a menu bar, an optional tool
// bar, a content area and a status bar, fixed at the size of its screenshot.
class FakeWindow : public QWidget {
public:
    FakeWindow(const QString &caption, const QStringList &menus, QSize size);

    QToolBar *AddToolBar();
    QWidget *Content() const { return content_; }
    QStatusBar *StatusBar() const { return statusBar_; }

    // Lays the window out off screen and returns what it shows.
    QImage Grab();

private:
    QWidget *content_;
    QStatusBar *statusBar_;
};

// Kinds of small pictures on tool-bar buttons.
enum class ToolIcon {
    New,
    Open,
    Save,
    Print,
    Undo,
    Calculate,
    Chart,
    Report,
    Zoom,
    Rotate,
    Pipe,
    Radiator,
    Wall,
    Window,
    Door
};

QIcon MakeToolIcon(ToolIcon kind);

void AddToolButtons(QToolBar *toolBar, const QList<ToolIcon> &icons);

// A widget whose face is drawn by paint at its current size.
QWidget *MakePaintedArea(QWidget *parent, std::function<void(QPainter &, QSize)> paint);

// A table with the given header and rows of text; a column width of 0 stretches.
QTableWidget *MakeTable(QWidget *parent, const QStringList &header, const QList<QStringList> &rows,
                        const QList<int> &columnWidths);

// A two-column grid of property names and values, as object inspectors show them.
QTableWidget *MakePropertyGrid(QWidget *parent, const QList<QStringList> &rows, int nameWidth);

// A label and a read-only-looking edit box with text, added to layout.
QLineEdit *AddLabelledField(QBoxLayout *layout, const QString &label, const QString &value,
                            int fieldWidth);

// The screenshot of back with front drawn over it at topLeft, with a soft window shadow.
QImage ComposeWindows(const QImage &back, const QImage &front, QPoint topLeft);

} // namespace tools
