// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QSize>

namespace tools {

// Product shot of the assembled mixing unit on white: chrome-plated brass body, green pump
// across the middle, white thermostatic head with its capillary loop, two dial thermometers,
// two air vents and the U-shaped bypass.
QImage DrawUnitPhoto(QSize size);

} // namespace tools
