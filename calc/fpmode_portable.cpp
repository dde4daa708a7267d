// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The portable back end has no processor mode: MPFR rounds every operation itself, and its
// exponent range is set by the back end on each thread's first operation. What is left of the
// mode is MPFR's fault flags, which a new calculation starts without.

#include <mpfr.h>

#include "calc/fparith.h"
#include "calc/fpmode.h"

namespace calc::inline VARNELO_CALC_BACKEND {

void LoadFloatingPointMode() noexcept { mpfr_clear_flags(); }

bool FloatingPointModeInForce() noexcept { return true; }

namespace fp {

bool OverflowFlagged() noexcept { return mpfr_overflow_p() != 0; }

void ClearFaultFlags() noexcept { mpfr_clear_flags(); }

} // namespace fp
} // namespace calc
