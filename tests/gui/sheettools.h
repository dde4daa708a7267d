// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Reading the sheet's PDF files back with poppler's tools, and the file handling of the
// saving tests.

// What poppler reads from a PDF: pdfinfo's report, pdffonts' font lines, pdftotext's text
// (layout kept), and whatever the tools complained about on the way.
struct PdfReport {
    QString info;
    QStringList fonts;
    QString text;
    QString warnings;
};
PdfReport ReadPdf(const QString &path);
QString PdfText(const QString &path);

void WriteFile(const QString &path, const QByteArray &bytes);
QByteArray ReadFile(const QString &path);
// Writes into a new file until its file system is full.
void FillUp(const QString &path);
