#include "core/store/Database.h"

#include "core/store/DatabaseRefused.h"
#include "core/store/SqliteStatement.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QtDebug>

#include <sqlite3.h>

#include <atomic>

namespace kelvora {

namespace {

std::atomic<int> connectionCounter{0};

// How long a write waits for another program that holds the file.
constexpr int kBusyTimeoutMs = 5000;

} // namespace

Database::Database(const QString& path) : m_path(path)
{
    m_connectionName = QStringLiteral("kelvora-db-%1").arg(++connectionCounter);
    try {
        openFile();
        checkTables();
        // Only a file that has been accepted is changed in any way.
        makeDurable();
    } catch (const DatabaseRefused&) {
        m_stores = {};
        m_handle = nullptr;
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw;
    }
}

Database::~Database()
{
    m_stores = {};
    m_handle = nullptr;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QSqlDatabase Database::connection() const
{
    return m_db;
}

void Database::exec(const QByteArray& sql)
{
    SqliteStatement(m_handle, sql).run();
}

void Database::openFile()
{
    const QFileInfo info(m_path);
    if (info.exists() && !info.isFile())
        throw DatabaseRefused(QStringLiteral("%1 is not a database file.").arg(m_path));

    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    if (!m_db.isValid())
        throw DatabaseRefused(QStringLiteral("The SQLite driver of Qt (QSQLITE) is not installed."));
    m_db.setDatabaseName(m_path);
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs));
    if (!m_db.open()) {
        throw DatabaseRefused(
            QStringLiteral("The database %1 could not be opened: %2").arg(m_path, m_db.lastError().text()));
    }
    const QVariant handle = m_db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        throw DatabaseRefused(QStringLiteral("The database %1 gave no SQLite connection.").arg(m_path));
    m_handle = *static_cast<sqlite3* const*>(handle.constData());

    try {
        // The first read of the schema is where a file that is no database shows.
        qint64 tableCount = 0;
        {
            SqliteStatement tables(m_handle, "SELECT count(*) FROM sqlite_master WHERE type = 'table'");
            tables.step();
            tableCount = tables.column(0).i;
        }
        // A file without any table is one whose making never finished (or an
        // empty file): it gets the four tables, as a missing file does.
        if (tableCount == 0)
            createTables();
    } catch (const DatabaseRefused&) {
        throw;
    } catch (const KelvoraError& e) {
        throw DatabaseRefused(
            QStringLiteral("The database %1 could not be read: %2").arg(m_path, e.message()));
    }
}

void Database::makeDurable()
{
    try {
        SqliteStatement(m_handle, "PRAGMA journal_mode=WAL").run();
    } catch (const KelvoraError& e) {
        // A file that cannot change its journal (read-only media) still opens;
        // the rollback journal with synchronous=FULL keeps posts durable too.
        qWarning("kelvora: %s stays in its journal mode: %s", qPrintable(m_path), qPrintable(e.message()));
    }
    try {
        exec("PRAGMA synchronous=FULL");
    } catch (const KelvoraError& e) {
        throw DatabaseRefused(QStringLiteral("The database %1 could not be read: %2").arg(m_path, e.message()));
    }
}

void Database::createTables()
{
    exec("BEGIN IMMEDIATE");
    try {
        for (TableId id : Schema::tables())
            exec(Schema::createStatement(id).toUtf8());
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    m_created = true;
}

void Database::checkTables()
{
    for (TableId id : Schema::tables()) {
        const TableDef& def = Schema::table(id);
        const QByteArray tableName(def.name);
        {
            SqliteStatement exists(
                m_handle, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE");
            exists.bind(1, Value::textUtf8(tableName));
            if (!exists.step())
                throw DatabaseRefused(
                    QStringLiteral("The database %1 has no table %2.").arg(m_path, def.tableName()));
        }
        try {
            SqliteStatement(m_handle, "SELECT rowid FROM \"" + tableName + "\" LIMIT 0");
        } catch (const KelvoraError&) {
            throw DatabaseRefused(
                QStringLiteral("The table %2 of the database %1 has no rowid.").arg(m_path, def.tableName()));
        }
        bool singleKey = false;
        {
            SqliteStatement keys(m_handle, "SELECT count(*) FROM pragma_table_info(?) WHERE pk > 0");
            keys.bind(1, Value::textUtf8(tableName));
            keys.step();
            singleKey = keys.column(0).i == 1;
        }

        std::vector<TableStore::Column> columns;
        int rowidAlias = -1;
        for (int f = 0; f < def.fieldCount(); ++f) {
            const char* declared = nullptr;
            const char* collation = nullptr;
            int notNull = 0;
            int primaryKey = 0;
            int autoIncrement = 0;
            const QByteArray fieldName(def.fields[size_t(f)].name);
            if (sqlite3_table_column_metadata(m_handle, "main", tableName.constData(), fieldName.constData(),
                                              &declared, &collation, &notNull, &primaryKey,
                                              &autoIncrement) != SQLITE_OK) {
                throw DatabaseRefused(QStringLiteral("The table %2 of the database %1 has no field %3.")
                                          .arg(m_path, def.tableName(), def.fieldName(f)));
            }
            const QString type = QString::fromUtf8(declared ? declared : "");
            columns.push_back(
                {SqliteRules::affinityOf(type), SqliteRules::collationOf(QString::fromUtf8(collation))});
            if (primaryKey && singleKey && type.compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0)
                rowidAlias = f;
        }
        m_stores[size_t(id)] = std::make_unique<TableStore>(def, std::move(columns), rowidAlias);
    }
}

TableStore& Database::store(TableId table)
{
    TableStore& s = *m_stores[size_t(table)];
    if (!m_loaded[size_t(table)]) {
        s.load(m_handle);
        m_loaded[size_t(table)] = true;
    }
    return s;
}

void Database::reload(TableId table)
{
    m_stores[size_t(table)]->load(m_handle);
    m_loaded[size_t(table)] = true;
}

void Database::noteStoreChanged(TableId table)
{
    if (m_depth > 0)
        m_touched.back().insert(table);
}

int Database::beginTransaction()
{
    if (m_depth == 0)
        exec("BEGIN IMMEDIATE");
    else
        exec("SAVEPOINT kelvora_" + QByteArray::number(m_depth));
    ++m_depth;
    m_touched.emplace_back();
    return m_depth;
}

void Database::commitTransaction(int level)
{
    if (level != m_depth)
        throw KelvoraError(QStringLiteral("A transaction was committed while a later one was still open."));
    if (level == 1)
        exec("COMMIT");
    else
        exec("RELEASE kelvora_" + QByteArray::number(level - 1));
    std::set<TableId> touched = std::move(m_touched.back());
    m_touched.pop_back();
    --m_depth;
    if (m_depth > 0)
        m_touched.back().insert(touched.begin(), touched.end());
}

void Database::rollbackTransaction(int level) noexcept
{
    if (level != m_depth) {
        qWarning("kelvora: a transaction was rolled back while a later one was still open");
        return;
    }
    if (level == 1) {
        sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
    } else {
        const QByteArray name = "kelvora_" + QByteArray::number(level - 1);
        sqlite3_exec(m_handle, ("ROLLBACK TO " + name).constData(), nullptr, nullptr, nullptr);
        sqlite3_exec(m_handle, ("RELEASE " + name).constData(), nullptr, nullptr, nullptr);
    }
    const std::set<TableId> touched = std::move(m_touched.back());
    m_touched.pop_back();
    --m_depth;
    // Views already showed what was undone: read those tables again.
    for (TableId t : touched) {
        if (!m_loaded[size_t(t)])
            continue;
        try {
            reload(t);
        } catch (const std::exception& e) {
            qWarning("kelvora: %s could not be read again after a rollback: %s", Schema::table(t).name,
                     e.what());
        }
    }
}

} // namespace kelvora
