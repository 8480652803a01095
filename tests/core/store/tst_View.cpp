#include "core/base/KelvoraError.h"
#include "core/store/Database.h"
#include "core/store/SqliteRules.h"
#include "core/store/Transaction.h"
#include "core/store/UnknownField.h"
#include "core/store/View.h"
#include "support/store/TempDatabase.h"
#include "support/store/ViewRefs.h"
#include "support/store/ThrownMessage.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <numeric>

using namespace kelvora;
using kelvora::test::TempDatabase;
using kelvora::test::refsShown;
using kelvora::test::thrownMessage;

namespace {

// Six expense records whose order is decided at every level: NULLs, case, a
// non-ASCII letter (after every ASCII one, as its bytes are), ties by the
// next field and, last, by the order they were read in.
void addOrderFixture(const TempDatabase& temp)
{
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date, Bus, Expense, Supplier) VALUES "
                             "(1, '2024-02-01', 'farm', 'seed', 'Zed'),"
                             "(2, '2024-01-15', 'FARM', 'Fuel', NULL),"
                             "(3, NULL, 'home', 'rent', 'Able'),"
                             "(4, '2024-01-15', 'Farm', 'fuel', 'able'),"
                             "(5, '2024-02-01', 'Éclair', 'cake', 'Baker'),"
                             "(6, '2024-01-15', NULL, 'fuel', 'Able')"));
}

struct Fixture
{
    TempDatabase temp;
    std::unique_ptr<Database> db;
    explicit Fixture(void (*fill)(const TempDatabase&) = nullptr)
    {
        temp.open(); // the program makes the file, then the fixture fills it
        if (fill)
            fill(temp);
        db = temp.open();
    }
};

} // namespace

class TestView : public QObject
{
    Q_OBJECT

private slots:
    void orderSortsNullsFirstCaseBlindThenByNextField_data();
    void orderSortsNullsFirstCaseBlindThenByNextField();
    void orderAgreesWithFieldByFieldComparison();
    void filteringKeepsTheOrder();
    void orderChangeKeepsTheCurrentRecord();
    void unknownOrderFieldChangesNothing();
    void cursorMovesAndReportsBothEnds();
    void emptyViewIsAtBothEnds();
    void editAndCancelRestoreTheRecord();
    void appendPostsIntoItsPlaceInTheOrder();
    void insertThenCancelReturnsToTheRecord();
    void movingPostsAChangedRecordAndDropsAnUntouchedNewOne();
    void hooksRunAroundPostScrollAndDelete();
    void throwingHookStopsTheOperation();
    void textLongerThanItsFieldIsRefused_data();
    void textLongerThanItsFieldIsRefused();
    void valuesAreMadeToFitTheFieldKind();
    void nullIsNeitherZeroNorEmpty();
    void refusedPostLeavesTheRecordInEdit();
    void postWritesThroughBoundValuesAndReadsBack();
    void deleteRemovesFromFileAndOtherViews();
    void refreshReadsChangesMadeByOthers();
    void rolledBackTransactionRestoresMemory();
    void suspendedDisplaySendsOneResetAtTheEnd();
    void keyLookupOnTheOrder();
    void walksReadRowsWithoutMovingTheCursor();
    void walksWriteRowsWithoutMovingTheCursor();
};

void TestView::orderSortsNullsFirstCaseBlindThenByNextField_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QList<qint64>>("refs");
    QTest::newRow("no order: as read") << QString() << QList<qint64>{1, 2, 3, 4, 5, 6};
    QTest::newRow("Bus, ties as read") << QStringLiteral("Bus") << QList<qint64>{6, 1, 2, 4, 3, 5};
    QTest::newRow("Date;Bus;Expense;Supplier")
        << QStringLiteral("Date;Bus;Expense;Supplier") << QList<qint64>{3, 6, 2, 4, 1, 5};
    QTest::newRow("Supplier;Ref, names trimmed")
        << QStringLiteral(" supplier ;Ref\t") << QList<qint64>{2, 3, 4, 6, 5, 1};
    QTest::newRow("Expense;Supplier")
        << QStringLiteral("Expense;Supplier") << QList<qint64>{5, 2, 4, 6, 3, 1};
}

void TestView::orderSortsNullsFirstCaseBlindThenByNextField()
{
    QFETCH(QString, order);
    QFETCH(QList<qint64>, refs);
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setOrder(order);
    QCOMPARE(refsShown(view), refs);
}

void TestView::orderAgreesWithFieldByFieldComparison()
{
    // Long shared prefixes, big integers beyond a double's precision, texts in
    // number fields and numbers in text fields: the fast keys must never
    // disagree with the plain comparison.
    Fixture f;
    QRandomGenerator random(42);
    const QList<Value> pool = {
        Value(),
        Value::integer(9007199254740993LL),
        Value::integer(9007199254740992LL),
        Value::real(9007199254740992.0),
        Value::real(-0.0),
        Value::integer(0),
        Value::real(-1.5),
        Value::text(QStringLiteral("Supplier with a long shared beginning A")),
        Value::text(QStringLiteral("supplier with a long shared beginning b")),
        Value::text(QStringLiteral("SUPPLIER WITH A LONG SHARED BEGINNING")),
        Value::text(QStringLiteral("2024-01-05")),
        Value::text(QStringLiteral("2024-01-05 10:00")),
        Value::text(QStringLiteral("Ärger")),
        Value::text(QStringLiteral("zebra")),
        Value::text(QString()),
        Value::blob(QByteArrayLiteral("\x01\x02")),
    };
    for (int i = 1; i <= 400; ++i) {
        QList<Value> binds{Value::integer(i)};
        for (int c = 0; c < 4; ++c)
            binds << pool[int(random.bounded(pool.size()))];
        f.temp.exec(
            QStringLiteral("INSERT INTO Expense (Ref, Supplier, Expense, F1, Date) VALUES (?, ?, ?, ?, ?)"),
            binds);
    }
    auto db = f.temp.open();
    View view(*db, TableId::Expense);
    const QStringList fields = {QStringLiteral("Supplier"), QStringLiteral("Expense"), QStringLiteral("F1"),
                                QStringLiteral("Date")};
    std::vector<int> index(400);
    std::iota(index.begin(), index.end(), 0);
    std::vector<std::vector<Value>> rows;
    for (int r = 0; r < view.rowCount(); ++r) {
        std::vector<Value> row;
        for (const QString& name : fields)
            row.push_back(view.value(r, view.fieldIndex(name)));
        rows.push_back(row);
    }
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) {
        for (qsizetype c = 0; c < fields.size(); ++c) {
            const int r = SqliteRules::compareNoCase(rows[size_t(a)][size_t(c)].view(),
                                                     rows[size_t(b)][size_t(c)].view());
            if (r != 0)
                return r < 0;
        }
        return false;
    });
    QList<qint64> expected;
    for (int i : index)
        expected << i + 1;
    view.setOrder(fields.join(QLatin1Char(';')));
    QCOMPARE(refsShown(view), expected);
}

void TestView::filteringKeepsTheOrder()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setOrder(QStringLiteral("Date;Bus;Expense;Supplier"));
    view.setSelection(Selection::contains(QStringLiteral("Expense"), QStringLiteral("fuel")));
    QCOMPARE(refsShown(view), (QList<qint64>{6, 2, 4}));
    view.setSelection(Selection::contains(QStringLiteral("Bus"), QStringLiteral("a")));
    QCOMPARE(refsShown(view), (QList<qint64>{2, 4, 1, 5}));
    QCOMPARE(view.currentRow(), 0);
}

void TestView::orderChangeKeepsTheCurrentRecord()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setCurrentRow(3); // Ref 4
    view.setOrder(QStringLiteral("Supplier;Ref"));
    QCOMPARE(view.asInteger(u"Ref"), 4);
    QCOMPARE(view.currentRow(), 2);
}

void TestView::unknownOrderFieldChangesNothing()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setOrder(QStringLiteral("Bus"));
    QCOMPARE(thrownMessage<UnknownField>([&] { view.setOrder(QStringLiteral("Date;Inv No")); }),
             QStringLiteral("Expense has no field Inv No."));
    QCOMPARE(view.order(), QStringLiteral("Bus"));
    QCOMPARE(refsShown(view), (QList<qint64>{6, 1, 2, 4, 3, 5}));
}

void TestView::cursorMovesAndReportsBothEnds()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    QCOMPARE(view.currentRow(), 0);
    QVERIFY(view.bof());
    QVERIFY(!view.eof());
    view.next();
    QCOMPARE(view.currentRow(), 1);
    QVERIFY(!view.bof());
    view.last();
    QCOMPARE(view.currentRow(), 5);
    QVERIFY(view.eof());
    view.prior();
    QVERIFY(!view.eof());
    view.next();
    view.next(); // past the end: stays, EOF
    QCOMPARE(view.currentRow(), 5);
    QVERIFY(view.eof());
    QCOMPARE(view.moveBy(-3), -3);
    QCOMPARE(view.currentRow(), 2);
    QCOMPARE(view.moveBy(-10), -2);
    QVERIFY(view.bof());
    QCOMPARE(view.moveBy(10), 5);
    QVERIFY(view.eof());

    // The walk every tool writes ends after the last record.
    int seen = 0;
    for (view.first(); !view.eof(); view.next())
        ++seen;
    QCOMPARE(seen, 6);
}

void TestView::emptyViewIsAtBothEnds()
{
    Fixture f;
    View view(*f.db, TableId::Income);
    QCOMPARE(view.currentRow(), -1);
    QVERIFY(view.bof() && view.eof());
    view.next();
    view.last();
    QVERIFY(view.bof() && view.eof());
    QVERIFY(view.isNull(u"Ref"));
    QCOMPARE(view.asFloat(u"Bank"), 0.0);
    // Edit on an empty view starts a new record.
    view.edit();
    QCOMPARE(view.state(), View::State::Insert);
    QCOMPARE(view.rowCount(), 1);
}

void TestView::editAndCancelRestoreTheRecord()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.edit();
    QCOMPARE(view.state(), View::State::Edit);
    view.setField(u"Bus", "SHOP");
    QCOMPARE(view.asText(u"Bus"), QStringLiteral("SHOP"));
    QVERIFY(view.isModified());
    view.cancel();
    QCOMPARE(view.state(), View::State::Browse);
    QCOMPARE(view.asText(u"Bus"), QStringLiteral("farm"));
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Bus FROM Expense WHERE Ref = 1")).toString(),
             QStringLiteral("farm"));
    // Setting a field outside edit is a programming error, said plainly.
    QCOMPARE(thrownMessage([&] { view.setField(u"Bus", "X"); }),
             QStringLiteral("The Expense record is not being edited or inserted."));
}

void TestView::appendPostsIntoItsPlaceInTheOrder()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setOrder(QStringLiteral("Date;Bus"));
    QSignalSpy states(&view, &View::stateChanged);
    view.append();
    QCOMPARE(view.state(), View::State::Insert);
    QCOMPARE(view.currentRow(), 6);
    QCOMPARE(view.rowCount(), 7);
    view.setField(u"Ref", Value::integer(7));
    view.setField(u"Date", QDate(2024, 1, 20));
    view.setField(u"Bus", "aaa");
    view.post();
    QCOMPARE(view.state(), View::State::Browse);
    QCOMPARE(refsShown(view), (QList<qint64>{3, 6, 2, 4, 7, 1, 5}));
    QCOMPARE(view.currentRow(), 4);
    QCOMPARE(view.asText(u"Date"), QStringLiteral("2024-01-20"));
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Date FROM Expense WHERE Ref = 7")).toString(),
             QStringLiteral("2024-01-20"));
    QCOMPARE(states.count(), 2);

    // Editing a field of the order moves the record to its new place.
    view.edit();
    view.setField(u"Date", QDate(2025, 1, 1));
    view.post();
    QCOMPARE(refsShown(view), (QList<qint64>{3, 6, 2, 4, 1, 5, 7}));
    QCOMPARE(view.currentRow(), 6);
}

void TestView::insertThenCancelReturnsToTheRecord()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setCurrentRow(2);
    QSignalSpy inserted(&view, &View::rowInserted);
    QSignalSpy removed(&view, &View::rowRemoved);
    view.insert();
    QCOMPARE(view.currentRow(), 2);
    QCOMPARE(inserted.value(0).value(0).toInt(), 2);
    QVERIFY(view.isNull(u"Ref"));
    view.cancel();
    QCOMPARE(removed.value(0).value(0).toInt(), 2);
    QCOMPARE(view.rowCount(), 6);
    QCOMPARE(view.asInteger(u"Ref"), 3);
    view.append();
    view.cancel();
    QCOMPARE(view.asInteger(u"Ref"), 3);
}

void TestView::movingPostsAChangedRecordAndDropsAnUntouchedNewOne()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.edit();
    view.setField(u"Supplier", "Moved on");
    view.next();
    QCOMPARE(view.state(), View::State::Browse);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Supplier FROM Expense WHERE Ref = 1")).toString(),
             QStringLiteral("Moved on"));
    view.append();
    view.first();
    QCOMPARE(view.rowCount(), 6);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT count(*) FROM Expense")).toInteger(), 6);
}

void TestView::hooksRunAroundPostScrollAndDelete()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    QStringList calls;
    view.setBeforeScroll(
        [&](View& v) { calls << QStringLiteral("scroll from %1").arg(v.asInteger(u"Ref")); });
    view.setBeforePost([&](View& v) {
        calls << QStringLiteral("post %1").arg(v.asInteger(u"Ref"));
        v.setField(u"Tag", "y"); // a hook may still change the record
    });
    view.setAfterDelete(
        [&](View& v) { calls << QStringLiteral("deleted, now on %1").arg(v.asInteger(u"Ref")); });
    view.edit();
    view.setField(u"Bus", "SHOP");
    view.next();
    view.deleteRecord();
    QCOMPARE(calls, (QStringList{QStringLiteral("post 1"), QStringLiteral("scroll from 1"),
                                 QStringLiteral("scroll from 2"), QStringLiteral("deleted, now on 3")}));
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Tag FROM Expense WHERE Ref = 1")).toString(),
             QStringLiteral("y"));
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT count(*) FROM Expense WHERE Ref = 2")).toInteger(), 0);
}

void TestView::throwingHookStopsTheOperation()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setBeforeScroll([](View&) { throw KelvoraError(QStringLiteral("stay here")); });
    QVERIFY_THROWS_EXCEPTION(KelvoraError, view.next());
    QCOMPARE(view.currentRow(), 0);
    view.setBeforeScroll({});
    view.setBeforePost([](View&) { throw KelvoraError(QStringLiteral("not yet")); });
    view.edit();
    view.setField(u"Bus", "SHOP");
    QVERIFY_THROWS_EXCEPTION(KelvoraError, view.post());
    QCOMPARE(view.state(), View::State::Edit);
    QCOMPARE(view.asText(u"Bus"), QStringLiteral("SHOP"));
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Bus FROM Expense WHERE Ref = 1")).toString(),
             QStringLiteral("farm"));
}

void TestView::textLongerThanItsFieldIsRefused_data()
{
    QTest::addColumn<int>("table");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("Bus 11") << int(TableId::Expense) << QStringLiteral("Bus") << QStringLiteral("ABCDEFGHIJK")
                            << QStringLiteral(
                                   "The text is too long for Bus: it holds at most 10 characters, the "
                                   "text has 11.");
    QTest::newRow("Bus 10 accented letters fit")
        << int(TableId::Expense) << QStringLiteral("Bus") << QStringLiteral("éééééééééé") << QString();
    QTest::newRow("Tag of a client, 2")
        << int(TableId::Names) << QStringLiteral("Tag") << QStringLiteral("yy")
        << QStringLiteral("The text is too long for Tag: it holds at most 1 "
                          "characters, the text has 2.");
    QTest::newRow("Tag of income holds 4")
        << int(TableId::Income) << QStringLiteral("Tag") << QStringLiteral("yyyy") << QString();
    QTest::newRow("Service 201") << int(TableId::Names) << QStringLiteral("Service")
                                 << QString(201, QLatin1Char('s'))
                                 << QStringLiteral("The text is too long for Service: it holds at most 200 "
                                                   "characters, the text has 201.");
    QTest::newRow("memo has no limit")
        << int(TableId::Names) << QStringLiteral("Notes") << QString(5000, QLatin1Char('n')) << QString();
}

void TestView::textLongerThanItsFieldIsRefused()
{
    QFETCH(int, table);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    Fixture f;
    View view(*f.db, TableId(table));
    view.append();
    if (message.isEmpty()) {
        view.setField(field, text);
        QCOMPARE(view.asText(field), text);
        return;
    }
    QCOMPARE(thrownMessage([&] { view.setField(field, text); }), message);
    QVERIFY(view.isNull(field));
    QVERIFY(!view.isModified());
}

void TestView::valuesAreMadeToFitTheFieldKind()
{
    Fixture f;
    View view(*f.db, TableId::Expense);
    view.append();
    view.setField(u"F1", "12.5");
    QCOMPARE(view.field(u"F1"), Value::real(12.5));
    view.setField(u"Ref", 3.0);
    QCOMPARE(view.field(u"Ref"), Value::integer(3));
    view.setField(u"Invoice", Value::integer(42));
    QCOMPARE(view.field(u"Invoice"), Value::text(QStringLiteral("42")));
    view.setField(u"Date", "2024-03-01 00:00:00");
    QCOMPARE(view.asDate(u"Date"), QDate(2024, 3, 1));
    QCOMPARE(view.asText(u"Date"), QStringLiteral("2024-03-01"));
    view.setField(u"Date", "");
    QVERIFY(view.isNull(u"Date"));

    const auto refusal = [&](const char* field, const Value& value) {
        return thrownMessage([&] { view.setField(QString::fromLatin1(field), value); });
    };
    QCOMPARE(refusal("F1", Value::text(QStringLiteral("abc"))),
             QStringLiteral("F1 holds numbers: \"abc\" is not a number."));
    QCOMPARE(refusal("Ref", Value::real(1.5)),
             QStringLiteral("Ref holds whole numbers: \"1.5\" is not one."));
    QCOMPARE(refusal("Date", Value::text(QStringLiteral("2024-02-30"))),
             QStringLiteral("Date holds dates: \"2024-02-30\" is not a date."));
    QCOMPARE(refusal("Date", Value::text(QStringLiteral("05/01/2024"))),
             QStringLiteral("Date holds dates: \"05/01/2024\" is not a date."));
    QCOMPARE(refusal("Colour", Value::text(QStringLiteral("red"))),
             QStringLiteral("Expense has no field Colour."));
    QCOMPARE(view.field(u"F1"), Value::real(12.5));
}

void TestView::nullIsNeitherZeroNorEmpty()
{
    Fixture f;
    f.temp.exec(QStringLiteral("INSERT INTO Names (Ref, Tax, TaxExempt, Surname, Company) VALUES "
                               "(1, 0.0, NULL, '', NULL)"));
    auto db = f.temp.open();
    View view(*db, TableId::Names);
    QVERIFY(!view.isNull(u"Tax"));
    QVERIFY(view.isNull(u"TaxExempt"));
    QCOMPARE(view.asFloat(u"Tax"), 0.0);
    QCOMPARE(view.asFloat(u"TaxExempt"), 0.0);
    QVERIFY(!view.isNull(u"Surname"));
    QVERIFY(view.isNull(u"Company"));
    QVERIFY(view.fieldValue(u"Company").isNull());
    QCOMPARE(view.fieldValue(u"Tax"), QVariant(0.0));
    QCOMPARE(view.fieldValue(u"Surname"), QVariant(QString()));
}

void TestView::refusedPostLeavesTheRecordInEdit()
{
    Fixture f;
    f.temp.exec(QStringLiteral("INSERT INTO Diary (Date, Day) VALUES ('2024-05-01', 'first')"));
    auto db = f.temp.open();
    View diary(*db, TableId::Diary);
    diary.append();
    diary.setField(u"Date", QDate(2024, 5, 1));
    diary.setField(u"Day", "second");
    QCOMPARE(thrownMessage([&] { diary.post(); }),
             QStringLiteral("The Diary record could not be saved: UNIQUE constraint failed: Diary.Date"));
    QCOMPARE(diary.state(), View::State::Insert);
    QCOMPARE(diary.asText(u"Day"), QStringLiteral("second"));
    QCOMPARE(diary.rowCount(), 2);
    diary.setField(u"Date", QDate(2024, 5, 2));
    diary.post();
    QCOMPARE(diary.state(), View::State::Browse);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Day FROM Diary WHERE Date = '2024-05-02'")).toString(),
             QStringLiteral("second"));
}

void TestView::postWritesThroughBoundValuesAndReadsBack()
{
    Fixture f;
    View names(*f.db, TableId::Names);
    const QString awkward = QStringLiteral("O'Brien \"Ted\"; DROP TABLE Names; --");
    const QByteArray picture("\x89PNG\r\n\x1a\n\0\x01", 10);
    names.append();
    names.setField(u"Notes", awkward);
    names.setField(u"Pix", Value::blob(picture));
    names.setField(u"Tax", 0.0);
    names.post();
    // With no Ref given, the file numbers the record itself.
    QCOMPARE(names.asInteger(u"Ref"), 1);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Notes FROM Names")).toString(), awkward);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Pix FROM Names")).bytes(), picture);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT typeof(Tax) FROM Names")).toString(),
             QStringLiteral("real"));
    QCOMPARE(names.asBlob(u"Pix"), picture);

    // A second view over the table sees what the first one posted once it looks again.
    View other(*f.db, TableId::Names);
    QCOMPARE(other.rowCount(), 1);
    names.edit();
    names.setField(u"Surname", "Smith");
    QSignalSpy changed(&other, &View::rowChanged);
    names.post();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(other.asText(u"Surname"), QStringLiteral("Smith"));

    // Ref is the file's row key: changing it moves the record to the new key.
    names.edit();
    names.setField(u"Ref", Value::integer(5));
    names.post();
    QCOMPARE(names.currentRecordId(), 5);
    QCOMPARE(other.asInteger(u"Ref"), 5);
    QCOMPARE(f.temp.column(QStringLiteral("SELECT Ref FROM Names")).size(), 1);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Surname FROM Names WHERE Ref = 5")).toString(),
             QStringLiteral("Smith"));
}

void TestView::deleteRemovesFromFileAndOtherViews()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    View other(*f.db, TableId::Expense);
    other.last();
    view.last();
    QSignalSpy removed(&other, &View::rowRemoved);
    view.deleteRecord();
    QCOMPARE(view.rowCount(), 5);
    QCOMPARE(view.currentRow(), 4);
    QCOMPARE(other.rowCount(), 5);
    QCOMPARE(other.currentRow(), 4);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT count(*) FROM Expense")).toInteger(), 5);
    QCOMPARE(refsShown(other), (QList<qint64>{1, 2, 3, 4, 5}));
}

void TestView::refreshReadsChangesMadeByOthers()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setOrder(QStringLiteral("Ref"));
    view.setCurrentRow(3);
    f.temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Bus) VALUES (0, 'new')"));
    f.temp.exec(QStringLiteral("UPDATE Expense SET Bus = 'changed' WHERE Ref = 4"));
    QCOMPARE(view.rowCount(), 6);
    view.refresh();
    QCOMPARE(refsShown(view), (QList<qint64>{0, 1, 2, 3, 4, 5, 6}));
    QCOMPARE(view.asInteger(u"Ref"), 4);
    QCOMPARE(view.asText(u"Bus"), QStringLiteral("changed"));
}

void TestView::rolledBackTransactionRestoresMemory()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    {
        Transaction outer(*f.db);
        view.edit();
        view.setField(u"Bus", "SHOP");
        view.post(); // its own part commits inside the outer one
        QCOMPARE(view.asText(u"Bus"), QStringLiteral("SHOP"));
    } // not committed
    QCOMPARE(view.asText(u"Bus"), QStringLiteral("farm"));
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Bus FROM Expense WHERE Ref = 1")).toString(),
             QStringLiteral("farm"));
    {
        Transaction outer(*f.db);
        view.edit();
        view.setField(u"Bus", "SHOP");
        view.post();
        outer.commit();
    }
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT Bus FROM Expense WHERE Ref = 1")).toString(),
             QStringLiteral("SHOP"));
}

void TestView::suspendedDisplaySendsOneResetAtTheEnd()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    QSignalSpy resets(&view, &View::reset);
    QSignalSpy rows(&view, &View::rowChanged);
    QSignalSpy current(&view, &View::currentChanged);
    QSignalSpy states(&view, &View::stateChanged);
    view.disableControls();
    view.disableControls();
    for (view.first(); !view.eof(); view.next()) {
        view.edit();
        view.setField(u"Tag", "y");
        view.post();
    }
    view.enableControls();
    QCOMPARE(resets.count(), 0);
    view.enableControls();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(rows.count() + current.count() + states.count(), 0);
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT count(*) FROM Expense WHERE Tag = 'y'")).toInteger(), 6);
}

void TestView::keyLookupOnTheOrder()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setOrder(QStringLiteral("Date;Bus"));
    QVERIFY(view.findKey({Value::text(QStringLiteral("2024-01-15")), Value::text(QStringLiteral("FARM"))}));
    QCOMPARE(view.asInteger(u"Ref"), 2);
    QVERIFY(!view.findKey({Value::text(QStringLiteral("2024-01-16"))}));
    QCOMPARE(view.asInteger(u"Ref"), 2);
    view.findNearest({Value::text(QStringLiteral("2024-01-16"))});
    QCOMPARE(view.asInteger(u"Ref"), 1);
    view.findNearest({Value::text(QStringLiteral("2030"))});
    QCOMPARE(view.currentRow(), view.rowCount() - 1);
    QVERIFY(view.locate(u"Supplier", Value::text(QStringLiteral("Baker"))));
    QCOMPARE(view.asInteger(u"Ref"), 5);
    QVERIFY(view.locate(u"Ref", Value::text(QStringLiteral("3"))));
    QCOMPARE(view.asInteger(u"Ref"), 3);
    QVERIFY(!view.locate(u"Supplier", Value::text(QStringLiteral("baker"))));
    QVERIFY(view.goToRecord(6));
    QCOMPARE(view.asInteger(u"Ref"), 6);
}

void TestView::walksReadRowsWithoutMovingTheCursor()
{
    Fixture f;
    f.temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Bank, Date) VALUES (1, 10.5, '2024-01-01'), "
                               "(2, NULL, '2024-01-02 09:30:00'), (3, 4.5, NULL)"));
    auto db = f.temp.open();
    View view(*db, TableId::Expense);
    int scrolls = 0;
    view.setBeforeScroll([&](View&) { ++scrolls; });
    view.setCurrentRow(1);
    scrolls = 0;
    const int bank = view.fieldIndex(u"Bank");
    double total = 0;
    for (int r = 0; r < view.rowCount(); ++r)
        total += view.floatAt(r, bank);
    QCOMPARE(total, 15.0);
    QCOMPARE(view.dateAt(1, view.fieldIndex(u"Date")), QDate(2024, 1, 2));
    QCOMPARE(view.data(0, view.fieldIndex(u"Date")), QVariant(QDate(2024, 1, 1)));
    QVERIFY(!view.data(2, view.fieldIndex(u"Date")).isValid());
    QCOMPARE(view.currentRow(), 1);
    QCOMPARE(scrolls, 0);
}

void TestView::walksWriteRowsWithoutMovingTheCursor()
{
    Fixture f(addOrderFixture);
    View view(*f.db, TableId::Expense);
    view.setOrder(QStringLiteral("Supplier;Ref"));
    int hooks = 0;
    view.setBeforeScroll([&](View&) { ++hooks; });
    view.setBeforePost([&](View&) { ++hooks; });
    view.setCurrentRow(4); // Ref 5, Baker
    hooks = 0;
    const int tag = view.fieldIndex(u"Tag");
    for (int r = 0; r < view.rowCount(); ++r)
        view.updateRow(r, {{tag, Value::text(QStringLiteral("y"))}});
    QCOMPARE(f.temp.scalar(QStringLiteral("SELECT count(*) FROM Expense WHERE Tag = 'y'")).toInteger(), 6);
    QCOMPARE(hooks, 0);
    QCOMPARE(view.asInteger(u"Ref"), 5);

    // A walk over a fixed list of records may move them in the order.
    QList<qint64> records;
    for (int r = 0; r < view.rowCount(); ++r)
        records << view.recordId(r);
    for (qint64 id : records)
        view.updateRow(view.rowOfRecord(id), u"Supplier", Value::text(QStringLiteral("Same")));
    QCOMPARE(refsShown(view), (QList<qint64>{1, 2, 3, 4, 5, 6}));
    QCOMPARE(view.asInteger(u"Ref"), 5);
    QCOMPARE(view.currentRow(), 4);

    QCOMPARE(
        thrownMessage([&] { view.updateRow(0, u"Bus", Value::text(QStringLiteral("TOO LONG FOR BUS"))); }),
        QStringLiteral("The text is too long for Bus: it holds at most 10 characters, the text has 16."));
    view.edit();
    view.setField(u"Bus", "x");
    QCOMPARE(thrownMessage([&] { view.updateRow(4, u"Bus", Value::text(QStringLiteral("y"))); }),
             QStringLiteral("The Expense record being edited must be posted before it is changed."));
}

QTEST_GUILESS_MAIN(TestView)
#include "tst_View.moc"
