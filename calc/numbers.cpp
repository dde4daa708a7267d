// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/numbers.h"

#include <array>
#include <cstdlib>
#include <vector>

#include "calc/errors.h"
#include "calc/fparith.h"
#include "calc/fpmode.h"

namespace calc::inline VARNELO_CALC_BACKEND {
namespace {

char g_decimalMark = '.';

// 10^(step n) for n = 0..count-1, each the extended value nearest to it.
std::vector<Extended> PowersOfTen(int step, int count)
{
    std::vector<Extended> powers;
    for (int n = 0; n < count; ++n)
        powers.push_back(Extended::Nearest(("1e" + std::to_string(step * n)).c_str()));
    return powers;
}

// The three tables of factors; made on first use.
struct ScaleFactors {
    std::vector<Extended> one = PowersOfTen(1, 32);
    std::vector<Extended> thirtyTwo = PowersOfTen(32, 16);
    std::vector<Extended> fiveHundredTwelve = PowersOfTen(512, 10);
};

constexpr int kMaxPowerOfTen = 512 * 10 - 1;

// Multiplies (k > 0) or divides (k < 0) by 10^|k|, applied as up to three factors in the
// order 10^(|k| mod 32), 10^(32 ((|k| div 32) mod 16)), 10^(512 (|k| div 512)).
Extended ScaleByPowerOfTen(Extended value, long long k)
{
    static const ScaleFactors powers;
    const long long n = std::llabs(k);
    const std::array<int, 3> positions = {int(n % 32), int((n / 32) % 16), int(n / 512)};
    const std::array<const Extended *, 3> factors = {&powers.one[positions[0]],
                                                &powers.thirtyTwo[positions[1]],
                                                &powers.fiveHundredTwelve[positions[2]]};
    for (std::size_t i = 0; i < factors.size(); ++i) {
        if (positions[i] == 0)
            continue;
        value = k > 0 ? value * *factors[i] : value / *factors[i];
    }
    return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct NumberText {
    bool negative = false;
    Extended digits = 0;  // every digit of integer and fraction part, as one number
    long long fractionDigits = 0;
    long long exponent = 0;
    bool overflowed = false;
};

class NumberReader {
public:
    NumberReader(const std::string &text, char mark) : text_(text), mark_(mark) {}

    // Reads the whole text; false when anything is left over or nothing number-like was read.
    bool Read(NumberText &number)
    {
        SkipSpaces();
        number.negative = Peek() == '-';
        if (Peek() == '-' || Peek() == '+')
            ++pos_;
        const std::size_t mantissaStart = pos_;
        ReadDigits(number, false);
        if (Peek() == mark_) {
            ++pos_;
            ReadDigits(number, true);
        }
        if (pos_ == mantissaStart)
            return false;
        if (Peek() == 'E' || Peek() == 'e') {
            ++pos_;
            ReadExponent(number);
        }
        SkipSpaces();
        return pos_ == text_.size();
    }

private:
    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
    void SkipSpaces()
    {
        while (Peek() == ' ')
            ++pos_;
    }
    void ReadDigits(NumberText &number, bool fraction)
    {
        for (; pos_ < text_.size() && IsDigit(text_[pos_]); ++pos_) {
            number.digits = number.digits * 10 + (text_[pos_] - '0');
            number.overflowed = number.overflowed || !number.digits.IsFinite();
            if (fraction)
                ++number.fractionDigits;
        }
    }
    // The exponent is read only while it stays below 500: the digit that reaches 500 is the
    // last one read, so an over-long exponent leaves characters over and rejects the text.
    void ReadExponent(NumberText &number)
    {
        const bool negative = Peek() == '-';
        if (Peek() == '-' || Peek() == '+')
            ++pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_]) && number.exponent < 500) {
            number.exponent = number.exponent * 10 + (text_[pos_] - '0');
            ++pos_;
        }
        if (negative)
            number.exponent = -number.exponent;
    }

    const std::string &text_;
    const char mark_;
    std::size_t pos_ = 0;
};

Extended ValueOf(const NumberText &number, bool &faulted)
{
    const long long k = number.exponent - number.fractionDigits;
    Extended value = 0;
    if (k > kMaxPowerOfTen)
        value = Extended::Infinity();
    else if (k > -kMaxPowerOfTen - 1)
        value = ScaleByPowerOfTen(number.digits, k);
    faulted = number.overflowed || !value.IsFinite();
    return number.negative ? -value : value;
}

// The decimal digits of a positive finite magnitude: D of 1 to 15 digits without trailing
// zeros, and E such that the magnitude is 0.D x 10^E.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

constexpr std::int64_t kTenTo15 = 1'000'000'000'000'000;
constexpr std::int64_t kTenTo17 = 100'000'000'000'000'000;
constexpr std::int64_t kTenTo18 = 1'000'000'000'000'000'000;

// The decimal exponent E with 10^(E-1) <= magnitude < 10^E, as a first guess.
int DecimalExponentGuess(const Extended &magnitude)
{
    const Backend::Raw log10 = Backend::Floor(Backend::Log10(RawAccess::Of(magnitude)));
    return static_cast<int>(Backend::ToInt64(log10)) + 1;
}

DecimalDigits DigitsOf(const Extended &magnitude)
{
    // First to 18 significant digits: scale into [10^17, 10^18) and round, ties to even.
    static const Extended kLowest(Fraction{kTenTo17, 1});
    static const Extended kBeyond(Fraction{kTenTo18, 1});
    int exponent = DecimalExponentGuess(magnitude);
    Extended scaled = 0;
    int lastMove = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        scaled = ScaleByPowerOfTen(magnitude, 18 - exponent);
        const int move = scaled >= kBeyond ? 1 : (scaled < kLowest ? -1 : 0);
        // A move back means the magnitude lies within rounding of a power of ten: the scaled
        // value rounds to 10^17 or 10^18 and belongs to this exponent, so stop with both.
        if (move == 0 || move == -lastMove)
            break;
        exponent += move;
        lastMove = move;
    }
    std::int64_t eighteen = Backend::ToInt64(Backend::NearestWhole(RawAccess::Of(scaled)));
    if (eighteen == kTenTo18) {
        eighteen /= 10;
        ++exponent;
    }
    // Then cut to 15, raising the 15th digit when the 16th is 5 or more.
    std::int64_t fifteen = eighteen / 1000;
    if ((eighteen / 100) % 10 >= 5)
        ++fifteen;
    if (fifteen == kTenTo15) {
        fifteen /= 10;
        ++exponent;
    }
    std::string digits = std::to_string(fifteen);
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent};
}

std::string FixedText(const DecimalDigits &d, char mark)
{
    if (d.exponent <= 0)
        return std::string("0") + mark + std::string(-d.exponent, '0') + d.digits;
    const auto whole = static_cast<std::size_t>(d.exponent);
    if (d.digits.size() <= whole)
        return d.digits + std::string(whole - d.digits.size(), '0');
    return d.digits.substr(0, whole) + mark + d.digits.substr(whole);
}

std::string ScientificText(const DecimalDigits &d, char mark)
{
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += mark + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent - 1);
}

} // namespace

char LocaleDecimalMark() noexcept { return g_decimalMark; }

void SetLocaleDecimalMark(char mark) noexcept { g_decimalMark = mark; }

Extended TextToNumber(const std::string &text)
{
    const CalculationScope scope;
    NumberText number;
    if (!NumberReader(text, g_decimalMark).Read(number))
        throw EConvertError(text);
    // The arithmetic above ran silently; a fault shows as an infinite value. Leave no pending
    // flag behind.
    bool faulted = false;
    const Extended value = ValueOf(number, faulted);
    fp::ClearFaultFlags();
    if (faulted)
        throw EConvertError(text);
    return value;
}

std::string NumberToText(const Extended &value)
{
    const CalculationScope scope;
    if (value.IsNaN())
        return "NAN";
    if (!value.IsFinite())
        return value.SignBit() ? "-INF" : "INF";
    if (value.IsZero())
        return "0";
    const DecimalDigits d = DigitsOf(value.SignBit() ? -value : value);
    const std::string sign = value.SignBit() ? "-" : "";
    if (d.exponent >= -3 && d.exponent <= 15)
        return sign + FixedText(d, g_decimalMark);
    return sign + ScientificText(d, g_decimalMark);
}

std::int64_t RoundToInteger(const Extended &value)
{
    const CalculationScope scope;
    return Backend::ToInt64(RawAccess::Of(fp::RoundToWhole(value)));
}

} // namespace calc
