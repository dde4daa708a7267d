// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
struct CalculationSheet;

// The calculation sheet on paper: one painting for the PDF file and the printer alike.

// A4 portrait with 15 mm margins, the page the sheet is laid out for.
void SetSheetPageLayout(QPagedPaintDevice &device);

// Paints the sheet through an active painter on a paged device, within the device's paint
// rectangle: one page where it fits, the chart on a page of its own where it does not.
void PaintSheet(const CalculationSheet &sheet, QPainter &painter, QPagedPaintDevice &device);

// Prints the sheet on a printer as it is set up (the preview's, or a named queue's).
void PrintSheet(const CalculationSheet &sheet, QPrinter &printer);

// The sheet as a PDF document made by Qt's writer: fonts embedded, so the text stays
// selectable; title, author and creator in the document's information.
QByteArray SheetPdf(const CalculationSheet &sheet);

// The PDF's author: the program that made the sheet.
QString SheetAuthor();

// Writes the sheet's PDF to `path` all at once or not at all: a file of that name is replaced
// only by a complete new one. Empty on success, otherwise the message for the user.
QString SaveSheetPdf(const CalculationSheet &sheet, const QString &path);

// Adds an author to the information dictionary of a PDF as Qt's writer makes it, by an
// incremental update appended to the file (the bytes written before stay as they are).
// Returns the document unchanged when it is not laid out as expected.
QByteArray WithPdfAuthor(const QByteArray &pdf, const QString &author);
