#pragma once

// Checked extended arithmetic. Every operation runs in the x87 extended format and looks at
// its operands and result: a fault is raised as the program's error before the value can be
// stored or used. The check depends on the result's value, so the optimiser cannot move it
// away from the operation. Underflow, denormals and inexact results stay silent.

#include <cmath>

namespace calc::fp {

[[noreturn]] void RaiseInvalidOp();
[[noreturn]] void RaiseZeroDivide();
[[noreturn]] void RaiseOverflow();

class Ext {
public:
    constexpr Ext(long double value) noexcept : value_(value) {}
    constexpr long double value() const noexcept { return value_; }

    friend Ext operator+(Ext a, Ext b) { return Checked(a.value_ + b.value_, a, b); }
    friend Ext operator-(Ext a, Ext b) { return Checked(a.value_ - b.value_, a, b); }
    friend Ext operator*(Ext a, Ext b) { return Checked(a.value_ * b.value_, a, b); }
    friend Ext operator/(Ext a, Ext b)
    {
        if (b.value_ == 0 && std::isfinite(a.value_)) {
            if (a.value_ == 0)
                RaiseInvalidOp();
            RaiseZeroDivide();
        }
        return Checked(a.value_ / b.value_, a, b);
    }

    friend bool operator<(Ext a, Ext b) { return Ordered(a, b) && a.value_ < b.value_; }
    friend bool operator<=(Ext a, Ext b) { return Ordered(a, b) && a.value_ <= b.value_; }
    friend bool operator>(Ext a, Ext b) { return Ordered(a, b) && a.value_ > b.value_; }
    friend bool operator>=(Ext a, Ext b) { return Ordered(a, b) && a.value_ >= b.value_; }
    friend bool operator==(Ext a, Ext b) { return Ordered(a, b) && a.value_ == b.value_; }

private:
    static Ext Checked(long double result, Ext a, Ext b)
    {
        if (std::isnan(result))
            RaiseInvalidOp();
        if (std::isinf(result) && std::isfinite(a.value_) && std::isfinite(b.value_))
            RaiseOverflow();
        return result;
    }
    // Comparing with a not-a-number value is an invalid operation on the x87 unit.
    static bool Ordered(Ext a, Ext b)
    {
        if (std::isnan(a.value_) || std::isnan(b.value_))
            RaiseInvalidOp();
        return true;
    }

    long double value_;
};

// Stores an extended value as a double; a finite value beyond the double range overflows.
inline double Store(Ext x)
{
    const double stored = static_cast<double>(x.value());
    if (std::isinf(stored) && std::isfinite(x.value()))
        RaiseOverflow();
    return stored;
}

// Natural logarithm: invalid for a negative or not-a-number argument, a division by zero for 0.
Ext Ln(Ext x);

// e raised to x: overflows beyond the extended range; underflow gives 0 silently.
Ext Exp(Ext x);

} // namespace calc::fp
