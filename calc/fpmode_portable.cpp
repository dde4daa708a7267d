// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The portable back end has no processor mode: MPFR rounds every operation itself, and its
// exponent range is set by the back end on each thread's first operation. What is left of the
// mode is MPFR's fault flags, which a new calculation starts without.

#include <cstring>

#include <mpfr.h>

#include "calc/faults.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"

namespace calc::inline VARNELO_CALC_BACKEND {

void LoadFloatingPointMode() noexcept { mpfr_clear_flags(); }

namespace {

thread_local int t_calculations = 0;  // scopes open on this thread

} // namespace

CalculationScope::CalculationScope() noexcept : outermost_(t_calculations++ == 0)
{
    if (!outermost_)
        return;
    const mpfr_flags_t flags = mpfr_flags_save();
    static_assert(sizeof flags <= sizeof callersMode_);
    std::memcpy(callersMode_, &flags, sizeof flags);
    LoadFloatingPointMode();
}

CalculationScope::~CalculationScope()
{
    --t_calculations;
    if (!outermost_)
        return;
    mpfr_flags_t flags;
    std::memcpy(&flags, callersMode_, sizeof flags);
    mpfr_flags_restore(flags, MPFR_FLAGS_ALL);
}

namespace fp {

bool OverflowFlagged() noexcept { return mpfr_overflow_p() != 0; }

void ClearFaultFlags() noexcept { mpfr_clear_flags(); }

} // namespace fp
} // namespace calc
