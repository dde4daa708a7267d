// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sheettools.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include <cstdio>

namespace {

struct Output {
    QString out;
    QString err;
};

Output Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0)
        ADD_FAILURE() << program.toStdString() << " failed on " << arguments.join(u' ').toStdString()
                      << ": " << process.readAllStandardError().toStdString();
    return {QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

PdfReport ReadPdf(const QString &path)
{
    PdfReport report;
    const Output info = Run(QStringLiteral("pdfinfo"), {path});
    const Output fonts = Run(QStringLiteral("pdffonts"), {path});
    const Output text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    report.info = info.out;
    // pdffonts: two heading lines, then one line per font.
    report.fonts = fonts.out.split(u'\n', Qt::SkipEmptyParts).mid(2);
    report.text = text.out;
    report.warnings = info.err + fonts.err + text.err;
    return report;
}

QString PdfText(const QString &path)
{
    return Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")}).out;
}

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray ReadFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void FillUp(const QString &path)
{
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "wb");
    ASSERT_NE(file, nullptr);
    const QByteArray block(4096, 'f');
    while (std::fwrite(block.constData(), 1, std::size_t(block.size()), file) == std::size_t(block.size())
           && std::fflush(file) == 0) {
    }
    std::fclose(file);
}
