// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cfenv>
#include <cstdio>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "../fpmode_probe.h"
#include "decimal_mark.h"
#include "calc/apptitle.h"
#include "calc/errors.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"
#include "calc/hydraulics.h"
#include "calc/numbers.h"
#include "calc/sizing.h"
#include "extended_values.h"

using namespace calc;
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
    EXPECT_TRUE(fpmode_probe::CalculationModeInForce()) << message;
}

TEST(CheckedArithmetic, FaultsRaiseTheirErrorClasses)
{
    const Extended zero = 0;
    ExpectFault<EZeroDivide>([&] { (void)(Extended(1) / zero); }, "Floating point division by zero");
    ExpectFault<EInvalidOp>([&] { (void)(Extended(0) / zero); }, "Invalid floating point operation");
    ExpectFault<EZeroDivide>([&] { (void)fp::Ln(zero); }, "Floating point division by zero");
    ExpectFault<EInvalidOp>([&] { (void)fp::Ln(Extended(-1)); }, "Invalid floating point operation");
    ExpectFault<EOverflow>([&] { (void)fp::Store(X("1e4000") * X("1e4000")); }, "Floating point overflow");
    ExpectFault<EOverflow>([&] { (void)fp::Store(X("1e400")); }, "Floating point overflow");
    ExpectFault<EOverflow>([&] { (void)fp::Exp(Extended(20000)); }, "Floating point overflow");
    const Extended inf = Extended::Infinity();
    ExpectFault<EOverflow>([&] { (void)(inf < Extended(1)); }, "Floating point overflow");
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(inf - inf); }, "Invalid floating point operation");
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(zero * inf); }, "Invalid floating point operation");
    const Extended nan = Extended::NotANumber();
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(nan + Extended(1)); }, "Invalid floating point operation");
    ExpectFault<EInvalidOp>([&] { (void)(nan < Extended(1)); }, "Invalid floating point operation");
}

TEST(CheckedArithmetic, AnOverflowIsReportedEvenWhenItsInfinityTurnsIntoNotANumber)
{
    const Extended huge = X("1e4000");
    ExpectFault<EOverflow>([&] { (void)fp::Store(huge * huge - huge * huge); },
                           "Floating point overflow");
    // The fault left nothing behind: the same kind of expression without overflow is invalid.
    const Extended inf = Extended::Infinity();
    ExpectFault<EInvalidOp>([&] { (void)fp::Store(inf - inf); },
                            "Invalid floating point operation");
}

TEST(CheckedArithmetic, UnderflowIsSilent)
{
    EXPECT_EQ(fp::Store(X("1e-4000")), 0);
    EXPECT_GT(X("1e-4940") / X("1e10"), 0);  // denormal extended
    EXPECT_EQ(fp::Exp(Extended(-20000)), 0);
    EXPECT_GT(fp::Store(X("1e-310")), 0);  // denormal double
}

// The limits of the extended format, the same on both back ends: 64 bits of significand,
// subnormals down to 2^-16445 rounded to even, the largest value just below 2^16384.
TEST(ExtendedFormat, PrecisionRangeAndSubnormals)
{
    EXPECT_NE(Extended(1) + X("0x1p-63"), 1);
    EXPECT_EQ(Extended(1) + X("0x1p-64"), 1);                      // a tie goes to the even 1
    EXPECT_EQ(Extended(1) + X("0x1.8p-64"), Extended(1) + X("0x1p-63"));  // above the tie rounds up
    const Extended smallest = X("0x1p-16445");
    EXPECT_GT(smallest, 0);
    EXPECT_EQ(smallest / 2, 0);                          // a tie goes to the even 0
    EXPECT_EQ(smallest * 3 / 4, smallest);               // above the tie rounds up
    EXPECT_EQ(X("0x1p-16400") / X("0x1p45"), smallest);  // exact into the subnormals
    const Extended subnormal = X("0x1p-16440");  // its last bit is worth 2^-16445
    EXPECT_EQ((Extended(1) + X("0x1p-63")) * subnormal, subnormal);
    EXPECT_EQ((Extended(1) + X("0x3p-6")) * subnormal, subnormal + X("0x1p-16444"));  // tie to even
    const Extended largest = X("0x1.fffffffffffffffep16383");
    EXPECT_GT(largest, X("0x1p16383"));
    EXPECT_THROW((void)(largest * 2 > 0), EOverflow);
    EXPECT_THROW((void)(largest + largest / X("0x1p64") > 0), EOverflow);  // rounds up to 2^16384
    EXPECT_EQ(fp::Store(X("0x1p-1074")), 0x1p-1074);     // the smallest subnormal double
    EXPECT_EQ(fp::Store(X("0x1p-1075")), 0);             // a tie goes to the even 0
    EXPECT_EQ(fp::Store(X("0x1.0000000000000002p-1075")), 0x1p-1074);
    EXPECT_EQ(fp::Store(X("0x1.fffffffffffff7fep1023")), 0x1.fffffffffffffp1023);
    EXPECT_THROW(fp::Store(X("0x1.fffffffffffff8p1023")), EOverflow);  // a tie rounds to 2^1024
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

#if !VARNELO_PORTABLE_EXTENDED
TEST(FloatingPointMode, LoadingRestoresTheModeAfterAChange)
{
    std::uint16_t singlePrecision = 0x007F;
    asm volatile("fldcw %0" : : "m"(singlePrecision));
    EXPECT_FALSE(fpmode_probe::CalculationModeInForce());
    LoadFloatingPointMode();
    EXPECT_TRUE(fpmode_probe::CalculationModeInForce());
    // 1 + 2^-63 survives only with a 64-bit significand.
    volatile long double tiny = 0x1p-63L;
    EXPECT_NE(1.0L + tiny, 1.0L);
    // The same for the SSE unit's rounding (here: toward zero).
    std::uint32_t towardZero = 0x7F80;
    asm volatile("ldmxcsr %0" : : "m"(towardZero));
    EXPECT_FALSE(fpmode_probe::CalculationModeInForce());
    LoadFloatingPointMode();
    EXPECT_TRUE(fpmode_probe::CalculationModeInForce());
}

// Every bit of a double, whatever the rounding mode of the caller.
std::string Exact(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    return text;
}

// Every entry point that computes holds the calculation's mode while it runs and gives the
// caller's back, also when it ends in an error: under a foreign mode each computes what it
// computes under its own, and the caller finds its mode as it left it.
TEST(FloatingPointMode, EachEntryPointGivesTheCallersModeBack)
{
    using namespace fpmode_probe;
    struct EntryPoint {
        const char *name;
        std::function<std::string()> run;
    };
    WithDecimalMark comma(',');
    const EntryPoint entryPoints[] = {
        {"SizeMixingUnit", [] { SizingResults r; SizeMixingUnit({}, r); return NumberToText(*r.Area) + NumberToText(*r.ManifoldHead); }},
        {"TextToNumber", [] { return NumberToText(TextToNumber("80,123456789012345678")); }},
        {"NumberToText", [] { return NumberToText(2.1942); }},
        {"RoundToInteger", [] { return std::to_string(RoundToInteger(X("2.5"))); }},
        {"formul", [] { return Exact(formul(0.01, 0.61, 3.0128976, 12, 80)); }},
        {"formulkms", [] { return Exact(formulkms(10, 25, 175)); }},
        {"funskorost", [] { return Exact(funskorost(1, 0.012)); }},
        {"stepen", [] { return Exact(stepen(10240, 0.25)); }},
        {"mintoch", [] { return Exact(mintoch(1.23456)); }},
        {"an error", [] {
             SizingInputs in;
             in.PipeLengthText = "0";
             SizingResults r;
             EXPECT_THROW(SizeMixingUnit(in, r), EInvalidOp);
             return NumberToText(*r.CircuitFlow);
         }},
    };
    for (const EntryPoint &entry : entryPoints) {
        LoadMode(kCalculationMode);
        const std::string own = entry.run();
        LoadMode(kForeignMode);
        const std::string underForeign = entry.run();
        const ProcessorMode after = CurrentMode();
        LoadMode(kCalculationMode);
        EXPECT_EQ(underForeign, own) << entry.name;
        EXPECT_EQ(after, kForeignMode) << entry.name;
    }
}

// The caller finds its exception flags and its mode as it left them: no flag when it had none
// (a calculation raises at least "inexact" on both units, an overflow here), its own when it
// had raised some.
TEST(FloatingPointMode, EachEntryPointGivesTheCallersFlagsBack)
{
    using namespace fpmode_probe;
    const std::function<void()> entryPoints[] = {
        [] { SizingResults r; SizeMixingUnit({}, r); },
        [] { EXPECT_THROW(TextToNumber("1e5000"), EConvertError); },
    };
    for (const int callers : {0, FE_OVERFLOW | FE_INEXACT}) {
        for (std::size_t i = 0; i < std::size(entryPoints); ++i) {
            LoadMode(kForeignMode);
            std::feclearexcept(FE_ALL_EXCEPT);
            std::feraiseexcept(callers);
            entryPoints[i]();
            const int flags = std::fetestexcept(FE_ALL_EXCEPT);
            const ProcessorMode after = CurrentMode();
            LoadMode(kCalculationMode);
            EXPECT_EQ(flags, callers) << "entry point " << i;
            EXPECT_EQ(after, kForeignMode) << "entry point " << i << ", flags " << callers;
        }
    }
    std::feclearexcept(FE_ALL_EXCEPT);
}
#endif

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
