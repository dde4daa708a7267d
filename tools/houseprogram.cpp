// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/houseprogram.h"

#include "tools/fakewindow.h"
#include "tools/paintkit.h"
#include "tools/scene3d.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPainterPath>
#include <QPolygonF>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <utility>
#include <vector>

namespace tools {
namespace {

const QStringList kMenus{QStringLiteral("Файл"),   QStringLiteral("Правка"),
                         QStringLiteral("Вид"),    QStringLiteral("Здание"),
                         QStringLiteral("Расчет"), QStringLiteral("Отчет"),
                         QStringLiteral("Справка")};

const QColor kPlaster(236, 226, 204);
const QColor kCutWall(200, 120, 96);
const QColor kInnerWall(242, 238, 230);
const QColor kRoofTiles(168, 72, 52);
const QColor kGlass(150, 196, 232);
const QColor kFrame(250, 250, 250);
const QColor kDoorWood(150, 96, 54);
const QColor kGrass(108, 170, 72);
const QColor kConcrete(190, 190, 186);
const QColor kSelection(230, 0, 200);

constexpr float kWidth = 10.0f;   // x, m
constexpr float kDepth = 8.0f;    // y, m
constexpr float kWall = 0.4f;
constexpr float kStorey = 3.0f;

// Outside walls, seen from outside; `along` runs from left to right as seen from there.
enum class Side { South, North, West, East };

QVector3D OnFace(Side side, float along, float height, float inset = 0.0f)
{
    const float out = 0.02f + inset;
    switch (side) {
    case Side::South: return {along, -out, height};
    case Side::North: return {kWidth - along, kDepth + out, height};
    case Side::West: return {-out, kDepth - along, height};
    case Side::East: return {kWidth + out, along, height};
    }
    return {};
}

std::vector<QVector3D> FaceRect(Side side, float left, float bottom, float right, float top,
                                float inset = 0.0f)
{
    return {OnFace(side, left, bottom, inset), OnFace(side, right, bottom, inset),
            OnFace(side, right, top, inset), OnFace(side, left, top, inset)};
}

void AddWindow(Scene3D &scene, std::size_t wallFace, Side side, float left, float sill, float width,
               float height)
{
    scene.AddDecal(wallFace, FaceRect(side, left, sill, left + width, sill + height), kFrame);
    scene.AddDecal(
        wallFace,
        FaceRect(side, left + 0.07f, sill + 0.07f, left + width / 2 - 0.03f, sill + height - 0.07f),
        kGlass);
    scene.AddDecal(wallFace,
                   FaceRect(side, left + width / 2 + 0.03f, sill + 0.07f, left + width - 0.07f,
                            sill + height - 0.07f),
                   kGlass);
}

void AddDoor(Scene3D &scene, std::size_t wallFace, Side side, float left, float width, float height)
{
    scene.AddDecal(wallFace, FaceRect(side, left, 0.0f, left + width, height), kDoorWood);
    scene.AddDecal(wallFace,
                   FaceRect(side, left + 0.12f, 0.2f, left + width - 0.12f, height * 0.55f),
                   kDoorWood.darker(115));
}

enum class OpeningKind { Window, Door };

// A window or door in an outside wall, from left to left + width as seen from outside.
struct Opening {
    OpeningKind kind;
    Side side;
    float left;
    float width;
};

constexpr float kSill = 0.9f;
constexpr float kWindowHeight = 1.5f;
constexpr float kDoorHeight = 2.1f;

// The windows and the entrance door of the house, on the faces the ground plot's camera sees
// and on the north face that the plan shows.
constexpr std::array<Opening, 8> kOpenings{{
    {OpeningKind::Window, Side::South, 1.2f, 1.2f},
    {OpeningKind::Window, Side::South, 4.4f, 1.2f},
    {OpeningKind::Window, Side::South, 7.6f, 1.2f},
    {OpeningKind::Window, Side::West, 1.6f, 1.2f},
    {OpeningKind::Window, Side::West, 5.0f, 1.2f},
    {OpeningKind::Door, Side::East, 3.2f, 1.0f},
    {OpeningKind::Window, Side::East, 5.4f, 1.2f},
    {OpeningKind::Window, Side::North, 3.0f, 1.2f},
}};

// The four outside walls of the house, to the given height, with their windows and door.
void AddOutsideWalls(Scene3D &scene, float height, bool withOpenings)
{
    const std::size_t south =
        scene.AddBox({0, 0, 0}, {kWidth, kWall, height}, kPlaster) + BoxFace::South;
    const std::size_t north =
        scene.AddBox({0, kDepth - kWall, 0}, {kWidth, kDepth, height}, kPlaster) + BoxFace::North;
    const std::size_t west =
        scene.AddBox({0, kWall, 0}, {kWall, kDepth - kWall, height}, kPlaster) + BoxFace::West;
    const std::size_t east =
        scene.AddBox({kWidth - kWall, kWall, 0}, {kWidth, kDepth - kWall, height}, kPlaster)
        + BoxFace::East;
    if (!withOpenings)
        return;
    for (const Opening &opening : kOpenings) {
        const std::size_t face = opening.side == Side::South ? south
            : opening.side == Side::North                    ? north
            : opening.side == Side::West                     ? west
                                                             : east;
        if (opening.kind == OpeningKind::Door)
            AddDoor(scene, face, opening.side, opening.left, opening.width, kDoorHeight);
        else
            AddWindow(scene, face, opening.side, opening.left, kSill, opening.width, kWindowHeight);
    }
}

void AddArrowOnGround(Scene3D &scene, QVector3D tail, float length, float direction,
                      const QColor &colour)
{
    const float z = 0.02f;
    const float head = 1.6f * direction, half = 0.7f, shaft = 0.25f;
    const float y0 = tail.y(), y1 = tail.y() + length * direction;
    const float x = tail.x();
    const std::vector<QVector3D> arrow{
        {x - shaft, y0, z},       {x + shaft, y0, z}, {x + shaft, y1 - head, z},
        {x + half, y1 - head, z}, {x, y1, z},         {x - half, y1 - head, z},
        {x - shaft, y1 - head, z}};
    if (direction > 0)
        scene.AddPolygon(arrow, colour, Layer::GroundMarks, true);
    else
        scene.AddPolygon({arrow.rbegin(), arrow.rend()}, colour, Layer::GroundMarks, true);
}

void DrawLabel(QPainter &painter, QPointF at, const QString &text, const QColor &colour,
               int pixelSize)
{
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), pixelSize, true));
    painter.setPen(colour);
    const QRectF box(at.x() - 80, at.y() - 10, 160, 20);
    painter.drawText(box, Qt::AlignCenter, text);
}

void PaintGroundPlot(QPainter &painter, QSize area)
{
    Scene3D scene;
    scene.SetGround(kGrass);
    scene.AddPolygon({{-9, -9, 0}, {17, -9, 0}, {17, 15, 0}, {-9, 15, 0}}, kGrass.lighter(112),
                     Layer::Ground);
    scene.AddPolygon(
        {{-3, -1.5f, 0.01f}, {6.5f, -1.5f, 0.01f}, {6.5f, -0.8f, 0.01f}, {-3, -0.8f, 0.01f}},
        QColor(196, 180, 150), Layer::GroundMarks);
    AddArrowOnGround(scene, {-4.5f, -1.5f, 0}, 5, 1, QColor(30, 70, 210));
    AddArrowOnGround(scene, {-4.5f, -2.5f, 0}, 5, -1, QColor(210, 30, 30));
    AddOutsideWalls(scene, kStorey, true);
    scene.AddGableRoof({-0.4f, -0.4f, kStorey}, {kWidth + 0.4f, kDepth + 0.4f, kStorey}, 2.6f,
                       kRoofTiles);
    scene.Paint(painter, area, {28, 24, 34, {3, 3, 1.5f}, 0.86f});
    DrawLabel(painter, scene.Project({-4.5f, 4.4f, 0}), QStringLiteral("С"), QColor(20, 50, 180),
              16);
    DrawLabel(painter, scene.Project({-4.5f, -8.6f, 0}), QStringLiteral("Ю"), QColor(190, 20, 20),
              16);
}

void DrawDimension(QPainter &painter, QPointF from, QPointF to, QPointF offset, const QString &text)
{
    painter.setPen(QPen(QColor(20, 20, 20), 0.8));
    painter.drawLine(from, from + offset * 1.2);
    painter.drawLine(to, to + offset * 1.2);
    const QPointF a = from + offset, b = to + offset;
    painter.drawLine(a, b);
    for (const QPointF &end : {a, b})
        painter.drawLine(end + QPointF(-3, 3), end + QPointF(3, -3));
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 11));
    const QPointF middle = (a + b) / 2;
    const bool vertical = std::abs(a.x() - b.x()) < std::abs(a.y() - b.y());
    painter.save();
    painter.translate(middle);
    if (vertical)
        painter.rotate(-90);
    painter.drawText(QRectF(-30, -15, 60, 13), Qt::AlignCenter, text);
    painter.restore();
}

void PaintWindowEditor(QPainter &painter, QSize area)
{
    Scene3D scene;
    scene.SetGround(kGrass);
    const std::size_t wall =
        scene.AddBox({0, 0, 0}, {4.2f, kWall, kStorey}, kPlaster) + BoxFace::South;
    scene.AddBox({0, kWall, 0}, {kWall, 2.5f, kStorey}, kPlaster);
    const float left = 1.45f, sill = 0.9f, width = 1.2f, height = 1.5f;
    scene.AddDecal(wall,
                   {{left - 0.02f, -0.03f, sill - 0.02f},
                    {left + width + 0.02f, -0.03f, sill - 0.02f},
                    {left + width + 0.02f, -0.03f, sill + height + 0.02f},
                    {left - 0.02f, -0.03f, sill + height + 0.02f}},
                   kSelection);
    scene.AddDecal(wall,
                   {{left, -0.04f, sill},
                    {left + width, -0.04f, sill},
                    {left + width, -0.04f, sill + height},
                    {left, -0.04f, sill + height}},
                   kFrame);
    for (const float pane : {left + 0.07f, left + width / 2 + 0.03f})
        scene.AddDecal(wall,
                       {{pane, -0.05f, sill + 0.07f},
                        {pane + width / 2 - 0.1f, -0.05f, sill + 0.07f},
                        {pane + width / 2 - 0.1f, -0.05f, sill + height - 0.07f},
                        {pane, -0.05f, sill + height - 0.07f}},
                       kGlass);
    scene.Paint(painter, area, {24, 10, 8, {2.0f, 0, 1.5f}});
    const auto at = [&](float x, float z) { return scene.Project({x, -0.05f, z}); };
    DrawDimension(painter, at(left, sill + height), at(left + width, sill + height), {0, -16},
                  QStringLiteral("1200"));
    DrawDimension(painter, at(left + width, sill), at(left + width, sill + height), {18, 0},
                  QStringLiteral("1500"));
    DrawDimension(painter, at(left + width, 0), at(left + width, sill), {18, 0},
                  QStringLiteral("900"));
    DrawDimension(painter, at(0, 0.25f), at(left, 0.25f), {0, 0}, QStringLiteral("1450"));
    painter.setPen(QPen(kSelection, 1));
    painter.setBrush(Qt::white);
    for (const QPointF &corner : {at(left, sill), at(left + width, sill),
                                  at(left + width, sill + height), at(left, sill + height)})
        painter.drawRect(QRectF(corner - QPointF(3, 3), QSizeF(6, 6)));
}

// The cut plan at +1,200: x to the right, y (north) up, in metres.

constexpr float kPartition = 0.12f;  // thickness of the inner walls

// Inner walls as rectangles (x0, y0, x1, y1): one across the whole depth, one west and one
// east of it, and one between the north-east bedroom and the bathroom.
const std::array<QRectF, 4> kInnerWalls{{
    QRectF(QPointF(4.0, kWall), QPointF(4.0 + kPartition, kDepth - kWall)),
    QRectF(QPointF(kWall, 3.4), QPointF(4.0, 3.4 + kPartition)),
    QRectF(QPointF(4.0 + kPartition, 4.8), QPointF(kWidth - kWall, 4.8 + kPartition)),
    QRectF(QPointF(7.2, 4.8 + kPartition), QPointF(7.2 + kPartition, kDepth - kWall)),
}};

// A door in a wall: its opening runs from `from` to `to` along the wall; the leaf hangs at
// one end of it and swings to the low (west or south) or the high side of the wall.
struct PlanDoor {
    QRectF wall;
    qreal from;
    qreal to;
    bool hingeAtEnd;
    bool swingsLow;
};

QRectF OutsideWall(Side side)
{
    switch (side) {
    case Side::South: return QRectF(QPointF(0, 0), QPointF(kWidth, kWall));
    case Side::North: return QRectF(QPointF(0, kDepth - kWall), QPointF(kWidth, kDepth));
    case Side::West: return QRectF(QPointF(0, 0), QPointF(kWall, kDepth));
    case Side::East: return QRectF(QPointF(kWidth - kWall, 0), QPointF(kWidth, kDepth));
    }
    return {};
}

// Where an opening of an outside wall lies along the plan's x or y axis.
std::pair<qreal, qreal> PlanSpan(const Opening &opening)
{
    const qreal start = opening.left, end = opening.left + opening.width;
    switch (opening.side) {
    case Side::South:
    case Side::East: return {start, end};
    case Side::North: return {kWidth - end, kWidth - start};
    case Side::West: return {kDepth - end, kDepth - start};
    }
    return {};
}

bool RunsAlongX(const QRectF &wall) { return wall.width() > wall.height(); }

// The part of the wall between from and to along it, through its whole thickness.
QRectF WallPart(const QRectF &wall, qreal from, qreal to)
{
    return RunsAlongX(wall) ? QRectF(QPointF(from, wall.top()), QPointF(to, wall.bottom()))
                            : QRectF(QPointF(wall.left(), from), QPointF(wall.right(), to));
}

std::vector<PlanDoor> PlanDoors()
{
    std::vector<PlanDoor> doors{
        {kInnerWalls[0], 1.5, 2.3, false, true},   // living room to kitchen
        {kInnerWalls[0], 3.8, 4.6, true, true},    // living room to the west bedroom
        {kInnerWalls[2], 4.4, 5.2, false, false},  // living room to the north-east bedroom
        {kInnerWalls[2], 7.6, 8.3, true, false},   // living room to the bathroom
    };
    for (const Opening &opening : kOpenings) {
        if (opening.kind == OpeningKind::Door) {
            const auto [from, to] = PlanSpan(opening);
            doors.push_back(
                {OutsideWall(opening.side), from, to, true, opening.side == Side::East});
        }
    }
    return doors;
}

struct PlanRoom {
    QString name;
    QString temperature;
    QPointF centre;
};

const std::array<PlanRoom, 5> kPlanRooms{{
    {QStringLiteral("Кухня"), QStringLiteral("18 °C"), {2.2, 1.9}},
    {QStringLiteral("Спальня"), QStringLiteral("20 °C"), {2.2, 5.6}},
    {QStringLiteral("Гостиная"), QStringLiteral("20 °C"), {6.8, 2.6}},
    {QStringLiteral("Спальня"), QStringLiteral("20 °C"), {5.66, 6.3}},
    {QStringLiteral("Санузел"), QStringLiteral("25 °C"), {8.46, 6.3}},
}};

// The walls cut at +1,200 as one body: corners and junctions joined, openings left out.
QPainterPath WallBody()
{
    QPainterPath walls;
    walls.addRect(QRectF(0, 0, kWidth, kDepth));
    QPainterPath inside;
    inside.addRect(QRectF(kWall, kWall, kWidth - 2 * kWall, kDepth - 2 * kWall));
    walls = walls.subtracted(inside);
    for (const QRectF &wall : kInnerWalls) {
        QPainterPath part;
        part.addRect(wall);
        walls = walls.united(part);
    }
    QPainterPath openings;
    for (const Opening &opening : kOpenings) {
        const auto [from, to] = PlanSpan(opening);
        openings.addRect(WallPart(OutsideWall(opening.side), from, to));
    }
    for (const PlanDoor &door : PlanDoors())
        openings.addRect(WallPart(door.wall, door.from, door.to));
    return walls.subtracted(openings).simplified();
}

// Metres of the plan to pixels of the area: the slab fitted in, with room for dimensions on
// the left and at the bottom.
QTransform PlanToArea(QSize area)
{
    const QRectF slab(-0.2, -0.2, kWidth + 0.4, kDepth + 0.4);
    const QRectF room = QRectF(QPointF(0, 0), QSizeF(area)).adjusted(40, 16, -16, -40);
    const qreal scale = std::min(room.width() / slab.width(), room.height() / slab.height());
    const QPointF centre = room.center();
    QTransform transform;
    transform.translate(centre.x(), centre.y());
    transform.scale(scale, -scale);
    transform.translate(-slab.center().x(), -slab.center().y());
    return transform;
}

void PaintPlanSheet(QPainter &painter, QSize area, const QTransform &toArea)
{
    painter.fillRect(QRect(QPoint(0, 0), area), Qt::white);
    painter.setPen(QPen(QColor(222, 228, 238), 1));
    for (int metre = -2; metre <= 12; ++metre) {
        painter.drawLine(toArea.map(QPointF(metre, -2)), toArea.map(QPointF(metre, 10)));
        painter.drawLine(toArea.map(QPointF(-2, metre)), toArea.map(QPointF(12, metre)));
    }
}

void PaintPlanWindow(QPainter &painter, const QTransform &toArea, const QRectF &gap)
{
    const QRectF box = toArea.mapRect(gap);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setPen(QPen(QColor(40, 110, 190), 1));
    if (box.width() > box.height())
        painter.drawLine(QPointF(box.left(), box.center().y()),
                         QPointF(box.right(), box.center().y()));
    else
        painter.drawLine(QPointF(box.center().x(), box.top()),
                         QPointF(box.center().x(), box.bottom()));
}

// The door leaf standing open at a right angle and the arc its edge sweeps.
void PaintPlanDoor(QPainter &painter, const QTransform &toArea, const PlanDoor &door)
{
    const bool alongX = RunsAlongX(door.wall);
    const QPointF axis = alongX ? QPointF(1, 0) : QPointF(0, 1);
    const QPointF across = alongX ? QPointF(0, 1) : QPointF(1, 0);
    const qreal face = door.swingsLow ? (alongX ? door.wall.top() : door.wall.left())
                                      : (alongX ? door.wall.bottom() : door.wall.right());
    const qreal hingeAlong = door.hingeAtEnd ? door.to : door.from;
    const QPointF hinge = alongX ? QPointF(hingeAlong, face) : QPointF(face, hingeAlong);
    const QPointF closed = axis * (door.hingeAtEnd ? -1.0 : 1.0);
    const QPointF open = across * (door.swingsLow ? -1.0 : 1.0);
    const qreal width = door.to - door.from;
    QPolygonF arc;
    for (int step = 0; step <= 24; ++step) {
        const qreal angle = step * std::numbers::pi / 48;
        arc << toArea.map(hinge + (closed * std::cos(angle) + open * std::sin(angle)) * width);
    }
    painter.setPen(QPen(QColor(90, 90, 90), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(arc);
    painter.setPen(QPen(kDoorWood.darker(120), 2.4, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(toArea.map(hinge), toArea.map(hinge + open * width));
}

void PaintRoomNames(QPainter &painter, const QTransform &toArea)
{
    for (const PlanRoom &room : kPlanRooms) {
        const QPointF at = toArea.map(room.centre);
        painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 11, true));
        painter.setPen(QColor(60, 40, 20));
        painter.drawText(QRectF(at.x() - 40, at.y() - 13, 80, 13), Qt::AlignCenter, room.name);
        painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), 10));
        painter.setPen(QColor(30, 80, 170));
        painter.drawText(QRectF(at.x() - 40, at.y() + 1, 80, 12), Qt::AlignCenter,
                         room.temperature);
    }
}

void PaintFloorSlab(QPainter &painter, QSize area)
{
    const QTransform toArea = PlanToArea(area);
    PaintPlanSheet(painter, area, toArea);
    const QRectF slab = toArea.mapRect(QRectF(-0.2, -0.2, kWidth + 0.4, kDepth + 0.4));
    painter.fillRect(slab, kConcrete.lighter(112));
    painter.fillRect(toArea.mapRect(QRectF(kWall, kWall, kWidth - 2 * kWall, kDepth - 2 * kWall)),
                     QColor(246, 238, 220));
    painter.setPen(QPen(QColor(50, 30, 25), 1));
    painter.setBrush(kCutWall);
    painter.drawPath(toArea.map(WallBody()));
    for (const Opening &opening : kOpenings) {
        const auto [from, to] = PlanSpan(opening);
        if (opening.kind == OpeningKind::Window)
            PaintPlanWindow(painter, toArea, WallPart(OutsideWall(opening.side), from, to));
    }
    for (const PlanDoor &door : PlanDoors())
        PaintPlanDoor(painter, toArea, door);
    PaintRoomNames(painter, toArea);
    DrawDimension(painter, toArea.map(QPointF(0, 0)), toArea.map(QPointF(kWidth, 0)), {0, 28},
                  QStringLiteral("10000"));
    DrawDimension(painter, toArea.map(QPointF(0, 0)), toArea.map(QPointF(0, kDepth)), {-26, 0},
                  QStringLiteral("8000"));
    painter.setPen(QPen(kSelection, 1.6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(slab);
    DrawLabel(painter, slab.topRight() + QPointF(-14, -8), QStringLiteral("П-1"), kSelection, 12);
}

void PaintRoom(QPainter &painter, QSize area)
{
    Scene3D scene;
    const float width = 5.0f, depth = 4.0f, height = 2.8f, wall = 0.3f;
    scene.AddBox({-wall, -wall, -0.3f}, {width + wall, depth + wall, 0}, kConcrete, Layer::Slab);
    scene.AddPolygon({{0, 0, 0.01f}, {width, 0, 0.01f}, {width, depth, 0.01f}, {0, depth, 0.01f}},
                     QColor(214, 170, 112), Layer::Slab);
    const std::size_t north =
        scene.AddBox({-wall, depth, 0}, {width + wall, depth + wall, height}, kInnerWall)
        + BoxFace::South;
    const std::size_t west =
        scene.AddBox({-wall, 0, 0}, {0, depth, height}, kInnerWall) + BoxFace::East;
    scene.AddBox({width, 0, 0}, {width + wall, depth, 0.35f}, kCutWall);
    scene.AddBox({-wall, -wall, 0}, {width + wall, 0, 0.35f}, kCutWall);
    scene.AddDecal(north,
                   {{1.9f, depth - 0.02f, 0.9f},
                    {3.1f, depth - 0.02f, 0.9f},
                    {3.1f, depth - 0.02f, 2.4f},
                    {1.9f, depth - 0.02f, 2.4f}},
                   kFrame);
    for (const float pane : {1.97f, 2.53f})
        scene.AddDecal(north,
                       {{pane, depth - 0.03f, 0.97f},
                        {pane + 0.5f, depth - 0.03f, 0.97f},
                        {pane + 0.5f, depth - 0.03f, 2.33f},
                        {pane, depth - 0.03f, 2.33f}},
                       kGlass);
    scene.AddDecal(west,
                   {{0.02f, 2.6f, 0}, {0.02f, 3.5f, 0}, {0.02f, 3.5f, 2.1f}, {0.02f, 2.6f, 2.1f}},
                   kDoorWood);
    scene.AddBox({1.8f, depth - 0.18f, 0.15f}, {3.2f, depth - 0.08f, 0.7f}, QColor(250, 250, 250));
    scene.Paint(painter, area, {-28, 38, 11, {2.5f, 2.0f, 0.9f}});
    DrawLabel(painter, scene.Project({2.5f, 1.6f, 0}), QStringLiteral("Гостиная"),
              QColor(60, 40, 20), 13);
    DrawLabel(painter, scene.Project({2.5f, 1.0f, 0}), QStringLiteral("20 °C   1226 Вт"),
              kSelection, 12);
}

struct HouseScene {
    QString title;
    std::function<void(QPainter &, QSize)> paint;
    QString properties;
    QList<QStringList> rows;
    QString status;
    int viewTab = 0;  // the tab under the view: 0 the 3D model, 1 the plan
};

HouseScene SceneOf(HouseView view)
{
    switch (view) {
    case HouseView::GroundPlot:
        return {QStringLiteral("Жилой дом 10x8"),
                PaintGroundPlot,
                QStringLiteral("Свойства: Грунт"),
                {{QStringLiteral("Тип грунта"), QStringLiteral("Суглинок")},
                 {QStringLiteral("Теплопроводность, Вт/(м·°C)"), QStringLiteral("1,50")},
                 {QStringLiteral("Глубина промерзания, м"), QStringLiteral("1,60")},
                 {QStringLiteral("Уровень грунтовых вод, м"), QStringLiteral("3,2")},
                 {QStringLiteral("Климат")},
                 {QStringLiteral("t наружного воздуха, °C"), QStringLiteral("-28")},
                 {QStringLiteral("t грунта, °C"), QStringLiteral("+5")},
                 {QStringLiteral("Отопительный период, сут"), QStringLiteral("214")}},
                QStringLiteral("Участок 26 x 24 м   Здание: 1 этаж")};
    case HouseView::WindowEditor:
        return {QStringLiteral("Жилой дом 10x8"),
                PaintWindowEditor,
                QStringLiteral("Свойства: Окно О-2"),
                {{QStringLiteral("Высота, мм"), QStringLiteral("1500")},
                 {QStringLiteral("Ширина, мм"), QStringLiteral("1200")},
                 {QStringLiteral("Высота подоконника, мм"), QStringLiteral("900")},
                 {QStringLiteral("Остекление"), QStringLiteral("2-камерный")},
                 {QStringLiteral("Сопротивление R, м²·°C/Вт"), QStringLiteral("0,54")},
                 {QStringLiteral("Площадь, м²"), QStringLiteral("1,80")},
                 {QStringLiteral("Ориентация"), QStringLiteral("Юг")},
                 {QStringLiteral("Воздухопроницаемость"), QStringLiteral("6 кг/(м²·ч)")}},
                QStringLiteral("Редактирование: окно О-2 (стена С-1)")};
    case HouseView::FloorSlab:
        return {QStringLiteral("Жилой дом 10x8"),
                PaintFloorSlab,
                QStringLiteral("Свойства: Перекрытие П-1"),
                {{QStringLiteral("Толщина, мм"), QStringLiteral("220")},
                 {QStringLiteral("Отметка низа, м"), QStringLiteral("-0,22")},
                 {QStringLiteral("Отметка верха, м"), QStringLiteral("0,00")},
                 {QStringLiteral("Длина x ширина, м"), QStringLiteral("10,4 x 8,4")},
                 {QStringLiteral("Материал"), QStringLiteral("Железобетон")},
                 {QStringLiteral("Теплопроводность, Вт/(м·°C)"), QStringLiteral("2,04")},
                 {QStringLiteral("Сопротивление R, м²·°C/Вт"), QStringLiteral("0,11")},
                 {QStringLiteral("Утеплитель"), QStringLiteral("ЭППС 100 мм")}},
                QStringLiteral("Разрез на отметке +1,200"),
                1};
    case HouseView::RoomResults:
        return {QStringLiteral("Жилой дом 10x8"), PaintRoom, QStringLiteral("Результаты: Гостиная"),
                {{QStringLiteral("Температура, °C"), QStringLiteral("20")},
                 {QStringLiteral("Площадь пола, м²"), QStringLiteral("20,0")},
                 {QStringLiteral("Воздухообмен, 1/ч"), QStringLiteral("1,0")},
                 {QStringLiteral("Теплопотери")},
                 {QStringLiteral("на 1 м², Вт/м²"), QStringLiteral("61,3")},
                 {QStringLiteral("всего, Вт"), QStringLiteral("1 226")},
                 {QStringLiteral("через стены, Вт"), QStringLiteral("412")},
                 {QStringLiteral("через окна, Вт"), QStringLiteral("296")},
                 {QStringLiteral("через двери, Вт"), QStringLiteral("58")},
                 {QStringLiteral("через пол, Вт"), QStringLiteral("86")},
                 {QStringLiteral("вентиляция, Вт"), QStringLiteral("304")},
                 {QStringLiteral("инфильтрация, Вт"), QStringLiteral("70")}},
                QStringLiteral("Расчет теплопотерь выполнен: 6 помещений, 7,9 кВт")};
    }
    return {};
}

QWidget *MakeViewport(QWidget *parent, const HouseScene &scene)
{
    auto *viewport = new QWidget(parent);
    auto *layout = new QVBoxLayout(viewport);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakePaintedArea(viewport, scene.paint), 1);
    auto *tabs = new QTabBar(viewport);
    tabs->setShape(QTabBar::RoundedSouth);
    for (const QString &tab : {QStringLiteral("3D-модель"), QStringLiteral("План"),
                               QStringLiteral("Фасады"), QStringLiteral("Разрезы")})
        tabs->addTab(tab);
    tabs->setCurrentIndex(scene.viewTab);
    layout->addWidget(tabs, 0, Qt::AlignLeft);
    return viewport;
}

QWidget *MakePropertyPanel(QWidget *parent, const HouseScene &scene)
{
    auto *panel = new QWidget(parent);
    panel->setFixedWidth(246);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *title = new QLabel(scene.properties, panel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);
    layout->addWidget(MakePropertyGrid(panel, scene.rows, 164), 1);
    auto *buttons = new QHBoxLayout;
    layout->addLayout(buttons);
    buttons->addStretch();
    buttons->addWidget(new QPushButton(QStringLiteral("Применить"), panel));
    return panel;
}

} // namespace

QImage DrawHouseProgram(HouseView view, QSize size)
{
    const HouseScene scene = SceneOf(view);
    FakeWindow window(QStringLiteral("ТеплоМодель 3D - [%1]").arg(scene.title), kMenus, size);
    QToolBar *toolBar = window.AddToolBar();
    AddToolButtons(toolBar, {ToolIcon::New, ToolIcon::Open, ToolIcon::Save});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Wall, ToolIcon::Window, ToolIcon::Door});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Zoom, ToolIcon::Rotate});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Calculate, ToolIcon::Report});
    auto *columns = new QHBoxLayout(window.Content());
    columns->setContentsMargins(3, 3, 3, 3);
    columns->addWidget(MakeViewport(window.Content(), scene), 1);
    columns->addWidget(MakePropertyPanel(window.Content(), scene));
    window.StatusBar()->addWidget(new QLabel(scene.status, window.StatusBar()), 1);
    return window.Grab();
}

} // namespace tools
