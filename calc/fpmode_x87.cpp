// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The x87 back end's mode: the unit's control word and status, and SSE's control register.

#include <cstdint>
#include <cstring>

#include "calc/faults.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"

namespace calc::inline VARNELO_CALC_BACKEND {
namespace {

// x87 control word: every exception masked (faults are raised by the checked arithmetic,
// never trapped), precision control 64 bits, rounding to nearest.
constexpr std::uint16_t kX87ControlWord = 0x037F;
// SSE control: every exception masked, rounding to nearest, no flush-to-zero, flags clear.
constexpr std::uint32_t kMxcsr = 0x1F80;

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

namespace {

thread_local int t_calculations = 0;  // scopes open on this thread

// The x87 status word's exception flags (invalid, denormal, zero divide, overflow, underflow,
// precision) and SSE's, which stand in the same six bits of its control register.
constexpr std::uint16_t kExceptionFlags = 0x3F;

struct CallersMode {
    std::uint16_t controlWord;
    std::uint16_t statusWord;
    std::uint32_t mxcsr;
};
static_assert(sizeof(CallersMode) <= sizeof(unsigned char[32]));

} // namespace

// fnstcw, fnstsw and stmxcsr save the caller's mode in a few cycles; the whole environment
// (fnstenv, fldenv) costs a hundred or more each way and is needed only to give back exception
// flags that the caller had raised, which callers seldom have.
CalculationScope::CalculationScope() noexcept : outermost_(t_calculations++ == 0)
{
    if (!outermost_)
        return;
    auto *saved = reinterpret_cast<CallersMode *>(callersMode_);
    asm volatile("fnstcw %0\n\tfnstsw %1\n\tstmxcsr %2"
                 : "=m"(saved->controlWord), "=m"(saved->statusWord), "=m"(saved->mxcsr)
                 :
                 : "memory");
    LoadFloatingPointMode();
}

// The caller's control words and exception flags come back; the register tags and the stack's
// top stay as they are, for the calculation's result may be on its way back in st(0).
CalculationScope::~CalculationScope()
{
    --t_calculations;
    if (!outermost_)
        return;
    const auto *saved = reinterpret_cast<const CallersMode *>(callersMode_);
    if ((saved->statusWord & kExceptionFlags) == 0) {
        asm volatile("fnclex\n\tfldcw %0\n\tldmxcsr %1"
                     :
                     : "m"(saved->controlWord), "m"(saved->mxcsr)
                     : "memory");
        return;
    }
    unsigned char now[28];
    asm volatile("fnstenv %0" : "=m"(now) : : "memory");
    constexpr int kControlWord = 0;  // offsets in the 32-bit environment layout
    constexpr int kStatusWord = 4;
    std::memcpy(now + kControlWord, &saved->controlWord, 2);
    // Of the status word only the exception flags: the stack's top stays where it is now.
    now[kStatusWord] = static_cast<unsigned char>(
        (now[kStatusWord] & ~kExceptionFlags) | (saved->statusWord & kExceptionFlags));
    asm volatile("fldenv %0\n\tldmxcsr %1" : : "m"(now), "m"(saved->mxcsr) : "memory");
}

namespace fp {

bool OverflowFlagged() noexcept
{
    unsigned short status = 0;
    asm volatile("fnstsw %0" : "=am"(status));
    constexpr unsigned short kOverflowFlag = 0x08;
    return (status & kOverflowFlag) != 0;
}

// fnclex and SSE's flags cleared by hand: feclearexcept goes through the whole environment.
void ClearFaultFlags() noexcept
{
    std::uint32_t mxcsr = 0;
    asm volatile("stmxcsr %0" : "=m"(mxcsr));
    mxcsr &= ~std::uint32_t{kExceptionFlags};
    asm volatile("fnclex\n\tldmxcsr %0" : : "m"(mxcsr) : "memory");
}

} // namespace fp
} // namespace calc
