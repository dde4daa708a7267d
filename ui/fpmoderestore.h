// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/fpmode.h"

// Platform calls that create or show windows may change the arithmetic mode; leaving the
// scope of this guard loads the calculation's own mode again.
class RestoreFloatingPointMode {
public:
    RestoreFloatingPointMode() = default;
    RestoreFloatingPointMode(const RestoreFloatingPointMode &) = delete;
    RestoreFloatingPointMode &operator=(const RestoreFloatingPointMode &) = delete;
    ~RestoreFloatingPointMode() { calc::LoadFloatingPointMode(); }
};
