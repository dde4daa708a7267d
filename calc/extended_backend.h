// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a back end of the extended format gives Extended (extended.h): a value type Raw that
// copies like a number, and these operations on it as static functions, each with the result
// type and the noexcept shown. Each back end asserts this beside its own definition, so a
// missing or changed operation fails to compile there, on every build that compiles it.

#include <concepts>
#include <cstdint>
#include <type_traits>

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

template <class B>
concept ExtendedBackend =
    std::is_trivially_copyable_v<typename B::Raw> && std::semiregular<typename B::Raw>
    && requires(const typename B::Raw &a, const typename B::Raw &b, double d, int i,
                long long n, const char *text) {
           // Values: from a double, an int or a ratio exactly, from a text nearest.
           { B::FromDouble(d) } noexcept -> std::same_as<typename B::Raw>;
           { B::FromInt(i) } noexcept -> std::same_as<typename B::Raw>;
           { B::Quotient(n, n) } noexcept -> std::same_as<typename B::Raw>;
           { B::Nearest(text) } -> std::same_as<typename B::Raw>;
           { B::Infinity() } noexcept -> std::same_as<typename B::Raw>;
           { B::NotANumber() } noexcept -> std::same_as<typename B::Raw>;

           { B::IsFinite(a) } noexcept -> std::same_as<bool>;
           { B::IsNaN(a) } noexcept -> std::same_as<bool>;
           { B::IsZero(a) } noexcept -> std::same_as<bool>;
           { B::SignBit(a) } noexcept -> std::same_as<bool>;
           { B::ToDouble(a) } noexcept -> std::same_as<double>;

           // Arithmetic, each correctly rounded to the format.
           { B::Negate(a) } noexcept -> std::same_as<typename B::Raw>;
           { B::Add(a, b) } noexcept -> std::same_as<typename B::Raw>;
           { B::Subtract(a, b) } noexcept -> std::same_as<typename B::Raw>;
           { B::Multiply(a, b) } noexcept -> std::same_as<typename B::Raw>;
           { B::Divide(a, b) } noexcept -> std::same_as<typename B::Raw>;
           // Comparisons, false where either value is not a number.
           { B::Less(a, b) } noexcept -> std::same_as<bool>;
           { B::LessOrEqual(a, b) } noexcept -> std::same_as<bool>;
           { B::Equal(a, b) } noexcept -> std::same_as<bool>;

           // Whole numbers and the parts of a value.
           { B::NearestWhole(a) } noexcept -> std::same_as<typename B::Raw>;
           { B::ToInt64(a) } noexcept -> std::same_as<long long>;
           { B::BinaryExponent(a) } noexcept -> std::same_as<int>;
           { B::Significand(a) } noexcept -> std::same_as<std::uint64_t>;

           // Logarithms, the exponential, rounding down.
           { B::Log(a) } noexcept -> std::same_as<typename B::Raw>;
           { B::Exp(a) } noexcept -> std::same_as<typename B::Raw>;
           { B::Log10(a) } noexcept -> std::same_as<typename B::Raw>;
           { B::Floor(a) } noexcept -> std::same_as<typename B::Raw>;
       };

} // namespace calc
