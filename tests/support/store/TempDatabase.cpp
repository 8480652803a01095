#include "support/store/TempDatabase.h"

#include "core/store/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUuid>

#include <stdexcept>

namespace kelvora::test {

namespace {

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QList<Value>& binds)
{
    QSqlQuery query(db);
    if (!query.prepare(sql))
        throw std::runtime_error(("prepare failed: " + sql + ": " + query.lastError().text()).toStdString());
    for (const Value& v : binds)
        query.addBindValue(TempDatabase::toVariant(v));
    if (!query.exec())
        throw std::runtime_error(("exec failed: " + sql + ": " + query.lastError().text()).toStdString());
    return query;
}

Value fromVariant(const QVariant& v)
{
    if (v.isNull())
        return {};
    switch (v.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
        return Value::integer(v.toLongLong());
    case QMetaType::Double:
        return Value::real(v.toDouble());
    case QMetaType::QByteArray:
        return Value::blob(v.toByteArray());
    default:
        return Value::text(v.toString());
    }
}

} // namespace

TempDatabase::TempDatabase()
    : m_path(m_dir.filePath(QStringLiteral("Kelvora.db"))),
      m_connection(QStringLiteral("side-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

TempDatabase::~TempDatabase()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

std::unique_ptr<Database> TempDatabase::open() const
{
    return std::make_unique<Database>(m_path);
}

std::unique_ptr<Database> TempDatabase::openWith(const QString& sql, const QList<Value>& binds) const
{
    open();
    exec(sql, binds);
    return open();
}

QSqlDatabase TempDatabase::side() const
{
    if (QSqlDatabase::contains(m_connection))
        return QSqlDatabase::database(m_connection);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!db.open())
        throw std::runtime_error(db.lastError().text().toStdString());
    return db;
}

QVariant TempDatabase::toVariant(const Value& value)
{
    switch (value.type()) {
    case Value::Type::Null:
        return {};
    case Value::Type::Integer:
        return QVariant::fromValue(value.toInteger());
    case Value::Type::Real:
        return value.toReal();
    case Value::Type::Text: {
        // A null QString would be bound as NULL: the empty text must stay a text.
        const QString text = value.toString();
        return text.isNull() ? QVariant(QString::fromLatin1("")) : QVariant(text);
    }
    case Value::Type::Blob:
        return value.bytes().isNull() ? QVariant(QByteArray("")) : QVariant(value.bytes());
    }
    return {};
}

void TempDatabase::exec(const QString& sql, const QList<Value>& binds) const
{
    run(side(), sql, binds);
}

QList<Value> TempDatabase::column(const QString& sql, const QList<Value>& binds) const
{
    QSqlQuery query = run(side(), sql, binds);
    QList<Value> values;
    while (query.next())
        values << fromVariant(query.value(0));
    return values;
}

Value TempDatabase::scalar(const QString& sql, const QList<Value>& binds) const
{
    const QList<Value> values = column(sql, binds);
    return values.isEmpty() ? Value() : values.first();
}

} // namespace kelvora::test
