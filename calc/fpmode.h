// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace calc {

// The arithmetic mode every calculation runs in: 64-bit significand, rounding to nearest
// with ties to even, fault flags cleared. Faults (invalid operation, division by zero,
// overflow) are raised as EInvalidOp, EZeroDivide and EOverflow by the checked arithmetic
// of the core, never by a processor trap, so the toolkit's own code is never interrupted.
void LoadFloatingPointMode() noexcept;

// True when the processor's mode is the one LoadFloatingPointMode loads.
bool FloatingPointModeInForce() noexcept;

} // namespace calc
