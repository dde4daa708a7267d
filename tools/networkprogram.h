// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

namespace tools {

// The views of the gallery "Программа 2": a program that draws pipe networks of water supply
// and heating in axonometry and computes them.
enum class NetworkView {
    WaterSupply,
    PipeResults,
    SinglePipeLoop,
    VerticalRisers,
    HorizontalBranches
};

QImage DrawNetworkProgram(NetworkView view, QSize size);

} // namespace tools
