// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// provercifr on any text: never an error, only number characters, at most one separator.
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool modeLoaded = (calc::LoadFloatingPointMode(), true);
    (void)modeLoaded;
    FuzzInput input(data, size);
    const char mark = input.DecimalMark();
    calc::SetLocaleDecimalMark(mark);
    const std::string cleaned = calc::provercifr(input.Rest());
    if (cleaned.empty() || cleaned.find_first_not_of("0123456789-Ee.,") != std::string::npos)
        std::abort();
    if (cleaned.find_first_of(".,") != cleaned.find_last_of(".,"))
        std::abort();
    // A separator that the conversion does not accept is always handed back as ".".
    if (cleaned.find(',') != std::string::npos && mark != ',')
        std::abort();
    RequireCleanMode();
    return 0;
}
