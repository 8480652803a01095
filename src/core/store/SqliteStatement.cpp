#include "core/store/SqliteStatement.h"

#include "core/base/KelvoraError.h"

#include <sqlite3.h>

namespace kelvora {

SqliteStatement::SqliteStatement(sqlite3* db, const QByteArray& sql) : m_db(db)
{
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &m_stmt, nullptr) != SQLITE_OK) {
        const QString message = errorText(db);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        throw KelvoraError(message);
    }
}

SqliteStatement::~SqliteStatement()
{
    sqlite3_finalize(m_stmt);
}

void SqliteStatement::bind(int index, const Value& value)
{
    int rc = SQLITE_OK;
    switch (value.type()) {
    case Value::Type::Null:
        rc = sqlite3_bind_null(m_stmt, index);
        break;
    case Value::Type::Integer:
        rc = sqlite3_bind_int64(m_stmt, index, value.toInteger());
        break;
    case Value::Type::Real:
        rc = sqlite3_bind_double(m_stmt, index, value.toReal());
        break;
    case Value::Type::Text:
        rc = sqlite3_bind_text64(m_stmt, index, value.bytes().constData(),
                                 sqlite3_uint64(value.bytes().size()), SQLITE_TRANSIENT, SQLITE_UTF8);
        break;
    case Value::Type::Blob:
        rc = sqlite3_bind_blob64(m_stmt, index, value.bytes().constData(),
                                 sqlite3_uint64(value.bytes().size()), SQLITE_TRANSIENT);
        break;
    }
    if (rc != SQLITE_OK)
        throw KelvoraError(errorText(m_db));
}

bool SqliteStatement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    const QString message = errorText(m_db);
    sqlite3_reset(m_stmt);
    throw KelvoraError(message);
}

void SqliteStatement::run()
{
    while (step()) {
    }
}

void SqliteStatement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int SqliteStatement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

CellView SqliteStatement::column(int index) const
{
    CellView v;
    switch (sqlite3_column_type(m_stmt, index)) {
    case SQLITE_INTEGER:
        v.type = CellView::Type::Integer;
        v.i = sqlite3_column_int64(m_stmt, index);
        break;
    case SQLITE_FLOAT:
        v.type = CellView::Type::Real;
        v.r = sqlite3_column_double(m_stmt, index);
        break;
    case SQLITE_TEXT:
        v.type = CellView::Type::Text;
        v.p = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
        v.n = sqlite3_column_bytes(m_stmt, index);
        if (!v.p)
            v.p = "";
        break;
    case SQLITE_BLOB:
        v.type = CellView::Type::Blob;
        v.p = static_cast<const char*>(sqlite3_column_blob(m_stmt, index));
        v.n = sqlite3_column_bytes(m_stmt, index);
        if (!v.p)
            v.p = "";
        break;
    default:
        break;
    }
    return v;
}

QString SqliteStatement::errorText(sqlite3* db)
{
    return QString::fromUtf8(sqlite3_errmsg(db));
}

} // namespace kelvora
