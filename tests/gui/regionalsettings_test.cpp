// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/regionalsettings.h"
#include "calc/numbers.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

struct MarkCase {
    const char *name;
    QLocale::Language language;
    QLocale::Territory territory;
    char mark;
};

const MarkCase kMarkCases[] = {
    {"russian", QLocale::Russian, QLocale::Russia, ','},
    {"english", QLocale::English, QLocale::UnitedStates, '.'},
    {"german", QLocale::German, QLocale::Germany, ','},
    {"swiss_german", QLocale::German, QLocale::Switzerland, '.'},
    {"c_locale", QLocale::C, QLocale::AnyTerritory, '.'},
    // The Arabic decimal separator is one character, but not one the number texts can hold.
    {"arabic_egypt", QLocale::Arabic, QLocale::Egypt, '.'},
};

class DecimalMarkOfLocale : public ::testing::TestWithParam<MarkCase> {};

TEST_P(DecimalMarkOfLocale, IsItsOnePlainDecimalPointOrElseAPeriod)
{
    EXPECT_EQ(DecimalMarkOf(QLocale(GetParam().language, GetParam().territory)), GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(RegionalSettings, DecimalMarkOfLocale, ::testing::ValuesIn(kMarkCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RegionalSettings, FollowingReadsTheSourceIntoTheCore)
{
    SetRegionalSettingsSource([] { return QLocale(QLocale::Russian, QLocale::Russia); });
    FollowRegionalSettings();
    EXPECT_EQ(calc::LocaleDecimalMark(), ',');
    EXPECT_EQ(calc::NumberToText(12.5), "12,5");
    SetRegionalSettingsSource([] { return QLocale(QLocale::English, QLocale::UnitedStates); });
    FollowRegionalSettings();
    EXPECT_EQ(calc::NumberToText(12.5), "12.5");
    SetRegionalSettingsSource({});
}

} // namespace
