// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// TextToNumber on any text with either mark: a number or EConvertError, nothing else.
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const bool modeLoaded = (calc::LoadFloatingPointMode(), true);
    (void)modeLoaded;
    FuzzInput input(data, size);
    calc::SetLocaleDecimalMark(input.DecimalMark());
    const std::string text = input.Rest();
    try {
        const calc::Extended value = calc::TextToNumber(text);
        if (!value.IsFinite())
            std::abort();
        const std::string written = calc::NumberToText(value);
        if (written.empty() || written.size() > 24)
            std::abort();
    } catch (const calc::EConvertError &e) {
        if (e.message() != "'" + text + "' is not a valid floating point value")
            std::abort();
    }
    RequireCleanMode();
    return 0;
}
