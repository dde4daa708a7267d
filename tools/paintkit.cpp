// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/paintkit.h"

#include <QFontMetricsF>
#include <QPolygonF>

#include <algorithm>
#include <vector>

namespace tools {

const Material kChrome{
    {62, 66, 72}, {118, 124, 132}, {176, 181, 187}, {218, 222, 226}, {252, 253, 255}};
const Material kBrass{
    {96, 64, 18}, {150, 108, 40}, {196, 156, 72}, {226, 196, 118}, {255, 240, 190}};
const Material kPumpGreen{
    {8, 62, 30}, {22, 110, 52}, {38, 150, 72}, {92, 192, 112}, {196, 240, 200}};
const Material kWhitePlastic{
    {150, 152, 156}, {200, 202, 206}, {232, 233, 236}, {246, 247, 249}, {255, 255, 255}};
const Material kBlackPlastic{{8, 8, 10}, {26, 27, 30}, {44, 46, 50}, {78, 80, 86}, {150, 152, 160}};
const Material kRedPlastic{
    {110, 10, 10}, {160, 24, 22}, {200, 40, 36}, {228, 92, 84}, {255, 190, 184}};

QLinearGradient RoundGradient(QPointF fromEdge, QPointF toEdge, const Material &material)
{
    QLinearGradient gradient(fromEdge, toEdge);
    gradient.setColorAt(0.00, material.rim);
    gradient.setColorAt(0.08, material.shade);
    gradient.setColorAt(0.24, material.highlight);
    gradient.setColorAt(0.38, material.light);
    gradient.setColorAt(0.60, material.shade);
    gradient.setColorAt(0.80, material.body);
    gradient.setColorAt(0.92, material.light);
    gradient.setColorAt(1.00, material.rim);
    return gradient;
}

void FillCylinder(QPainter &painter, const QRectF &rect, const Material &material,
                  Qt::Orientation axis, qreal cornerRadius)
{
    const bool alongX = axis == Qt::Horizontal;
    const QPointF to = alongX ? rect.bottomLeft() : rect.topRight();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(RoundGradient(rect.topLeft(), to, material));
    painter.drawRoundedRect(rect, cornerRadius, cornerRadius);
    painter.restore();
}

void FillNut(QPainter &painter, const QRectF &rect, const Material &material, Qt::Orientation axis)
{
    const bool alongX = axis == Qt::Horizontal;
    QLinearGradient faces(rect.topLeft(), alongX ? rect.bottomLeft() : rect.topRight());
    // Hard steps between the three visible faces of the hexagon.
    faces.setColorAt(0.00, material.shade);
    faces.setColorAt(0.24, material.body);
    faces.setColorAt(0.25, material.highlight);
    faces.setColorAt(0.50, material.light);
    faces.setColorAt(0.75, material.body);
    faces.setColorAt(0.76, material.shade);
    faces.setColorAt(1.00, material.rim);
    painter.save();
    painter.setPen(QPen(material.rim, 0.6));
    painter.setBrush(faces);
    const qreal chamfer = (alongX ? rect.height() : rect.width()) * 0.08;
    QPolygonF outline;
    if (alongX) {
        outline << rect.topLeft() + QPointF(0, chamfer) << rect.topLeft() + QPointF(chamfer, 0)
                << rect.topRight() - QPointF(chamfer, 0) << rect.topRight() + QPointF(0, chamfer)
                << rect.bottomRight() - QPointF(0, chamfer)
                << rect.bottomRight() - QPointF(chamfer, 0)
                << rect.bottomLeft() + QPointF(chamfer, 0)
                << rect.bottomLeft() - QPointF(0, chamfer);
    } else {
        outline << rect.topLeft() + QPointF(chamfer, 0) << rect.topRight() - QPointF(chamfer, 0)
                << rect.topRight() + QPointF(0, chamfer) << rect.bottomRight() - QPointF(0, chamfer)
                << rect.bottomRight() - QPointF(chamfer, 0)
                << rect.bottomLeft() + QPointF(chamfer, 0)
                << rect.bottomLeft() - QPointF(0, chamfer) << rect.topLeft() + QPointF(0, chamfer);
    }
    painter.drawPolygon(outline);
    painter.restore();
}

void StrokeTube(QPainter &painter, const QPainterPath &path, qreal width, const Material &material)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const auto stroke = [&](const QColor &colour, qreal w, QPointF shift) {
        painter.setPen(QPen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path.translated(shift));
    };
    stroke(material.rim, width, {});
    stroke(material.shade, width * 0.75, {width * 0.06, width * 0.06});
    stroke(material.body, width * 0.5, {-width * 0.04, -width * 0.04});
    stroke(material.highlight, width * 0.18, {-width * 0.16, -width * 0.16});
    painter.restore();
}

void FillFloorShadow(QPainter &painter, const QRectF &ellipse, qreal strength)
{
    QRadialGradient gradient(ellipse.center(), ellipse.width() / 2);
    gradient.setColorAt(0.0, QColor(0, 0, 0, static_cast<int>(150 * strength)));
    gradient.setColorAt(0.5, QColor(0, 0, 0, static_cast<int>(70 * strength)));
    gradient.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.translate(ellipse.center());
    painter.scale(1.0, ellipse.height() / ellipse.width());
    painter.drawEllipse(QPointF(0, 0), ellipse.width() / 2, ellipse.width() / 2);
    painter.restore();
}

namespace {

// One box pass along the rows of a premultiplied ARGB image (running sum per channel).
void BoxPassAlongRows(QImage &image, int radius)
{
    const int width = image.width();
    std::vector<QRgb> source(static_cast<std::size_t>(width));
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        std::copy(row, row + width, source.begin());
        const auto at = [&](int x) {
            return source[static_cast<std::size_t>(std::clamp(x, 0, width - 1))];
        };
        int sum[4] = {0, 0, 0, 0};
        for (int x = -radius; x <= radius; ++x) {
            const QRgb p = at(x);
            sum[0] += qAlpha(p), sum[1] += qRed(p), sum[2] += qGreen(p), sum[3] += qBlue(p);
        }
        const int span = 2 * radius + 1;
        for (int x = 0; x < width; ++x) {
            row[x] = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
            const QRgb out = at(x - radius), in = at(x + radius + 1);
            sum[0] += qAlpha(in) - qAlpha(out), sum[1] += qRed(in) - qRed(out);
            sum[2] += qGreen(in) - qGreen(out), sum[3] += qBlue(in) - qBlue(out);
        }
    }
}

QImage Transposed(const QImage &image)
{
    return image.transformed(QTransform(0, 1, 1, 0, 0, 0));
}

} // namespace

QImage Blurred(const QImage &image, int radius)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass)
        BoxPassAlongRows(result, radius);
    result = Transposed(result);
    for (int pass = 0; pass < 3; ++pass)
        BoxPassAlongRows(result, radius);
    return Transposed(result);
}

void DrawBlurredShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, int blur,
                       qreal strength)
{
    const int margin = 3 * blur + 2;
    const QRect area =
        shape.boundingRect().toAlignedRect().adjusted(-margin, -margin, margin, margin);
    QImage mask(area.size(), QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    {
        QPainter maskPainter(&mask);
        maskPainter.setRenderHint(QPainter::Antialiasing);
        maskPainter.translate(-area.topLeft());
        maskPainter.fillPath(shape, QColor(0, 0, 0, static_cast<int>(255 * strength)));
    }
    painter.drawImage(area.topLeft() + offset, Blurred(mask, blur));
}

QFont PixelFont(const QString &family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QFont FittedFont(const QString &family, const QString &text, qreal width, int maxPixelSize,
                 bool bold)
{
    for (int size = maxPixelSize; size > 6; --size) {
        const QFont font = PixelFont(family, size, bold);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width)
            return font;
    }
    return PixelFont(family, 6, bold);
}

QImage FilledImage(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

} // namespace tools
