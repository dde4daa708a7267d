// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/fpmode.h"

#include <cfenv>
#include <cstdint>

namespace calc {
namespace {

// x87 control word: every exception masked (faults are raised by the checked arithmetic,
// never trapped), precision control 64 bits, rounding to nearest.
constexpr std::uint16_t kX87ControlWord = 0x037F;
constexpr std::uint16_t kX87ModeBits = 0x0F3F;  // precision, rounding and the exception masks
// SSE control: every exception masked, rounding to nearest, no flush-to-zero, flags clear.
constexpr std::uint32_t kMxcsr = 0x1F80;
constexpr std::uint32_t kMxcsrModeBits = 0xFFC0;

} // namespace

void LoadFloatingPointMode() noexcept
{
    // fninit empties the register stack and clears pending flags; no x87 value is live here.
    std::uint16_t controlWord = kX87ControlWord;
    std::uint32_t mxcsr = kMxcsr;
    asm volatile("fninit\n\tfldcw %0\n\tldmxcsr %1" : : "m"(controlWord), "m"(mxcsr) : "memory");
}

bool FloatingPointModeInForce() noexcept
{
    std::uint16_t controlWord = 0;
    std::uint32_t mxcsr = 0;
    asm volatile("fnstcw %0\n\tstmxcsr %1" : "=m"(controlWord), "=m"(mxcsr));
    return (controlWord & kX87ModeBits) == (kX87ControlWord & kX87ModeBits)
        && (mxcsr & kMxcsrModeBits) == (kMxcsr & kMxcsrModeBits);
}

} // namespace calc
