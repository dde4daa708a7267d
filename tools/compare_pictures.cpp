// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// compare_pictures <committed> <fresh>
// Prints how far a fresh picture is from a committed one by tools::PatchDifference, and fails
// when the two show different pictures: for pictures that a test makes again on a machine
// whose Qt or faces differ from those that made the committed file.

#include "tools/picturecheck.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: compare_pictures <committed> <fresh>\n";
        return 2;
    }
    const QImage committed(arguments[0]), fresh(arguments[1]);
    if (committed.isNull() || fresh.isNull()) {
        QTextStream(stderr) << "compare_pictures: a picture cannot be read\n";
        return 2;
    }
    const double difference = tools::PatchDifference(committed, fresh);
    out << "size " << fresh.width() << 'x' << fresh.height() << " (committed "
        << committed.width() << 'x' << committed.height() << "), difference " << difference
        << " (at most " << tools::kPatchTolerance << ")\n";
    return difference <= tools::kPatchTolerance ? 0 : 1;
}
