// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../fpmode_probe.h"
#include "calc/calc.h"

// Reads the fuzzer's bytes from the front: small numbers first, the rest as a text.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    int Below(std::size_t count) { return pos_ < size_ ? int(data_[pos_++] % count) : 0; }
    char DecimalMark() { return Below(2) == 0 ? ',' : '.'; }
    std::string Rest() const { return std::string(reinterpret_cast<const char *>(data_) + pos_, size_ - pos_); }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// Every fault must leave the unit in the program's own mode.
inline void RequireCleanMode()
{
    if (!fpmode_probe::CalculationModeInForce())
        std::abort();
}
