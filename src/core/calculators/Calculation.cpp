#include "core/calculators/Calculation.h"

#include "core/format/NumberText.h"

#include <cmath>
#include <limits>

namespace kelvora {

double calcNumber(const QString& text, const Regional& regional)
{
    const std::optional<double> value = parseTypedNumber(text, regional);
    if (!value)
        throw CalculationFailure{};
    return *value;
}

double calcChecked(long double value)
{
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<double>::max())
        throw CalculationFailure{};
    return static_cast<double>(value);
}

double calcDivide(long double a, long double b)
{
    if (b == 0.0L)
        throw CalculationFailure{};
    return calcChecked(a / b);
}

} // namespace kelvora
