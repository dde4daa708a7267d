// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLocale>

#include <functional>

// The decimal mark of a locale: its decimal point when that is exactly one plain (ASCII)
// character, otherwise ".".
char DecimalMarkOf(const QLocale &locale);

// Where the user's regional settings come from: the system locale, unless a test hands in
// its own. An empty source restores the system locale.
using RegionalSettingsSource = std::function<QLocale()>;
void SetRegionalSettingsSource(RegionalSettingsSource source);

// Reads the decimal mark from the regional settings into the calculation core. Runs at
// start-up and again whenever the toolkit announces a change of locale or settings (on Linux
// it announces none: the locale there is the environment's, fixed for the process's life).
void FollowRegionalSettings();
