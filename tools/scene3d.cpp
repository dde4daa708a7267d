// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/scene3d.h"

#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace tools {
namespace {

const QVector3D kLightFrom = QVector3D(-0.45f, -0.7f, 0.85f).normalized();
constexpr float kFocal = 1.0f;

QVector3D NormalOf(const std::vector<QVector3D> &corners)
{
    return QVector3D::normal(corners[0], corners[1], corners[2]);
}

QVector3D CentroidOf(const std::vector<QVector3D> &corners)
{
    QVector3D sum;
    for (const QVector3D &corner : corners)
        sum += corner;
    return sum / static_cast<float>(corners.size());
}

} // namespace

std::size_t Scene3D::AddPolygon(std::vector<QVector3D> corners, const QColor &colour, Layer layer,
                                bool twoSided)
{
    polygons_.push_back({std::move(corners), colour, layer, twoSided, -1});
    return polygons_.size() - 1;
}

void Scene3D::AddDecal(std::size_t parent, std::vector<QVector3D> corners, const QColor &colour)
{
    polygons_.push_back({std::move(corners), colour, polygons_[parent].layer, true,
                         static_cast<std::ptrdiff_t>(parent)});
}

std::size_t Scene3D::AddBox(QVector3D low, QVector3D high, const QColor &colour, Layer layer)
{
    const float x0 = low.x(), y0 = low.y(), z0 = low.z(), x1 = high.x(), y1 = high.y(),
                z1 = high.z();
    const std::size_t first = polygons_.size();
    AddPolygon({{x0, y0, z1}, {x1, y0, z1}, {x1, y1, z1}, {x0, y1, z1}}, colour, layer);
    AddPolygon({{x0, y0, z0}, {x0, y1, z0}, {x1, y1, z0}, {x1, y0, z0}}, colour, layer);
    AddPolygon({{x0, y0, z0}, {x1, y0, z0}, {x1, y0, z1}, {x0, y0, z1}}, colour, layer);
    AddPolygon({{x1, y1, z0}, {x0, y1, z0}, {x0, y1, z1}, {x1, y1, z1}}, colour, layer);
    AddPolygon({{x0, y1, z0}, {x0, y0, z0}, {x0, y0, z1}, {x0, y1, z1}}, colour, layer);
    AddPolygon({{x1, y0, z0}, {x1, y1, z0}, {x1, y1, z1}, {x1, y0, z1}}, colour, layer);
    return first;
}

void Scene3D::AddGableRoof(QVector3D low, QVector3D high, float ridgeHeight, const QColor &colour)
{
    const float x0 = low.x(), y0 = low.y(), x1 = high.x(), y1 = high.y(), eaves = low.z();
    const float yMid = (y0 + y1) / 2, ridge = eaves + ridgeHeight;
    AddPolygon({{x0, y0, eaves}, {x1, y0, eaves}, {x1, yMid, ridge}, {x0, yMid, ridge}}, colour);
    AddPolygon({{x1, y1, eaves}, {x0, y1, eaves}, {x0, yMid, ridge}, {x1, yMid, ridge}}, colour);
    const QColor gable(232, 220, 196);
    AddPolygon({{x0, y1, eaves}, {x0, y0, eaves}, {x0, yMid, ridge}}, gable);
    AddPolygon({{x1, y0, eaves}, {x1, y1, eaves}, {x1, yMid, ridge}}, gable);
}

QVector3D Scene3D::ToView(const QVector3D &point) const
{
    const QVector3D relative = point - eye_;
    return {QVector3D::dotProduct(relative, right_), QVector3D::dotProduct(relative, up_),
            QVector3D::dotProduct(relative, forward_)};
}

QPointF Scene3D::Perspective(const QVector3D &view) const
{
    return {kFocal * view.x() / view.z(), -kFocal * view.y() / view.z()};
}

QPointF Scene3D::Project(const QVector3D &point) const
{
    return Perspective(ToView(point)) * scale_ + offset_;
}

bool Scene3D::FacesViewer(const Polygon &polygon) const
{
    if (polygon.twoSided)
        return true;
    return QVector3D::dotProduct(NormalOf(polygon.corners), eye_ - polygon.corners[0]) > 0;
}

QColor Scene3D::Shaded(const Polygon &polygon) const
{
    QVector3D normal = NormalOf(polygon.corners);
    if (QVector3D::dotProduct(normal, eye_ - polygon.corners[0]) < 0)
        normal = -normal;
    const float light = 0.62f + 0.38f * std::max(0.0f, QVector3D::dotProduct(normal, kLightFrom));
    const QColor &c = polygon.colour;
    return QColor(std::min(255, static_cast<int>(c.red() * light + 18)),
                  std::min(255, static_cast<int>(c.green() * light + 18)),
                  std::min(255, static_cast<int>(c.blue() * light + 18)), c.alpha());
}

void Scene3D::Fit(QSize area, float fill)
{
    qreal left = std::numeric_limits<qreal>::max(), top = left, right = -left, bottom = -left;
    for (const Polygon &polygon : polygons_) {
        if (polygon.layer == Layer::Ground)
            continue;
        for (const QVector3D &corner : polygon.corners) {
            const QPointF flat = Perspective(ToView(corner));
            left = std::min(left, flat.x()), right = std::max(right, flat.x());
            top = std::min(top, flat.y()), bottom = std::max(bottom, flat.y());
        }
    }
    const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    const QRectF target = QRectF(QPointF(0, 0), QSizeF(area)).adjusted(8, 8, -8, -8);
    scale_ = fill * std::min(target.width() / bounds.width(), target.height() / bounds.height());
    offset_ = target.center() - bounds.center() * scale_;
}

void Scene3D::PaintBackground(QPainter &painter, QSize area) const
{
    const QRectF whole(QPointF(0, 0), QSizeF(area));
    QLinearGradient sky(whole.topLeft(), whole.bottomLeft());
    sky.setColorAt(0.0, QColor(168, 200, 236));
    sky.setColorAt(1.0, QColor(236, 244, 252));
    painter.fillRect(whole, sky);
    if (!ground_)
        return;
    // The horizon is where a level line of sight straight ahead vanishes.
    const QVector3D level = QVector3D(forward_.x(), forward_.y(), 0).normalized();
    const qreal horizon = Perspective(ToView(eye_ + level)).y() * scale_ + offset_.y();
    const QRectF land(QPointF(0, std::max<qreal>(0, horizon)), whole.bottomRight());
    QLinearGradient distance(land.topLeft(), land.bottomLeft());
    distance.setColorAt(0.0, ground_->lighter(125));
    distance.setColorAt(0.25, *ground_);
    distance.setColorAt(1.0, ground_->darker(110));
    painter.fillRect(land, distance);
}

void Scene3D::Paint(QPainter &painter, QSize area, const Camera &camera)
{
    const float azimuth = camera.azimuthDegrees * std::numbers::pi_v<float> / 180;
    const float elevation = camera.elevationDegrees * std::numbers::pi_v<float> / 180;
    const QVector3D back(-std::sin(azimuth) * std::cos(elevation),
                         -std::cos(azimuth) * std::cos(elevation), std::sin(elevation));
    eye_ = camera.target + back * camera.distance;
    forward_ = -back;
    right_ = QVector3D::crossProduct(forward_, QVector3D(0, 0, 1)).normalized();
    up_ = QVector3D::crossProduct(right_, forward_);
    Fit(area, camera.fill);
    PaintBackground(painter, area);

    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < polygons_.size(); ++i) {
        if (polygons_[i].decalOf < 0)
            order.push_back(i);
    }
    const auto depth = [&](std::size_t i) {
        return (CentroidOf(polygons_[i].corners) - eye_).length();
    };
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (polygons_[a].layer != polygons_[b].layer)
            return polygons_[a].layer < polygons_[b].layer;
        return depth(a) > depth(b);
    });
    const auto draw = [&](const Polygon &polygon) {
        QPolygonF outline;
        for (const QVector3D &corner : polygon.corners)
            outline << Project(corner);
        const QColor fill = Shaded(polygon);
        painter.setPen(QPen(fill.darker(160), 0.8));
        painter.setBrush(fill);
        painter.drawPolygon(outline);
    };
    for (const std::size_t i : order) {
        if (!FacesViewer(polygons_[i]))
            continue;
        draw(polygons_[i]);
        for (const Polygon &decal : polygons_) {
            if (decal.decalOf == static_cast<std::ptrdiff_t>(i))
                draw(decal);
        }
    }
}

} // namespace tools
