// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/extended.h"

#include <cstdio>

namespace calc::inline VARNELO_CALC_BACKEND {

std::string Extended::ExactText() const
{
    const char *sign = SignBit() ? "-" : "";
    if (IsNaN())
        return "nan";
    if (!IsFinite())
        return std::string(sign) + "inf";
    if (IsZero())
        return std::string(sign) + "0";
    char text[48];
    std::snprintf(text, sizeof text, "%s0x%016llxp%d", sign,
                  static_cast<unsigned long long>(Backend::Significand(raw_)),
                  Backend::BinaryExponent(raw_) - 64);
    return text;
}

} // namespace calc
