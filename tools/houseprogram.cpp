#include "tools/houseprogram.h"

#include "tools/fakewindow.h"
#include "tools/paintkit.h"
#include "tools/scene3d.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QToolBar>

#include <functional>

namespace tools {
namespace {

const QStringList kMenus{QStringLiteral("Файл"), QStringLiteral("Правка"), QStringLiteral("Вид"),
                         QStringLiteral("Здание"), QStringLiteral("Расчет"), QStringLiteral("Отчет"),
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

QVector3D onFace(Side side, float along, float height, float inset = 0.0f)
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

std::vector<QVector3D> faceRect(Side side, float left, float bottom, float right, float top, float inset = 0.0f)
{
    return {onFace(side, left, bottom, inset), onFace(side, right, bottom, inset), onFace(side, right, top, inset),
            onFace(side, left, top, inset)};
}

void addWindow(Scene3D &scene, std::size_t wallFace, Side side, float left, float sill, float width, float height)
{
    scene.addDecal(wallFace, faceRect(side, left, sill, left + width, sill + height), kFrame);
    scene.addDecal(wallFace, faceRect(side, left + 0.07f, sill + 0.07f, left + width / 2 - 0.03f, sill + height - 0.07f), kGlass);
    scene.addDecal(wallFace, faceRect(side, left + width / 2 + 0.03f, sill + 0.07f, left + width - 0.07f, sill + height - 0.07f), kGlass);
}

void addDoor(Scene3D &scene, std::size_t wallFace, Side side, float left, float width, float height)
{
    scene.addDecal(wallFace, faceRect(side, left, 0.0f, left + width, height), kDoorWood);
    scene.addDecal(wallFace, faceRect(side, left + 0.12f, 0.2f, left + width - 0.12f, height * 0.55f), kDoorWood.darker(115));
}

// The four outside walls of the house, to the given height, with windows and a door on the
// faces that the camera sees.
void addOutsideWalls(Scene3D &scene, float height, bool withOpenings)
{
    const std::size_t south = scene.addBox({0, 0, 0}, {kWidth, kWall, height}, kPlaster) + BoxFace::South;
    const std::size_t north = scene.addBox({0, kDepth - kWall, 0}, {kWidth, kDepth, height}, kPlaster) + BoxFace::North;
    const std::size_t west = scene.addBox({0, kWall, 0}, {kWall, kDepth - kWall, height}, kPlaster) + BoxFace::West;
    const std::size_t east = scene.addBox({kWidth - kWall, kWall, 0}, {kWidth, kDepth - kWall, height}, kPlaster) + BoxFace::East;
    if (!withOpenings)
        return;
    for (const float left : {1.2f, 4.4f, 7.6f})
        addWindow(scene, south, Side::South, left, 0.9f, 1.2f, 1.5f);
    for (const float left : {1.6f, 5.0f})
        addWindow(scene, west, Side::West, left, 0.9f, 1.2f, 1.5f);
    addDoor(scene, east, Side::East, 3.2f, 1.0f, 2.1f);
    addWindow(scene, east, Side::East, 5.4f, 0.9f, 1.2f, 1.5f);
    addWindow(scene, north, Side::North, 3.0f, 0.9f, 1.2f, 1.5f);
}

void addArrowOnGround(Scene3D &scene, QVector3D tail, float length, float direction, const QColor &colour)
{
    const float z = 0.02f;
    const float head = 1.6f * direction, half = 0.7f, shaft = 0.25f;
    const float y0 = tail.y(), y1 = tail.y() + length * direction;
    const float x = tail.x();
    const std::vector<QVector3D> arrow{{x - shaft, y0, z}, {x + shaft, y0, z}, {x + shaft, y1 - head, z}, {x + half, y1 - head, z},
                                       {x, y1, z}, {x - half, y1 - head, z}, {x - shaft, y1 - head, z}};
    if (direction > 0)
        scene.addPolygon(arrow, colour, Layer::GroundMarks, true);
    else
        scene.addPolygon({arrow.rbegin(), arrow.rend()}, colour, Layer::GroundMarks, true);
}

void drawLabel(QPainter &painter, QPointF at, const QString &text, const QColor &colour, int pixelSize)
{
    painter.setFont(PixelFont(QStringLiteral("Liberation Sans"), pixelSize, true));
    painter.setPen(colour);
    const QRectF box(at.x() - 80, at.y() - 10, 160, 20);
    painter.drawText(box, Qt::AlignCenter, text);
}

void paintGroundPlot(QPainter &painter, QSize area)
{
    Scene3D scene;
    scene.setGround(kGrass);
    scene.addPolygon({{-9, -9, 0}, {17, -9, 0}, {17, 15, 0}, {-9, 15, 0}}, kGrass.lighter(112), Layer::Ground);
    scene.addPolygon({{-3, -1.5f, 0.01f}, {6.5f, -1.5f, 0.01f}, {6.5f, -0.8f, 0.01f}, {-3, -0.8f, 0.01f}}, QColor(196, 180, 150), Layer::GroundMarks);
    addArrowOnGround(scene, {-4.5f, -1.5f, 0}, 5, 1, QColor(30, 70, 210));
    addArrowOnGround(scene, {-4.5f, -2.5f, 0}, 5, -1, QColor(210, 30, 30));
    addOutsideWalls(scene, kStorey, true);
    scene.addGableRoof({-0.4f, -0.4f, kStorey}, {kWidth + 0.4f, kDepth + 0.4f, kStorey}, 2.6f, kRoofTiles);
    scene.Paint(painter, area, {28, 24, 34, {3, 3, 1.5f}, 0.86f});
    drawLabel(painter, scene.Project({-4.5f, 4.4f, 0}), QStringLiteral("С"), QColor(20, 50, 180), 16);
    drawLabel(painter, scene.Project({-4.5f, -8.6f, 0}), QStringLiteral("Ю"), QColor(190, 20, 20), 16);
}

void drawDimension(QPainter &painter, QPointF from, QPointF to, QPointF offset, const QString &text)
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

void paintWindowEditor(QPainter &painter, QSize area)
{
    Scene3D scene;
    scene.setGround(kGrass);
    const std::size_t wall = scene.addBox({0, 0, 0}, {4.2f, kWall, kStorey}, kPlaster) + BoxFace::South;
    scene.addBox({0, kWall, 0}, {kWall, 2.5f, kStorey}, kPlaster);
    const float left = 1.45f, sill = 0.9f, width = 1.2f, height = 1.5f;
    scene.addDecal(wall, {{left - 0.02f, -0.03f, sill - 0.02f}, {left + width + 0.02f, -0.03f, sill - 0.02f},
                          {left + width + 0.02f, -0.03f, sill + height + 0.02f}, {left - 0.02f, -0.03f, sill + height + 0.02f}}, kSelection);
    scene.addDecal(wall, {{left, -0.04f, sill}, {left + width, -0.04f, sill}, {left + width, -0.04f, sill + height}, {left, -0.04f, sill + height}}, kFrame);
    for (const float pane : {left + 0.07f, left + width / 2 + 0.03f})
        scene.addDecal(wall, {{pane, -0.05f, sill + 0.07f}, {pane + width / 2 - 0.1f, -0.05f, sill + 0.07f},
                              {pane + width / 2 - 0.1f, -0.05f, sill + height - 0.07f}, {pane, -0.05f, sill + height - 0.07f}}, kGlass);
    scene.Paint(painter, area, {24, 10, 8, {2.0f, 0, 1.5f}});
    const auto at = [&](float x, float z) { return scene.Project({x, -0.05f, z}); };
    drawDimension(painter, at(left, sill + height), at(left + width, sill + height), {0, -16}, QStringLiteral("1200"));
    drawDimension(painter, at(left + width, sill), at(left + width, sill + height), {18, 0}, QStringLiteral("1500"));
    drawDimension(painter, at(left + width, 0), at(left + width, sill), {18, 0}, QStringLiteral("900"));
    drawDimension(painter, at(0, 0.25f), at(left, 0.25f), {0, 0}, QStringLiteral("1450"));
    painter.setPen(QPen(kSelection, 1));
    painter.setBrush(Qt::white);
    for (const QPointF &corner : {at(left, sill), at(left + width, sill), at(left + width, sill + height), at(left, sill + height)})
        painter.drawRect(QRectF(corner - QPointF(3, 3), QSizeF(6, 6)));
}

// Walls along x or y, with door gaps given as (start, end) along the wall.
void addInnerWall(Scene3D &scene, QVector3D start, float length, bool alongX, std::vector<std::pair<float, float>> gaps, float height)
{
    const float thickness = 0.14f;
    float from = 0.0f;
    gaps.push_back({length, length});
    for (const auto &[gapStart, gapEnd] : gaps) {
        const QVector3D low = start + (alongX ? QVector3D(from, 0, 0) : QVector3D(0, from, 0));
        const QVector3D high = start + (alongX ? QVector3D(gapStart, thickness, height) : QVector3D(thickness, gapStart, height));
        scene.addBox(low, high, kInnerWall);
        from = gapEnd;
    }
}

void paintFloorSlab(QPainter &painter, QSize area)
{
    Scene3D scene;
    scene.setGround(kGrass);
    scene.addBox({-0.2f, -0.2f, -0.22f}, {kWidth + 0.2f, kDepth + 0.2f, 0}, kConcrete, Layer::Slab);
    const float cut = 1.2f;
    addOutsideWalls(scene, cut, false);
    addInnerWall(scene, {4.0f, kWall, 0}, kDepth - 2 * kWall, false, {{2.6f, 3.5f}}, cut);
    addInnerWall(scene, {4.14f, 4.5f, 0}, kWidth - kWall - 4.14f, true, {{1.8f, 2.7f}}, cut);
    addInnerWall(scene, {kWall, 3.0f, 0}, 4.0f - kWall, true, {{1.2f, 2.1f}}, cut);
    scene.Paint(painter, area, {24, 48, 30, {5, 4, 0}});
    QPolygonF outline;
    for (const QVector3D corner : {QVector3D(-0.2f, -0.2f, 0), QVector3D(kWidth + 0.2f, -0.2f, 0), QVector3D(kWidth + 0.2f, kDepth + 0.2f, 0), QVector3D(-0.2f, kDepth + 0.2f, 0)})
        outline << scene.Project(corner);
    painter.setPen(QPen(kSelection, 1.6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    drawLabel(painter, scene.Project({2.1f, 1.6f, 0}), QStringLiteral("П-1"), kSelection, 12);
}

void paintRoom(QPainter &painter, QSize area)
{
    Scene3D scene;
    const float width = 5.0f, depth = 4.0f, height = 2.8f, wall = 0.3f;
    scene.addBox({-wall, -wall, -0.3f}, {width + wall, depth + wall, 0}, kConcrete, Layer::Slab);
    scene.addPolygon({{0, 0, 0.01f}, {width, 0, 0.01f}, {width, depth, 0.01f}, {0, depth, 0.01f}}, QColor(214, 170, 112), Layer::Slab);
    const std::size_t north = scene.addBox({-wall, depth, 0}, {width + wall, depth + wall, height}, kInnerWall) + BoxFace::South;
    const std::size_t west = scene.addBox({-wall, 0, 0}, {0, depth, height}, kInnerWall) + BoxFace::East;
    scene.addBox({width, 0, 0}, {width + wall, depth, 0.35f}, kCutWall);
    scene.addBox({-wall, -wall, 0}, {width + wall, 0, 0.35f}, kCutWall);
    scene.addDecal(north, {{1.9f, depth - 0.02f, 0.9f}, {3.1f, depth - 0.02f, 0.9f}, {3.1f, depth - 0.02f, 2.4f}, {1.9f, depth - 0.02f, 2.4f}}, kFrame);
    for (const float pane : {1.97f, 2.53f})
        scene.addDecal(north, {{pane, depth - 0.03f, 0.97f}, {pane + 0.5f, depth - 0.03f, 0.97f}, {pane + 0.5f, depth - 0.03f, 2.33f}, {pane, depth - 0.03f, 2.33f}}, kGlass);
    scene.addDecal(west, {{0.02f, 2.6f, 0}, {0.02f, 3.5f, 0}, {0.02f, 3.5f, 2.1f}, {0.02f, 2.6f, 2.1f}}, kDoorWood);
    scene.addBox({1.8f, depth - 0.18f, 0.15f}, {3.2f, depth - 0.08f, 0.7f}, QColor(250, 250, 250));
    scene.Paint(painter, area, {-28, 38, 11, {2.5f, 2.0f, 0.9f}});
    drawLabel(painter, scene.Project({2.5f, 1.6f, 0}), QStringLiteral("Гостиная"), QColor(60, 40, 20), 13);
    drawLabel(painter, scene.Project({2.5f, 1.0f, 0}), QStringLiteral("20 °C   1226 Вт"), kSelection, 12);
}

struct HouseScene {
    QString title;
    std::function<void(QPainter &, QSize)> paint;
    QString properties;
    QList<QStringList> rows;
    QString status;
};

HouseScene sceneOf(HouseView view)
{
    switch (view) {
    case HouseView::GroundPlot:
        return {QStringLiteral("Жилой дом 10x8"), paintGroundPlot, QStringLiteral("Свойства: Грунт"),
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
        return {QStringLiteral("Жилой дом 10x8"), paintWindowEditor, QStringLiteral("Свойства: Окно О-2"),
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
        return {QStringLiteral("Жилой дом 10x8"), paintFloorSlab, QStringLiteral("Свойства: Перекрытие П-1"),
                {{QStringLiteral("Толщина, мм"), QStringLiteral("220")},
                 {QStringLiteral("Отметка низа, м"), QStringLiteral("-0,22")},
                 {QStringLiteral("Отметка верха, м"), QStringLiteral("0,00")},
                 {QStringLiteral("Длина x ширина, м"), QStringLiteral("10,4 x 8,4")},
                 {QStringLiteral("Материал"), QStringLiteral("Железобетон")},
                 {QStringLiteral("Теплопроводность, Вт/(м·°C)"), QStringLiteral("2,04")},
                 {QStringLiteral("Сопротивление R, м²·°C/Вт"), QStringLiteral("0,11")},
                 {QStringLiteral("Утеплитель"), QStringLiteral("ЭППС 100 мм")}},
                QStringLiteral("Разрез на отметке +1,200")};
    case HouseView::RoomResults:
        return {QStringLiteral("Жилой дом 10x8"), paintRoom, QStringLiteral("Результаты: Гостиная"),
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

QWidget *makeViewport(QWidget *parent, const HouseScene &scene)
{
    auto *viewport = new QWidget(parent);
    auto *layout = new QVBoxLayout(viewport);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakePaintedArea(viewport, scene.paint), 1);
    auto *tabs = new QTabBar(viewport);
    tabs->setShape(QTabBar::RoundedSouth);
    for (const QString &tab : {QStringLiteral("3D-модель"), QStringLiteral("План"), QStringLiteral("Фасады"), QStringLiteral("Разрезы")})
        tabs->addTab(tab);
    layout->addWidget(tabs, 0, Qt::AlignLeft);
    return viewport;
}

QWidget *makePropertyPanel(QWidget *parent, const HouseScene &scene)
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
    const HouseScene scene = sceneOf(view);
    FakeWindow window(QStringLiteral("ТеплоМодель 3D - [%1]").arg(scene.title), kMenus, size);
    QToolBar *toolBar = window.addToolBar();
    AddToolButtons(toolBar, {ToolIcon::New, ToolIcon::Open, ToolIcon::Save});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Wall, ToolIcon::Window, ToolIcon::Door});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Zoom, ToolIcon::Rotate});
    toolBar->addSeparator();
    AddToolButtons(toolBar, {ToolIcon::Calculate, ToolIcon::Report});
    auto *columns = new QHBoxLayout(window.content());
    columns->setContentsMargins(3, 3, 3, 3);
    columns->addWidget(makeViewport(window.content(), scene), 1);
    columns->addWidget(makePropertyPanel(window.content(), scene));
    window.statusBar()->addWidget(new QLabel(scene.status, window.statusBar()), 1);
    return window.Grab();
}

} // namespace tools
