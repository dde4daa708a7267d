// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

namespace {

bool IsInstalled(const QStringList &installed, const QString &family)
{
    // A family made by several foundries is listed once for each, as "Family [Foundry]".
    return std::any_of(installed.cbegin(), installed.cend(), [&family](const QString &name) {
        return name.compare(family, Qt::CaseInsensitive) == 0
               || name.startsWith(family + QStringLiteral(" ["), Qt::CaseInsensitive);
    });
}

// The first installed family of a list in order of preference, or the first of the list when
// none is, for fontconfig to substitute. A font is given only the family it will use: given
// the whole list, Qt would at once have fontconfig sort every installed face as a fallback,
// for each face and writing system the program draws, a good part of what loading a face
// costs. With one family that sort waits for a character the face lacks.
QString InstalledFamily(const QStringList &preferred)
{
    const QStringList installed = QFontDatabase::families();
    const auto found = std::find_if(preferred.cbegin(), preferred.cend(),
                                    [&installed](const QString &family) { return IsInstalled(installed, family); });
    return found != preferred.cend() ? *found : preferred.front();
}

// The style hint is the last resort when no family of the list exists.
QFont FontOf(const QString &family, int pixelSize)
{
    QFont font;
    font.setFamily(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

// Chosen once: the installed families do not change while the program runs.
const QString &FormFamily()
{
    static const QString family = InstalledFamily({"Liberation Sans", "Arimo", "Arial", "Helvetica"});
    return family;
}

const QString &CalibriFamily()
{
    static const QString family = InstalledFamily({"Carlito", "Calibri", "Liberation Sans"});
    return family;
}

const QString &VerdanaFamily()
{
    static const QString family = InstalledFamily({"Verdana", "DejaVu Sans", "Bitstream Vera Sans"});
    return family;
}

} // namespace

QFont FormFont() { return FontOf(FormFamily(), 11); }

QFont HeaderFont()
{
    QFont font = FontOf(FormFamily(), 13);
    font.setBold(true);
    return font;
}

QFont TabCaptionFont() { return FontOf(CalibriFamily(), 11); }

QFont InfoBoxFont() { return FontOf(CalibriFamily(), 16); }

QFont LinkFont(int pixelSize)
{
    QFont font = FontOf(VerdanaFamily(), pixelSize);
    font.setUnderline(true);
    return font;
}
