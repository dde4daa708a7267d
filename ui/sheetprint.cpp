// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/sheetprint.h"

#include "ui/calculationsheet.h"
#include "ui/fonts.h"
#include "ui/sheetchart.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>

#include <algorithm>
#include <stdexcept>

namespace {

QString Text(const char *utf8) { return QString::fromUtf8(utf8); }

constexpr double kMarginMm = 15;
constexpr double kColumnGapMm = 8;
constexpr double kChartLeastHeightMm = 75;
constexpr double kChartMostHeightMm = 105;

QFont SheetFont(double points, bool bold = false)
{
    QFont font = FormFont();
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Lays lines out downwards from a top edge, in device pixels.
class Layout {
public:
    Layout(QPainter &painter, QPagedPaintDevice &device)
        : painter_(painter), device_(device),
          area_(0, 0, painter.device()->width(), painter.device()->height()),
          pixelsPerMm_(painter.device()->logicalDpiY() / 25.4)
    {
    }

    double Mm(double mm) const { return mm * pixelsPerMm_; }
    const QRectF &Area() const { return area_; }
    double Top() const { return top_; }
    double Left() const { return area_.bottom() - top_; }
    void Skip(double pixels) { top_ += pixels; }

    void NewPage()
    {
        device_.newPage();
        top_ = 0;
    }

    // A line of one text across a width, elided at its end when too long.
    void Line(const QString &text, const QFont &font, double left, double width)
    {
        const QFontMetricsF metrics(font, painter_.device());
        painter_.setFont(font);
        painter_.drawText(QRectF(left, top_, width, metrics.height()), Qt::AlignLeft | Qt::AlignTop,
                          metrics.elidedText(text, Qt::ElideRight, width));
        top_ += metrics.lineSpacing();
    }

    // A caption left and its value right-aligned; the caption gives way when both do not fit.
    void Row(const SheetLine &line, const QFont &font, double left, double width, double top)
    {
        const QFontMetricsF metrics(font, painter_.device());
        painter_.setFont(font);
        const double gap = Mm(3);
        const double valueWidth = std::min(metrics.horizontalAdvance(line.value), width * 0.6);
        const QRectF row(left, top, width, metrics.height());
        painter_.drawText(row, Qt::AlignRight | Qt::AlignTop,
                          metrics.elidedText(line.value, Qt::ElideRight, valueWidth));
        painter_.drawText(row, Qt::AlignLeft | Qt::AlignTop,
                          metrics.elidedText(line.caption, Qt::ElideRight, width - valueWidth - gap));
    }

    // A section: its heading and its rows, in a column starting at `top`; returns the bottom.
    double Section(const QString &title, const QList<SheetLine> &lines, double left, double width,
                   double top)
    {
        const QFont heading = SheetFont(11, true);
        const QFont body = SheetFont(9);
        const QFontMetricsF headingMetrics(heading, painter_.device());
        const QFontMetricsF bodyMetrics(body, painter_.device());
        painter_.setFont(heading);
        painter_.drawText(QRectF(left, top, width, headingMetrics.height()),
                          Qt::AlignLeft | Qt::AlignTop, title);
        top += headingMetrics.lineSpacing() + Mm(1);
        const double step = bodyMetrics.lineSpacing() * 1.2;
        for (const SheetLine &line : lines) {
            Row(line, body, left, width, top);
            painter_.save();
            painter_.setPen(QPen(QColor(200, 200, 200), Mm(0.15)));
            const double rule = top + bodyMetrics.height() + (step - bodyMetrics.height()) / 2;
            painter_.drawLine(QPointF(left, rule), QPointF(left + width, rule));
            painter_.restore();
            top += step;
        }
        return top;
    }

    void SetTop(double top) { top_ = top; }

private:
    QPainter &painter_;
    QPagedPaintDevice &device_;
    QRectF area_;
    double pixelsPerMm_;
    double top_ = 0;
};

// The PDF text string of a text: UTF-16 big-endian with its byte-order mark, in hex.
QByteArray PdfTextString(const QString &text)
{
    QByteArray hex = "<FEFF";
    for (const QChar c : text)
        hex += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    return hex + '>';
}

QString SaveFailed(const QString &path, const char *why)
{
    return Text("Расчёт не сохранён в файл «%1»: %2.")
        .arg(QFileInfo(path).fileName(), Text(why));
}

} // namespace

void SetSheetPageLayout(QPagedPaintDevice &device)
{
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                                     QPageLayout::Millimeter));
}

void PaintSheet(const CalculationSheet &sheet, QPainter &painter, QPagedPaintDevice &device)
{
    Layout layout(painter, device);
    const QRectF area = layout.Area();
    painter.setPen(Qt::black);

    layout.Line(SheetTitle(), SheetFont(16, true), area.left(), area.width());
    layout.Line(SheetSubtitle(), SheetFont(10), area.left(), area.width());
    layout.Skip(layout.Mm(1));
    const QFont body = SheetFont(9);
    layout.Line(Text("Рассчитано: ") + CalculatedAtText(sheet.calculatedAt) + Text("    Программа: ")
                    + ProgramNameAndVersion(),
                body, area.left(), area.width());
    layout.Skip(layout.Mm(4));

    // Inputs and results side by side, the working below across the page.
    const double gap = layout.Mm(kColumnGapMm);
    const double column = (area.width() - gap) / 2;
    const double top = layout.Top();
    const double inputsBottom =
        layout.Section(Text("Исходные данные"), sheet.inputs, area.left(), column, top);
    const double resultsBottom =
        layout.Section(Text("Результаты"), sheet.results, area.left() + column + gap, column, top);
    layout.SetTop(std::max(inputsBottom, resultsBottom) + layout.Mm(4));
    layout.SetTop(layout.Section(Text("Ход расчёта"), sheet.working, area.left(), area.width(),
                                 layout.Top()) + layout.Mm(4));

    if (layout.Left() < layout.Mm(kChartLeastHeightMm))
        layout.NewPage();
    const double height = std::min(layout.Left(), layout.Mm(kChartMostHeightMm));
    PaintPumpChart(painter, QRectF(area.left(), layout.Top(), area.width(), height), sheet.chart,
                   SheetFont(8), layout.Mm(0.2));
}

void PrintSheet(const CalculationSheet &sheet, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error("Принтер не готов к печати");
    PaintSheet(sheet, painter, printer);
    painter.end();
}

QString SheetAuthor() { return ProgramNameAndVersion(); }

QByteArray SheetPdf(const CalculationSheet &sheet)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(SheetTitle() + u' ' + CalculatedAtText(sheet.calculatedAt));
        writer.setCreator(ProgramNameAndVersion());
        SetSheetPageLayout(writer);
        QPainter painter(&writer);
        PaintSheet(sheet, painter, writer);
    }
    return WithPdfAuthor(buffer.data(), SheetAuthor());
}

QByteArray WithPdfAuthor(const QByteArray &pdf, const QString &author)
{
    // The last trailer names the information dictionary, the catalogue and the object count.
    const qsizetype trailer = pdf.lastIndexOf("trailer");
    const qsizetype startxref = pdf.lastIndexOf("startxref");
    if (trailer < 0 || startxref < trailer)
        return pdf;
    const QString tail = QString::fromLatin1(pdf.mid(trailer));
    const auto size = QRegularExpression(QStringLiteral("/Size (\\d+)")).match(tail);
    const auto info = QRegularExpression(QStringLiteral("/Info (\\d+) 0 R")).match(tail);
    const auto root = QRegularExpression(QStringLiteral("/Root (\\d+) 0 R")).match(tail);
    const auto previous = QRegularExpression(QStringLiteral("startxref\\s+(\\d+)")).match(tail);
    if (!size.hasMatch() || !info.hasMatch() || !root.hasMatch() || !previous.hasMatch())
        return pdf;
    const QByteArray infoStart = info.captured(1).toLatin1() + " 0 obj";
    const qsizetype object = pdf.indexOf("\n" + infoStart);
    const qsizetype open = pdf.indexOf("<<", object);
    const qsizetype end = pdf.indexOf("endobj", open);
    const qsizetype close = pdf.lastIndexOf(">>", end);
    if (object < 0 || open < 0 || end < 0 || close < open)
        return pdf;

    const QByteArray number = size.captured(1).toLatin1();
    QByteArray update = pdf;
    const qsizetype offset = update.size();
    update += number + " 0 obj\n" + pdf.mid(open, close - open) + "/Author "
              + PdfTextString(author) + "\n>>\nendobj\n";
    const qsizetype xref = update.size();
    update += "xref\n" + number + " 1\n" + QByteArray::number(offset).rightJustified(10, '0')
              + " 00000 n \ntrailer\n<<\n/Size " + QByteArray::number(number.toLongLong() + 1)
              + "\n/Info " + number + " 0 R\n/Root " + root.captured(1).toLatin1()
              + " 0 R\n/Prev " + previous.captured(1).toLatin1() + "\n>>\nstartxref\n"
              + QByteArray::number(xref) + "\n%%EOF\n";
    return update;
}

QString SaveSheetPdf(const CalculationSheet &sheet, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return SaveFailed(path, "папки нет или в неё нельзя записывать");
    const QByteArray pdf = SheetPdf(sheet);
    if (file.write(pdf) != pdf.size() || !file.commit())
        return SaveFailed(path, "запись не удалась (возможно, на диске нет места); "
                                "новый файл не создан, а прежний файл с этим именем, "
                                "если он был, не изменён");
    return {};
}
