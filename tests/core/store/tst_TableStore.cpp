#include "core/store/Database.h"
#include "core/store/SqliteStatement.h"
#include "core/store/View.h"
#include "support/store/TempDatabase.h"

#include <QtTest>

using namespace kelvora;
using kelvora::test::TempDatabase;

Q_DECLARE_METATYPE(kelvora::Value)

namespace {

// Every value of one field, in rowid order, as the view reads it.
QList<Value> fieldValues(const View& view, const QString& field)
{
    QList<Value> values;
    const int f = view.fieldIndex(field);
    for (int r = 0; r < view.rowCount(); ++r)
        values << view.value(r, f);
    return values;
}

QByteArray describe(const QList<Value>& values)
{
    QByteArray out;
    for (const Value& v : values)
        out += QByteArray::number(int(v.type())) + ':' + v.toString().left(24).toUtf8() + ' ';
    return out;
}

} // namespace

class TestTableStore : public QObject
{
    Q_OBJECT

private slots:
    void valuesReadBackAsTheFileHoldsThem_data();
    void valuesReadBackAsTheFileHoldsThem();
    void changingASharedTextLeavesTheOtherRowsAlone();
    void replacedTextsAreCompactedAway();
    void recordsAreFoundByRowIdAfterRefsChangeOrder();
};

void TestTableStore::valuesReadBackAsTheFileHoldsThem_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QList<Value>>("values");

    // Reals held as whole cents until one is not, and those whose cents do not fit.
    QTest::newRow("amounts") << "Expense" << "Bank"
                             << QList<Value>{Value::real(12.34), Value::real(0.0), Value(), Value::real(-0.0),
                                             Value::real(21474836.47), Value::real(-21474836.47),
                                             Value::real(21474836.48), Value::real(0.1 + 0.2),
                                             Value::real(1e20), Value::real(-7.5)};
    QTest::newRow("whole cents only") << "Income" << "Tax"
                                      << QList<Value>{Value(), Value::real(0.01), Value::real(-99.99),
                                                      Value::real(100.0), Value()};
    // A number field holding a text that is no number keeps the text.
    QTest::newRow("text among amounts")
        << "Expense" << "Tax"
        << QList<Value>{Value::real(1.5), Value::text(QStringLiteral("n/a")), Value(), Value::real(2.25)};
    // A column without affinity keeps every storage class as it came.
    QTest::newRow("every class in one column")
        << "Names" << "Pix"
        << QList<Value>{Value::blob(QByteArray("\x89PNG\0\x01", 6)), Value::text(QStringLiteral("Müller")),
                        Value::integer(12), Value::integer(INT64_MIN), Value::real(1.5), Value(),
                        Value::text(QString()), Value::blob(QByteArray()), Value::integer(-3)};
    QTest::newRow("integers, then one that is no integer's NULL")
        << "Names" << "Pix"
        << QList<Value>{Value::integer(7), Value(), Value::integer(INT64_MAX), Value::integer(INT64_MIN),
                        Value::integer(8)};
    QTest::newRow("NULL beside empty texts")
        << "Expense" << "Supplier"
        << QList<Value>{Value::text(QString()), Value(), Value::text(QStringLiteral(" ")), Value(),
                        Value::text(QString()), Value::text(QStringLiteral("Elders"))};
    // Lengths that take one, two and three bytes to write, and a text with a NUL.
    QTest::newRow("long texts")
        << "Expense" << "Notes"
        << QList<Value>{Value::text(QString(127, QLatin1Char('a'))), Value::text(QString(128, QLatin1Char('b'))),
                        Value::text(QString(20000, QChar(0x00E9))), Value::text(QString(127, QLatin1Char('a'))),
                        Value::textUtf8(QByteArray("a\0b", 3)), Value::text(QStringLiteral("short"))};
}

void TestTableStore::valuesReadBackAsTheFileHoldsThem()
{
    QFETCH(QString, table);
    QFETCH(QString, field);
    QFETCH(QList<Value>, values);

    TempDatabase temp;
    const auto db = temp.open();
    // Written straight through SQLite, so each value keeps its exact storage class.
    SqliteStatement insert(db->handle(),
                           QStringLiteral("INSERT INTO %1 (Ref, %2) VALUES (?, ?)").arg(table, field).toUtf8());
    for (qsizetype i = 0; i < values.size(); ++i) {
        insert.bind(1, Value::integer(i + 1));
        insert.bind(2, values[i]);
        insert.run();
        insert.reset();
    }
    View view(*db, Schema::findTable(table)->id);
    QCOMPARE(describe(fieldValues(view, field)), describe(values));
    QCOMPARE(fieldValues(view, field), values);
    const QList<Value> refs = fieldValues(view, QStringLiteral("Ref"));
    QCOMPARE(refs.size(), values.size());
    for (qsizetype i = 0; i < refs.size(); ++i)
        QCOMPARE(refs[i], Value::integer(i + 1));

    // Posting every row again, each in turn, keeps every value.
    for (int r = 0; r < view.rowCount(); ++r) {
        view.setCurrentRow(r);
        view.edit();
        view.setField(QStringLiteral("Tag"), QStringLiteral("y"));
        view.post();
    }
    QCOMPARE(fieldValues(view, field), values);
    view.refresh();
    QCOMPARE(fieldValues(view, field), values);
}

void TestTableStore::changingASharedTextLeavesTheOtherRowsAlone()
{
    TempDatabase temp;
    temp.open();
    // Read once, the three equal suppliers are held as one text.
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Supplier) VALUES (1, 'Elders'), (2, 'Elders'), "
                             "(3, 'Elders'), (4, NULL)"));
    const auto db = temp.open();
    View view(*db, TableId::Expense);
    View other(*db, TableId::Expense);

    view.setCurrentRow(1);
    view.edit();
    view.setField(QStringLiteral("Supplier"), QStringLiteral("Elders Rural Services, Mudgee"));
    view.post();
    view.setCurrentRow(2);
    view.edit();
    view.setField(QStringLiteral("Supplier"), QString());
    view.post();
    view.setCurrentRow(3);
    view.edit();
    view.setField(QStringLiteral("Supplier"), QStringLiteral("Elders"));
    view.post();

    const QList<Value> expected = {Value::text(QStringLiteral("Elders")),
                                   Value::text(QStringLiteral("Elders Rural Services, Mudgee")),
                                   Value::text(QString()), Value::text(QStringLiteral("Elders"))};
    QCOMPARE(fieldValues(view, QStringLiteral("Supplier")), expected);
    QCOMPARE(fieldValues(other, QStringLiteral("Supplier")), expected);
    QCOMPARE(temp.column(QStringLiteral("SELECT Supplier FROM Expense ORDER BY Ref")), expected);
    view.refresh();
    QCOMPARE(fieldValues(view, QStringLiteral("Supplier")), expected);
}

void TestTableStore::replacedTextsAreCompactedAway()
{
    TempDatabase temp;
    temp.open();
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Supplier, Notes) VALUES (1, 'Elders', 'first'), "
                             "(2, 'Elders', NULL), (3, 'Telstra', 'third')"));
    const auto db = temp.open();
    View view(*db, TableId::Expense);
    View other(*db, TableId::Expense);
    other.setSelection(Selection::like(QStringLiteral("Supplier"), QStringLiteral("elders")));

    // Each post leaves the previous memo behind, until the arena is mostly
    // such leftovers and is written afresh.
    const int notes = view.fieldIndex(u"Notes");
    for (int round = 0; round < 6; ++round) {
        view.setCurrentRow(1);
        view.edit();
        view.setField(QStringLiteral("Notes"), QString(400000 + round, QChar(u'a' + round)));
        view.post();
        QCOMPARE(view.textAt(1, notes).size(), 400000 + round);
        QCOMPARE(view.textAt(1, notes).back(), QChar(u'a' + round));
        QCOMPARE(fieldValues(view, QStringLiteral("Supplier")),
                 (QList<Value>{Value::text(QStringLiteral("Elders")), Value::text(QStringLiteral("Elders")),
                               Value::text(QStringLiteral("Telstra"))}));
    }
    QCOMPARE(view.textAt(0, notes), QStringLiteral("first"));
    QCOMPARE(view.textAt(2, notes), QStringLiteral("third"));
    QCOMPARE(other.rowCount(), 2);
    QCOMPARE(other.textAt(1, notes).size(), 400005);
    QCOMPARE(other.textAt(0, notes), QStringLiteral("first"));
}

void TestTableStore::recordsAreFoundByRowIdAfterRefsChangeOrder()
{
    TempDatabase temp;
    temp.open();
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Supplier) VALUES (1, 'a'), (2, 'b'), (3, 'c'), "
                             "(4, 'd'), (5, 'e')"));
    const auto db = temp.open();
    View view(*db, TableId::Expense);
    View other(*db, TableId::Expense);

    // Ref is the rowid: giving record 2 the number 10 moves it past the others.
    QVERIFY(view.goToRecord(2));
    view.edit();
    view.setField(QStringLiteral("Ref"), Value::integer(10));
    view.post();
    // Deleting 4 and adding it again under the same number.
    QVERIFY(view.goToRecord(4));
    view.deleteRecord();
    view.append();
    view.setField(QStringLiteral("Ref"), Value::integer(4));
    view.setField(QStringLiteral("Supplier"), QStringLiteral("new d"));
    view.post();

    // Another view shows a record added elsewhere from its next selection on.
    other.setSelection(Selection());
    const int supplier = other.fieldIndex(u"Supplier");
    for (const auto& [ref, text] : {std::pair<qint64, const char*>{1, "a"}, {10, "b"}, {3, "c"}, {4, "new d"},
                                    {5, "e"}}) {
        QVERIFY2(other.goToRecord(ref), QByteArray::number(ref).constData());
        QCOMPARE(other.currentRecordId(), ref);
        QCOMPARE(other.asInteger(u"Ref"), ref);
        QCOMPARE(other.textAt(other.currentRow(), supplier), QString::fromUtf8(text));
    }
    QVERIFY(!other.goToRecord(2));
    QCOMPARE(other.rowOfRecord(2), -1);
}

QTEST_GUILESS_MAIN(TestTableStore)
#include "tst_TableStore.moc"
