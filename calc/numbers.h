// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>

#include "calc/backend.h"
#include "calc/extended.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// The decimal mark both conversions use; one value for the whole process.
char LocaleDecimalMark() noexcept;
void SetLocaleDecimalMark(char mark) noexcept;

// Reads a number: blanks (spaces only), sign, digits, the decimal mark, an exponent.
// Throws EConvertError with the text as given when the text is not a number or does not fit
// the extended range. Never lets a floating-point fault escape.
Extended TextToNumber(const std::string &text);

// General format with 15 significant digits, using LocaleDecimalMark. Never fails.
std::string NumberToText(const Extended &value);

// Nearest whole number, ties to even. Throws EInvalidOp outside the signed 64-bit range
// or for a value that is not a number.
std::int64_t RoundToInteger(const Extended &value);

} // namespace calc
