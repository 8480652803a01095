#pragma once

#include "core/format/Regional.h"

#include <QString>

namespace kelvora {

// Raised inside a calculation by a text that is not a number, a division by zero or
// a result beyond the range of a double. The calculators catch it and show
// kCalculationError; it never leaves them.
struct CalculationFailure
{
};

// The two messages of every calculator.
inline const QString kDataMissing = QStringLiteral("Data is Missing");
inline const QString kCalculationError = QStringLiteral("ERROR : Check your Requirements");

// A typed input as a number (regional decimal separator; no thousands separators,
// "%" or currency sign).
double calcNumber(const QString& text, const Regional& regional);
// The value, when it is a finite double.
double calcChecked(long double value);
// a / b, refusing a zero divisor.
double calcDivide(long double a, long double b);

} // namespace kelvora
