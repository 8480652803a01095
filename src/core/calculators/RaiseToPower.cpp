#include "core/calculators/RaiseToPower.h"

#include <cmath>

namespace kelvora {

namespace {

long double positivePower(long double base, long double exponent)
{
    const long double result = std::exp(exponent * std::log(base));
    // The callers treat an overflow as "no result", which they read as 0.
    return std::isfinite(result) ? result : 0.0L;
}

} // namespace

long double RaiseToPower(long double base, long double exponent)
{
    if (exponent == 0.0L)
        return 1.0L;
    if (base == 0.0L)
        return 0.0L;
    if (!std::isfinite(base) || !std::isfinite(exponent))
        return 0.0L;
    if (base > 0.0L)
        return positivePower(base, exponent);
    // std::remainder rounds the quotient to the nearest whole number, ties to even,
    // whatever rounding mode is set.
    const long double whole = exponent - std::remainder(exponent, 1.0L);
    const bool odd = std::fmod(std::fabs(whole), 2.0L) == 1.0L;
    const long double magnitude = positivePower(-base, exponent);
    return odd ? -magnitude : magnitude;
}

} // namespace kelvora
