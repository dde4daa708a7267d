// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// The arithmetic mode every calculation runs in: 64-bit significand, rounding to nearest
// with ties to even, fault flags cleared. Faults (invalid operation, division by zero,
// overflow) are raised as EInvalidOp, EZeroDivide and EOverflow by the checked arithmetic
// of the core, never by a processor trap, so the toolkit's own code is never interrupted.
// On the x87 back end this loads the unit's control word (and SSE's). The portable back end
// has no processor mode and only clears its fault flags.
void LoadFloatingPointMode() noexcept;

// One calculation's hold on the mode: the outermost scope on a thread saves the caller's
// mode and fault flags, loads the calculation's, and gives the caller's back when it ends,
// an error's unwinding included. Every entry point of the core that computes opens one, so
// no caller needs to know the mode exists. A scope inside another does nothing, so the
// fault flags of a calculation live until it ends.
class CalculationScope {
public:
    CalculationScope() noexcept;
    ~CalculationScope();
    CalculationScope(const CalculationScope &) = delete;
    CalculationScope &operator=(const CalculationScope &) = delete;

private:
    alignas(8) unsigned char callersMode_[32];  // the caller's control words and fault flags
    bool outermost_;
};

} // namespace calc
