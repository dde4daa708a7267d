#include "calc/errors.h"

#include "calc/fparith.h"
#include "calc/fpmode.h"

namespace calc {

EConvertError::EConvertError(const std::string &text)
    : Exception("'" + text + "' is not a valid floating point value")
{
}

namespace fp {

// Every floating-point fault leaves the unit clean, so the next run equals a fresh one.
void RaiseInvalidOp()
{
    LoadFloatingPointMode();
    throw EInvalidOp();
}

void RaiseZeroDivide()
{
    LoadFloatingPointMode();
    throw EZeroDivide();
}

void RaiseOverflow()
{
    LoadFloatingPointMode();
    throw EOverflow();
}

Ext Ln(Ext x)
{
    const long double v = x.value();
    if (std::isnan(v) || v < 0)
        RaiseInvalidOp();
    if (v == 0)
        RaiseZeroDivide();
    return std::log(v);
}

Ext Exp(Ext x)
{
    const long double v = x.value();
    if (std::isnan(v))
        RaiseInvalidOp();
    const long double result = std::exp(v);
    if (std::isinf(result) && std::isfinite(v))
        RaiseOverflow();
    return result;
}

} // namespace fp
} // namespace calc
