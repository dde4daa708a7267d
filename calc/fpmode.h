// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// The arithmetic mode every calculation runs in: 64-bit significand, rounding to nearest
// with ties to even, fault flags cleared. Faults (invalid operation, division by zero,
// overflow) are raised as EInvalidOp, EZeroDivide and EOverflow by the checked arithmetic
// of the core, never by a processor trap, so the toolkit's own code is never interrupted.
// On the x87 back end this loads the unit's control word (and SSE's); a calculation loads it
// where it begins, and the windows put it back after toolkit calls that may change it. The
// portable back end has no processor mode and only clears its fault flags.
void LoadFloatingPointMode() noexcept;

// True when the processor's mode is the one LoadFloatingPointMode loads (always on the
// portable back end).
bool FloatingPointModeInForce() noexcept;

namespace fp {
// True when an operation overflowed since the mode was last loaded or the flags cleared.
bool OverflowFlagged() noexcept;
} // namespace fp

} // namespace calc
