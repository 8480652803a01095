#include "FuzzChecks.h"
#include "FuzzInput.h"

#include "core/store/Database.h"
#include "core/store/Schema.h"
#include "core/store/Selection.h"
#include "core/store/SqliteStatement.h"
#include "core/store/View.h"

#include <QFile>

#include <sqlite3.h>

#include <cmath>
#include <memory>
#include <set>

namespace kelvora::fuzz {

namespace {

// An Expense table as another program may have declared it: other types and
// the NOCASE and RTRIM collations, which the in-memory filter must follow.
const char* kForeignExpense =
    "CREATE TABLE Expense (Ref INTEGER PRIMARY KEY, Date DATETIME, Bus TEXT COLLATE NOCASE, Expense, "
    "Supplier NUMERIC, Invoice VARCHAR(20) COLLATE RTRIM, Bank INT, Cat CHAR(12) COLLATE NOCASE, Code BLOB, "
    "F1 FLOAT, F2 DOUBLE, F3 DECIMAL(10,2), F4 BOOLEAN, F5, F6, F7, Notes CLOB, Office REAL, Other, PaidBy, "
    "Period, Phone, Tag CHAR(1) COLLATE NOCASE, Tax NUMBER, Year INTEGER)";

std::unique_ptr<Database> openFile(bool foreign)
{
    const QString path = scratchFile(foreign ? QStringLiteral("foreign.db") : QStringLiteral("ours.db"));
    if (foreign && !QFile::exists(path)) {
        sqlite3* handle = nullptr;
        sqlite3_open(path.toUtf8().constData(), &handle);
        QByteArray sql = QByteArray(kForeignExpense) + ";";
        for (TableId id : {TableId::Names, TableId::Income, TableId::Diary})
            sql += Schema::createStatement(id).toUtf8() + ";";
        if (sqlite3_exec(handle, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            failed("selection_filter", QString::fromUtf8(sqlite3_errmsg(handle)));
        sqlite3_close(handle);
    }
    auto db = std::make_unique<Database>(path);
    // Each input rewrites the table; nothing here needs to reach the disk.
    SqliteStatement(db->handle(), "PRAGMA synchronous=OFF").run();
    return db;
}

Database& database(bool foreign)
{
    static std::unique_ptr<Database> ours = openFile(false);
    static std::unique_ptr<Database> theirs = openFile(true);
    return foreign ? *theirs : *ours;
}

Value fuzzValue(FuzzInput& in)
{
    switch (in.choose(7)) {
    case 0:
        return Value();
    case 1:
        return Value::integer(in.raw<qint64>());
    case 2: {
        // SQLite keeps no NaN (it binds as NULL), so neither can a file.
        const double d = in.raw<double>();
        return Value::real(std::isnan(d) ? 0.0 : d);
    }
    case 3:
        return Value::integer(in.choose(256) - 128);
    case 4:
        return Value::blob(in.part());
    case 5:
        return Value::real((in.choose(256) - 128) / 4.0);
    default:
        return Value::text(in.textPart());
    }
}

QString fieldName(const TableDef& table, FuzzInput& in)
{
    return table.fieldName(in.choose(table.fieldCount()));
}

Selection fuzzLeaf(const TableDef& table, FuzzInput& in)
{
    const QString field = fieldName(table, in);
    switch (in.choose(7)) {
    case 0:
        // What a selection bar makes of the text typed into its filter box.
        return Selection::contains(field, in.textPart());
    case 1:
        return Selection::like(field, fuzzValue(in));
    case 2:
        return Selection::isNull(field);
    case 3:
        return Selection::isNotNull(field);
    case 4: {
        const Value low = fuzzValue(in);
        return Selection::between(field, low, fuzzValue(in));
    }
    default:
        return Selection::compare(field, Selection::Comparison(in.choose(6)), fuzzValue(in));
    }
}

Selection fuzzSelection(const TableDef& table, FuzzInput& in, int depth)
{
    if (depth == 0)
        return fuzzLeaf(table, in);
    switch (in.choose(4)) {
    case 0:
        return fuzzSelection(table, in, depth - 1) && fuzzSelection(table, in, depth - 1);
    case 1:
        return fuzzSelection(table, in, depth - 1) || fuzzSelection(table, in, depth - 1);
    case 2:
        return !fuzzSelection(table, in, depth - 1);
    default:
        return fuzzLeaf(table, in);
    }
}

} // namespace

// Records of any kind and a selection over them: the view evaluates it in
// memory and must find exactly the records SQLite finds with its statement.
void checkSelectionFilter(const QByteArray& input)
{
    FuzzInput in(input);
    Database& db = database(in.choose(2) == 1);
    const TableDef& table = Schema::table(TableId::Expense);
    const int fields = table.fieldCount();

    SqliteStatement(db.handle(), "DELETE FROM Expense").run();
    const int rows = 1 + in.choose(6);
    QByteArray columns = "Ref";
    QByteArray marks = "?";
    for (int f = 1; f < fields; ++f) {
        columns += ", \"" + QByteArray(table.fields[size_t(f)].name) + '"';
        marks += ", ?";
    }
    for (int r = 0; r < rows; ++r) {
        std::vector<Value> values(static_cast<size_t>(fields));
        values[0] = Value::integer(r + 1);
        for (int n = in.choose(5); n > 0; --n)
            values[size_t(1 + in.choose(fields - 1))] = fuzzValue(in);
        SqliteStatement insert(db.handle(), "INSERT INTO Expense (" + columns + ") VALUES (" + marks + ")");
        for (int f = 0; f < fields; ++f)
            insert.bind(f + 1, values[size_t(f)]);
        insert.run();
    }
    db.reload(TableId::Expense);

    const Selection selection = fuzzSelection(table, in, 2);
    View view(db, TableId::Expense);
    view.setSelection(selection);
    std::set<qint64> inMemory;
    for (int r = 0; r < view.rowCount(); ++r)
        inMemory.insert(view.recordId(r));

    const SqlStatement where = selection.whereSql(table);
    SqliteStatement query(db.handle(), ("SELECT rowid FROM Expense" +
                                        (where.text.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where.text))
                                           .toUtf8());
    for (int i = 0; i < where.binds.size(); ++i)
        query.bind(i + 1, where.binds[i]);
    std::set<qint64> bySqlite;
    while (query.step())
        bySqlite.insert(query.column(0).i);

    if (inMemory != bySqlite) {
        QStringList differ;
        for (qint64 id : inMemory)
            if (!bySqlite.count(id))
                differ << QStringLiteral("+%1").arg(id);
        for (qint64 id : bySqlite)
            if (!inMemory.count(id))
                differ << QStringLiteral("-%1").arg(id);
        failed("selection_filter", where.text + QStringLiteral(": ") + differ.join(QLatin1Char(' ')));
    }
}

} // namespace kelvora::fuzz
