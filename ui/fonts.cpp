#include "ui/fonts.h"

#include <QStringList>

namespace {

// Family lists in order of preference; the style hint is the last resort when none exists.
QFont FontOf(const QStringList &families, int pixelSize)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QStringList FormFamilies() { return {"Liberation Sans", "Arimo", "Arial", "Helvetica"}; }
QStringList CalibriFamilies() { return {"Carlito", "Calibri", "Liberation Sans"}; }
QStringList VerdanaFamilies() { return {"Verdana", "DejaVu Sans", "Bitstream Vera Sans"}; }

} // namespace

QFont FormFont() { return FontOf(FormFamilies(), 11); }

QFont HeaderFont()
{
    QFont font = FontOf(FormFamilies(), 13);
    font.setBold(true);
    return font;
}

QFont TabCaptionFont() { return FontOf(CalibriFamilies(), 11); }

QFont InfoBoxFont() { return FontOf(CalibriFamilies(), 16); }

QFont LinkFont(int pixelSize)
{
    QFont font = FontOf(VerdanaFamilies(), pixelSize);
    font.setUnderline(true);
    return font;
}
