// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// make_pictures <folder> [file name ...]
// Draws the built-in pictures, the button glyph and the icon into <folder> (resources/pictures).
// With file names, only those files are remade.
// make_pictures --toolchain
// Prints what the pictures are drawn with: Qt, the JPEG library and the faces.

#include "tools/catalogue.h"
#include "tools/fakewindow.h"
#include "tools/picturecheck.h"

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTextStream>

#include <exception>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTextStream err(stderr);
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        err << "usage: make_pictures <folder> [file name ...] | make_pictures --toolchain\n";
        return 2;
    }
    if (arguments == QStringList{QStringLiteral("--toolchain")}) {
        QTextStream(stdout) << tools::DrawingToolchain() << '\n';
        return 0;
    }
    const QDir folder(arguments.takeFirst());
    tools::SetUpScreenshotLook();
    try {
        for (const tools::GeneratedFile &file : tools::GeneratedFiles()) {
            if (!arguments.isEmpty() && !arguments.contains(file.fileName))
                continue;
            file.write(folder.filePath(file.fileName));
            QTextStream(stdout) << file.fileName << '\n';
        }
    } catch (const std::exception &error) {
        err << "make_pictures: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
