#include "core/format/DecimalDigits.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kelvora {

DecimalDigits DecimalDigits::fromDouble(double value)
{
    DecimalDigits d;
    if (value == 0.0 || !std::isfinite(value))
        return d;
    d.m_negative = value < 0;
    // Shortest round-trip text in scientific form: "d.ddde+XX".
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string text(buf, res.ptr);
    const auto ePos = text.find('e');
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.')
            d.m_digits.push_back(text[i]);
    }
    d.m_point = std::atoi(text.c_str() + ePos + 1) + 1;
    while (!d.m_digits.empty() && d.m_digits.back() == '0')
        d.m_digits.pop_back();
    return d;
}

void DecimalDigits::roundAt(int kept)
{
    if (kept < 0) {
        m_digits.clear();
        return;
    }
    if (static_cast<std::size_t>(kept) >= m_digits.size())
        return;
    const bool up = m_digits[static_cast<std::size_t>(kept)] >= '5';
    m_digits.resize(static_cast<std::size_t>(kept));
    if (up) {
        while (!m_digits.empty() && m_digits.back() == '9')
            m_digits.pop_back();
        if (m_digits.empty()) {
            // 0.999.. rounds up to 1.0: one digit more before the point.
            m_digits.assign(1, '1');
            m_point += 1;
            return;
        }
        m_digits.back() = static_cast<char>(m_digits.back() + 1);
    }
    while (!m_digits.empty() && m_digits.back() == '0')
        m_digits.pop_back();
}

void DecimalDigits::roundToSignificant(int count)
{
    roundAt(count < 1 ? 1 : count);
}

void DecimalDigits::roundToDecimals(int count)
{
    if (isZero())
        return;
    roundAt(m_point + (count < 0 ? 0 : count));
}

QString DecimalDigits::integerDigits() const
{
    if (m_point <= 0 || isZero())
        return {};
    QString out;
    out.reserve(m_point);
    for (int i = 0; i < m_point; ++i)
        out += static_cast<std::size_t>(i) < m_digits.size() ? QLatin1Char(m_digits[static_cast<std::size_t>(i)])
                                                              : QLatin1Char('0');
    return out;
}

QString DecimalDigits::fractionDigits(int count) const
{
    QString out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int index = m_point + i; // digit index of the (i+1)-th decimal
        const bool have = !isZero() && index >= 0 && static_cast<std::size_t>(index) < m_digits.size();
        out += have ? QLatin1Char(m_digits[static_cast<std::size_t>(index)]) : QLatin1Char('0');
    }
    return out;
}

double DecimalDigits::toDouble() const
{
    if (isZero())
        return 0.0;
    const std::string text = "0." + m_digits + "e" + std::to_string(m_point);
    double v = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return m_negative ? -v : v;
}

} // namespace kelvora
