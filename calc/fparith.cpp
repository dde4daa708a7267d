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
    return RawAccess::From(Backend::Log(RawAccess::Of(x)));
}

Extended Exp(const Extended &x)
{
    const Extended result = RawAccess::From(Backend::Exp(RawAccess::Of(x.Checked())));
    if (!result.IsFinite())
        RaiseOverflow();
    return result;
}

} // namespace calc::fp
