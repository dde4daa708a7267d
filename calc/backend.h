// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The core's names live in an inline namespace named after the back end of the extended
// format it is built on. Code compiled for one back end and linked with a core built on the
// other then fails to link, instead of running on a value laid out the other way.
#if VARNELO_PORTABLE_EXTENDED
#define VARNELO_CALC_BACKEND portable_extended
#else
#define VARNELO_CALC_BACKEND x87_extended
#endif
