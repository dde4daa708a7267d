// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

namespace tools {

// The views of the gallery "Программа": a desktop program for hydraulic and heat
// calculations of pipe circuits, one page per kind of circuit.
enum class CircuitView { BranchedCircuit, PipeLoop, SinglePipe, PumpChart };

QImage DrawCircuitProgram(CircuitView view, QSize size);

} // namespace tools
