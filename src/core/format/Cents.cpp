#include "core/format/Cents.h"

#include <cmath>

#include "core/format/DecimalDigits.h"
#include "core/format/NumberText.h"

namespace kelvora {

namespace {
constexpr int kTwoDecimalPrecision = 11;
} // namespace

double roundCents(double value)
{
    if (!std::isfinite(value))
        return value;
    DecimalDigits d = DecimalDigits::fromDouble(value);
    d.roundToDecimals(2);
    return d.toDouble();
}

QString twoDecimalText(double value, const Regional& regional)
{
    return formatFloat(value, NumberStyle::Fixed, kTwoDecimalPrecision, 2, regional);
}

double twoDecimalValue(double value)
{
    if (!std::isfinite(value))
        return value;
    DecimalDigits d = DecimalDigits::fromDouble(value);
    d.roundToSignificant(kTwoDecimalPrecision);
    d.roundToDecimals(2);
    return d.toDouble();
}

} // namespace kelvora
