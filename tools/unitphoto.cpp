// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/unitphoto.h"

#include "tools/paintkit.h"

#include <QConicalGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace tools {
namespace {

// The drawing is laid out for 220 x 397 and scaled to the requested size.
constexpr QSizeF kLayout(220, 397);

constexpr qreal kFloorLine = 377;  // where the tails and the sensor stand
constexpr QRectF kLeftRiser(48, 96, 28, 250);
constexpr QRectF kRightRiser(146, 76, 26, 270);

void PaintBackdrop(QPainter &painter)
{
    QLinearGradient sweep(0, 0, 0, kLayout.height());
    sweep.setColorAt(0.0, Qt::white);
    sweep.setColorAt(0.85, Qt::white);
    sweep.setColorAt(1.0, QColor(243, 243, 244));
    painter.fillRect(QRectF(QPointF(0, 0), kLayout), sweep);
    FillFloorShadow(painter, QRectF(22, 370, 186, 14), 1.0);
}

void PaintCapillary(QPainter &painter)
{
    QPainterPath tube(QPointF(42, 58));
    tube.cubicTo(22, 62, 10, 84, 10, 120);
    tube.lineTo(10, 318);
    tube.cubicTo(10, 350, 26, 366, 44, 360);
    tube.cubicTo(60, 354, 58, 330, 40, 330);
    tube.cubicTo(24, 330, 20, 352, 34, 366);
    tube.cubicTo(48, 378, 74, 376, 100, 373);
    StrokeTube(painter, tube, 3.2, kChrome);
    // The sensor pocket at the end of the tube, with its crimped collar.
    FillCylinder(painter, QRectF(98, 368, 34, 9), kChrome, Qt::Horizontal, 3);
    FillNut(painter, QRectF(96, 367, 6, 11), kChrome, Qt::Horizontal);
}

void PaintBypass(QPainter &painter)
{
    QPainterPath bypass(QPointF(160, 138));
    bypass.lineTo(188, 138);
    bypass.quadTo(204, 138, 204, 154);
    bypass.lineTo(204, 286);
    bypass.quadTo(204, 302, 188, 302);
    bypass.lineTo(160, 302);
    StrokeTube(painter, bypass, 13, kChrome);
    // Balancing valve on the vertical leg, below the pump.
    FillNut(painter, QRectF(196, 250, 16, 12), kChrome, Qt::Horizontal);
    FillCylinder(painter, QRectF(198, 262, 12, 16), kBrass, Qt::Vertical, 2);
    for (const qreal y : {138.0, 302.0})
        FillNut(painter, QRectF(172, y - 9, 10, 18), kChrome, Qt::Vertical);
}

void PaintAirVent(QPainter &painter, qreal centreX, qreal baseY)
{
    FillNut(painter, QRectF(centreX - 9, baseY - 10, 18, 10), kChrome, Qt::Vertical);
    FillCylinder(painter, QRectF(centreX - 7, baseY - 34, 14, 25), kChrome, Qt::Vertical, 2);
    FillCylinder(painter, QRectF(centreX - 8, baseY - 42, 16, 9), kRedPlastic, Qt::Vertical, 3);
    FillCylinder(painter, QRectF(centreX - 2, baseY - 46, 4, 5), kBrass, Qt::Vertical, 1);
}

void PaintRightRiser(QPainter &painter)
{
    FillCylinder(painter, kRightRiser, kChrome, Qt::Vertical);
    // The header that carries the two automatic air vents.
    FillCylinder(painter, QRectF(134, 60, 58, 20), kChrome, Qt::Horizontal, 4);
    PaintAirVent(painter, 146, 62);
    PaintAirVent(painter, 178, 62);
    FillNut(painter, QRectF(141, 88, 36, 14), kChrome, Qt::Vertical);
}

void PaintBridge(QPainter &painter)
{
    FillCylinder(painter, QRectF(80, 104, 68, 22), kChrome, Qt::Horizontal);
    FillNut(painter, QRectF(116, 99, 14, 32), kChrome, Qt::Horizontal);
}

void PaintLeftRiser(QPainter &painter)
{
    FillCylinder(painter, kLeftRiser, kChrome, Qt::Vertical);
    FillNut(painter, QRectF(42, 150, 40, 14), kChrome, Qt::Vertical);
    FillNut(painter, QRectF(42, 262, 40, 14), kChrome, Qt::Vertical);
}

void PaintThermostaticHead(QPainter &painter)
{
    const QRectF body(38, 20, 50, 58);
    FillCylinder(painter, body, kWhitePlastic, Qt::Vertical, 5);
    // Grip ribs, then the top face, seen slightly from above.
    painter.setPen(QPen(QColor(200, 202, 206), 1.0));
    for (qreal x = body.left() + 5; x < body.right() - 3; x += 5.5)
        painter.drawLine(QPointF(x, body.top() + 12), QPointF(x, body.bottom() - 16));
    QLinearGradient top(QPointF(38, 12), QPointF(88, 30));
    top.setColorAt(0.0, Qt::white);
    top.setColorAt(0.6, QColor(240, 241, 243));
    top.setColorAt(1.0, QColor(214, 216, 220));
    painter.setPen(QPen(QColor(188, 190, 194), 0.8));
    painter.setBrush(top);
    painter.drawEllipse(QRectF(38.4, 12, 49.2, 17));
    painter.setPen(QPen(QColor(222, 224, 228), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(47, 15.5, 32, 10));
    // Setting scale on the collar.
    FillCylinder(painter, QRectF(40, 64, 46, 12), kWhitePlastic, Qt::Vertical, 2);
    painter.setPen(QColor(90, 92, 98));
    painter.setFont(PixelFont(QStringLiteral("DejaVu Sans"), 7, true));
    painter.drawText(QRectF(40, 64, 46, 12), Qt::AlignCenter, QStringLiteral("2  3  4"));
    painter.setPen(QPen(QColor(200, 40, 36), 1.2));
    painter.drawLine(QPointF(63, 58), QPointF(63, 63));
}

void PaintThermostaticValve(QPainter &painter)
{
    QPainterPath head;
    head.addRoundedRect(QRectF(38, 14, 50, 64), 6, 6);
    DrawBlurredShadow(painter, head, QPointF(4, 5), 3, 0.25);
    FillCylinder(painter, QRectF(34, 90, 56, 50), kChrome, Qt::Vertical, 8);
    FillCylinder(painter, QRectF(20, 100, 20, 22), kChrome, Qt::Horizontal, 2);
    FillNut(painter, QRectF(14, 96, 10, 30), kChrome, Qt::Horizontal);
    FillNut(painter, QRectF(42, 76, 42, 15), kChrome, Qt::Vertical);
    PaintThermostaticHead(painter);
}

void PaintPumpHousing(QPainter &painter)
{
    FillNut(painter, QRectF(40, 164, 44, 14), kChrome, Qt::Vertical);
    FillNut(painter, QRectF(40, 246, 44, 14), kChrome, Qt::Vertical);
    FillCylinder(painter, QRectF(36, 176, 56, 72), kPumpGreen, Qt::Vertical, 10);
    // The cast flanges of the volute.
    painter.setPen(QPen(QColor(10, 70, 32), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(38.5, 178.5, 51, 67), 9, 9);
    // Cast flow arrow: the pump pushes downwards into the floor supply.
    QPainterPath arrow(QPointF(60, 196));
    arrow.lineTo(66, 196);
    arrow.lineTo(66, 216);
    arrow.lineTo(71, 216);
    arrow.lineTo(63, 228);
    arrow.lineTo(55, 216);
    arrow.lineTo(60, 216);
    arrow.closeSubpath();
    painter.setPen(QPen(QColor(150, 220, 160), 0.8));
    painter.setBrush(QColor(28, 124, 58));
    painter.drawPath(arrow);
}

void PaintMotorRibs(QPainter &painter, const QRectF &motor)
{
    for (qreal x = motor.left() + 10; x < motor.right() - 12; x += 7) {
        QLinearGradient rib(QPointF(x, 0), QPointF(x + 4, 0));
        rib.setColorAt(0.0, QColor(0, 0, 0, 60));
        rib.setColorAt(0.5, QColor(0, 0, 0, 10));
        rib.setColorAt(1.0, QColor(255, 255, 255, 50));
        painter.fillRect(QRectF(x, motor.top() + 1, 4, motor.height() - 2), rib);
    }
}

void PaintTerminalBox(QPainter &painter)
{
    FillCylinder(painter, QRectF(110, 164, 54, 26), kPumpGreen, Qt::Horizontal, 4);
    FillCylinder(painter, QRectF(164, 170, 12, 12), kBlackPlastic, Qt::Horizontal, 2);
    // Speed selector and the rating plate.
    FillCylinder(painter, QRectF(117, 168, 10, 10), kRedPlastic, Qt::Horizontal, 5);
    painter.setPen(QPen(QColor(80, 80, 80), 0.5));
    painter.setBrush(QColor(244, 244, 240));
    painter.drawRect(QRectF(132, 168, 26, 15));
    painter.setPen(QPen(QColor(120, 120, 120), 0.8));
    for (qreal y = 171.5; y < 182; y += 3)
        painter.drawLine(QPointF(135, y), QPointF(155, y));
}

// The pump stands in front of the right riser and the bypass and shades them.
void PaintPumpShadow(QPainter &painter)
{
    QPainterPath silhouette;
    silhouette.addRoundedRect(QRectF(86, 180, 108, 62), 8, 8);
    DrawBlurredShadow(painter, silhouette, QPointF(5, 6), 4, 0.35);
}

void PaintPump(QPainter &painter)
{
    PaintPumpShadow(painter);
    PaintPumpHousing(painter);
    const QRectF motor(86, 186, 102, 54);
    FillCylinder(painter, motor, kPumpGreen, Qt::Horizontal, 6);
    PaintMotorRibs(painter, motor);
    FillCylinder(painter, QRectF(84, 180, 10, 66), kPumpGreen, Qt::Horizontal, 3);
    for (const qreal y : {184.0, 236.0})
        FillNut(painter, QRectF(86, y, 6, 6), kChrome, Qt::Horizontal);
    FillCylinder(painter, QRectF(182, 190, 10, 46), kPumpGreen, Qt::Horizontal, 4);
    FillCylinder(painter, QRectF(191, 205, 4, 16), kChrome, Qt::Horizontal, 1);
    PaintTerminalBox(painter);
    // Maker's badge on the motor.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 225));
    painter.drawRoundedRect(QRectF(124, 206, 40, 13), 2, 2);
    painter.setPen(QColor(22, 110, 52));
    painter.setFont(PixelFont(QStringLiteral("DejaVu Sans"), 8, true));
    painter.drawText(QRectF(124, 206, 40, 13), Qt::AlignCenter, QStringLiteral("25/6"));
}

void PaintDialFace(QPainter &painter, QPointF centre, qreal radius, qreal reading)
{
    QRadialGradient face(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.2);
    face.setColorAt(0.0, Qt::white);
    face.setColorAt(1.0, QColor(226, 228, 232));
    painter.setPen(Qt::NoPen);
    painter.setBrush(face);
    painter.drawEllipse(centre, radius, radius);
    // Scale 0 to 120 °C over 270 degrees, starting at the lower left.
    for (int mark = 0; mark <= 12; ++mark) {
        const qreal angle = (225.0 - mark * 22.5) * std::numbers::pi / 180.0;
        const QPointF direction(std::cos(angle), -std::sin(angle));
        const qreal inner = mark % 3 == 0 ? 0.68 : 0.78;
        painter.setPen(QPen(QColor(40, 40, 44), mark % 3 == 0 ? 1.0 : 0.6));
        painter.drawLine(centre + direction * radius * inner, centre + direction * radius * 0.9);
    }
    painter.setPen(QColor(30, 30, 34));
    painter.setFont(PixelFont(QStringLiteral("DejaVu Sans"), 5));
    painter.drawText(
        QRectF(centre.x() - radius, centre.y() + radius * 0.25, 2 * radius, radius * 0.4),
        Qt::AlignCenter, QStringLiteral("°C"));
    const qreal needleAngle = (225.0 - reading / 120.0 * 270.0) * std::numbers::pi / 180.0;
    const QPointF tip =
        centre + QPointF(std::cos(needleAngle), -std::sin(needleAngle)) * radius * 0.82;
    painter.setPen(QPen(QColor(205, 30, 28), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 40, 44));
    painter.drawEllipse(centre, 1.6, 1.6);
}

void PaintThermometer(QPainter &painter, QPointF centre, qreal radius, qreal reading)
{
    FillCylinder(painter, QRectF(centre.x(), centre.y() - 4, 24, 8), kChrome, Qt::Horizontal);
    FillFloorShadow(
        painter,
        QRectF(centre.x() - radius, centre.y() - radius + 3, 2 * radius + 6, 2 * radius + 4), 0.5);
    QConicalGradient bezel(centre, 135);
    bezel.setColorAt(0.0, kChrome.highlight);
    bezel.setColorAt(0.25, kChrome.shade);
    bezel.setColorAt(0.5, kChrome.rim);
    bezel.setColorAt(0.75, kChrome.body);
    bezel.setColorAt(1.0, kChrome.highlight);
    painter.setPen(QPen(kChrome.rim, 0.8));
    painter.setBrush(bezel);
    painter.drawEllipse(centre, radius, radius);
    PaintDialFace(painter, centre, radius - 3.2, reading);
    // Reflection on the glass.
    QLinearGradient glare(centre - QPointF(radius, radius), centre);
    glare.setColorAt(0.0, QColor(255, 255, 255, 150));
    glare.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glare);
    painter.drawChord(
        QRectF(centre.x() - radius + 3, centre.y() - radius + 3, 2 * radius - 6, 2 * radius - 6),
        40 * 16, 150 * 16);
}

void PaintTails(QPainter &painter)
{
    for (const QRectF &riser : {kLeftRiser, kRightRiser}) {
        const qreal centre = riser.center().x();
        FillNut(painter, QRectF(centre - 19, 334, 38, 18), kChrome, Qt::Vertical);
        FillCylinder(painter, QRectF(centre - 12, 352, 24, 25), kBrass, Qt::Vertical, 1);
        painter.setPen(QPen(QColor(120, 84, 28, 150), 0.8));
        for (qreal y = 356; y < 376; y += 2.5)
            painter.drawLine(QPointF(centre - 12, y), QPointF(centre + 12, y));
    }
}

// The unit alone, on transparency.
QImage PaintUnit(QSize size)
{
    QImage unit(size, QImage::Format_ARGB32_Premultiplied);
    unit.fill(Qt::transparent);
    QPainter painter(&unit);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / kLayout.width(), size.height() / kLayout.height());
    PaintCapillary(painter);
    PaintBypass(painter);
    PaintRightRiser(painter);
    PaintBridge(painter);
    PaintLeftRiser(painter);
    PaintThermostaticValve(painter);
    PaintPump(painter);
    PaintThermometer(painter, QPointF(27, 150), 18, 62);
    PaintThermometer(painter, QPointF(27, 300), 18, 44);
    PaintTails(painter);
    return unit;
}

// The glossy studio floor mirrors the bottom of the unit, fading out quickly.
void PaintFloorReflection(QPainter &painter, const QImage &unit, int floorLine)
{
    const int depth = unit.height() - floorLine;
    if (depth <= 0)
        return;
    const QImage strip = unit.copy(0, floorLine - depth, unit.width(), depth);
    // Upside down: flipped() came with Qt 6.9 and mirrored() is deprecated from 6.11 on.
#if QT_VERSION >= QT_VERSION_CHECK(6, 9, 0)
    QImage reflection = strip.flipped(Qt::Vertical);
#else
    QImage reflection = strip.mirrored(false, true);
#endif
    {
        QPainter fade(&reflection);
        fade.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient alpha(0, 0, 0, depth);
        alpha.setColorAt(0.0, QColor(0, 0, 0, 70));
        alpha.setColorAt(1.0, QColor(0, 0, 0, 0));
        fade.fillRect(reflection.rect(), alpha);
    }
    painter.drawImage(0, floorLine, reflection);
}

} // namespace

QImage DrawUnitPhoto(QSize size)
{
    const qreal scale = size.height() / kLayout.height();
    const QImage unit = PaintUnit(size);
    QImage image = FilledImage(size, Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.scale(size.width() / kLayout.width(), scale);
    PaintBackdrop(painter);
    painter.restore();
    PaintFloorReflection(painter, unit, qRound(kFloorLine * scale));
    painter.drawImage(0, 0, unit);
    return image;
}

} // namespace tools
