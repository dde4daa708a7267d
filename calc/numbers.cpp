// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/numbers.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>

#include "calc/errors.h"
#include "calc/fparith.h"

namespace calc {
namespace {

char g_decimalMark = '.';

// 10^n, 10^(32 n) and 10^(512 n), each the extended value nearest to it.
constexpr long double kPowersOne[] = {
    1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L, 1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L,
    1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L};
// 10^(32 n), n = 0..15.
constexpr long double kPowersThirtyTwo[] = {
    1e0L, 1e32L, 1e64L, 1e96L, 1e128L, 1e160L, 1e192L, 1e224L, 1e256L, 1e288L, 1e320L,
    1e352L, 1e384L, 1e416L, 1e448L, 1e480L};
// 10^(512 n), n = 0..9.
constexpr long double kPowersFiveTwelve[] = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L};

constexpr int kMaxPowerOfTen = 512 * 10 - 1;

// Multiplies (k > 0) or divides (k < 0) by 10^|k|, applied as up to three factors in the
// order 10^(|k| mod 32), 10^(32 ((|k| div 32) mod 16)), 10^(512 (|k| div 512)).
long double ScaleByPowerOfTen(long double value, long long k)
{
    const long long n = std::llabs(k);
    const long double factors[] = {kPowersOne[n % 32], kPowersThirtyTwo[(n / 32) % 16],
                                   kPowersFiveTwelve[n / 512]};
    for (const long double factor : factors) {
        if (factor == 1)
            continue;
        value = k > 0 ? value * factor : value / factor;
    }
    return value;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct NumberText {
    bool negative = false;
    long double digits = 0;       // every digit of integer and fraction part, as one number
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
            number.overflowed = number.overflowed || std::isinf(number.digits);
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

long double ValueOf(const NumberText &number, bool &faulted)
{
    const long long k = number.exponent - number.fractionDigits;
    long double value = 0;
    if (k > kMaxPowerOfTen)
        value = HUGE_VALL;
    else if (k > -kMaxPowerOfTen - 1)
        value = ScaleByPowerOfTen(number.digits, k);
    faulted = number.overflowed || !std::isfinite(value);
    return number.negative ? -value : value;
}

// The decimal digits of a positive finite magnitude: D of 1 to 15 digits without trailing
// zeros, and E such that the magnitude is 0.D x 10^E.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
};

constexpr std::int64_t kTenTo15 = 1'000'000'000'000'000;
constexpr long double kTenTo17 = 1e17L;
constexpr long double kTenTo18 = 1e18L;

DecimalDigits DigitsOf(long double magnitude)
{
    // First to 18 significant digits: scale into [10^17, 10^18) and round, ties to even.
    int exponent = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    long double scaled = 0;
    for (int attempt = 0; attempt < 4; ++attempt) {
        scaled = ScaleByPowerOfTen(magnitude, 18 - exponent);
        if (scaled >= kTenTo18)
            ++exponent;
        else if (scaled < kTenTo17)
            --exponent;
        else
            break;
    }
    auto eighteen = static_cast<std::int64_t>(::roundevenl(scaled));
    if (eighteen == static_cast<std::int64_t>(kTenTo18)) {
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

long double TextToNumber(const std::string &text)
{
    NumberText number;
    if (!NumberReader(text, g_decimalMark).Read(number))
        throw EConvertError(text);
    // The unit's exceptions are masked, so the arithmetic above ran silently; a fault shows
    // as an infinite value. Leave no pending flag behind.
    bool faulted = false;
    const long double value = ValueOf(number, faulted);
    std::feclearexcept(FE_ALL_EXCEPT);
    if (faulted)
        throw EConvertError(text);
    return value;
}

std::string NumberToText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";
    const DecimalDigits d = DigitsOf(std::fabs(value));
    const std::string sign = value < 0 ? "-" : "";
    if (d.exponent >= -3 && d.exponent <= 15)
        return sign + FixedText(d, g_decimalMark);
    return sign + ScientificText(d, g_decimalMark);
}

std::int64_t RoundToInteger(long double value)
{
    return static_cast<std::int64_t>(fp::RoundToWhole(value));
}

} // namespace calc
