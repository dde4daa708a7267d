// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/errors.h"

#include "calc/faults.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"

namespace calc::inline VARNELO_CALC_BACKEND {

EConvertError::EConvertError(const std::string &text)
    : Exception("'" + text + "' is not a valid floating point value")
{
}

namespace fp {

// Every floating-point fault leaves the unit clean, so the next run equals a fresh one.
void RaiseInvalidOp()
{
    LoadFloatingPointMode();
    throw EInvalidOp();
}

void RaiseZeroDivide()
{
    LoadFloatingPointMode();
    throw EZeroDivide();
}

void RaiseOverflow()
{
    LoadFloatingPointMode();
    throw EOverflow();
}

void RaiseFaultOf(Extended value)
{
    if (value.IsNaN() && !OverflowFlagged())
        RaiseInvalidOp();
    RaiseOverflow();
}

} // namespace fp
} // namespace calc
