#include "core/store/Database.h"
#include "core/store/DatabaseRefused.h"
#include "core/store/SqliteStatement.h"
#include "core/store/Transaction.h"
#include "core/store/View.h"
#include "support/store/TempDatabase.h"
#include "support/store/ThrownMessage.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QtTest>

using namespace kelvora;
using kelvora::test::TempDatabase;
using kelvora::test::thrownMessage;

namespace {

QStringList columnsOf(const TempDatabase& temp, const QString& table)
{
    QStringList names;
    for (const Value& v :
         temp.column(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {Value::text(table)}))
        names << v.toString();
    return names;
}

QString schemaText(const TempDatabase& temp)
{
    QStringList sql;
    for (const Value& v : temp.column(QStringLiteral("SELECT sql FROM sqlite_master ORDER BY name")))
        sql << v.toString();
    return sql.join(QLatin1Char('\n'));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void makeAllTablesBut(const TempDatabase& temp, TableId missingTable, const char* missingField)
{
    for (TableId id : Schema::tables()) {
        if (id == missingTable && !missingField)
            continue;
        const TableDef& def = Schema::table(id);
        QStringList columns;
        for (const QString& name : def.fieldNames()) {
            if (id != missingTable || name != QLatin1String(missingField))
                columns << name;
        }
        temp.exec(
            QStringLiteral("CREATE TABLE %1 (%2)").arg(def.tableName(), columns.join(QStringLiteral(", "))));
    }
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void missingFileGetsTheFourTables();
    void fileWithoutTablesGetsThemToo();
    void existingFileIsUsedAsItIs();
    void unusableFileIsRefused_data();
    void unusableFileIsRefused();
    void transactionCommitsOnlyWhenTold();
    void innerTransactionRollsBackItsOwnPart();
};

void TestDatabase::missingFileGetsTheFourTables()
{
    TempDatabase temp;
    QVERIFY(!QFile::exists(temp.path()));
    auto db = temp.open();
    QVERIFY(db->created());
    QVERIFY(QFile::exists(temp.path()));
    for (TableId id : Schema::tables()) {
        const TableDef& def = Schema::table(id);
        QCOMPARE(columnsOf(temp, def.tableName()), def.fieldNames());
        QCOMPARE(temp.scalar(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(def.tableName())).toInteger(),
                 0);
    }
    QCOMPARE(temp.scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QSqlQuery synchronous(db->connection());
    QVERIFY(synchronous.exec(QStringLiteral("PRAGMA synchronous")) && synchronous.next());
    QCOMPARE(synchronous.value(0).toInt(), 2); // FULL

    // The keys: Ref numbered by the file when missing, one diary record per date.
    temp.exec(QStringLiteral("INSERT INTO Expense (Bus) VALUES ('a')"));
    QCOMPARE(temp.scalar(QStringLiteral("SELECT Ref FROM Expense")).toInteger(), 1);
    temp.exec(QStringLiteral("INSERT INTO Diary (Date) VALUES ('2024-01-01')"));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             temp.exec(QStringLiteral("INSERT INTO Diary (Date) VALUES ('2024-01-01')")));
    QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                             temp.exec(QStringLiteral("INSERT INTO Names (Ref) VALUES (1), (1)")));

    db.reset();
    auto again = temp.open();
    QVERIFY(!again->created());
    QCOMPARE(View(*again, TableId::Expense).rowCount(), 1);
}

void TestDatabase::fileWithoutTablesGetsThemToo()
{
    // An empty file (or one whose making was cut short) holds nothing to lose.
    TempDatabase temp;
    writeFile(temp.path(), QByteArray());
    auto db = temp.open();
    QVERIFY(db->created());
    QCOMPARE(columnsOf(temp, QStringLiteral("Diary")), (QStringList{"Date", "Day", "Tag"}));
}

void TestDatabase::existingFileIsUsedAsItIs()
{
    TempDatabase temp;
    makeAllTablesBut(temp, TableId::Names, nullptr);
    temp.exec(QStringLiteral("CREATE TABLE Names (Extra TEXT DEFAULT 'kept', %1)")
                  .arg(Schema::table(TableId::Names).fieldNames().join(QStringLiteral(", "))));
    temp.exec(QStringLiteral("CREATE TABLE Mine (x)"));
    temp.exec(QStringLiteral("INSERT INTO Names (Ref, Surname) VALUES (7, 'Smith')"));
    const QString before = schemaText(temp);
    auto db = temp.open();
    QVERIFY(!db->created());
    View names(*db, TableId::Names);
    QCOMPARE(names.asText(u"Surname"), QStringLiteral("Smith"));
    names.append();
    names.setField(u"Ref", Value::integer(8));
    names.post();
    QCOMPARE(schemaText(temp), before);
    QCOMPARE(temp.scalar(QStringLiteral("SELECT Extra FROM Names WHERE Ref = 8")).toString(),
             QStringLiteral("kept"));
}

void TestDatabase::unusableFileIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("text file") << QStringLiteral("text")
                               << QStringLiteral("The database %1 could not be read: file is not a database");
    QTest::newRow("missing table") << QStringLiteral("no Income")
                                   << QStringLiteral("The database %1 has no table Income.");
    QTest::newRow("missing field") << QStringLiteral("no Tag")
                                   << QStringLiteral(
                                          "The table Expense of the database %1 has no field Tag.");
    QTest::newRow("a folder") << QStringLiteral("folder") << QStringLiteral("%1 is not a database file.");
    QTest::newRow("folder missing")
        << QStringLiteral("no folder")
        << QStringLiteral("The database %1 could not be opened: unable to open database file");
}

void TestDatabase::unusableFileIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    TempDatabase temp;
    QString path = temp.path();
    if (kind == QLatin1String("text"))
        writeFile(path, "Surname,FirstName\r\nSmith,John\r\n");
    else if (kind == QLatin1String("no Income"))
        makeAllTablesBut(temp, TableId::Income, nullptr);
    else if (kind == QLatin1String("no Tag"))
        makeAllTablesBut(temp, TableId::Expense, "Tag");
    else if (kind == QLatin1String("folder"))
        QVERIFY(QDir(temp.dir()).mkdir(QStringLiteral("Kelvora.db")));
    else
        path = temp.dir() + QStringLiteral("/gone/Kelvora.db");
    const QByteArray before = QFile::exists(path) && QFileInfo(path).isFile() ? [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }() : QByteArray();
    const QString refusal = thrownMessage<DatabaseRefused>([&] { Database db(path); });
    QVERIFY2(refusal.startsWith(message.arg(path)), qPrintable(refusal));
    if (kind == QLatin1String("text")) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
    }
    // Nothing of the refused connection is left behind.
    for (const QString& name : QSqlDatabase::connectionNames())
        QVERIFY(!name.startsWith(QLatin1String("kelvora-db-")));
}

void TestDatabase::transactionCommitsOnlyWhenTold()
{
    TempDatabase temp;
    auto db = temp.open();
    {
        Transaction t(*db);
        SqliteStatement(db->handle(), "INSERT INTO Diary (Date) VALUES ('2024-01-01')").run();
    }
    QCOMPARE(temp.scalar(QStringLiteral("SELECT count(*) FROM Diary")).toInteger(), 0);
    {
        Transaction t(*db);
        SqliteStatement(db->handle(), "INSERT INTO Diary (Date) VALUES ('2024-01-02')").run();
        t.commit();
    }
    QCOMPARE(temp.scalar(QStringLiteral("SELECT count(*) FROM Diary")).toInteger(), 1);
    QVERIFY(!db->inTransaction());
}

void TestDatabase::innerTransactionRollsBackItsOwnPart()
{
    TempDatabase temp;
    auto db = temp.open();
    {
        Transaction outer(*db);
        SqliteStatement(db->handle(), "INSERT INTO Diary (Date) VALUES ('2024-01-01')").run();
        {
            Transaction inner(*db);
            SqliteStatement(db->handle(), "INSERT INTO Diary (Date) VALUES ('2024-01-02')").run();
        }
        {
            Transaction inner(*db);
            SqliteStatement(db->handle(), "INSERT INTO Diary (Date) VALUES ('2024-01-03')").run();
            inner.commit();
        }
        outer.commit();
    }
    QCOMPARE(temp.column(QStringLiteral("SELECT Date FROM Diary ORDER BY Date")).size(), 2);
    QCOMPARE(temp.scalar(QStringLiteral("SELECT count(*) FROM Diary WHERE Date = '2024-01-02'")).toInteger(),
             0);
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_Database.moc"
