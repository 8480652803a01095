#pragma once

#include "core/store/Schema.h"
#include "core/store/TableStore.h"

#include <QSqlDatabase>
#include <QString>

#include <array>
#include <memory>
#include <set>
#include <vector>

struct sqlite3;

namespace kelvora {

// The connection to Kelvora.db and the four tables held in memory.
//
// A missing file (or one without any table yet) gets the four empty tables. An
// existing file is used as it is, never altered; one that cannot be opened, is
// not a database, or lacks a table or a field throws DatabaseRefused. The file
// runs in WAL mode with synchronous=FULL, so a committed post survives the
// program being killed, and waits on a busy file for a while before failing.
class Database
{
public:
    explicit Database(const QString& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString path() const { return m_path; }
    QString connectionName() const { return m_connectionName; }
    QSqlDatabase connection() const;
    // The SQLite handle of the connection (online backup, the store's reads).
    sqlite3* handle() const { return m_handle; }
    // True when the file was made by this open.
    bool created() const { return m_created; }

    // The table in memory, read from the file at the first call.
    TableStore& store(TableId table);
    bool isLoaded(TableId table) const { return m_loaded[size_t(table)]; }
    // Reads the table again; every view over it follows.
    void reload(TableId table);

    bool inTransaction() const { return m_depth > 0; }
    // A view changed a table in memory inside an enclosing transaction: if that
    // one rolls back, the table is read again so memory matches the file.
    void noteStoreChanged(TableId table);

private:
    friend class Transaction;
    int beginTransaction();
    void commitTransaction(int level);
    void rollbackTransaction(int level) noexcept;

    void openFile();
    void createTables();
    void makeDurable();
    void checkTables();
    void exec(const QByteArray& sql);

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_db;
    sqlite3* m_handle = nullptr;
    bool m_created = false;
    std::array<std::unique_ptr<TableStore>, 4> m_stores;
    std::array<bool, 4> m_loaded{};
    int m_depth = 0;
    std::vector<std::set<TableId>> m_touched;
};

} // namespace kelvora
