// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The processor's floating-point control state as the core's tests see it: the x87 control
// word and SSE's control register. The portable back end has no processor mode to see.

#include <cstdint>

namespace fpmode_probe {

struct ProcessorMode {
    std::uint16_t x87 = 0;
    std::uint32_t sse = 0;
    // Compared by what sets a mode: precision, rounding and the exception masks, not the flags.
    bool operator==(const ProcessorMode &other) const
    {
        return ((x87 ^ other.x87) & 0x0F3F) == 0 && ((sse ^ other.sse) & 0xFFC0) == 0;
    }
};

// The calculation's: 64-bit significand, rounding to nearest, every exception masked.
inline constexpr ProcessorMode kCalculationMode{0x037F, 0x1F80};
// A caller's that differs in everything a calculation depends on: a 53-bit significand and
// rounding toward zero on both units.
inline constexpr ProcessorMode kForeignMode{0x0E7F, 0x7F80};

#if VARNELO_PORTABLE_EXTENDED
inline ProcessorMode CurrentMode() { return kCalculationMode; }
inline void LoadMode(const ProcessorMode &) {}
#else
inline ProcessorMode CurrentMode()
{
    ProcessorMode mode;
    asm volatile("fnstcw %0\n\tstmxcsr %1" : "=m"(mode.x87), "=m"(mode.sse));
    return mode;
}

inline void LoadMode(const ProcessorMode &mode)
{
    asm volatile("fldcw %0\n\tldmxcsr %1" : : "m"(mode.x87), "m"(mode.sse));
}
#endif

inline bool CalculationModeInForce() { return CurrentMode() == kCalculationMode; }

} // namespace fpmode_probe
