// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <QVector3D>

#include <cstddef>
#include <optional>
#include <vector>

// A small flat-shaded 3D renderer for the building model screenshots: convex polygons sorted
// back to front (painter's algorithm), in layers, with back faces culled.
namespace tools {

struct Camera {
    float azimuthDegrees;    // around the vertical axis, 0 = looking north (+y)
    float elevationDegrees;  // above the horizon
    float distance;
    QVector3D target;
    float fill = 0.95f;  // share of the area that the model's extent takes
};

enum BoxFace : std::size_t { Top, Bottom, South, North, West, East };

// Layers are drawn one after another, whatever the depth: the ground first, then what lies
// on it, then the solids.
enum class Layer { Ground, GroundMarks, Slab, Solid };

class Scene3D {
public:
    // A flat polygon; with twoSided false it is hidden when seen from behind (corners must then
    // run counter-clockwise seen from the front).
    // Returns the polygon's index.
    std::size_t AddPolygon(std::vector<QVector3D> corners, const QColor &colour,
                           Layer layer = Layer::Solid, bool twoSided = false);

    // A polygon lying on polygon parent (a window on a wall): drawn right after it, in the order
    // added, and hidden with it.
    void AddDecal(std::size_t parent, std::vector<QVector3D> corners, const QColor &colour);

    // Returns the index of the first of its faces, in the order of BoxFace.
    std::size_t AddBox(QVector3D low, QVector3D high, const QColor &colour,
                       Layer layer = Layer::Solid);

    // A gable roof over the rectangle low..high (x, y), ridge along x, at eaves height low.z().
    void AddGableRoof(QVector3D low, QVector3D high, float ridgeHeight, const QColor &colour);

    // With a ground colour, the background shows open ground up to the horizon under the
    // sky; without, only sky.
    void SetGround(const QColor &colour) { ground_ = colour; }

    // Draws the background and the model as seen by camera, fitted into the area; polygons of
    // the ground layer may reach beyond it.
    void Paint(QPainter &painter, QSize area, const Camera &camera);

    // Screen position of a point, valid after Paint.
    QPointF Project(const QVector3D &point) const;

private:
    struct Polygon {
        std::vector<QVector3D> corners;
        QColor colour;
        Layer layer;
        bool twoSided;
        std::ptrdiff_t decalOf;  // index of the polygon it lies on, or -1
    };

    QVector3D ToView(const QVector3D &point) const;
    QPointF Perspective(const QVector3D &view) const;
    bool FacesViewer(const Polygon &polygon) const;
    QColor Shaded(const Polygon &polygon) const;
    void Fit(QSize area, float fill);
    void PaintBackground(QPainter &painter, QSize area) const;

    std::vector<Polygon> polygons_;
    std::optional<QColor> ground_;
    QVector3D eye_;
    QVector3D right_;
    QVector3D up_;
    QVector3D forward_;
    qreal scale_ = 1;
    QPointF offset_;
};

} // namespace tools
