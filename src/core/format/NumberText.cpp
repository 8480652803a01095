#include "core/format/NumberText.h"

#include <QStringList>
#include <algorithm>
#include <charconv>
#include <limits>
#include <cmath>
#include <string>

#include "core/format/DecimalDigits.h"

namespace kelvora {

namespace {

// General and the display formats work to the fifteen digits a double reliably holds,
// so 0.1 + 0.2 shows as 0.3.
constexpr int kDefaultPrecision = 15;
constexpr int kMaxDecimals = 18;

QString nonFiniteText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString exponentText(const DecimalDigits& d, const Regional& regional)
{
    const std::string& digits = d.digits();
    QString out;
    if (d.isNegative())
        out += QLatin1Char('-');
    out += QLatin1Char(digits[0]);
    if (digits.size() > 1) {
        out += regional.decimalSeparator;
        out += QString::fromLatin1(digits.data() + 1, static_cast<qsizetype>(digits.size() - 1));
    }
    const int exponent = d.pointPosition() - 1;
    out += QLatin1Char('E');
    out += exponent < 0 ? QLatin1Char('-') : QLatin1Char('+');
    out += QStringLiteral("%1").arg(std::abs(exponent), 3, 10, QLatin1Char('0'));
    return out;
}

QString withThousands(const QString& integerDigits, const Regional& regional)
{
    if (regional.thousandSeparator.isNull())
        return integerDigits;
    QString out;
    const qsizetype n = integerDigits.size();
    for (qsizetype i = 0; i < n; ++i) {
        out += integerDigits.at(i);
        const qsizetype position = n - 1 - i; // power of ten of this digit
        if (position > 0 && position % 3 == 0)
            out += regional.thousandSeparator;
    }
    return out;
}

// Places the currency sign and the negative form around an unsigned amount text.
// An unknown code reads as the Australian one.
QString currencyText(const QString& amount, bool negative, const Regional& regional)
{
    const QStringList& forms = negative ? Regional::negCurrencyForms() : Regional::currencyForms();
    const int code = negative ? regional.negCurrencyFormat : regional.currencyFormat;
    const QString form = forms.value(code, forms.at(negative ? 1 : 0));
    QString out;
    for (const QChar c : form) {
        if (c == QLatin1Char('$'))
            out += regional.currencyString;
        else if (c == QLatin1Char('1'))
            out += amount;
        else
            out += c;
    }
    return out;
}

// One section of a display format, read once so the digits can be laid out in a second walk.
struct PatternSection
{
    QString text;
    int integerPlaceholders = 0;
    int minIntegerDigits = 0;  // placeholders from the first integer '0' to the decimal point
    int decimalPlaceholders = 0;
    int minDecimals = 0;       // up to the last decimal '0'
    bool thousands = false;
};

PatternSection analyseSection(const QString& text)
{
    PatternSection s;
    s.text = text;
    bool afterPoint = false;
    int firstIntegerZero = -1;
    QChar quote;
    for (const QChar c : text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (afterPoint) {
                ++s.decimalPlaceholders;
                if (c == QLatin1Char('0'))
                    s.minDecimals = s.decimalPlaceholders;
            } else {
                if (c == QLatin1Char('0') && firstIntegerZero < 0)
                    firstIntegerZero = s.integerPlaceholders;
                ++s.integerPlaceholders;
            }
        } else if (c == QLatin1Char('.')) {
            afterPoint = true;
        } else if (c == QLatin1Char(',')) {
            s.thousands = true;
        }
    }
    if (firstIntegerZero >= 0)
        s.minIntegerDigits = s.integerPlaceholders - firstIntegerZero;
    return s;
}

QStringList splitSections(const QString& pattern)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

DecimalDigits roundedFor(double value, const PatternSection& s)
{
    DecimalDigits d = DecimalDigits::fromDouble(value);
    d.roundToSignificant(kDefaultPrecision);
    d.roundToDecimals(s.decimalPlaceholders);
    return d;
}

QString renderSection(const PatternSection& s, const DecimalDigits& d, const Regional& regional)
{
    QString integer = d.integerDigits();
    if (integer.size() < s.minIntegerDigits)
        integer = QString(s.minIntegerDigits - integer.size(), QLatin1Char('0')) + integer;
    QString fraction = d.fractionDigits(s.decimalPlaceholders);
    while (fraction.size() > s.minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);

    const int n = static_cast<int>(integer.size());
    const int places = s.integerPlaceholders;
    auto appendDigit = [&](QString& out, int position) {
        out += integer.at(n - 1 - position);
        if (s.thousands && position > 0 && position % 3 == 0 && !regional.thousandSeparator.isNull())
            out += regional.thousandSeparator;
    };

    QString out;
    int integerIndex = 0;
    int decimalIndex = 0;
    bool afterPoint = false;
    QChar quote;
    for (const QChar c : s.text) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
            continue;
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if ((c == QLatin1Char('0') || c == QLatin1Char('#')) && !afterPoint) {
            // The digits are right-aligned on the placeholders; the first one also takes
            // every digit the pattern has no room for.
            const int position = places - 1 - integerIndex;
            const int from = integerIndex == 0 ? n - 1 : position;
            for (int p = from; p >= position; --p) {
                if (p < n)
                    appendDigit(out, p);
            }
            ++integerIndex;
        } else if ((c == QLatin1Char('0') || c == QLatin1Char('#')) && afterPoint) {
            if (decimalIndex < fraction.size())
                out += fraction.at(decimalIndex);
            ++decimalIndex;
        } else if (c == QLatin1Char('.') && !afterPoint) {
            afterPoint = true;
            if (places == 0) {
                for (int p = n - 1; p >= 0; --p)
                    appendDigit(out, p);
            }
            if (!fraction.isEmpty())
                out += regional.decimalSeparator;
        } else if (c != QLatin1Char(',')) {
            out += c;
        }
    }
    return out;
}

} // namespace

QString formatFloat(double value, NumberStyle style, int precision, int digits, const Regional& regional)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    precision = std::max(precision, 1);
    digits = std::clamp(digits, 0, kMaxDecimals);

    DecimalDigits d = DecimalDigits::fromDouble(value);
    d.roundToSignificant(precision);

    if (style == NumberStyle::General) {
        if (d.isZero())
            return QStringLiteral("0");
        if (d.pointPosition() > precision || d.pointPosition() < -4)
            return exponentText(d, regional);
        QString out = d.isNegative() ? QStringLiteral("-") : QString();
        const QString integer = d.integerDigits();
        out += integer.isEmpty() ? QStringLiteral("0") : integer;
        const int decimals = static_cast<int>(d.digits().size()) - d.pointPosition();
        if (decimals > 0)
            out += regional.decimalSeparator + d.fractionDigits(decimals);
        return out;
    }

    if (!d.isZero() && d.pointPosition() > precision)
        return exponentText(d, regional);
    d.roundToDecimals(digits);
    QString integer = d.integerDigits();
    if (integer.isEmpty())
        integer = QStringLiteral("0");
    if (style != NumberStyle::Fixed)
        integer = withThousands(integer, regional);
    const QString amount = digits > 0 ? integer + regional.decimalSeparator + d.fractionDigits(digits) : integer;
    const bool negative = d.isNegative() && !d.isZero();
    if (style == NumberStyle::Currency)
        return currencyText(amount, negative, regional);
    return negative ? QLatin1Char('-') + amount : amount;
}

QString formatFloatPattern(const QString& pattern, double value, const Regional& regional)
{
    if (!std::isfinite(value))
        return nonFiniteText(value);
    const QStringList sections = splitSections(pattern);
    if (sections.at(0).isEmpty())
        return formatFloat(value, NumberStyle::General, kDefaultPrecision, 0, regional);

    const bool negative = value < 0;
    const bool ownNegative = negative && sections.size() > 1 && !sections.at(1).isEmpty();
    const PatternSection section = analyseSection(sections.at(ownNegative ? 1 : 0));
    const DecimalDigits d = roundedFor(value, section);
    if (d.isZero()) {
        // Zero has no sign: its own section when there is one, else the positive one.
        const bool ownZero = sections.size() > 2 && !sections.at(2).isEmpty();
        return renderSection(analyseSection(sections.at(ownZero ? 2 : 0)), DecimalDigits(), regional);
    }
    const QString text = renderSection(section, d, regional);
    return negative && !ownNegative ? QLatin1Char('-') + text : text;
}

std::optional<double> parseTypedNumber(const QString& text, const Regional& regional)
{
    const QString t = text.trimmed();
    std::string ascii;
    ascii.reserve(static_cast<std::size_t>(t.size()));
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto isDigit = [&](qsizetype k) { return k < n && t.at(k) >= QLatin1Char('0') && t.at(k) <= QLatin1Char('9'); };
    auto takeDigits = [&]() {
        int count = 0;
        while (isDigit(i)) {
            ascii.push_back(static_cast<char>(t.at(i).unicode()));
            ++i;
            ++count;
        }
        return count;
    };

    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-'))) {
        if (t.at(i) == QLatin1Char('-'))
            ascii.push_back('-');
        ++i;
    }
    int mantissaDigits = takeDigits();
    if (i < n && t.at(i) == regional.decimalSeparator) {
        ascii.push_back('.');
        ++i;
        mantissaDigits += takeDigits();
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    if (i < n && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        ascii.push_back('e');
        ++i;
        if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-'))) {
            ascii.push_back(static_cast<char>(t.at(i).unicode()));
            ++i;
        }
        if (takeDigits() == 0)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;

    double value = 0.0;
    const auto res = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> parseWholeNumber(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    qsizetype i = 0;
    bool negative = false;
    if (i < n && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-'))) {
        negative = t.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return std::nullopt;
    constexpr qint64 limit = qint64(std::numeric_limits<int>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const QChar c = t.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        magnitude = magnitude * 10 + (c.unicode() - '0');
        if (magnitude > limit)
            return std::nullopt;
    }
    if (!negative && magnitude == limit)
        return std::nullopt;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace kelvora
