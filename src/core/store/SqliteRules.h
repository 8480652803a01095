#pragma once

#include "core/store/Value.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kelvora {

// Column affinity, as SQLite derives it from a declared type.
enum class Affinity : quint8
{
    Blob,
    Text,
    Numeric,
    Integer,
    Real
};
// The built-in collations a column can declare.
enum class Collation : quint8
{
    Binary,
    NoCase,
    RTrim
};

// SQLite's own rules for values, so the in-memory views select and compare
// exactly as a statement on the file would: storage class order, affinity
// conversions, collations, LIKE, and the text form of numbers.
class SqliteRules
{
public:
    static Affinity affinityOf(const QString& declaredType);
    static Collation collationOf(const QString& name);

    // The ordering of two non-NULL values (numbers < texts < blobs), texts
    // compared by the collation. NULLs sort first.
    static int compare(const CellView& a, const CellView& b, Collation collation);
    // The order of the in-memory views: NULLs first, then as compare() with NOCASE.
    static int compareNoCase(const CellView& a, const CellView& b)
    {
        return compare(a, b, Collation::NoCase);
    }

    // `column OP constant` where the column has `affinity` and `collation` and the
    // constant is a bound parameter: the result of the comparison, or nullopt
    // when it is NULL. `constant` must have gone through prepareConstant().
    static std::optional<int> compareColumn(const CellView& cell, const CellView& constant, Affinity affinity,
                                            Collation collation);
    // Applies to a bound parameter the conversion its comparison with a column
    // of that affinity makes (text to number, or number to text).
    static Value prepareConstant(const Value& constant, Affinity affinity);

    // `string LIKE pattern` with the built-in LIKE: NULL when either is NULL.
    static std::optional<bool> like(const CellView& string, const CellView& pattern);
    // The pattern matcher on NUL-terminated UTF-8 texts.
    static bool likeMatch(const char* pattern, const char* string);

    // The text form of a value (numbers as SQLite writes them: 150.0, 1.0e+20).
    static QByteArray textOf(const CellView& v);
    static QByteArray realToText(double r);
    // A text that is a well-formed number read as SQLite's NUMERIC affinity reads
    // it (integer when it is an integer literal that fits, else real); any other
    // value is returned unchanged.
    static Value numericValue(const CellView& v);
};

} // namespace kelvora
