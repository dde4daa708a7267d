// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QVector3D>

#include <vector>

// Pipe networks in frontal axonometry, as pipe-network programs draw them: x to the right,
// z up and y receding at 45 degrees, shortened.
namespace tools {

struct NetworkPipe {
    QVector3D from;
    QVector3D to;
    QColor colour;
    QString label;  // written beside the middle of the pipe, if any
    bool selected = false;
};

enum class FixtureKind { Tap, Pump, Boiler, Valve };

struct NetworkFixture {
    FixtureKind kind;
    QVector3D at;
};

// A radiator standing on the floor line base, running along direction for its length.
struct NetworkRadiator {
    QVector3D base;
    QVector3D direction;
    float length;
    float height;
    bool selected = false;
};

struct Network {
    std::vector<NetworkPipe> pipes;
    std::vector<NetworkFixture> fixtures;
    std::vector<NetworkRadiator> radiators;

    // A run of pipes from start through each offset in turn; returns where it ends.
    QVector3D AddRun(QVector3D start, std::initializer_list<QVector3D> offsets,
                     const QColor &colour);
};

// Draws the network fitted into the area, on a drawing sheet with a dot grid and an axis
// symbol in the lower left corner.
void PaintNetwork(QPainter &painter, QSize area, const Network &network);

} // namespace tools
