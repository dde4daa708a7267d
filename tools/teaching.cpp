// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/teaching.h"

#include "tools/paintkit.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>
#include <functional>
#include <numbers>

namespace tools {
namespace {

const QString kTitleFamily = QStringLiteral("DejaVu Sans");
const QString kTextFamily = QStringLiteral("Liberation Sans");

// Artwork of a printed cover: colours, texts and a drawing in its free area.
struct CoverDesign {
    QColor top;
    QColor bottom;
    QColor accent;
    QColor titleColour;
    QString kicker;
    QString title;
    QString subtitle;
    QStringList topics;
    QString footer;
    std::function<void(QPainter &, const QRectF &)> ornament;
};

void DrawTopics(QPainter &painter, const QRectF &area, const QStringList &topics,
                const QColor &tick, const QColor &text)
{
    const int pixelSize = topics.size() > 5 ? 11 : 12;
    painter.setFont(PixelFont(kTextFamily, pixelSize, true));
    const qreal pitch = std::min<qreal>(area.height() / topics.size(), pixelSize + 6);
    for (int i = 0; i < topics.size(); ++i) {
        const qreal y = area.top() + i * pitch;
        painter.setPen(Qt::NoPen);
        painter.setBrush(tick);
        painter.drawEllipse(QPointF(area.left() + 4, y + pitch / 2), 3, 3);
        painter.setPen(text);
        painter.drawText(QRectF(area.left() + 12, y, area.width() - 12, pitch),
                         Qt::AlignLeft | Qt::AlignVCenter, topics[i]);
    }
}

// Front of a video course box: the whole cover artwork at the given size.
QImage PaintCaseCover(const CoverDesign &design, QSize size)
{
    QImage cover = FilledImage(size, design.bottom);
    QPainter painter(&cover);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF page(QPointF(0, 0), QSizeF(size));
    QLinearGradient background(page.topLeft(), page.bottomRight());
    background.setColorAt(0.0, design.top);
    background.setColorAt(1.0, design.bottom);
    painter.fillRect(page, background);
    painter.setOpacity(0.45);
    design.ornament(painter,
                    QRectF(page.width() * 0.42, page.height() * 0.55, page.width() * 0.54,
                           page.height() * 0.3));
    painter.setOpacity(1.0);
    painter.fillRect(QRectF(0, 0, page.width(), 22), QColor(0, 0, 0, 70));
    painter.setPen(design.accent);
    painter.setFont(PixelFont(kTextFamily, 11, true));
    painter.drawText(QRectF(10, 0, page.width() - 20, 22), Qt::AlignVCenter | Qt::AlignLeft,
                     design.kicker);
    painter.setPen(design.titleColour);
    painter.setFont(FittedFont(kTitleFamily, design.title.section(QLatin1Char('\n'), 0, 0),
                               page.width() - 20, 22, true));
    painter.drawText(QRectF(10, 30, page.width() - 20, 64), Qt::AlignLeft | Qt::AlignTop,
                     design.title);
    painter.fillRect(QRectF(10, 90, 46, 3), design.accent);
    painter.setPen(QColor(235, 240, 250));
    painter.setFont(PixelFont(kTextFamily, 11));
    painter.drawText(QRectF(10, 98, page.width() - 20, 42), Qt::AlignLeft | Qt::TextWordWrap,
                     design.subtitle);
    DrawTopics(painter, QRectF(10, 144, page.width() - 16, page.height() - 144 - 34), design.topics,
               design.accent, Qt::white);
    painter.fillRect(QRectF(0, page.height() - 26, page.width(), 26), QColor(0, 0, 0, 90));
    painter.setPen(Qt::white);
    painter.setFont(PixelFont(kTextFamily, 10, true));
    painter.drawText(QRectF(10, page.height() - 26, page.width() - 20, 26),
                     Qt::AlignVCenter | Qt::AlignLeft, design.footer);
    return cover;
}

void DrawImageOnQuad(QPainter &painter, const QImage &image, const QPolygonF &quad)
{
    const QRectF source(image.rect());
    QTransform transform;
    QTransform::quadToQuad(
        QPolygonF({source.topLeft(), source.topRight(), source.bottomRight(), source.bottomLeft()}),
        quad, transform);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setTransform(transform, true);
    painter.drawImage(0, 0, image);
    painter.restore();
}

// A disc with the course's print, hub and shine.
void DrawDisc(QPainter &painter, QPointF centre, qreal radius, const CoverDesign &design)
{
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    disc.addEllipse(centre, radius * 0.12, radius * 0.12);
    DrawBlurredShadow(painter, disc, QPointF(3, 4), 3, 0.35);
    QConicalGradient silver(centre, 30);
    const QColor sheen[] = {QColor(236, 238, 242), QColor(180, 186, 196), QColor(246, 232, 240),
                            QColor(200, 224, 236), QColor(236, 238, 242), QColor(176, 182, 192),
                            QColor(240, 240, 220), QColor(236, 238, 242)};
    for (int i = 0; i < 8; ++i)
        silver.setColorAt(i / 7.0, sheen[i]);
    painter.fillPath(disc, silver);
    QPainterPath print;
    print.addEllipse(centre, radius * 0.96, radius * 0.96);
    print.addEllipse(centre, radius * 0.34, radius * 0.34);
    QLinearGradient printColour(centre - QPointF(radius, radius), centre + QPointF(radius, radius));
    printColour.setColorAt(0.0, design.top);
    printColour.setColorAt(1.0, design.bottom);
    painter.fillPath(print, printColour);
    // The print sits on the right half, the part that shows beside the case.
    const QRectF label(centre.x() + radius * 0.36, centre.y() - radius * 0.3, radius * 0.56,
                       radius * 0.6);
    painter.setPen(design.titleColour);
    painter.setFont(PixelFont(kTitleFamily, static_cast<int>(radius * 0.2), true));
    painter.drawText(label.adjusted(0, 0, 0, -label.height() / 2), Qt::AlignCenter,
                     QStringLiteral("DVD"));
    painter.setPen(design.accent);
    painter.setFont(FittedFont(kTextFamily, design.kicker, label.width(), 10, true));
    painter.drawText(label.adjusted(0, label.height() / 2, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     design.kicker);
    painter.setPen(QPen(QColor(150, 156, 166), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius - 0.5, radius - 0.5);
    painter.drawEllipse(centre, radius * 0.22, radius * 0.22);
    painter.drawEllipse(centre, radius * 0.12, radius * 0.12);
}

// The case stands upright, turned a little to the right: spine on the left, cover in front.
void DrawCase(QPainter &painter, const QImage &cover, const QRectF &front,
              const QColor &spineColour)
{
    const qreal slant = front.height() * 0.035;
    const QPolygonF face({front.topLeft(), front.topRight() + QPointF(0, slant),
                          front.bottomRight() - QPointF(0, slant), front.bottomLeft()});
    const QPolygonF spine({front.topLeft() - QPointF(14, -slant * 0.6), front.topLeft(),
                           front.bottomLeft(), front.bottomLeft() - QPointF(14, slant * 0.6)});
    QPainterPath silhouette;
    silhouette.addPolygon(face.united(spine));
    DrawBlurredShadow(painter, silhouette, QPointF(6, 6), 5, 0.45);
    QLinearGradient spineShade(spine[0], spine[1]);
    spineShade.setColorAt(0.0, spineColour.darker(170));
    spineShade.setColorAt(1.0, spineColour.darker(120));
    painter.setPen(Qt::NoPen);
    painter.setBrush(spineShade);
    painter.drawPolygon(spine);
    DrawImageOnQuad(painter, cover, face);
    // The clear sleeve catches the light along the top left.
    QLinearGradient gloss(front.topLeft(), front.center());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 90));
    gloss.setColorAt(0.5, QColor(255, 255, 255, 0));
    painter.setBrush(gloss);
    painter.drawPolygon(face);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(face);
}

QImage DrawBoxAndDisc(const CoverDesign &design, QSize size)
{
    QImage image = FilledImage(size, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal height = size.height() * 0.82;
    const QRectF front(size.width() * 0.09, size.height() * 0.07, height * 0.70, height);
    const qreal discRadius = size.height() * 0.25;
    DrawDisc(painter, QPointF(size.width() - discRadius - 6, size.height() * 0.55), discRadius,
             design);
    DrawCase(painter, PaintCaseCover(design, front.size().toSize()), front, design.bottom);
    FillFloorShadow(painter, QRectF(front.left() - 10, front.bottom() - 4, front.width() + 30, 16),
                    0.5);
    return image;
}

// Line drawing of pipes with a pump and a mixing valve.
void DrawPipeOrnament(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 110), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const qreal left = area.left(), right = area.right(), top = area.top() + 10,
                bottom = area.bottom() - 6;
    painter.drawPolyline(
        QPolygonF({QPointF(left, top), QPointF(right - 14, top), QPointF(right - 14, bottom)}));
    painter.drawPolyline(QPolygonF(
        {QPointF(left, bottom), QPointF(right - 40, bottom), QPointF(right - 40, top + 26)}));
    painter.setBrush(QColor(255, 255, 255, 60));
    painter.drawEllipse(QPointF(left + area.width() * 0.35, top), 11, 11);
    painter.drawPolygon(QPolygonF({QPointF(left + area.width() * 0.35 + 9, top),
                                   QPointF(left + area.width() * 0.35 - 5, top - 7),
                                   QPointF(left + area.width() * 0.35 - 5, top + 7)}));
    for (int i = 0; i < 4; ++i) {
        const qreal x = left + 14 + i * 13;
        painter.drawLine(QPointF(x, bottom - 28), QPointF(x, bottom - 4));
    }
    painter.restore();
}

// A house outline radiating heat waves, with a thermometer.
void DrawHeatOrnament(QPainter &painter, const QRectF &area)
{
    painter.save();
    painter.setPen(
        QPen(QColor(255, 255, 255, 120), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    const QRectF house(area.left() + 14, area.top() + area.height() * 0.38, area.width() * 0.42,
                       area.height() * 0.58);
    painter.drawPolyline(QPolygonF({house.bottomLeft(), house.topLeft(),
                                    QPointF(house.center().x(), house.top() - house.height() * 0.5),
                                    house.topRight(), house.bottomRight(), house.bottomLeft()}));
    for (int i = 0; i < 3; ++i) {
        QPainterPath wave(QPointF(house.right() + 10, house.top() + 6 + i * 14));
        for (int j = 0; j < 3; ++j)
            wave.quadTo(wave.currentPosition() + QPointF(6, -6),
                        wave.currentPosition() + QPointF(12, 0));
        painter.drawPath(wave);
    }
    const QPointF bulb(area.right() - 14, area.bottom() - 10);
    painter.drawRoundedRect(QRectF(bulb.x() - 4, area.top() + 4, 8, bulb.y() - area.top() - 8), 4,
                            4);
    painter.setBrush(QColor(255, 255, 255, 120));
    painter.drawEllipse(bulb, 7, 7);
    painter.restore();
}

CoverDesign DesignOf(Course course)
{
    if (course == Course::DesignCalculations) {
        return {
            QColor(18, 64, 140),
            QColor(6, 24, 70),
            QColor(255, 176, 40),
            Qt::white,
            QStringLiteral("ВИДЕОКУРС"),
            QStringLiteral("Конструкторские\nрасчеты"),
            QStringLiteral("Гидравлические и тепловые расчеты систем водоснабжения и отопления"),
            {QStringLiteral("Теплый водяной пол"), QStringLiteral("Смесительные узлы"),
             QStringLiteral("Естественная циркуляция"), QStringLiteral("Разветвленные контуры"),
             QStringLiteral("Подбор насосов")},
            QStringLiteral("Примеры расчетов  •  DVD"),
            DrawPipeOrnament};
    }
    return {QColor(196, 58, 24),
            QColor(92, 16, 8),
            QColor(255, 214, 80),
            Qt::white,
            QStringLiteral("ВИДЕОКУРС"),
            QStringLiteral("Тепловые\nрасчеты"),
            QStringLiteral("Теплотехнические расчеты зданий и инженерных систем"),
            {QStringLiteral("Точка росы"), QStringLiteral("Инфильтрация"),
             QStringLiteral("Теплообменники"), QStringLiteral("Теплопотери зданий"),
             QStringLiteral("Теплопотери трубопроводов"), QStringLiteral("Теплый водяной пол"),
             QStringLiteral("Тепловое излучение")},
            QStringLiteral("Примеры расчетов  •  DVD"),
            DrawHeatOrnament};
}

// A shaded ball valve with a red lever, lying along x, centred at the origin, 200 units long.
void DrawBallValve(QPainter &painter)
{
    FillNut(painter, QRectF(-100, -30, 34, 60), kBrass, Qt::Horizontal);
    FillNut(painter, QRectF(66, -30, 34, 60), kBrass, Qt::Horizontal);
    FillCylinder(painter, QRectF(-70, -24, 140, 48), kBrass, Qt::Horizontal, 6);
    painter.setPen(Qt::NoPen);
    QRadialGradient ball(QPointF(-12, -12), 60);
    ball.setColorAt(0.0, kBrass.highlight);
    ball.setColorAt(0.5, kBrass.body);
    ball.setColorAt(1.0, kBrass.rim);
    painter.setBrush(ball);
    painter.drawEllipse(QPointF(0, 0), 42, 40);
    FillCylinder(painter, QRectF(-10, -62, 20, 26), kChrome, Qt::Vertical, 2);
    FillNut(painter, QRectF(-14, -70, 28, 10), kChrome, Qt::Vertical);
    QPainterPath lever(QPointF(-16, -78));
    lever.lineTo(120, -92);
    lever.quadTo(128, -92, 128, -84);
    lever.lineTo(128, -80);
    lever.quadTo(128, -74, 120, -74);
    lever.lineTo(-16, -62);
    lever.closeSubpath();
    QLinearGradient red(QPointF(0, -92), QPointF(0, -62));
    red.setColorAt(0.0, kRedPlastic.highlight);
    red.setColorAt(0.3, kRedPlastic.light);
    red.setColorAt(1.0, kRedPlastic.rim);
    painter.setPen(QPen(kRedPlastic.rim, 1));
    painter.setBrush(red);
    painter.drawPath(lever);
    FillCylinder(painter, QRectF(-18, -82, 16, 22), kChrome, Qt::Vertical, 3);
}

QImage PaintBookletFace(QSize size)
{
    QImage face = FilledImage(size, Qt::white);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal w = size.width(), h = size.height();
    QLinearGradient band(0, 0, 0, h * 0.24);
    band.setColorAt(0.0, QColor(20, 70, 150));
    band.setColorAt(1.0, QColor(10, 44, 104));
    painter.fillRect(QRectF(0, 0, w, h * 0.24), band);
    painter.setPen(Qt::white);
    painter.setFont(
        FittedFont(kTitleFamily, QStringLiteral("ГИДРАВЛИЧЕСКИЕ РАСЧЕТЫ"), w - 24, 17, true));
    painter.drawText(QRectF(12, h * 0.03, w - 24, h * 0.11), Qt::AlignCenter,
                     QStringLiteral("ГИДРАВЛИЧЕСКИЕ РАСЧЕТЫ"));
    painter.setBrush(QColor(245, 150, 30));
    painter.setPen(Qt::NoPen);
    painter.drawRoundedRect(QRectF(w / 2 - 38, h * 0.145, 76, 20), 10, 10);
    painter.setPen(Qt::white);
    painter.setFont(PixelFont(kTextFamily, 13, true));
    painter.drawText(QRectF(w / 2 - 38, h * 0.145, 76, 20), Qt::AlignCenter,
                     QStringLiteral("Часть 1"));
    painter.setPen(QColor(16, 52, 120));
    painter.setFont(PixelFont(kTitleFamily, 15, true));
    painter.drawText(QRectF(14, h * 0.27, w - 28, h * 0.25), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("С чего начинается расчет систем водоснабжения и отопления"));
    painter.save();
    painter.translate(w / 2 - 8, h * 0.75);
    painter.scale(w / 330, w / 330);
    painter.rotate(-8);
    DrawBallValve(painter);
    painter.restore();
    painter.fillRect(QRectF(0, h * 0.9, w, h * 0.1), QColor(10, 44, 104));
    painter.setPen(Qt::white);
    painter.setFont(PixelFont(kTextFamily, 11));
    painter.drawText(QRectF(12, h * 0.9, w - 24, h * 0.1), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Пособие проектировщика"));
    painter.setFont(PixelFont(kTextFamily, 13, true));
    painter.drawText(QRectF(12, h * 0.9, w - 24, h * 0.1), Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("2013"));
    return face;
}

} // namespace

QImage DrawBookletCover(QSize size)
{
    QImage image = FilledImage(size, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF page(size.height() * 0.66, size.height() * 0.9);
    const QPointF origin((size.width() - page.width()) / 2,
                         (size.height() - page.height()) / 2 - 2);
    // A few pages under the cover show at the right and bottom edges.
    QPainterPath pages;
    pages.addRect(QRectF(origin + QPointF(3, 3), page));
    DrawBlurredShadow(painter, pages, QPointF(4, 5), 5, 0.4);
    for (int sheet = 3; sheet > 0; --sheet) {
        painter.setPen(QPen(QColor(196, 196, 196), 0.6));
        painter.setBrush(QColor(250, 250, 248));
        painter.drawRect(QRectF(origin + QPointF(sheet, sheet), page));
    }
    painter.drawImage(origin, PaintBookletFace(page.toSize()));
    painter.setPen(QPen(QColor(0, 0, 0, 60), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(origin, page.toSize()));
    return image;
}

QImage DrawCourseBox(Course course, QSize size)
{
    return DrawBoxAndDisc(DesignOf(course), size);
}

} // namespace tools
