// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/cleaning.h"
#include "decimal_mark.h"

using namespace calc;

namespace {

struct Cleaned {
    const char *typed;
    const char *withComma;  // returned while the mark is ","
    const char *withPoint;  // returned while the mark is "."
};

const Cleaned kCleaningTable[] = {
    {"80", "80", "80"},
    {"8,5", "8,5", "8.5"},
    {"8.5", "8,5", "8.5"},
    {"1.2.3", "1,23", "1.23"},
    {"2,5.1", "2,51", "2.51"},
    {" 12 ", "12", "12"},
    {"12,5 м", "12,5", "12.5"},
    {"1 000,5", "1000,5", "1000.5"},
    {"+5", "5", "5"},
    {"1e+5", "1e5", "1e5"},
    {"-3e2", "-3e2", "-3e2"},
    {"abc", "0", "0"},
    {"", "0", "0"},
    {"--5", "--5", "--5"},
    {"1-2", "1-2", "1-2"},
    {"длина 75,5 м.", "75,5", "75.5"},
    {"\t5,\t", "5,", "5."},
    {"E", "E", "E"},
    {"1 999,9 м", "1999,9", "1999.9"},
};

class ProvercifrTable : public testing::TestWithParam<char> {};

TEST_P(ProvercifrTable, ReturnsTheSeparatorTheConversionAccepts)
{
    WithDecimalMark guard(GetParam());
    for (const auto &row : kCleaningTable)
        EXPECT_EQ(provercifr(row.typed), GetParam() == ',' ? row.withComma : row.withPoint)
            << "typed: " << row.typed;
}

INSTANTIATE_TEST_SUITE_P(BothMarks, ProvercifrTable, testing::Values(',', '.'), MarkName);

TEST(Provercifr, AMarkThatIsNeitherCommaNorPointLeavesAPoint)
{
    WithDecimalMark guard('/');
    EXPECT_EQ(provercifr("8,5"), "8.5");
    EXPECT_EQ(provercifr("80"), "80");
}

TEST(Provercifr, DropsEveryByteOutsideAscii)
{
    WithDecimalMark guard(',');
    EXPECT_EQ(provercifr("\xD0\x95" "5"), "5");  // Cyrillic capital Ie, not the Latin E
    EXPECT_EQ(provercifr(std::string("4\0" "2", 3)), "42");
}

TEST(Provercifr, LeavesTheCallersTextAlone)
{
    WithDecimalMark guard(',');
    const std::string typed = "1.5 m";
    EXPECT_EQ(provercifr(typed), "1,5");
    EXPECT_EQ(typed, "1.5 m");
}

struct Substituted {
    const char *search;
    const char *replacement;
    const char *text;
    const char *expected;
};

TEST(Substr, ReplacesEveryOccurrenceSearchingFromTheStartEachTime)
{
    const Substituted cases[] = {
        {".", ",", "1.2.3", "1,2,3"},
        {",", ".", "80", "80"},
        {".", ".", "1.5", "1.5"},
        {"", "x", "abc", "abc"},
        {"aa", "a", "aaaa", "a"},
        {"ab", "", "aabb", ""},
        {",", ".", "", ""},
        {"a", "aa", "aba", "aabaa"},  // would never end if each pass started again
        {"1", "21", "111", "212121"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(substr(c.search, c.replacement, c.text), c.expected)
            << c.search << " -> " << c.replacement << " in " << c.text;
}

} // namespace
