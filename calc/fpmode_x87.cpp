// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The x87 back end's mode: the unit's control word and status, and SSE's control register.

#include <cfenv>
#include <cstdint>

#include "calc/fparith.h"
#include "calc/fpmode.h"

namespace calc::inline VARNELO_CALC_BACKEND {
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
    // fninit empties the register stack and clears pending flags. The clobbers tell the
    // compiler that no x87 register survives, so that even inlined into a calculation (under
    // link-time optimisation) no live value is kept on the stack across it; the status flags
    // it clears are read only through asm (fnstsw) after it.
    std::uint16_t controlWord = kX87ControlWord;
    std::uint32_t mxcsr = kMxcsr;
    asm volatile("fninit\n\tfldcw %0\n\tldmxcsr %1"
                 :
                 : "m"(controlWord), "m"(mxcsr)
                 : "memory", "st", "st(1)", "st(2)", "st(3)", "st(4)", "st(5)", "st(6)", "st(7)");
}

bool FloatingPointModeInForce() noexcept
{
    std::uint16_t controlWord = 0;
    std::uint32_t mxcsr = 0;
    asm volatile("fnstcw %0\n\tstmxcsr %1" : "=m"(controlWord), "=m"(mxcsr));
    return (controlWord & kX87ModeBits) == (kX87ControlWord & kX87ModeBits)
        && (mxcsr & kMxcsrModeBits) == (kMxcsr & kMxcsrModeBits);
}

namespace fp {

bool OverflowFlagged() noexcept
{
    unsigned short status = 0;
    asm volatile("fnstsw %0" : "=am"(status));
    constexpr unsigned short kOverflowFlag = 0x08;
    return (status & kOverflowFlag) != 0;
}

void ClearFaultFlags() noexcept { std::feclearexcept(FE_ALL_EXCEPT); }

} // namespace fp
} // namespace calc
