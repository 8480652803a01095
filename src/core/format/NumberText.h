#pragma once

#include <QString>
#include <optional>

#include "core/format/Regional.h"

namespace kelvora {

// The four styles numbers are shown in, each with a precision (significant digits)
// and a number of decimals ("digits").
enum class NumberStyle {
    General,  // shortest form: no trailing zeros, a decimal separator only when needed
    Fixed,    // exactly `digits` decimals, no thousands separators
    Number,   // as Fixed, with thousands separators: 1,234.56
    Currency, // as Number, with the currency sign and negative form of the regional settings
};

// The one number-to-text conversion of the program.
//
// The value is first rounded to `precision` significant digits, then to `digits`
// decimals, both halves away from zero and both on the decimal the user sees (see
// DecimalDigits). So 1.005 in Fixed 15,2 gives "1.01", and 123456.785 in Currency 7,2
// gives "$123,456.80": the cents are lost to the precision.
//
// Exponent notation is used when the integer part has more digits than the precision,
// and in General also for values below 0.00001. Its one form is: an optional "-", the
// significant digits with the decimal separator after the first (trailing zeros
// dropped), "E", the exponent's sign (always written) and at least three exponent
// digits: 123456789 in Fixed 4,2 gives "1.235E+008", 0.0000015 in General gives
// "1.5E-006". The exponent form carries no thousands separators and no currency sign.
//
// `precision` below 1 counts as 1; `digits` is kept within 0..18; General ignores
// `digits`. A value that rounds to zero is written without a minus sign. Infinity and
// NaN give "INF", "-INF" and "NAN".
QString formatFloat(double value, NumberStyle style, int precision, int digits,
                    const Regional& regional = Regional::australian());

// Display formats of the kind "###,###.##", "$###,###.00", "##0%", "#,###\" KB\"".
//   0      a digit, written even when it is a leading or trailing zero
//   #      a digit, left out when it would be a leading or trailing zero
//   .      the decimal separator (the first one; it is left out when no decimals follow)
//   ,      anywhere in a section: thousands separators every three integer digits
//   "x" 'x' literal text; every other character is literal too
//   ;      separates the sections for positive, negative and zero values; an empty or
//          missing negative section means the positive one with a leading "-", an empty
//          or missing zero section means the positive one
// The value is rounded to 15 significant digits, then to the decimals of the section
// (halves away from zero). With no "0" placeholder zero gives nothing at all:
// "###,###.##" shows 0 as "". An empty pattern gives General 15.
// Exponent placeholders are not part of this language: "E" is a literal here.
QString formatFloatPattern(const QString& pattern, double value,
                           const Regional& regional = Regional::australian());

// Reads a number as the user types it: spaces around it trimmed, an optional "+" or
// "-", digits with at most one regional decimal separator, and an optional exponent
// ("1e3", "2.5E-2"), which is how this module's own exponent texts read back.
// Thousands separators, currency signs, "%" and inner spaces are not accepted, nor a
// value beyond the range of a double. Not a number: nullopt; callers show their own
// message.
std::optional<double> parseTypedNumber(const QString& text, const Regional& regional = Regional::australian());

// Reads a whole number: spaces around it trimmed, an optional sign, decimal digits only,
// within the 32-bit range of the integer fields. Anything else: nullopt.
std::optional<int> parseWholeNumber(const QString& text);

} // namespace kelvora
