#pragma once

#include <QString>

#include "core/format/Regional.h"

namespace kelvora {

// Cents rounding of the ledger: two decimals, halves away from zero, applied to the
// decimal the user sees rather than to its binary neighbour, so 1.005 gives 1.01,
// 2.675 gives 2.68 and -0.125 gives -0.13. Infinity and NaN come back unchanged.
double roundCents(double value);

// The text an amount written by the ledger buttons is stored through: fixed notation,
// two decimals, eleven significant digits ("100.00", "-1.00", "7.27").
QString twoDecimalText(double value, const Regional& regional = Regional::australian());

// The value that text stands for, i.e. what the field holds after the amount was
// assigned as text. The eleven digits round first, so this differs from roundCents only
// for a value a hair from a half cent (1.0049999999999 gives 1.01 here, 1.00 there).
double twoDecimalValue(double value);

} // namespace kelvora
