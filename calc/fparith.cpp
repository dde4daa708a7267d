// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/fparith.h"

namespace calc::inline VARNELO_CALC_BACKEND::fp {

Ext Ln(const Ext &x)
{
    if (x < 0)
        RaiseInvalidOp();
    if (x == 0)
        RaiseZeroDivide();
    return Ext(ext::Log(x.raw()));
}

Ext Exp(const Ext &x)
{
    const Ext result(ext::Exp(x.Checked().raw()));
    if (!result.IsFinite())
        RaiseOverflow();
    return result;
}

} // namespace calc::fp
