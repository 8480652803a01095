#pragma once

#include "core/store/Value.h"

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariant>

#include <memory>

namespace kelvora {
class Database;
}

namespace kelvora::test {

// A data folder of its own for one test, and a second, independent connection
// to its Kelvora.db: fixtures write rows the program did not write, and tests
// read back what the program wrote, without going through the store.
class TempDatabase
{
public:
    TempDatabase();
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    QString dir() const { return m_dir.path(); }
    QString path() const { return m_path; }
    // Opens the file the program's way (creating it when missing).
    std::unique_ptr<Database> open() const;
    // Creates the tables, runs one fixture statement on the side connection,
    // then opens the file the program's way.
    std::unique_ptr<Database> openWith(const QString& sql, const QList<Value>& binds = {}) const;

    // Runs one statement on the side connection; values are bound in order.
    void exec(const QString& sql, const QList<Value>& binds = {}) const;
    // The first column of every row of a query, as Values.
    QList<Value> column(const QString& sql, const QList<Value>& binds = {}) const;
    // The first column of the first row; NULL when there is no row.
    Value scalar(const QString& sql, const QList<Value>& binds = {}) const;

    static QVariant toVariant(const Value& value);

private:
    QSqlDatabase side() const;

    QTemporaryDir m_dir;
    QString m_path;
    QString m_connection;
};

} // namespace kelvora::test
