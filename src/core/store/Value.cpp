#include "core/store/Value.h"

#include "core/store/SqliteRules.h"

namespace kelvora {

namespace {

// A real as a whole number the way SQLite casts it: truncated, and held at the
// ends of the range instead of overflowing.
qint64 saturated(double r)
{
    if (r != r)
        return 0;
    if (r <= -9223372036854775808.0)
        return INT64_MIN;
    if (r >= 9223372036854775807.0)
        return INT64_MAX;
    return qint64(r);
}

} // namespace

Value Value::integer(qint64 v)
{
    Value x;
    x.m_type = Type::Integer;
    x.m_int = v;
    return x;
}

Value Value::real(double v)
{
    Value x;
    x.m_type = Type::Real;
    x.m_real = v;
    return x;
}

Value Value::text(const QString& v)
{
    return textUtf8(v.toUtf8());
}

Value Value::textUtf8(const QByteArray& utf8)
{
    Value x;
    x.m_type = Type::Text;
    x.m_bytes = utf8;
    return x;
}

Value Value::blob(const QByteArray& bytes)
{
    Value x;
    x.m_type = Type::Blob;
    x.m_bytes = bytes;
    return x;
}

Value Value::fromVariant(const QVariant& v)
{
    if (!v.isValid() || v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return integer(v.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return real(v.toDouble());
    case QMetaType::QByteArray:
        return blob(v.toByteArray());
    case QMetaType::QDate:
        return text(v.toDate().toString(Qt::ISODate));
    default:
        return text(v.toString());
    }
}

Value Value::fromView(const CellView& v)
{
    switch (v.type) {
    case Type::Null:
        return {};
    case Type::Integer:
        return integer(v.i);
    case Type::Real:
        return real(v.r);
    case Type::Text:
        return textUtf8(QByteArray(v.p, v.n));
    case Type::Blob:
        return blob(QByteArray(v.p, v.n));
    }
    return {};
}

qint64 Value::toInteger() const
{
    switch (m_type) {
    case Type::Integer:
        return m_int;
    case Type::Real:
        return saturated(m_real);
    case Type::Text: {
        const Value n = SqliteRules::numericValue(view());
        if (n.m_type == Type::Integer)
            return n.m_int;
        return n.m_type == Type::Real ? saturated(n.m_real) : 0;
    }
    default:
        return 0;
    }
}

double Value::toReal() const
{
    switch (m_type) {
    case Type::Integer:
        return double(m_int);
    case Type::Real:
        return m_real;
    case Type::Text: {
        const Value n = SqliteRules::numericValue(view());
        if (n.m_type == Type::Integer)
            return double(n.m_int);
        return n.m_type == Type::Real ? n.m_real : 0.0;
    }
    default:
        return 0.0;
    }
}

QString Value::toString() const
{
    switch (m_type) {
    case Type::Null:
        return {};
    case Type::Integer:
    case Type::Real:
        return QString::fromUtf8(SqliteRules::textOf(view()));
    case Type::Text:
    case Type::Blob:
        return QString::fromUtf8(m_bytes);
    }
    return {};
}

QVariant Value::toVariant() const
{
    switch (m_type) {
    case Type::Null:
        return {};
    case Type::Integer:
        return QVariant::fromValue(m_int);
    case Type::Real:
        return m_real;
    case Type::Text:
        return QString::fromUtf8(m_bytes);
    case Type::Blob:
        return m_bytes;
    }
    return {};
}

CellView Value::view() const
{
    CellView v;
    v.type = m_type;
    v.i = m_int;
    v.r = m_real;
    // QByteArray keeps a NUL after its data, as the matcher needs.
    v.p = m_bytes.constData();
    v.n = m_bytes.size();
    return v;
}

bool Value::operator==(const Value& other) const
{
    if (m_type != other.m_type)
        return false;
    switch (m_type) {
    case Type::Null:
        return true;
    case Type::Integer:
        return m_int == other.m_int;
    case Type::Real:
        return m_real == other.m_real;
    default:
        return m_bytes == other.m_bytes;
    }
}

} // namespace kelvora
