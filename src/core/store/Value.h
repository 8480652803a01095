#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QVariant>

namespace kelvora {

// A look at one stored value without copying it: the storage class of SQLite
// and the value. Texts are UTF-8 and followed by a NUL byte in memory (the
// LIKE matcher relies on it); `n` does not count that byte.
struct CellView
{
    enum class Type : quint8
    {
        Null,
        Integer,
        Real,
        Text,
        Blob
    };
    Type type = Type::Null;
    qint64 i = 0;
    double r = 0.0;
    const char* p = nullptr;
    qsizetype n = 0;

    bool isNull() const { return type == Type::Null; }
    bool isNumber() const { return type == Type::Integer || type == Type::Real; }
};

// One field value as SQLite keeps it: NULL, integer, real, text or blob.
// NULL is distinct from 0 and from the empty text.
class Value
{
public:
    using Type = CellView::Type;

    Value() = default;
    static Value integer(qint64 v);
    static Value real(double v);
    static Value text(const QString& v);
    static Value textUtf8(const QByteArray& utf8);
    static Value blob(const QByteArray& bytes);
    // Invalid or null variants give NULL; QDate gives its ISO text.
    static Value fromVariant(const QVariant& v);
    static Value fromView(const CellView& v);

    Type type() const { return m_type; }
    bool isNull() const { return m_type == Type::Null; }
    bool isNumber() const { return m_type == Type::Integer || m_type == Type::Real; }

    // Numbers as numbers; a text is read as a number when it is one, else 0; NULL is 0.
    qint64 toInteger() const;
    double toReal() const;
    // The text of a text, the decimal text of a number, "" for NULL.
    QString toString() const;
    // Text bytes (UTF-8) or blob bytes.
    const QByteArray& bytes() const { return m_bytes; }
    QVariant toVariant() const;
    CellView view() const;

    // Same storage class and same content (not SQL equality).
    bool operator==(const Value& other) const;
    bool operator!=(const Value& other) const { return !(*this == other); }

private:
    Type m_type = Type::Null;
    qint64 m_int = 0;
    double m_real = 0.0;
    QByteArray m_bytes;
};

} // namespace kelvora
