// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sizing tests' rows: inputs named by the items the lists show, and the seven boxes as
// the texts the page writes.

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "calc/numbers.h"
#include "calc/sizing.h"

namespace sizing_rows {

// The list position of an item, found by the text the page shows for it.
template <class List>
int Position(const List &list, std::string_view shown)
{
    const auto &texts = list.texts;
    const auto found = std::find(texts.begin(), texts.end(), shown);
    EXPECT_NE(found, texts.end()) << "no item \"" << shown << "\"";
    return found == texts.end() ? -1 : int(found - texts.begin());
}

inline std::string Shown(int value) { return std::to_string(value); }

inline calc::SizingInputs Inputs(int boiler, int set, int drop, const char *length, int pitch,
                                 std::string_view pump)
{
    calc::SizingInputs in;
    in.BoilerTempIndex = Position(calc::kBoilerTemperatures, Shown(boiler));
    in.SetTempIndex = Position(calc::kSetTemperatures, Shown(set));
    in.TempDropIndex = Position(calc::kTemperatureDrops, Shown(drop));
    in.PipeLengthText = length;
    in.PitchIndex = Position(calc::kPitches, Shown(pitch));
    in.PipeIndex = 0;
    in.PumpIndex = Position(calc::kPumps, pump);
    return in;
}

inline constexpr std::string_view Willo25_6 = "willo 25/6";
inline constexpr std::string_view Willo25_4 = "willo 25/4";
inline constexpr std::string_view Willo25_8 = "willo 25/8";

// The seven boxes in the order the page writes them, as texts ("-" for a field not set).
using Boxes = std::array<std::string, 7>;

inline Boxes Texts(const calc::SizingResults &r)
{
    Boxes texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const std::optional<double> &field = r.*calc::kResultOrder[i];
        texts[i] = field ? calc::NumberToText(*field) : "-";
    }
    return texts;
}

} // namespace sizing_rows
