// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/sizing.h"
#include "resources/pictures.h"
#include "tools/axonometry.h"
#include "tools/catalogue.h"
#include "tools/paintkit.h"
#include "tools/pumpchart.h"
#include "tools/scene3d.h"

#include <QFontMetricsF>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace resources {

void PrintTo(const PictureFile &file, std::ostream *out)
{
    *out << file.fileName;
}

} // namespace resources

namespace {

class PictureDrawing : public testing::TestWithParam<resources::PictureFile> {};

TEST_P(PictureDrawing, FillsItsSizeWithAPicture)
{
    const QSize size(GetParam().width, GetParam().height);
    const QImage image = tools::DrawPicture(GetParam().picture, size);
    ASSERT_EQ(image.size(), size);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    }
    EXPECT_GT(colours.size(), 200) << "too few colours for a drawn picture";
}

INSTANTIATE_TEST_SUITE_P(Generator, PictureDrawing, testing::ValuesIn(resources::kPictureFiles),
                         [](const testing::TestParamInfo<resources::PictureFile> &info) {
                             std::string name(
                                 info.param.fileName.substr(0, info.param.fileName.find('.')));
                             std::erase(name, '-');
                             return name;
                         });

TEST(PumpChartView, MarksTheOperatingPointWithRedLines)
{
    const QImage view =
        tools::DrawPicture(resources::Picture::Program1View4,
                           resources::PictureSize(resources::Picture::Program1View4));
    int red = 0;
    for (int y = 0; y < view.height(); ++y) {
        for (int x = 0; x < view.width(); ++x) {
            const QColor c = view.pixelColor(x, y);
            red += c.red() > 200 && c.green() < 50 && c.blue() < 50;
        }
    }
    EXPECT_GT(red, 100) << "two red lines of some length";
}

TEST(UnitPhotoDrawing, IsTheGreenPumpOnWhite)
{
    const QImage photo = tools::DrawPicture(resources::Picture::UnitPhoto, QSize(220, 397));
    EXPECT_EQ(photo.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(photo.pixelColor(217, 100), QColor(Qt::white));
    const QColor pump = photo.pixelColor(110, 232);
    EXPECT_GT(pump.green(), pump.red() + 40);
}

TEST(PumpChart, OperatingPointLiesOnThePumpLineAndTheNetworkCurve)
{
    for (const tools::PumpLine &pump : tools::ChartPumps()) {
        const std::string name = pump.name.toStdString();
        for (const double resistance : {0.5, 1.0, 2.0}) {
            const QPointF point = tools::OperatingPoint(pump, resistance);
            EXPECT_NEAR(point.x(), pump.flowAtZeroHead - pump.flowPerMetre * point.y(), 1e-9)
                << name;
            EXPECT_NEAR(point.y(), resistance * point.x() * point.x(), 1e-9) << name;
            EXPECT_GT(point.x(), 0.0);
        }
    }
}

TEST(PumpChart, NamesAPumpByTheModelInItsListText)
{
    EXPECT_EQ(tools::ModelName("willo 25/6"), QStringLiteral("25/6"));
    EXPECT_EQ(tools::ModelName("maker two words 30/10"), QStringLiteral("30/10"));
}

// The chart draws every pump of the calculator's list, by its line and model, lowest head
// first, and marks the one the page selects at start.
TEST(PumpChart, DrawsEveryPumpOfTheCalculatorsList)
{
    const std::vector<tools::PumpLine> pumps = tools::ChartPumps();
    ASSERT_EQ(pumps.size(), calc::kPumps.Size());
    std::vector<bool> drawn(calc::kPumps.Size(), false);
    double previousHead = 0;
    for (const tools::PumpLine &pump : pumps) {
        int position = -1;
        for (std::size_t i = 0; i < calc::kPumps.Size(); ++i) {
            if (tools::ModelName(calc::kPumps.items[i].text) == pump.name)
                position = int(i);
        }
        ASSERT_GE(position, 0) << pump.name.toStdString();
        const calc::PumpLine &line = calc::kPumps.ValueAt(position);
        EXPECT_EQ(pump.flowAtZeroHead, static_cast<double>(line.atZeroHead));
        EXPECT_EQ(pump.flowPerMetre, line.slope.AsDouble());
        EXPECT_EQ(pump.chosen, position == calc::SizingInputs{}.PumpIndex);
        drawn[std::size_t(position)] = true;
        const double head = pump.flowAtZeroHead / pump.flowPerMetre;
        EXPECT_GT(head, previousHead) << "lowest head first";
        previousHead = head;
    }
    EXPECT_EQ(std::ranges::count(drawn, true), std::ptrdiff_t(drawn.size()));
}

TEST(Blurred, SpreadsAPointAndKeepsItsWeight)
{
    QImage dot(21, 21, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    dot.setPixel(10, 10, qRgba(255, 255, 255, 255));
    const QImage blurred = tools::Blurred(dot, 1);
    long total = 0;
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x)
            total += qAlpha(blurred.pixel(x, y));
    }
    EXPECT_LT(qAlpha(blurred.pixel(10, 10)), 255);
    EXPECT_GT(qAlpha(blurred.pixel(11, 10)), 0);
    EXPECT_GT(qAlpha(blurred.pixel(10, 12)), 0);
    EXPECT_EQ(qAlpha(blurred.pixel(0, 0)), 0);
    EXPECT_NEAR(static_cast<double>(total), 255.0, 60.0)
        << "integer averaging loses a little, not most";
}

TEST(FittedFont, ShrinksUntilTheTextFits)
{
    const QString title = QStringLiteral("ГИДРАВЛИЧЕСКИЕ РАСЧЕТЫ");
    const QFont fitted = tools::FittedFont(QStringLiteral("DejaVu Sans"), title, 120, 30, true);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(title), 120);
    EXPECT_LT(fitted.pixelSize(), 30);
    EXPECT_EQ(
        tools::FittedFont(QStringLiteral("DejaVu Sans"), QStringLiteral("Ю"), 120, 30).pixelSize(),
        30);
}

QImage PaintScene(tools::Scene3D &scene, const tools::Camera &camera)
{
    QImage image(200, 150, QImage::Format_RGB32);
    QPainter painter(&image);
    scene.Paint(painter, image.size(), camera);
    return image;
}

bool ShowsColour(const QImage &image, bool (*matches)(const QColor &))
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (matches(image.pixelColor(x, y)))
                return true;
        }
    }
    return false;
}

bool IsRed(const QColor &c) { return c.red() > 150 && c.green() < 60 && c.blue() < 60; }
bool IsBlue(const QColor &c) { return c.blue() > 150 && c.red() < 60 && c.green() < 60; }
bool IsOrange(const QColor &c)
{
    return c.red() > 200 && c.green() > 90 && c.green() < 190 && c.blue() < 60;
}

TEST(Scene3D, ShowsTheFrontOfABoxAndHidesItsBack)
{
    tools::Scene3D scene;
    const std::size_t box = scene.AddBox({0, 0, 0}, {4, 2, 2}, QColor(200, 200, 200));
    scene.AddDecal(box + tools::BoxFace::South,
                   {{1, -0.01f, 0.5f}, {3, -0.01f, 0.5f}, {3, -0.01f, 1.5f}, {1, -0.01f, 1.5f}},
                   QColor(0, 0, 255));
    scene.AddDecal(box + tools::BoxFace::North,
                   {{3, 2.01f, 0.5f}, {1, 2.01f, 0.5f}, {1, 2.01f, 1.5f}, {3, 2.01f, 1.5f}},
                   QColor(255, 0, 0));
    const QImage fromSouth = PaintScene(scene, {20, 25, 12, {2, 1, 1}});
    EXPECT_TRUE(ShowsColour(fromSouth, IsBlue));
    EXPECT_FALSE(ShowsColour(fromSouth, IsRed));
    const QImage fromNorth = PaintScene(scene, {200, 25, 12, {2, 1, 1}});
    EXPECT_TRUE(ShowsColour(fromNorth, IsRed));
    EXPECT_FALSE(ShowsColour(fromNorth, IsBlue));
}

TEST(Scene3D, FitsTheModelIntoTheArea)
{
    tools::Scene3D scene;
    scene.AddBox({0, 0, 0}, {4, 2, 2}, QColor(200, 200, 200));
    scene.AddBox({10, 8, 0}, {11, 9, 1}, QColor(200, 200, 200));
    QImage image(200, 150, QImage::Format_RGB32);
    QPainter painter(&image);
    scene.Paint(painter, image.size(), {30, 30, 40, {5, 4, 0}});
    for (const QVector3D corner :
         {QVector3D(0, 0, 0), QVector3D(4, 0, 2), QVector3D(11, 9, 1), QVector3D(10, 8, 0)}) {
        const QPointF at = scene.Project(corner);
        EXPECT_TRUE(QRectF(0, 0, 200, 150).contains(at)) << at.x() << "," << at.y();
    }
}

TEST(Axonometry, DrawsEveryPipeInsideTheSheet)
{
    tools::Network network;
    network.AddRun({0, 0, 0}, {{6, 0, 0}, {0, 4, 0}, {0, 0, 3}}, QColor(255, 140, 0));
    ASSERT_EQ(network.pipes.size(), 3u);
    EXPECT_EQ(network.pipes[2].to, QVector3D(6, 4, 3));
    QImage sheet(240, 180, QImage::Format_RGB32);
    {
        QPainter painter(&sheet);
        tools::PaintNetwork(painter, sheet.size(), network);
    }
    // No pipe pixel within a few pixels of the sheet's edge; some inside.
    bool pipeInside = false;
    for (int y = 0; y < sheet.height(); ++y) {
        for (int x = 0; x < sheet.width(); ++x) {
            if (!IsOrange(sheet.pixelColor(x, y)))
                continue;
            pipeInside = true;
            EXPECT_TRUE(x > 4 && y > 4 && x < sheet.width() - 5 && y < sheet.height() - 5)
                << x << "," << y;
        }
    }
    EXPECT_TRUE(pipeInside);
}

} // namespace
