// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/fparith.h"

namespace calc::inline VARNELO_CALC_BACKEND::fp {

Extended Ln(const Extended &x)
{
    if (x < 0)
        RaiseInvalidOp();
    if (x == 0)
        RaiseZeroDivide();
    return Extended(Backend::Log(x.raw()));
}

Extended Exp(const Extended &x)
{
    const Extended result(Backend::Exp(x.Checked().raw()));
    if (!result.IsFinite())
        RaiseOverflow();
    return result;
}

} // namespace calc::fp
