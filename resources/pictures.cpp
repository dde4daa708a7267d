// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resources/pictures.h"

#include "resources/jpegdecoder.h"

#include <QColor>
#include <QIconEngine>
#include <QResource>
#include <QString>

// Q_INIT_RESOURCE must be used outside any namespace. The pictures live in a static library,
// whose resource initialiser the linker would otherwise drop.
static void RegisterBuiltInPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace resources {
namespace {

QByteArray BuiltInFile(std::string_view fileName)
{
    static const bool registered = (RegisterBuiltInPictures(), true);
    Q_UNUSED(registered);
    const QResource file(QStringLiteral(":/varnelo/pictures/") +
                         QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
    if (!file.isValid() || file.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return QByteArray::fromRawData(reinterpret_cast<const char *>(file.data()), file.size());
}

QImage WithKeyColourTransparent(const QImage &opaque)
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

// The program's icon, whose drawings are decoded only when a pixmap of it is first wanted:
// the window system asks for one when it shows a window, the offscreen platform never does,
// so the start-up does not wait for two PNG files it may not need.
class ApplicationIconEngine final : public QIconEngine {
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        Drawings().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    // The size comes in device pixels; the decoded icon is asked at a ratio of 1 so that it
    // does not scale it a second time.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Drawings().pixmap(size, 1.0, mode, state);
    }

    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return Drawings().actualSize(size, mode, state);
    }

    // Known without decoding: the sizes of the two drawings, as for an icon they were added to.
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        if (mode != QIcon::Normal || state != QIcon::Off)
            return {};
        return {kIconSize, kLargeIconSize};
    }

    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("VarneloApplicationIcon"); }
    QIconEngine *clone() const override { return new ApplicationIconEngine(*this); }

private:
    const QIcon &Drawings()
    {
        if (drawings_.isNull()) {
            for (const std::string_view file : {kIconFile, kLargeIconFile})
                drawings_.addPixmap(QPixmap::fromImage(QImage::fromData(BuiltInFile(file), "PNG")));
        }
        return drawings_;
    }

    QIcon drawings_;
};

} // namespace

QByteArray PictureData(Picture picture)
{
    return BuiltInFile(PictureEntry(picture).fileName);
}

QImage LoadPicture(Picture picture)
{
    return DecodeJpeg(PictureData(picture));
}

QPixmap ButtonGlyph()
{
    const QImage glyph = QImage::fromData(BuiltInFile(kButtonGlyphFile), "BMP");
    return QPixmap::fromImage(WithKeyColourTransparent(glyph));
}

QIcon ApplicationIcon()
{
    return QIcon(new ApplicationIconEngine);
}

} // namespace resources
