// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/regionalsettings.h"

#include "calc/numbers.h"

namespace {

RegionalSettingsSource &Source()
{
    static RegionalSettingsSource source;
    return source;
}

} // namespace

char DecimalMarkOf(const QLocale &locale)
{
    const QString mark = locale.decimalPoint();
    if (mark.size() != 1 || mark.front().unicode() < 0x21 || mark.front().unicode() > 0x7E)
        return '.';
    return static_cast<char>(mark.front().unicode());
}

void SetRegionalSettingsSource(RegionalSettingsSource source) { Source() = std::move(source); }

void FollowRegionalSettings()
{
    const QLocale regional = Source() ? Source()() : QLocale::system();
    calc::SetLocaleDecimalMark(DecimalMarkOf(regional));
}
