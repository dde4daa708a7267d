// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "../fpmode_probe.h"
#include "calc/errors.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"
#include "calc/numbers.h"
#include "decimal_mark.h"
#include "extended_values.h"

using namespace calc;

namespace {

// --- TextToNumber -----------------------------------------------------------------------

struct Accepted {
    const char *text;  // written with ","; the "." run swaps the mark
    Extended value;
};

class TextToNumberAccepts : public testing::TestWithParam<char> {};

TEST_P(TextToNumberAccepts, WorkedTexts)
{
    const char mark = GetParam();
    WithDecimalMark guard(mark);
    const Accepted cases[] = {
        {" 12,5 ", 12.5}, {"+7", 7}, {"0012", 12}, {"5,", 5}, {",5", 0.5}, {",", 0},
        {"1e3", 1000}, {"1E+3", 1000}, {"25E-1", 2.5}, {"1E", 1}, {"1e-", 1}, {"5E", 5},
        {"5e+", 5}, {"1E-4999", 0}, {"1E00005", 100000}, {"80", 80}, {"-3e2", -300},
        {"  -2,25  ", -2.25}, {"0,1", X("0.1")},
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
        const Extended value = TextToNumber(text);
        EXPECT_EQ(value, 0) << text;
        EXPECT_TRUE(value.SignBit()) << text;
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
    const Extended big = TextToNumber("1E400");
    EXPECT_TRUE(big.IsFinite());
    EXPECT_GT(big, X("1e399"));
    EXPECT_THROW(fp::Store(big), EOverflow);
}

TEST(TextToNumber, AccumulatesDigitsInExtendedAndAppliesThePowerAsFactors)
{
    WithDecimalMark guard('.');
    // A single factor is one correctly rounded division or multiplication.
    EXPECT_EQ(TextToNumber("0.1"), Extended(1) / 10);
    EXPECT_EQ(TextToNumber("123.456"), Extended(123456) / 1000);
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
    EXPECT_TRUE(fpmode_probe::CalculationModeInForce());
    EXPECT_EQ(TextToNumber("2"), 2);
}

// --- NumberToText -----------------------------------------------------------------------

struct Written {
    Extended value;
    const char *text;  // with ","
};

class NumberToTextWrites : public testing::TestWithParam<char> {};

TEST_P(NumberToTextWrites, WorkedExamples)
{
    const char mark = GetParam();
    WithDecimalMark guard(mark);
    const Written cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {100, "100"},
        {12.5, "12,5"},
        {-3.75, "-3,75"},
        {static_cast<double>(0.1), "0,1"},
        {Extended(1) / 3, "0,333333333333333"},
        {Extended(2) / 3, "0,666666666666667"},
        {X("0.0001"), "0,0001"},
        {X("0.00001"), "1E-5"},
        {X("0.000015"), "1,5E-5"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {X("1234567890123456789"), "1,23456789012346E18"},
        {X("1e100"), "1E100"},
        {0.29, "0,29"},
        {12.3, "12,3"},
        {7, "7"},
        {1000000000000000.5, "1E15"},
        {999999999999999.5, "1E15"},  // the carry runs out of the first digit
        {X("0.001"), "0,001"},
        {X("-1e-300"), "-1E-300"},
        {X("1e4932"), "1E4932"},
        {X("1e-470"), "1E-470"},
        {X("0x1p-16445"), "3,64519953188247E-4951"},
        {10.51, "10,51"},
        // Powers of ten whose scaling rounds across 10^17: once written a power too low.
        {X("1e-14"), "1E-14"},
        {X("1e-994"), "1E-994"},
        {X("-1e-14"), "-1E-14"},
        {2.1942, "2,1942"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(NumberToText(c.value), WithMark(c.text, mark)) << c.value.ApproximateDouble();
}

INSTANTIATE_TEST_SUITE_P(BothMarks, NumberToTextWrites, testing::Values(',', '.'), MarkName);

TEST(NumberToText, NonFiniteValuesAreNamed)
{
    EXPECT_EQ(NumberToText(Extended::Infinity()), "INF");
    EXPECT_EQ(NumberToText(-Extended::Infinity()), "-INF");
    EXPECT_EQ(NumberToText(Extended::NotANumber()), "NAN");
}

TEST(NumberToText, SixteenthDigitDecidesNotTheLaterOnes)
{
    WithDecimalMark guard(',');
    // 18 digits 100000000000000498: the 16th digit is 4, so the 17th and 18th do not carry.
    EXPECT_EQ(NumberToText(X("1.00000000000000498")), "1");
    EXPECT_EQ(NumberToText(X("1.000000000000005")), "1,00000000000001");
}

// --- RoundToInteger ---------------------------------------------------------------------

struct Rounded {
    const char *name;
    Extended value;
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
    testing::Values(Rounded{"Half12", 12.5, 12}, Rounded{"Half13", 13.5, 14},
                    Rounded{"MinusHalf12", -12.5, -12},
                    Rounded{"Eighth", Extended(0.125) * 100, 12},
                    Rounded{"ThreeEighths", Extended(0.375) * 100, 38},
                    Rounded{"MinusEighth", Extended(-0.125) * 100, -12},
                    Rounded{"Near2675", Extended(2.675) * 100, 267},
                    Rounded{"Near1115", Extended(1.115) * 100, 111},
                    Rounded{"Near12345", Extended(12.345) * 100, 1235},
                    Rounded{"LargestBelowTwoTo63", X("0x1p63") - 1, INT64_MAX},
                    Rounded{"TwoTo63Negative", -X("0x1p63"), INT64_MIN}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RoundToInteger, OutsideTheRangeIsAnInvalidOperation)
{
    for (const Extended &v : {X("1e19"), X("0x1p63"), -X("0x1p63") - 1, Extended::Infinity(),
                              Extended::NotANumber()}) {
        try {
            RoundToInteger(v);
            ADD_FAILURE() << "no error for " << v.ApproximateDouble();
        } catch (const EInvalidOp &e) {
            EXPECT_STREQ(e.what(), "Invalid floating point operation");
        }
    }
}

} // namespace
