#include "core/store/Database.h"
#include "core/store/Selection.h"
#include "core/store/UnknownField.h"
#include "core/store/View.h"
#include "support/store/TempDatabase.h"
#include "support/store/ThrownMessage.h"

#include <QRandomGenerator>
#include <QtTest>

#include <set>

using namespace kelvora;
using kelvora::test::TempDatabase;
using kelvora::test::thrownMessage;

namespace {

using Cmp = Selection::Comparison;

// Values chosen to reach SQLite's corner cases: NULL beside 0 and "", letters in
// both cases, non-ASCII letters (whose case LIKE does not fold), numbers kept
// as text, texts that look like numbers, text in number fields, dates with and
// without a time part, and the wildcard characters themselves.
const QList<Value>& dataPool()
{
    static const QList<Value> pool = {
        Value(),
        Value::text(QString()),
        Value::text(QStringLiteral("abc")),
        Value::text(QStringLiteral("ABC")),
        Value::text(QStringLiteral("Abc%")),
        Value::text(QStringLiteral("a_c")),
        Value::text(QStringLiteral("é")),
        Value::text(QStringLiteral("É")),
        Value::text(QStringLiteral("Ärger über")),
        Value::text(QStringLiteral("日本")),
        Value::text(QStringLiteral("123")),
        Value::text(QStringLiteral("12.5")),
        Value::text(QStringLiteral(" 7 ")),
        Value::text(QStringLiteral("0")),
        Value::text(QStringLiteral("-3")),
        Value::text(QStringLiteral("1e3")),
        Value::text(QStringLiteral("zz")),
        Value::text(QStringLiteral("150.0")),
        Value::text(QStringLiteral("2024-01-05")),
        Value::text(QStringLiteral("2024-01-05 10:00:00")),
        Value::text(QStringLiteral("2023-12-31")),
        Value::integer(0),
        Value::integer(12),
        Value::integer(-3),
        Value::integer(150),
        Value::integer(20240105),
        Value::real(1.5),
        Value::real(12.5),
        Value::real(150.0),
        Value::real(-0.25),
        Value::real(1e20),
        Value::real(0.1),
    };
    return pool;
}

const QList<Value>& constantPool()
{
    static const QList<Value> pool = [] {
        QList<Value> p = dataPool();
        for (const char* pattern : {"%", "_", "a%", "%b%", "%c", "A_C", "%É%", "%é%", "1%", "%.5", "%.0",
                                    "1_0%", "%2024-01%", "abc ", "__", "%z", "1.0e+20", "0.1", "ABC%"})
            p << Value::text(QString::fromUtf8(pattern));
        p << Value::blob(QByteArrayLiteral("abc")) << Value::real(-0.0) << Value::integer(9007199254740993LL);
        return p;
    }();
    return pool;
}

const QStringList kFields = {QStringLiteral("Ref"),     QStringLiteral("Date"),     QStringLiteral("Bus"),
                             QStringLiteral("Expense"), QStringLiteral("Supplier"), QStringLiteral("Invoice"),
                             QStringLiteral("Bank"),    QStringLiteral("F1"),       QStringLiteral("Notes"),
                             QStringLiteral("Tag")};

// The table of an older file declared in other ways: no types, NUMERIC, INT,
// and texts compared with NOCASE and RTRIM.
const char* kForeignExpense =
    "CREATE TABLE Expense (Ref INTEGER PRIMARY KEY, Date TEXT, Bus TEXT COLLATE NOCASE, Expense, "
    "Supplier NUMERIC, Invoice VARCHAR(20) COLLATE RTRIM, Bank INT, Cat, Code, F1 FLOAT, F2, F3, F4, F5, F6, "
    "F7, "
    "Notes CLOB, Office, Other, PaidBy, Period, Phone, Tag CHAR(1) COLLATE NOCASE, Tax, Year)";

void createForeignFile(const TempDatabase& temp)
{
    temp.exec(QString::fromLatin1(kForeignExpense));
    temp.exec(QStringLiteral(
        "CREATE TABLE Names (Ref INTEGER PRIMARY KEY, Surname, FirstName, Company, EntryDate, "
        "ABN, AccountNo, Cat, Children, Code, DOB, Email, TaxExempt, Fax, Grp, Haddress, Hcity, "
        "Hours, Hphone, Hstate, Hsuburb, Hzip, ID, Mobile, N1, N2, N3, Notes, PaidDate, PaidWay, "
        "Taxable, Pix, Service, Spouse, Tag, Tax, Title, Waddress, Wcity, Web, Wphone, Wstate, "
        "Wsuburb, Wzip)"));
    temp.exec(
        QStringLiteral("CREATE TABLE Income (Ref INTEGER PRIMARY KEY, Date, Bus, Incom, Sourc, ABN, Bank, "
                       "Cat, Code, F1, F2, F3, F4, F5, Interest, Notes, OrderDate, OrderNo, PaidBy, Period, "
                       "Sales, Tag, Tax, Year)"));
    temp.exec(QStringLiteral("CREATE TABLE Diary (Date UNIQUE, Day, Tag)"));
}

void fillExpense(const TempDatabase& temp, QRandomGenerator& random, int rows)
{
    const QList<Value>& pool = dataPool();
    for (int i = 1; i <= rows; ++i) {
        QList<Value> binds;
        binds << Value::integer(i);
        for (int f = 1; f < kFields.size(); ++f)
            binds << pool[int(random.bounded(pool.size()))];
        temp.exec(QStringLiteral("INSERT INTO Expense (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                      .arg(kFields.join(QStringLiteral(", "))),
                  binds);
    }
}

Selection randomLeaf(QRandomGenerator& random)
{
    const QString field = kFields[int(random.bounded(kFields.size()))];
    const QList<Value>& pool = constantPool();
    const Value a = pool[int(random.bounded(pool.size()))];
    switch (random.bounded(10)) {
    case 0:
    case 1:
    case 2:
        return Selection::like(field, a);
    case 3:
        return Selection::isNull(field);
    case 4:
        return Selection::isNotNull(field);
    case 5:
        return Selection::between(field, a, pool[int(random.bounded(pool.size()))]);
    default:
        return Selection::compare(field, Cmp(random.bounded(6)), a);
    }
}

Selection randomSelection(QRandomGenerator& random, int depth)
{
    if (depth == 0 || random.bounded(3) == 0)
        return randomLeaf(random);
    switch (random.bounded(3)) {
    case 0:
        return randomSelection(random, depth - 1) && randomSelection(random, depth - 1);
    case 1:
        return randomSelection(random, depth - 1) || randomSelection(random, depth - 1);
    default:
        return !randomSelection(random, depth - 1);
    }
}

QString describe(const SqlStatement& s)
{
    QStringList binds;
    for (const Value& v : s.binds)
        binds << QStringLiteral("%1:%2").arg(int(v.type())).arg(v.toString());
    return s.text + QStringLiteral("  [") + binds.join(QStringLiteral(", ")) + QLatin1Char(']');
}

} // namespace

class TestSelection : public QObject
{
    Q_OBJECT

private slots:
    void inMemoryMatchesSqlite_data();
    void inMemoryMatchesSqlite();
    void rendersBoundStatement();
    void unknownFieldIsRefused();
    void refusedSelectionKeepsThePreviousOne();
    void containsConditionOfTheSelectionBars();
};

void TestSelection::inMemoryMatchesSqlite_data()
{
    QTest::addColumn<bool>("foreignFile");
    QTest::addColumn<quint32>("seed");
    QTest::newRow("file made by the program") << false << 20240105u;
    QTest::newRow("older file with other declared types") << true << 19991231u;
}

void TestSelection::inMemoryMatchesSqlite()
{
    QFETCH(bool, foreignFile);
    QFETCH(quint32, seed);
    TempDatabase temp;
    if (foreignFile)
        createForeignFile(temp);
    else
        temp.open(); // the program makes the file
    QRandomGenerator random(seed);
    fillExpense(temp, random, 60);

    auto db = temp.open();
    View view(*db, TableId::Expense);
    const TableDef& table = view.table();
    for (int i = 0; i < 300; ++i) {
        const Selection selection = randomSelection(random, 3);
        view.setSelection(selection);
        std::set<qint64> inMemory;
        for (int r = 0; r < view.rowCount(); ++r)
            inMemory.insert(view.recordId(r));

        const SqlStatement where = selection.whereSql(table);
        QString sql = QStringLiteral("SELECT rowid FROM Expense");
        if (!where.text.isEmpty())
            sql += QStringLiteral(" WHERE ") + where.text;
        std::set<qint64> bySqlite;
        for (const Value& v : temp.column(sql, where.binds))
            bySqlite.insert(v.toInteger());

        if (inMemory != bySqlite) {
            QStringList only;
            for (qint64 id : inMemory)
                if (!bySqlite.count(id))
                    only << QStringLiteral("+%1").arg(id);
            for (qint64 id : bySqlite)
                if (!inMemory.count(id))
                    only << QStringLiteral("-%1").arg(id);
            QFAIL(qPrintable(QStringLiteral("selection %1 differs (%2): %3")
                                 .arg(i)
                                 .arg(only.join(QLatin1Char(' ')), describe(selection.toSql(table)))));
        }
    }
}

void TestSelection::rendersBoundStatement()
{
    const TableDef& expense = Schema::table(TableId::Expense);
    const Selection s = (Selection::contains(QStringLiteral("bus"), QStringLiteral("a\"b'c")) &&
                         !Selection::isNull(QStringLiteral("Tag"))) ||
                        Selection::between(QStringLiteral("Date"), Value::text(QStringLiteral("2024-01-01")),
                                           Value::text(QStringLiteral("2024-12-31")));
    const SqlStatement sql = s.toSql(expense);
    QCOMPARE(sql.text,
             QStringLiteral("SELECT * FROM \"Expense\" WHERE ((\"Bus\" LIKE ?) AND (NOT (\"Tag\" IS NULL))) "
                            "OR (\"Date\" BETWEEN ? AND ?)"));
    QCOMPARE(sql.binds.size(), 3);
    QCOMPARE(sql.binds[0].toString(), QStringLiteral("%a\"b'c%"));
    QCOMPARE(Selection().toSql(expense).text, QStringLiteral("SELECT * FROM \"Expense\""));
}

void TestSelection::unknownFieldIsRefused()
{
    const TableDef& income = Schema::table(TableId::Income);
    QCOMPARE(thrownMessage<UnknownField>(
                 [&] { Selection::contains(QStringLiteral("Supplier"), QStringLiteral("x")).toSql(income); }),
             QStringLiteral("Income has no field Supplier."));
    // A name that would smuggle SQL in is just an unknown field.
    QVERIFY_THROWS_EXCEPTION(UnknownField, Selection::isNull(QStringLiteral("Bank) OR (1=1")).toSql(income));
}

void TestSelection::refusedSelectionKeepsThePreviousOne()
{
    TempDatabase temp;
    auto db = temp.open();
    temp.exec(
        QStringLiteral("INSERT INTO Expense (Ref, Bus) VALUES (1, 'FARM'), (2, 'HOME'), (3, 'farmhouse')"));
    View view(*db, TableId::Expense);
    view.setSelection(Selection::contains(QStringLiteral("Bus"), QStringLiteral("farm")));
    QCOMPARE(view.rowCount(), 2);
    QVERIFY_THROWS_EXCEPTION(UnknownField,
                             view.setSelection(Selection::contains(QStringLiteral("All"), QString())));
    QCOMPARE(view.rowCount(), 2);
    QCOMPARE(view.selection().toSql(view.table()).binds.value(0).toString(), QStringLiteral("%farm%"));
}

void TestSelection::containsConditionOfTheSelectionBars()
{
    // Tag "y" finds y and Y but not X; an empty filter finds every non-NULL value.
    TempDatabase temp;
    auto db = temp.open();
    temp.exec(
        QStringLiteral("INSERT INTO Names (Ref, Tag, Surname) VALUES (1, 'y', 'Smith'), (2, 'Y', NULL), "
                       "(3, 'X', ''), (4, NULL, 'smithers'), (5, '', 'Brown')"));
    View names(*db, TableId::Names);
    names.setSelection(Selection::contains(QStringLiteral("Tag"), QStringLiteral("y")));
    QCOMPARE(names.rowCount(), 2);
    names.setSelection(Selection::contains(QStringLiteral("Surname"), QString()));
    QCOMPARE(names.rowCount(), 4);
    names.setSelection(Selection::contains(QStringLiteral("Surname"), QStringLiteral("SMI")));
    QCOMPARE(names.rowCount(), 2);
}

QTEST_GUILESS_MAIN(TestSelection)
#include "tst_Selection.moc"
