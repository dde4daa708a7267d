// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

namespace tools {

// The views of the gallery "Программа 3": a program that models a building in three
// dimensions and computes its heat losses.
enum class HouseView { GroundPlot, WindowEditor, FloorSlab, RoomResults };

QImage DrawHouseProgram(HouseView view, QSize size);

} // namespace tools
