// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/fparith.h"

#include <cmath>

namespace calc::fp {

Ext Ln(Ext x)
{
    const long double v = Checked(x.value());
    if (v < 0)
        RaiseInvalidOp();
    if (v == 0)
        RaiseZeroDivide();
    return std::log(v);
}

Ext Exp(Ext x)
{
    const long double v = Checked(x.value());
    const long double result = std::exp(v);
    if (std::isinf(result))
        RaiseOverflow();
    return result;
}

} // namespace calc::fp
