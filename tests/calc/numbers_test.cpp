// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <limits>

#include "calc/errors.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"
#include "calc/numbers.h"
#include "decimal_mark.h"

using namespace calc;

namespace {

// --- TextToNumber -----------------------------------------------------------------------

struct Accepted {
    const char *text;  // written with ","; the "." run swaps the mark
    long double value;
};

class TextToNumberAccepts : public testing::TestWithParam<char> {};

TEST_P(TextToNumberAccepts, WorkedTexts)
{
    const char mark = GetParam();
    WithDecimalMark guard(mark);
    const Accepted cases[] = {
        {" 12,5 ", 12.5L}, {"+7", 7}, {"0012", 12}, {"5,", 5}, {",5", 0.5L}, {",", 0},
        {"1e3", 1000}, {"1E+3", 1000}, {"25E-1", 2.5L}, {"1E", 1}, {"1e-", 1}, {"5E", 5},
        {"5e+", 5}, {"1E-4999", 0}, {"1E00005", 100000}, {"80", 80}, {"-3e2", -300},
        {"  -2,25  ", -2.25L}, {"0,1", 0.1L},
    };
    for (const auto &c : cases) {
        const std::string text = WithMark(c.text, mark);
        EXPECT_EQ(TextToNumber(text), c.value) << text;
    }
}

TEST_P(TextToNumberAccepts, MinusZeroIsNegativeZero)
{
    WithDecimalMark guard(GetParam());
    for (const std::string &text : {std::string("-0"), WithMark("-,", GetParam())}) {
        const long double value = TextToNumber(text);
        EXPECT_EQ(value, 0) << text;
        EXPECT_TRUE(std::signbit(value)) << text;
        EXPECT_EQ(NumberToText(value), "0");
    }
}

TEST_P(TextToNumberAccepts, OtherMarkEndsTheNumber)
{
    const char mark = GetParam();
    const char other = mark == ',' ? '.' : ',';
    WithDecimalMark guard(mark);
    const std::string text = std::string("12") + other + "5";
    try {
        TextToNumber(text);
        FAIL() << text << " was accepted";
    } catch (const EConvertError &e) {
        EXPECT_STREQ(e.what(), ("'" + text + "' is not a valid floating point value").c_str());
    }
}

TEST_P(TextToNumberAccepts, RejectsTextsThatAreNotNumbers)
{
    const char mark = GetParam();
    WithDecimalMark guard(mark);
    const char *rejected[] = {"", "   ", "-", "+", "E5", "1 000", "1,000,5", "- 5", "\t5",
                              "5\t", "1-2", "--5", "12 м", "1E5000", "1E4999", "0x10", "1e5e",
                              "1,,", "inf", "nan", "1E400000", "1E-5000"};
    for (const char *raw : rejected) {
        const std::string text = WithMark(raw, mark);
        try {
            TextToNumber(text);
            ADD_FAILURE() << "'" << text << "' was accepted";
        } catch (const EConvertError &e) {
            EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothMarks, TextToNumberAccepts, testing::Values(',', '.'), MarkName);

TEST(TextToNumber, EmptyTextIsQuotedAsEmpty)
{
    EXPECT_THROW(
        {
            try {
                TextToNumber("");
            } catch (const Exception &e) {
                EXPECT_STREQ(e.what(), "'' is not a valid floating point value");
                throw;
            }
        },
        EConvertError);
}

TEST(TextToNumber, ValueBeyondDoubleConvertsButOverflowsWhenStored)
{
    const long double big = TextToNumber("1E400");
    EXPECT_TRUE(std::isfinite(big));
    EXPECT_GT(big, 1e399L);
    EXPECT_THROW(fp::Store(big), EOverflow);
}

TEST(TextToNumber, AccumulatesDigitsInExtendedAndAppliesThePowerAsFactors)
{
    WithDecimalMark guard('.');
    // A single factor is one correctly rounded division or multiplication.
    EXPECT_EQ(TextToNumber("0.1"), 1.0L / 10);
    EXPECT_EQ(TextToNumber("123.456"), 123456.0L / 1000);
    // A fraction so long that k reaches -5120 gives zero, whatever the digits; at -5119 the
    // digits still count (here 10^4931 / 10^5119).
    EXPECT_EQ(TextToNumber("0." + std::string(5120, '0') + "1"), 0);
    const std::string tenTo4931 = "1" + std::string(4931, '0');
    EXPECT_EQ(NumberToText(TextToNumber("0." + std::string(187, '0') + tenTo4931)), "1E-188");
    EXPECT_EQ(TextToNumber("0." + std::string(188, '0') + tenTo4931), 0);
    EXPECT_EQ(TextToNumber("0." + std::string(100, '0') + "7E-4999"), 0);  // silent underflow
}

TEST(TextToNumber, TooManyDigitsOverflowAndAreRejected)
{
    EXPECT_THROW(TextToNumber(std::string(5000, '9')), EConvertError);
    // Even where the fraction would scale them down to nothing.
    EXPECT_THROW(TextToNumber("0." + std::string(5200, '9')), EConvertError);
}

TEST(TextToNumber, LeavesNoFaultPending)
{
    EXPECT_THROW(TextToNumber("1E4999"), EConvertError);
    EXPECT_TRUE(FloatingPointModeInForce());
    EXPECT_EQ(TextToNumber("2"), 2);
}

// --- NumberToText -----------------------------------------------------------------------

struct Written {
    long double value;
    const char *text;  // with ","
};

class NumberToTextWrites : public testing::TestWithParam<char> {};

TEST_P(NumberToTextWrites, WorkedExamples)
{
    const char mark = GetParam();
    WithDecimalMark guard(mark);
    const Written cases[] = {
        {0, "0"},
        {-0.0L, "0"},
        {100, "100"},
        {12.5L, "12,5"},
        {-3.75L, "-3,75"},
        {static_cast<double>(0.1), "0,1"},
        {1.0L / 3, "0,333333333333333"},
        {2.0L / 3, "0,666666666666667"},
        {0.0001L, "0,0001"},
        {0.00001L, "1E-5"},
        {0.000015L, "1,5E-5"},
        {123456789012345.0L, "123456789012345"},
        {1e15L, "1E15"},
        {1234567890123456789.0L, "1,23456789012346E18"},
        {1e100L, "1E100"},
        {0.29, "0,29"},
        {12.3, "12,3"},
        {7, "7"},
        {1000000000000000.5L, "1E15"},
        {999999999999999.5L, "1E15"},  // the carry runs out of the first digit
        {0.001L, "0,001"},
        {-1e-300L, "-1E-300"},
        {1e4932L, "1E4932"},
        {1e-470L, "1E-470"},
        {std::numeric_limits<long double>::denorm_min(), "3,64519953188247E-4951"},
        {10.51, "10,51"},
        {2.1942, "2,1942"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NumberToText(c.value), WithMark(c.text, mark)) << static_cast<double>(c.value);
}

INSTANTIATE_TEST_SUITE_P(BothMarks, NumberToTextWrites, testing::Values(',', '.'), MarkName);

TEST(NumberToText, NonFiniteValuesAreNamed)
{
    EXPECT_EQ(NumberToText(std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(NumberToText(-std::numeric_limits<long double>::infinity()), "-INF");
    EXPECT_EQ(NumberToText(std::numeric_limits<long double>::quiet_NaN()), "NAN");
}

TEST(NumberToText, SixteenthDigitDecidesNotTheLaterOnes)
{
    WithDecimalMark guard(',');
    // 18 digits 100000000000000498: the 16th digit is 4, so the 17th and 18th do not carry.
    EXPECT_EQ(NumberToText(1.00000000000000498L), "1");
    EXPECT_EQ(NumberToText(1.000000000000005L), "1,00000000000001");
}

// --- RoundToInteger ---------------------------------------------------------------------

struct Rounded {
    const char *name;
    long double value;
    std::int64_t expected;
};

class RoundToIntegerRows : public testing::TestWithParam<Rounded> {};
void PrintTo(const Rounded &row, std::ostream *os) { *os << row.name; }

TEST_P(RoundToIntegerRows, TiesToEven)
{
    EXPECT_EQ(RoundToInteger(GetParam().value), GetParam().expected);
}

// Products of a stored double with 100, formed in extended precision.
INSTANTIATE_TEST_SUITE_P(
    Worked, RoundToIntegerRows,
    testing::Values(Rounded{"Half12", 12.5L, 12}, Rounded{"Half13", 13.5L, 14},
                    Rounded{"MinusHalf12", -12.5L, -12},
                    Rounded{"Eighth", static_cast<double>(0.125) * 100.0L, 12},
                    Rounded{"ThreeEighths", static_cast<double>(0.375) * 100.0L, 38},
                    Rounded{"MinusEighth", static_cast<double>(-0.125) * 100.0L, -12},
                    Rounded{"Near2675", static_cast<double>(2.675) * 100.0L, 267},
                    Rounded{"Near1115", static_cast<double>(1.115) * 100.0L, 111},
                    Rounded{"Near12345", static_cast<double>(12.345) * 100.0L, 1235},
                    Rounded{"LargestBelowTwoTo63", 0x1p63L - 1, INT64_MAX},
                    Rounded{"TwoTo63Negative", -0x1p63L, INT64_MIN}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RoundToInteger, OutsideTheRangeIsAnInvalidOperation)
{
    for (const long double v : {1e19L, 0x1p63L, -0x1p63L - 1, std::numeric_limits<long double>::infinity(),
                                std::numeric_limits<long double>::quiet_NaN()}) {
        try {
            RoundToInteger(v);
            ADD_FAILURE() << "no error for " << static_cast<double>(v);
        } catch (const EInvalidOp &e) {
            EXPECT_STREQ(e.what(), "Invalid floating point operation");
        }
    }
}

} // namespace
