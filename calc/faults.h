// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The floating-point faults of the core's checked arithmetic: how they are raised and the
// flags that tell them apart. The errors they raise are in calc/errors.h.

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

class Extended;

namespace fp {

// Out of line: they are the cold end of every checked operation. Each leaves the unit clean,
// so the next calculation equals a fresh one.
[[noreturn, gnu::cold, gnu::noinline]] void RaiseInvalidOp();
[[noreturn, gnu::cold, gnu::noinline]] void RaiseZeroDivide();
[[noreturn, gnu::cold, gnu::noinline]] void RaiseOverflow();
// Raises the fault behind a value that is not finite: an infinity is an overflow, and so is
// a not-a-number value that an earlier overflow led to; any other one is an invalid operation.
// The value comes by copy: for a reference every checked operation on x87 would keep its value
// in memory on the fast path too, an 80-bit store each (a sizing run was 4 % slower).
[[noreturn, gnu::cold, gnu::noinline]] void RaiseFaultOf(Extended value);

// True when an operation overflowed since the mode was last loaded or the flags cleared.
bool OverflowFlagged() noexcept;

// Forgets the overflows the arithmetic noted (TextToNumber's silent ones).
void ClearFaultFlags() noexcept;

} // namespace fp
} // namespace calc
