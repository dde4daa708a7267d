// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/axonometry.h"

#include "tools/paintkit.h"
#include "tools/symbols.h"

#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace tools {

QVector3D Network::AddRun(QVector3D start, std::initializer_list<QVector3D> offsets,
                          const QColor &colour)
{
    for (const QVector3D &offset : offsets) {
        pipes.push_back({start, start + offset, colour, {}, false});
        start += offset;
    }
    return start;
}

namespace {

const QColor kSelection(230, 0, 200);
constexpr qreal kDepthScale = 0.7;  // receding axis at 45 degrees, shortened

QPointF Flatten(const QVector3D &point)
{
    const qreal depth = point.y() * kDepthScale * std::sqrt(0.5);
    return {point.x() + depth, -point.z() - depth};
}

// Scales and centres the flattened drawing into the area.
class Projection {
public:
    Projection(const Network &network, const QRectF &area)
    {
        QRectF bounds = Extent(network);
        scale_ = std::min(area.width() / bounds.width(), area.height() / bounds.height());
        offset_ = area.center() - bounds.center() * scale_;
    }
    QPointF operator()(const QVector3D &point) const { return Flatten(point) * scale_ + offset_; }

private:
    static QRectF Extent(const Network &network)
    {
        qreal left = std::numeric_limits<qreal>::max(), top = left, right = -left, bottom = -left;
        const auto include = [&](const QVector3D &point) {
            const QPointF flat = Flatten(point);
            left = std::min(left, flat.x()), right = std::max(right, flat.x());
            top = std::min(top, flat.y()), bottom = std::max(bottom, flat.y());
        };
        for (const NetworkPipe &pipe : network.pipes)
            include(pipe.from), include(pipe.to);
        for (const NetworkRadiator &radiator : network.radiators)
            include(radiator.base + QVector3D(0, 0, radiator.height)
                    + radiator.direction * radiator.length);
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }

    qreal scale_ = 1;
    QPointF offset_;
};

void PaintSheet(QPainter &painter, QSize area)
{
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    painter.setPen(QPen(QColor(205, 212, 224), 1));
    for (int x = 5; x < area.width(); x += 12) {
        for (int y = 5; y < area.height(); y += 12)
            painter.drawPoint(x, y);
    }
}

void PaintAxisSymbol(QPainter &painter, QPointF origin)
{
    const struct {
        QVector3D direction;
        QColor colour;
        const char *name;
    } axes[] = {{{1, 0, 0}, QColor(210, 0, 0), "X"},
                {{0, 1, 0}, QColor(0, 150, 0), "Y"},
                {{0, 0, 1}, QColor(0, 0, 210), "Z"}};
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 10, true));
    for (const auto &axis : axes) {
        const QPointF tip = origin + Flatten(axis.direction * 26.0f);
        painter.setPen(QPen(axis.colour, 1.4));
        painter.drawLine(origin, tip);
        const QPointF along = tip - origin;
        DrawFlowArrow(painter, tip, std::atan2(-along.y(), along.x()) * 180.0 / std::numbers::pi,
                      axis.colour);
        painter.setPen(axis.colour);
        painter.drawText(tip + QPointF(along.x() > 1 ? 3 : -3, along.y() < -1 ? -3 : 10),
                         QString::fromLatin1(axis.name));
    }
}

void PaintPipes(QPainter &painter, const Network &network, const Projection &project)
{
    for (const NetworkPipe &pipe : network.pipes) {
        if (pipe.selected) {
            painter.setPen(QPen(kSelection, 4.5, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(project(pipe.from), project(pipe.to));
        }
        DrawPipe(painter, project(pipe.from), project(pipe.to), pipe.colour, 2.0);
    }
}

// Where the symbol of a fixture covers the sheet, so that labels can keep clear of it.
QRectF FixtureBounds(const NetworkFixture &fixture, QPointF at)
{
    switch (fixture.kind) {
    case FixtureKind::Pump:
        return QRectF(at - QPointF(8, 8), QSizeF(16, 16));
    case FixtureKind::Boiler:
        return QRectF(at.x() - 13, at.y() - 27, 26, 28);
    case FixtureKind::Tap:
        return QRectF(at.x() - 6, at.y() - 4.5, 12, 12.5);
    case FixtureKind::Valve:
        return QRectF(at.x() - 6, at.y() - 4.5, 12, 9);
    }
    return {};
}

// A place for a pipe's label: the box the text is written into and its alignment there.
struct LabelPlace {
    QRectF box;
    int flags;
};

// Places a pipe's label may take, best first: beside the middle of the pipe, then further
// along it; right or left of a riser, above or below a run, and the other sides after those.
std::vector<LabelPlace> LabelPlaces(QPointF from, QPointF to, bool vertical)
{
    enum Side { Right, Left, Above, Below, AboveLeft, BelowRight };
    const std::array<Side, 6> sides = vertical
        ? std::array<Side, 6>{Right, Left, AboveLeft, BelowRight, Above, Below}
        : std::array<Side, 6>{Above, Below, AboveLeft, BelowRight, Right, Left};
    const int right = Qt::AlignVCenter | Qt::AlignLeft, left = Qt::AlignVCenter | Qt::AlignRight;
    const int centre = Qt::AlignVCenter | Qt::AlignHCenter;
    // Top left corner of the 40 x 12 box and the alignment of the text in it, for each side.
    const auto placeAt = [&](QPointF at, Side side) -> LabelPlace {
        switch (side) {
        case Right: return {{at + QPointF(3, -6), QSizeF(40, 12)}, right};
        case Left: return {{at + QPointF(-43, -6), QSizeF(40, 12)}, left};
        case Above: return {{at + QPointF(-20, -13), QSizeF(40, 12)}, centre};
        case Below: return {{at + QPointF(-20, 2), QSizeF(40, 12)}, centre};
        case AboveLeft: return {{at + QPointF(-42, -13), QSizeF(40, 12)}, left};
        case BelowRight: return {{at + QPointF(2, 2), QSizeF(40, 12)}, right};
        }
        return {};
    };
    std::vector<LabelPlace> places;
    for (const qreal along : {0.5, 0.3, 0.7, 0.2, 0.8}) {
        for (const Side side : sides)
            places.push_back(placeAt(from + (to - from) * along, side));
    }
    return places;
}

// Whether the pipe drawn from a to b, two pixels wide, touches the box.
bool PipeCrosses(QPointF a, QPointF b, const QRectF &box)
{
    const QRectF reach = box.adjusted(-1, -1, 1, 1);
    const int steps = std::max(1, static_cast<int>(std::ceil(QLineF(a, b).length())));
    for (int i = 0; i <= steps; ++i) {
        if (reach.contains(a + (b - a) * (static_cast<qreal>(i) / steps)))
            return true;
    }
    return false;
}

// Writes each pipe's label at its first place that covers no fixture, no pipe and no other
// label.
void PaintPipeLabels(QPainter &painter, const Network &network, const Projection &project)
{
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 9));
    std::vector<QRectF> taken;
    for (const NetworkFixture &fixture : network.fixtures)
        taken.push_back(FixtureBounds(fixture, project(fixture.at)));
    const auto isClear = [&](const QRectF &text) {
        const auto covers = [&](const QRectF &other) { return other.intersects(text); };
        const auto crosses = [&](const NetworkPipe &pipe) {
            return PipeCrosses(project(pipe.from), project(pipe.to), text);
        };
        return std::none_of(taken.begin(), taken.end(), covers)
            && std::none_of(network.pipes.begin(), network.pipes.end(), crosses);
    };
    for (const NetworkPipe &pipe : network.pipes) {
        if (pipe.label.isEmpty())
            continue;
        const bool vertical = std::abs(pipe.from.z() - pipe.to.z()) > 0.01f;
        const auto textOf = [&](const LabelPlace &place) {
            const QRectF text = painter.boundingRect(place.box, place.flags, pipe.label);
            return text.adjusted(-1, 0, 1, 0);
        };
        const std::vector<LabelPlace> places =
            LabelPlaces(project(pipe.from), project(pipe.to), vertical);
        const auto clear = std::find_if(places.begin(), places.end(), [&](const LabelPlace &place) {
            return isClear(textOf(place));
        });
        const LabelPlace &place = clear == places.end() ? places.front() : *clear;
        taken.push_back(textOf(place));
        painter.fillRect(taken.back(), QColor(255, 255, 255, 220));
        painter.setPen(pipe.selected ? kSelection : QColor(20, 20, 20));
        painter.drawText(place.box, place.flags, pipe.label);
    }
}

void PaintRadiators(QPainter &painter, const Network &network, const Projection &project)
{
    for (const NetworkRadiator &radiator : network.radiators) {
        const QVector3D up(0, 0, radiator.height);
        const QVector3D along = radiator.direction * radiator.length;
        const QPolygonF face({project(radiator.base), project(radiator.base + along),
                              project(radiator.base + along + up), project(radiator.base + up)});
        painter.setPen(
            QPen(radiator.selected ? kSelection : QColor(60, 60, 60), radiator.selected ? 1.8 : 1));
        painter.setBrush(radiator.selected ? QColor(255, 226, 250) : QColor(248, 248, 248));
        painter.drawPolygon(face);
        painter.setPen(QPen(QColor(150, 150, 150), 0.7));
        const int fins = std::max(3, static_cast<int>(radiator.length * 6));
        for (int i = 1; i < fins; ++i) {
            const QVector3D at =
                radiator.base + along * (static_cast<float>(i) / static_cast<float>(fins));
            painter.drawLine(project(at + up * 0.15f), project(at + up * 0.85f));
        }
    }
}

void PaintFixture(QPainter &painter, const NetworkFixture &fixture, QPointF at)
{
    switch (fixture.kind) {
    case FixtureKind::Pump:
        DrawPumpSymbol(painter, at, 7, 0);
        break;
    case FixtureKind::Boiler:
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(QColor(255, 236, 200));
        painter.drawRect(QRectF(at.x() - 12, at.y() - 26, 24, 26));
        painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 9, true));
        painter.drawText(QRectF(at.x() - 12, at.y() - 26, 24, 26), Qt::AlignCenter,
                         QStringLiteral("К"));
        break;
    case FixtureKind::Tap:
    case FixtureKind::Valve:
        painter.setPen(QPen(Qt::black, 0.9));
        painter.setBrush(fixture.kind == FixtureKind::Tap ? Qt::white : Qt::black);
        painter.drawPolygon(QPolygonF({at + QPointF(-5, -3.5), at + QPointF(5, 3.5),
                                       at + QPointF(5, -3.5), at + QPointF(-5, 3.5)}));
        if (fixture.kind == FixtureKind::Tap)
            painter.drawLine(at, at + QPointF(0, 7));
        break;
    }
}

} // namespace

void PaintNetwork(QPainter &painter, QSize area, const Network &network)
{
    PaintSheet(painter, area);
    const Projection project(network,
                             QRectF(QPointF(0, 0), QSizeF(area)).adjusted(30, 26, -24, -44));
    PaintPipes(painter, network, project);
    PaintRadiators(painter, network, project);
    for (const NetworkFixture &fixture : network.fixtures)
        PaintFixture(painter, fixture, project(fixture.at));
    PaintPipeLabels(painter, network, project);
    PaintAxisSymbol(painter, QPointF(16, area.height() - 14));
}

} // namespace tools
