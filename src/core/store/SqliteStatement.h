#pragma once

#include "core/store/Value.h"

#include <QByteArray>

struct sqlite3;
struct sqlite3_stmt;

namespace kelvora {

// One prepared statement on the connection's handle. Values go in as bound
// parameters only; a failure throws KelvoraError with SQLite's message.
class SqliteStatement
{
public:
    SqliteStatement(sqlite3* db, const QByteArray& sql);
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // Parameters count from 1, as in SQLite.
    void bind(int index, const Value& value);
    // True while a row is there; false when done.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    void reset();

    int columnCount() const;
    // For loops that read many columns straight from the C API.
    sqlite3_stmt* handle() const { return m_stmt; }
    CellView column(int index) const;
    Value value(int index) const { return Value::fromView(column(index)); }

    // SQLite's message for the last failure on the connection.
    static QString errorText(sqlite3* db);

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace kelvora
