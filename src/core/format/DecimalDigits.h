#pragma once

#include <QString>
#include <string>

namespace kelvora {

// A finite double seen as the decimal the user reads: the shortest digit string that
// reads back to the same double. All rounding of the formatting module works on these
// digits, halves away from zero, so 1.005 rounds like 1.005 and not like its binary
// neighbour 1.00499999999999989...
//
// The value is 0.d1d2d3... x 10^pointPosition; the digits carry no leading or trailing
// zeros, and zero has no digits at all.
class DecimalDigits
{
public:
    // The caller checks std::isfinite first; infinities and NaN have no digits.
    static DecimalDigits fromDouble(double value);

    bool isNegative() const { return m_negative; }
    bool isZero() const { return m_digits.empty(); }
    const std::string& digits() const { return m_digits; }
    int pointPosition() const { return m_point; }

    // Keep at most `count` significant digits (count >= 1).
    void roundToSignificant(int count);
    // Keep at most `count` digits after the decimal point (count >= 0).
    void roundToDecimals(int count);

    // Digits before the decimal point, "" when the value is below one.
    QString integerDigits() const;
    // Exactly `count` digits after the decimal point, zero-padded.
    QString fractionDigits(int count) const;
    double toDouble() const;

private:
    // Keep the first `kept` digits (0 allowed), rounding on the next one.
    void roundAt(int kept);

    bool m_negative = false;
    std::string m_digits;
    int m_point = 0;
};

} // namespace kelvora
