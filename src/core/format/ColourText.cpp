#include "core/format/ColourText.h"

#include <QLatin1StringView>

namespace kelvora {

namespace {

struct NamedColour
{
    const char* name;
    quint32 value;
};

// The standard set, in the order names are looked up when a colour is written back.
constexpr NamedColour kNamedColours[] = {
    {"clBlack", 0x000000},     {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},      {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},    {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},      {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
};

constexpr quint32 kMaxColour = 0x00FFFFFF;

// The value of one digit in the base, or -1 when the character is not one.
int digitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = -1;
    if (u >= u'0' && u <= u'9')
        v = u - u'0';
    else if (u >= u'a' && u <= u'f')
        v = u - u'a' + 10;
    else if (u >= u'A' && u <= u'F')
        v = u - u'A' + 10;
    return v < base ? v : -1;
}

std::optional<quint32> parseDigits(const QString& digits, int base, int maxLength)
{
    if (digits.isEmpty() || digits.size() > maxLength)
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = digitValue(c, base);
        if (digit < 0)
            return std::nullopt;
        value = value * static_cast<quint64>(base) + static_cast<quint64>(digit);
        if (value > kMaxColour)
            return std::nullopt;
    }
    return static_cast<quint32>(value);
}

} // namespace

std::optional<quint32> parseColourText(const QString& text)
{
    const QString t = text.trimmed();
    for (const NamedColour& named : kNamedColours) {
        if (t.compare(QLatin1StringView(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    if (t.startsWith(QLatin1Char('$')))
        return parseDigits(t.mid(1), 16, 8);
    return parseDigits(t, 10, 20);
}

QString colourText(quint32 colour)
{
    for (const NamedColour& named : kNamedColours) {
        if (named.value == colour)
            return QString::fromLatin1(named.name);
    }
    return QLatin1Char('$') + QStringLiteral("%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace kelvora
