// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

namespace tools {

// Cover of the printed booklet on where the calculation of water-supply and heating systems
// begins (hydraulic calculations, part 1).
QImage DrawBookletCover(QSize size);

enum class Course { DesignCalculations, HeatCalculations };

// Box and disc of one of the two video courses, with its title and list of topics.
QImage DrawCourseBox(Course course, QSize size);

} // namespace tools
