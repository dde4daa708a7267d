// SPDX-FileCopyrightText: 2026 Varnelo developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <exception>
#include <string>

#include "calc/backend.h"

namespace calc::inline VARNELO_CALC_BACKEND {

// Base of every error the program raises; the message is UTF-8 and shown as it stands.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char *what() const noexcept override { return message_.c_str(); }
    const std::string &message() const noexcept { return message_; }

private:
    std::string message_;
};

// Raised by TextToNumber when a text is not a number; the message quotes the text as given.
class EConvertError : public Exception {
public:
    explicit EConvertError(const std::string &text);
};

// Base of the errors the processor signals.
class EExternal : public Exception {
    using Exception::Exception;
};

// Base of the floating-point faults.
class EMathError : public EExternal {
    using EExternal::EExternal;
};

// Raised for 0/0, inf-inf, 0*inf, the logarithm of a negative number, an operation on a
// not-a-number value, or a whole-number rounding outside the 64-bit range.
class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

// Raised when a finite non-zero number is divided by zero, or for the logarithm of zero.
class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

// Raised when a result leaves the extended range, or an extended value the double range
// on being stored.
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

} // namespace calc
