#include "resources/pictures.h"

#include "resources/jpegdecoder.h"

#include <QColor>
#include <QResource>
#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace. The pictures live in a static library,
// whose resource initialiser the linker would otherwise drop.
static void registerBuiltInPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace resources {
namespace {

QByteArray builtInFile(std::string_view fileName)
{
    static const bool registered = (registerBuiltInPictures(), true);
    Q_UNUSED(registered);
    const QResource file(QStringLiteral(":/varnelo/pictures/") +
                         QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()), file.size());
}

QImage withKeyColourTransparent(const QImage &opaque)
{
    if (opaque.isNull())
        return {};
    QImage keyed = opaque.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1);
    for (int y = 0; y < keyed.height(); ++y) {
        auto *pixels = reinterpret_cast<QRgb *>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x) {
            if (pixels[x] == key)
                pixels[x] = qRgba(0, 0, 0, 0);
        }
    }
    return keyed;
}

} // namespace

QByteArray PictureData(Picture picture)
{
    return builtInFile(PictureEntry(picture).fileName);
}

QImage LoadPicture(Picture picture)
{
    return DecodeJpeg(PictureData(picture));
}

QPixmap ButtonGlyph()
{
    const QImage glyph = QImage::fromData(builtInFile(kButtonGlyphFile), "BMP");
    return QPixmap::fromImage(withKeyColourTransparent(glyph));
}

QIcon ApplicationIcon()
{
    QIcon icon;
    for (const std::string_view file : {kIconFile, kLargeIconFile})
        icon.addPixmap(QPixmap::fromImage(QImage::fromData(builtInFile(file), "PNG")));
    return icon;
}

} // namespace resources
