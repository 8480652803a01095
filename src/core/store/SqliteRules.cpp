#include "core/store/SqliteRules.h"

#include <sqlite3.h>

#include <charconv>
#include <cmath>
#include <cstring>

namespace kelvora {

namespace {

using Type = CellView::Type;

inline unsigned char lowerAscii(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c;
}

inline bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == '\v';
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int binaryCompare(const char* a, qsizetype na, const char* b, qsizetype nb)
{
    const qsizetype n = na < nb ? na : nb;
    const int c = n > 0 ? std::memcmp(a, b, size_t(n)) : 0;
    if (c != 0)
        return c;
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

// NOCASE: ASCII letters folded; the comparison stops at a NUL byte as SQLite's does.
int noCaseCompare(const char* a, qsizetype na, const char* b, qsizetype nb)
{
    const auto* x = reinterpret_cast<const unsigned char*>(a);
    const auto* y = reinterpret_cast<const unsigned char*>(b);
    qsizetype n = na < nb ? na : nb;
    while (n > 0 && *x != 0 && lowerAscii(*x) == lowerAscii(*y)) {
        ++x;
        ++y;
        --n;
    }
    if (n > 0) {
        const int c = int(lowerAscii(*x)) - int(lowerAscii(*y));
        if (c != 0)
            return c;
    }
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

int rtrimCompare(const char* a, qsizetype na, const char* b, qsizetype nb)
{
    while (na > 0 && a[na - 1] == ' ')
        --na;
    while (nb > 0 && b[nb - 1] == ' ')
        --nb;
    return binaryCompare(a, na, b, nb);
}

int intFloatCompare(qint64 i, double r)
{
    if (r != r)
        return 1;
    if (r < -9223372036854775808.0)
        return 1;
    if (r >= 9223372036854775808.0)
        return -1;
    const auto y = static_cast<qint64>(r);
    if (i < y)
        return -1;
    if (i > y)
        return 1;
    const auto s = static_cast<double>(i);
    if (s < r)
        return -1;
    if (s > r)
        return 1;
    return 0;
}

// Classifies a text as SQLite's number reader does: 1 an integer literal, 2 or 3
// a real literal (with a point or an exponent), 0 or less not a number.
int numberSyntax(const char* z, qsizetype n)
{
    const char* end = z + n;
    while (z < end && isSpace(*z))
        ++z;
    if (z >= end)
        return 0;
    if (*z == '-' || *z == '+')
        ++z;
    int digits = 0;
    int eType = 1;
    bool eValid = true;
    while (z < end && isDigit(*z)) {
        ++z;
        ++digits;
    }
    if (z < end && *z == '.') {
        ++z;
        ++eType;
        while (z < end && isDigit(*z)) {
            ++z;
            ++digits;
        }
    }
    if (z < end && (*z == 'e' || *z == 'E')) {
        ++z;
        eValid = false;
        ++eType;
        if (z < end && (*z == '-' || *z == '+'))
            ++z;
        while (z < end && isDigit(*z)) {
            ++z;
            eValid = true;
        }
    }
    while (z < end && isSpace(*z))
        ++z;
    if (z == end && digits > 0 && eValid && eType > 0)
        return eType;
    if (eType >= 2 && (eType == 3 || eValid) && digits > 0)
        return -1;
    return 0;
}

// The number of a text numberSyntax() accepted.
Value parseNumber(const char* z, qsizetype n, int syntax)
{
    const char* end = z + n;
    while (z < end && isSpace(*z))
        ++z;
    while (end > z && isSpace(end[-1]))
        --end;
    bool negative = false;
    if (*z == '+' || *z == '-') {
        negative = *z == '-';
        ++z;
    }
    if (syntax == 1) {
        // An integer literal that fits in 64 bits stays an integer.
        quint64 magnitude = 0;
        bool fits = true;
        for (const char* p = z; p < end; ++p) {
            const unsigned d = unsigned(*p - '0');
            if (magnitude > (~quint64(0) - d) / 10) {
                fits = false;
                break;
            }
            magnitude = magnitude * 10 + d;
        }
        if (fits && magnitude <= quint64(INT64_MAX))
            return Value::integer(negative ? -qint64(magnitude) : qint64(magnitude));
        if (fits && negative && magnitude == quint64(INT64_MAX) + 1)
            return Value::integer(INT64_MIN);
    }
    double r = 0.0;
    const auto result = std::from_chars(z, end, r, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // Beyond the range of a double: SQLite reads infinity, or zero for a tiny one.
        const char* e = z;
        while (e < end && *e != 'e' && *e != 'E')
            ++e;
        const bool tiny = e + 1 < end && e[1] == '-';
        r = tiny ? 0.0 : HUGE_VAL;
    }
    return Value::real(negative ? -r : r);
}

// The UTF-8 reader of SQLite's matcher: invalid sequences read as U+FFFD.
unsigned readUtf8(const unsigned char*& z)
{
    static const unsigned char trans1[] = {
        0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f,
        0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0x1a, 0x1b, 0x1c, 0x1d, 0x1e, 0x1f,
        0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0a, 0x0b, 0x0c, 0x0d, 0x0e, 0x0f,
        0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x00, 0x01, 0x02, 0x03, 0x00, 0x01, 0x00, 0x00,
    };
    unsigned c = *z++;
    if (c >= 0xc0) {
        c = trans1[c - 0xc0];
        while ((*z & 0xc0) == 0x80)
            c = (c << 6) + (0x3f & *z++);
        if (c < 0x80 || (c & 0xFFFFF800u) == 0xD800 || (c & 0xFFFFFFFEu) == 0xFFFE)
            c = 0xFFFD;
    }
    return c;
}

enum class Match
{
    Yes,
    No,
    NoWildcard
};

Match patternCompare(const unsigned char* pattern, const unsigned char* string)
{
    unsigned c = 0;
    while ((c = readUtf8(pattern)) != 0) {
        if (c == '%') {
            while ((c = readUtf8(pattern)) == '%' || c == '_') {
                if (c == '_' && readUtf8(string) == 0)
                    return Match::NoWildcard;
            }
            if (c == 0)
                return Match::Yes;
            if (c < 0x80) {
                char stop[3] = {char(c >= 'a' && c <= 'z' ? c - 32 : c),
                                char(lowerAscii(static_cast<unsigned char>(c))), 0};
                for (;;) {
                    string += std::strcspn(reinterpret_cast<const char*>(string), stop);
                    if (string[0] == 0)
                        break;
                    ++string;
                    const Match m = patternCompare(pattern, string);
                    if (m != Match::No)
                        return m;
                }
            } else {
                unsigned c2 = 0;
                while ((c2 = readUtf8(string)) != 0) {
                    if (c2 != c)
                        continue;
                    const Match m = patternCompare(pattern, string);
                    if (m != Match::No)
                        return m;
                }
            }
            return Match::NoWildcard;
        }
        const unsigned c2 = readUtf8(string);
        if (c == c2)
            continue;
        if (c < 0x80 && c2 < 0x80 &&
            lowerAscii(static_cast<unsigned char>(c)) == lowerAscii(static_cast<unsigned char>(c2)))
            continue;
        if (c == '_' && c2 != 0)
            continue;
        return Match::No;
    }
    return *string == 0 ? Match::Yes : Match::No;
}

} // namespace

Affinity SqliteRules::affinityOf(const QString& declaredType)
{
    const QString t = declaredType.toUpper();
    if (t.contains(QLatin1String("INT")))
        return Affinity::Integer;
    if (t.contains(QLatin1String("CHAR")) || t.contains(QLatin1String("CLOB")) ||
        t.contains(QLatin1String("TEXT")))
        return Affinity::Text;
    if (t.contains(QLatin1String("BLOB")) || t.isEmpty())
        return Affinity::Blob;
    if (t.contains(QLatin1String("REAL")) || t.contains(QLatin1String("FLOA")) ||
        t.contains(QLatin1String("DOUB")))
        return Affinity::Real;
    return Affinity::Numeric;
}

Collation SqliteRules::collationOf(const QString& name)
{
    if (name.compare(QLatin1String("NOCASE"), Qt::CaseInsensitive) == 0)
        return Collation::NoCase;
    if (name.compare(QLatin1String("RTRIM"), Qt::CaseInsensitive) == 0)
        return Collation::RTrim;
    return Collation::Binary;
}

int SqliteRules::compare(const CellView& a, const CellView& b, Collation collation)
{
    if (a.type == Type::Null || b.type == Type::Null) {
        if (a.type == b.type)
            return 0;
        return a.type == Type::Null ? -1 : 1;
    }
    if (a.isNumber() || b.isNumber()) {
        if (a.type == Type::Integer && b.type == Type::Integer)
            return a.i < b.i ? -1 : (a.i > b.i ? 1 : 0);
        if (a.type == Type::Real && b.type == Type::Real)
            return a.r < b.r ? -1 : (a.r > b.r ? 1 : 0);
        if (a.type == Type::Integer)
            return b.type == Type::Real ? intFloatCompare(a.i, b.r) : -1;
        if (a.type == Type::Real)
            return b.type == Type::Integer ? -intFloatCompare(b.i, a.r) : -1;
        return 1;
    }
    if (a.type == Type::Text || b.type == Type::Text) {
        if (a.type != Type::Text)
            return 1;
        if (b.type != Type::Text)
            return -1;
        switch (collation) {
        case Collation::Binary:
            return binaryCompare(a.p, a.n, b.p, b.n);
        case Collation::NoCase:
            return noCaseCompare(a.p, a.n, b.p, b.n);
        case Collation::RTrim:
            return rtrimCompare(a.p, a.n, b.p, b.n);
        }
    }
    return binaryCompare(a.p, a.n, b.p, b.n);
}

Value SqliteRules::numericValue(const CellView& v)
{
    if (v.type != Type::Text)
        return Value::fromView(v);
    const int syntax = numberSyntax(v.p, v.n);
    if (syntax <= 0)
        return Value::fromView(v);
    return parseNumber(v.p, v.n, syntax);
}

Value SqliteRules::prepareConstant(const Value& constant, Affinity affinity)
{
    switch (affinity) {
    case Affinity::Numeric:
    case Affinity::Integer:
    case Affinity::Real:
        return constant.type() == Type::Text ? numericValue(constant.view()) : constant;
    case Affinity::Text:
        return constant.isNumber() ? Value::textUtf8(textOf(constant.view())) : constant;
    case Affinity::Blob:
        return constant;
    }
    return constant;
}

std::optional<int> SqliteRules::compareColumn(const CellView& cell, const CellView& constant,
                                              Affinity affinity, Collation collation)
{
    if (cell.type == Type::Null || constant.type == Type::Null)
        return std::nullopt;
    switch (affinity) {
    case Affinity::Numeric:
    case Affinity::Integer:
    case Affinity::Real:
        if (cell.type == Type::Text && numberSyntax(cell.p, cell.n) > 0) {
            const Value number = numericValue(cell);
            return compare(number.view(), constant, collation);
        }
        break;
    case Affinity::Text:
        if (cell.isNumber()) {
            const Value text = Value::textUtf8(textOf(cell));
            return compare(text.view(), constant, collation);
        }
        break;
    case Affinity::Blob:
        break;
    }
    return compare(cell, constant, collation);
}

std::optional<bool> SqliteRules::like(const CellView& string, const CellView& pattern)
{
    // Built that way (Debian's library is), LIKE answers false for a blob on
    // either side, before it looks for a NULL.
    static const bool blobsNeverMatch = sqlite3_compileoption_used("LIKE_DOESNT_MATCH_BLOBS") != 0;
    if (blobsNeverMatch && (string.type == Type::Blob || pattern.type == Type::Blob))
        return false;
    if (string.type == Type::Null || pattern.type == Type::Null)
        return std::nullopt;
    QByteArray stringText;
    QByteArray patternText;
    const char* s = string.p;
    const char* p = pattern.p;
    if (string.isNumber()) {
        stringText = textOf(string);
        s = stringText.constData();
    }
    if (pattern.isNumber()) {
        patternText = textOf(pattern);
        p = patternText.constData();
    }
    return likeMatch(p, s);
}

bool SqliteRules::likeMatch(const char* pattern, const char* string)
{
    return patternCompare(reinterpret_cast<const unsigned char*>(pattern),
                          reinterpret_cast<const unsigned char*>(string)) == Match::Yes;
}

QByteArray SqliteRules::textOf(const CellView& v)
{
    switch (v.type) {
    case Type::Null:
        return {};
    case Type::Integer:
        return QByteArray::number(v.i);
    case Type::Real:
        return realToText(v.r);
    case Type::Text:
    case Type::Blob:
        return QByteArray(v.p, v.n);
    }
    return {};
}

QByteArray SqliteRules::realToText(double r)
{
    // The library's own formatting, so the text is the one a statement would see.
    char buffer[64];
    sqlite3_snprintf(sizeof buffer, buffer, "%!.15g", r);
    return QByteArray(buffer);
}

} // namespace kelvora
