// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <functional>
#include <limits>

#include <gtest/gtest.h>

#include "calc/apptitle.h"
#include "calc/errors.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"

using namespace calc;
using fp::Ext;

namespace {

template <typename Error>
void ExpectFault(const std::function<void()> &operation, const char *message)
{
    try {
        operation();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const Error &e) {
        EXPECT_STREQ(e.what(), message);
    }
    EXPECT_TRUE(FloatingPointModeInForce()) << message;
}

TEST(CheckedArithmetic, FaultsRaiseTheirErrorClasses)
{
    volatile long double zero = 0;
    ExpectFault<EZeroDivide>([&] { (void)(Ext(1) / Ext(zero)); }, "Floating point division by zero");
    ExpectFault<EInvalidOp>([&] { (void)(Ext(0) / Ext(zero)); }, "Invalid floating point operation");
    ExpectFault<EZeroDivide>([&] { (void)fp::Ln(Ext(zero)); }, "Floating point division by zero");
    ExpectFault<EInvalidOp>([&] { (void)fp::Ln(Ext(-1)); }, "Invalid floating point operation");
    ExpectFault<EOverflow>([&] { (void)fp::Store(Ext(1e4000L) * Ext(1e4000L)); }, "Floating point overflow");
    ExpectFault<EOverflow>([&] { (void)fp::Store(Ext(1e400L)); }, "Floating point overflow");
    ExpectFault<EOverflow>([&] { (void)fp::Exp(Ext(20000)); }, "Floating point overflow");
    const long double inf = std::numeric_limits<long double>::infinity();
    ExpectFault<EOverflow>([&] { (void)(Ext(inf) < Ext(1)); }, "Floating point overflow");
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(Ext(inf) - Ext(inf)); }, "Invalid floating point operation");
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(Ext(zero) * Ext(inf)); }, "Invalid floating point operation");
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(Ext(nan) + Ext(1)); }, "Invalid floating point operation");
    ExpectFault<EInvalidOp>([&] { (void)(Ext(nan) < Ext(1)); }, "Invalid floating point operation");
}

TEST(CheckedArithmetic, AnOverflowIsReportedEvenWhenItsInfinityTurnsIntoNotANumber)
{
    volatile long double huge = 1e4000L;
    ExpectFault<EOverflow>([&] { (void)fp::Store(Ext(huge) * huge - Ext(huge) * huge); },
                           "Floating point overflow");
    // The fault left nothing behind: the same kind of expression without overflow is invalid.
    const long double inf = std::numeric_limits<long double>::infinity();
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(Ext(inf) - Ext(inf)); },
                            "Invalid floating point operation");
}

TEST(CheckedArithmetic, UnderflowIsSilent)
{
    EXPECT_EQ(fp::Store(Ext(1e-4000L)), 0);
    EXPECT_GT((Ext(1e-4940L) / Ext(1e10L)).value(), 0);  // denormal extended
    EXPECT_EQ(fp::Exp(Ext(-20000)).value(), 0);
    EXPECT_GT(fp::Store(Ext(1e-310L)), 0);  // denormal double
}

TEST(CheckedArithmetic, ErrorClassesFormOneHierarchy)
{
    const EInvalidOp invalid;
    const std::exception &asStd = invalid;
    EXPECT_NE(dynamic_cast<const EMathError *>(&asStd), nullptr);
    EXPECT_NE(dynamic_cast<const EExternal *>(&asStd), nullptr);
    EXPECT_NE(dynamic_cast<const Exception *>(&asStd), nullptr);
    const EConvertError convert("x");
    EXPECT_EQ(dynamic_cast<const EMathError *>(static_cast<const std::exception *>(&convert)),
              nullptr);
}

TEST(FloatingPointMode, LoadingRestoresTheModeAfterAChange)
{
    std::uint16_t singlePrecision = 0x007F;
    asm volatile("fldcw %0" : : "m"(singlePrecision));
    EXPECT_FALSE(FloatingPointModeInForce());
    LoadFloatingPointMode();
    EXPECT_TRUE(FloatingPointModeInForce());
    // 1 + 2^-63 survives only with a 64-bit significand.
    volatile long double tiny = 0x1p-63L;
    EXPECT_NE(1.0L + tiny, 1.0L);
    // The same for the SSE unit's rounding (here: toward zero).
    std::uint32_t towardZero = 0x7F80;
    asm volatile("ldmxcsr %0" : : "m"(towardZero));
    EXPECT_FALSE(FloatingPointModeInForce());
    LoadFloatingPointMode();
    EXPECT_TRUE(FloatingPointModeInForce());
}

struct Title {
    const char *path;
    const char *title;
};

TEST(ApplicationTitle, FromTheExecutablesFileName)
{
    const Title cases[] = {
        {"CALC.V2.EXE", "Calc"},
        {"/usr/bin/varnelo", "varnelo"},
        {"/opt/app.dir/VARNELO", "Varnelo"},
        {"./build/app/Varnelo.bin", "Varnelo"},
        {"mYProg", "myprog"},
        {"/tmp/.hidden", ""},
        {"", ""},
        {"/home/user/КАЛЬКУЛЯТОР.exe", "Калькулятор"},
        {"ЁЛКА", "Ёлка"},
        {"/usr/bin/FIZZ", "Fizz"},
        {"СЧЁТ", "Счёт"},
        {"ТЕПЛОПОЛ.exe", "Теплопол"},
        {"/opt/ЏЏ", "Џџ"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ApplicationTitle(c.path), c.title) << c.path;
}

} // namespace
