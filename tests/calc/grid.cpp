// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Prints what the core shows over a large generated grid: every combination of the seven
// inputs' lists, with both decimal marks, for a few hundred pipe-length texts, then a million
// round trips of the number conversions. Two builds of the core agree when their outputs are
// byte for byte the same; the x87 build, the portable build and the arm64 build are compared
// so. The texts come from a fixed-seed generator, so every build makes the same grid.

#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "calc/calc.h"

namespace {

using calc::Extended;

// Draws from a fixed-seed 64-bit Mersenne twister by plain modulo, which every standard
// library computes alike (its distributions may differ). Each draw is a statement of its own:
// the order of two draws in one expression is the compiler's to choose, and differs between
// processors.
class Draw {
public:
    std::uint64_t Below(std::uint64_t n) { return engine_() % n; }
    bool OneIn(std::uint64_t n) { return Below(n) == 0; }
    char Digit() { return char('0' + Below(10)); }
    std::uint64_t Bits() { return engine_(); }

private:
    std::mt19937_64 engine_{20261208};
};

std::string Digits(Draw &draw, std::uint64_t count)
{
    std::string digits;
    for (std::uint64_t i = 0; i < count; ++i)
        digits += draw.Digit();
    return digits;
}

// Lengths as a user types them, and the odd and hostile ones; "," is the decimal mark.
std::vector<std::string> LengthTexts(Draw &draw)
{
    std::vector<std::string> texts = {
        "80", "60", "10", "150", "1", "0", "", "abc", "-3", "--5", "1-2", "8,5", "8.5",
        "1.2.3", "2,5.1", " 12 ", "12,5 м", "1 000,5", "+5", "1e+5", "-3e2", "47,253", "1E12",
        "1e300", "1E400", "1E4999", "1E5000", "1E-5", "1e-300", "1E-4999", "0,0001", "0,005",
        "0.125", "100,005", "99,995", ",", "-0", "E", "1E", "1e-", "5e+", "0x10", "inf",
        "nan", "1E-470", "80,000000000000001", "79,999999999999999", "2E-1", "9E18", "1E19",
        "0," + std::string(600, '0') + "1", std::string(400, '9'), "12,5\t", "\t5", "75 m",
        "5,E2", ",5e1", "1e0400", "200", "300", "1000", "3,01", "6E1", "0,06e3"};
    while (texts.size() < 200) {
        switch (draw.Below(5)) {
        case 0:  // a whole number of metres
            texts.push_back(std::to_string(1 + draw.Below(300)));
            break;
        case 1: {  // metres with one to four decimals
            const std::string whole = std::to_string(draw.Below(300));
            const std::string decimals = Digits(draw, 1 + draw.Below(4));
            texts.push_back(whole + "," + decimals);
            break;
        }
        case 2: {  // seventeen significant digits, near the steps of a rounded figure
            const std::string whole = std::to_string(1 + draw.Below(200));
            texts.push_back(whole + "," + Digits(draw, 15));
            break;
        }
        case 3: {  // tiny or huge
            const std::string digits = Digits(draw, 1 + draw.Below(3));
            const std::string sign = draw.OneIn(2) ? "-" : "";
            texts.push_back(digits + "E" + sign + std::to_string(draw.Below(400)));
            break;
        }
        default: {  // a length with a half at the third decimal: a tie of the flow's rounding
            const std::string whole = std::to_string(draw.Below(200));
            texts.push_back(whole + "," + Digits(draw, 2) + "5");
        }
        }
    }
    return texts;
}

std::string WithMark(std::string text, char mark)
{
    for (char &c : text)
        if (c == ',')
            c = mark;
    return text;
}

// The seven boxes as the page writes them: a field that was not set shows "-".
std::string Shown(const calc::SizingResults &results)
{
    std::string line;
    // Appended piece by piece: GCC 12 warns (-Wrestrict) wrongly on " " + a temporary string.
    for (const calc::ResultField field : calc::kResultOrder) {
        line += ' ';
        line += (results.*field) ? calc::NumberToText(*(results.*field)) : "-";
    }
    return line;
}

std::string SizingLine(const calc::SizingInputs &inputs)
{
    calc::SizingResults results;
    try {
        const calc::SizingOutcome outcome = calc::SizeMixingUnit(inputs, results);
        return Shown(results) + (outcome == calc::SizingOutcome::SetTempAboveBoiler ? " notice" : "");
    } catch (const calc::Exception &e) {
        return Shown(results) + " error: " + e.message();
    }
}

long long PrintSizingGrid(Draw &draw)
{
    long long lines = 0;
    const std::vector<std::string> lengths = LengthTexts(draw);
    for (const char mark : {',', '.'}) {
        calc::SetLocaleDecimalMark(mark);
        for (const std::string &length : lengths) {
            calc::SizingInputs in;
            in.PipeLengthText = WithMark(length, mark);
            for (in.BoilerTempIndex = 0; in.BoilerTempIndex < int(calc::kBoilerTemperatures.Size()); ++in.BoilerTempIndex)
            for (in.SetTempIndex = 0; in.SetTempIndex < int(calc::kSetTemperatures.Size()); ++in.SetTempIndex)
            for (in.TempDropIndex = 0; in.TempDropIndex < int(calc::kTemperatureDrops.Size()); ++in.TempDropIndex)
            for (in.PitchIndex = 0; in.PitchIndex < int(calc::kPitches.Size()); ++in.PitchIndex)
            for (in.PipeIndex = 0; in.PipeIndex < int(calc::kFloorPipes.Size()); ++in.PipeIndex)
            for (in.PumpIndex = 0; in.PumpIndex < int(calc::kPumps.Size()); ++in.PumpIndex) {
                std::printf("%c %d%d%d%d%d%d [%s]%s\n", mark, in.BoilerTempIndex, in.SetTempIndex,
                            in.TempDropIndex, in.PitchIndex, in.PipeIndex, in.PumpIndex,
                            in.PipeLengthText.c_str(), SizingLine(in).c_str());
                ++lines;
            }
        }
    }
    return lines;
}

// A number-like text: blanks, a sign, digits, a mark, an exponent, now and then a stray
// character.
std::string NumberText(Draw &draw, char mark)
{
    static const char kStray[] = " +-.,eEx\t0";
    std::string text(draw.Below(3) == 0 ? draw.Below(3) : 0, ' ');
    if (draw.OneIn(4))
        text += draw.OneIn(2) ? "-" : "+";
    text += Digits(draw, draw.Below(draw.OneIn(8) ? 40 : 12));
    if (draw.OneIn(2))
        text += mark + Digits(draw, draw.Below(draw.OneIn(8) ? 40 : 10));
    if (draw.OneIn(3)) {
        text += draw.OneIn(2) ? "E" : "e";
        text += draw.OneIn(2) ? "-" : "";
        text += Digits(draw, draw.Below(6));
    }
    if (draw.OneIn(10)) {
        const std::uint64_t at = draw.Below(text.size() + 1);
        text.insert(at, 1, kStray[draw.Below(sizeof kStray - 1)]);
    }
    return text;
}

std::string ReadBack(const std::string &text)
{
    try {
        const Extended value = calc::TextToNumber(text);
        return calc::NumberToText(value) + " " + value.ExactText();
    } catch (const calc::Exception &e) {
        return std::string("error: ") + e.message();
    }
}

// A value anywhere in the extended range, subnormals included, or a double of any bits.
Extended AnyValue(Draw &draw)
{
    if (draw.OneIn(2)) {
        const std::uint64_t bits = draw.Bits();
        double value = 0;
        static_assert(sizeof value == sizeof bits);
        __builtin_memcpy(&value, &bits, sizeof value);
        return value;
    }
    char text[64];
    const char *sign = draw.OneIn(2) ? "-" : "";
    const std::uint64_t significand = draw.Bits() | (1ULL << 63);
    const int exponent = int(draw.Below(16320 + 16509 + 1)) - 16509;
    std::snprintf(text, sizeof text, "%s0x%016llxp%d", sign,
                  static_cast<unsigned long long>(significand), exponent);
    return Extended::Nearest(text);
}

long long PrintRoundTrips(Draw &draw, long long count)
{
    long long lines = 0;
    for (; lines < count; ++lines) {
        const char mark = draw.OneIn(2) ? ',' : '.';
        calc::SetLocaleDecimalMark(mark);
        if (lines % 2 == 0) {
            const std::string text = NumberText(draw, mark);
            std::printf("t%c [%s] %s\n", mark, text.c_str(), ReadBack(text).c_str());
        } else {
            const Extended value = AnyValue(draw);
            const std::string written = calc::NumberToText(value);
            std::printf("v%c %s %s %s\n", mark, value.ExactText().c_str(), written.c_str(),
                        ReadBack(written).c_str());
        }
    }
    return lines;
}

} // namespace

int main()
{
    calc::LoadFloatingPointMode();
    Draw draw;
    const long long sizing = PrintSizingGrid(draw);
    const long long trips = PrintRoundTrips(draw, 1'000'000);
    std::fprintf(stderr, "%lld result lines, %lld round trips\n", sizing, trips);
    return 0;
}
