// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/fakewindow.h"

#include "tools/paintkit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QStatusBar>
#include <QStyleFactory>
#include <QTableWidget>
#include <QToolBar>

namespace tools {

const QString kUiFamily = QStringLiteral("Liberation Sans");

void SetUpScreenshotLook()
{
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(PixelFont(kUiFamily, 11));
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(236, 233, 216));
    palette.setColor(QPalette::Button, QColor(240, 238, 228));
    palette.setColor(QPalette::Highlight, QColor(49, 106, 197));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = static_cast<QPalette::ColorRole>(role);
        palette.setColor(QPalette::Inactive, colourRole,
                         palette.color(QPalette::Active, colourRole));
    }
    QApplication::setPalette(palette);
}

namespace {

constexpr int kTitleHeight = 26;
constexpr int kBorder = 4;
const QColor kFrameBlue(0, 78, 224);

class PaintedArea : public QFrame {
public:
    PaintedArea(QWidget *parent, std::function<void(QPainter &, QSize)> paint)
        : QFrame(parent), paint_(std::move(paint))
    {
        setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setRenderHint(QPainter::TextAntialiasing);
            painter.translate(contentsRect().topLeft());
            painter.setClipRect(QRect(QPoint(0, 0), contentsRect().size()));
            paint_(painter, contentsRect().size());
        }
        QFrame::paintEvent(event);
    }

private:
    std::function<void(QPainter &, QSize)> paint_;
};

void PaintCaptionButton(QPainter &painter, const QRectF &box, bool close, int glyph)
{
    QLinearGradient face(box.topLeft(), box.bottomRight());
    face.setColorAt(0.0, close ? QColor(236, 150, 120) : QColor(120, 170, 255));
    face.setColorAt(0.5, close ? QColor(214, 70, 30) : QColor(28, 100, 236));
    face.setColorAt(1.0, close ? QColor(190, 50, 20) : QColor(10, 72, 210));
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(face);
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::SquareCap));
    painter.setBrush(Qt::NoBrush);
    const QRectF inner = box.adjusted(6, 6, -6, -6);
    if (glyph == 0) {
        painter.drawLine(QPointF(inner.left(), inner.bottom()),
                         inner.bottomRight() - QPointF(2, 0));
    } else if (glyph == 1) {
        painter.setPen(QPen(Qt::white, 1));
        painter.drawRect(inner);
        painter.fillRect(QRectF(inner.left(), inner.top(), inner.width(), 2), Qt::white);
    } else {
        painter.drawLine(inner.topLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomLeft());
    }
}

class TitleBar : public QWidget {
public:
    TitleBar(QWidget *parent, QString caption) : QWidget(parent), caption_(std::move(caption))
    {
        setFixedHeight(kTitleHeight);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient blue(0, 0, 0, height());
        blue.setColorAt(0.00, QColor(8, 88, 236));
        blue.setColorAt(0.10, QColor(72, 150, 255));
        blue.setColorAt(0.28, QColor(10, 96, 240));
        blue.setColorAt(0.85, QColor(0, 76, 222));
        blue.setColorAt(1.00, QColor(0, 62, 190));
        QPainterPath shape;
        shape.addRoundedRect(QRectF(rect()).adjusted(0, 0, 0, 8), 7, 7);
        painter.fillRect(rect(), Qt::white);  // the rounded corners show what lies behind
        painter.fillPath(shape, blue);
        painter.drawPixmap(6, 5, window()->windowIcon().pixmap(16, 16));
        painter.setFont(PixelFont(QStringLiteral("DejaVu Sans"), 12, true));
        const QRect text(27, 0, width() - 100, height());
        painter.setPen(QColor(10, 24, 130));
        painter.drawText(text.translated(1, 1), Qt::AlignVCenter | Qt::AlignLeft, caption_);
        painter.setPen(Qt::white);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, caption_);
        for (int glyph = 0; glyph < 3; ++glyph)
            PaintCaptionButton(painter, QRectF(width() - 71 + glyph * 22, 3, 21, 21), glyph == 2,
                               glyph);
    }

private:
    QString caption_;
};

class Frame : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), kFrameBlue);
        painter.setPen(QColor(0, 40, 140));
        painter.drawRect(rect().adjusted(0, -1, -1, -1));
    }
};

} // namespace

FakeWindow::FakeWindow(const QString &caption, const QStringList &menus, QSize size)
{
    setFixedSize(size);
    setWindowIcon(MakeToolIcon(ToolIcon::Calculate));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(new TitleBar(this, caption));
    auto *frame = new Frame(this);
    outer->addWidget(frame, 1);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(kBorder, 0, kBorder, kBorder);
    auto *client = new QWidget(frame);
    client->setAutoFillBackground(true);
    frameLayout->addWidget(client);
    auto *clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    if (!menus.isEmpty()) {
        auto *menuBar = new QMenuBar(client);
        for (const QString &menu : menus)
            menuBar->addMenu(menu);
        clientLayout->addWidget(menuBar);
    }
    content_ = new QWidget(client);
    clientLayout->addWidget(content_, 1);
    statusBar_ = new QStatusBar(client);
    statusBar_->setSizeGripEnabled(false);
    clientLayout->addWidget(statusBar_);
}

QToolBar *FakeWindow::AddToolBar()
{
    auto *clientLayout = static_cast<QVBoxLayout *>(content_->parentWidget()->layout());
    auto *toolBar = new QToolBar(content_->parentWidget());
    toolBar->setIconSize(QSize(16, 16));
    clientLayout->insertWidget(clientLayout->indexOf(content_), toolBar);
    return toolBar;
}

QImage FakeWindow::Grab()
{
    show();
    QApplication::processEvents();
    return grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QWidget *MakePaintedArea(QWidget *parent, std::function<void(QPainter &, QSize)> paint)
{
    return new PaintedArea(parent, std::move(paint));
}

QTableWidget *MakeTable(QWidget *parent, const QStringList &header, const QList<QStringList> &rows,
                        const QList<int> &columnWidths)
{
    auto *table =
        new QTableWidget(static_cast<int>(rows.size()), static_cast<int>(header.size()), parent);
    table->setHorizontalHeaderLabels(header);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(18);
    table->horizontalHeader()->setFixedHeight(20);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            auto *item = new QTableWidgetItem(rows[row][column]);
            item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter
                                               : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(row, column, item);
        }
    }
    for (int column = 0; column < columnWidths.size(); ++column) {
        if (columnWidths[column] > 0)
            table->setColumnWidth(column, columnWidths[column]);
        else
            table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
    }
    return table;
}

QTableWidget *MakePropertyGrid(QWidget *parent, const QList<QStringList> &rows, int nameWidth)
{
    auto *grid = new QTableWidget(static_cast<int>(rows.size()), 2, parent);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(17);
    grid->setColumnWidth(0, nameWidth);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont bold = grid->font();
    bold.setBold(true);
    for (int row = 0; row < rows.size(); ++row) {
        const bool category = rows[row].size() == 1;
        auto *name = new QTableWidgetItem(rows[row][0]);
        name->setBackground(category ? QColor(212, 208, 200) : QColor(246, 245, 240));
        if (category) {
            name->setFont(bold);
            grid->setSpan(row, 0, 1, 2);
        }
        grid->setItem(row, 0, name);
        if (!category)
            grid->setItem(row, 1, new QTableWidgetItem(rows[row][1]));
    }
    return grid;
}

QLineEdit *AddLabelledField(QBoxLayout *layout, const QString &label, const QString &value,
                            int fieldWidth)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    auto *caption = new QLabel(label, layout->parentWidget());
    row->addWidget(caption);
    auto *field = new QLineEdit(value, layout->parentWidget());
    field->setFixedWidth(fieldWidth);
    row->addWidget(field);
    layout->addLayout(row);
    return field;
}

QImage ComposeWindows(const QImage &back, const QImage &front, QPoint topLeft)
{
    QImage result = back.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&result);
    QPainterPath outline;
    outline.addRoundedRect(QRectF(QPointF(topLeft), QSizeF(front.size())), 7, 7);
    DrawBlurredShadow(painter, outline, QPointF(4, 5), 4, 0.45);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(outline);
    painter.drawImage(topLeft, front);
    return result;
}

} // namespace tools
