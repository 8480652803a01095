#include "core/store/Database.h"
#include "core/store/RefCounter.h"
#include "core/store/Selection.h"
#include "core/store/View.h"
#include "support/store/TempDatabase.h"

#include <QtTest>

using namespace kelvora;
using kelvora::test::TempDatabase;

namespace {

// Five clients with the highest Ref 10; the client view as start-up leaves it.
struct Clients
{
    TempDatabase temp;
    std::unique_ptr<Database> db;
    std::unique_ptr<View> names;
    std::unique_ptr<RefCounter> counter;

    explicit Clients(bool numbered = true)
    {
        temp.open();
        temp.exec(
            QStringLiteral("INSERT INTO Names (Ref, Surname) VALUES (1, 'Young'), (4, 'adams'), (7, 'Moss'), "
                           "(10, 'Brown'), (3, NULL)"));
        db = temp.open();
        names = std::make_unique<View>(*db, TableId::Names);
        counter = std::make_unique<RefCounter>(*names, RefCounter::Kind::Clients);
        if (numbered)
            counter->findLast();
    }
};

} // namespace

class TestRefCounter : public QObject
{
    Q_OBJECT

private slots:
    void firstExpenseOfAnEmptyTableIsOne();
    void typedInvoiceIsReplacedByTheRef();
    void refAlreadyHeldIsKept_data();
    void refAlreadyHeldIsKept();
    void findLastRefOrdersAndLeavesTheCursor();
    void counterIsNeverBelowTheTablesHighestRef();
    void deletingTheHighestClientKeepsTheCounter();
    void deletionLandingOnTheHighestClientFindsItAgain();
};

void TestRefCounter::firstExpenseOfAnEmptyTableIsOne()
{
    TempDatabase temp;
    auto db = temp.open();
    View expend(*db, TableId::Expense);
    RefCounter lastExpenseRef(expend, RefCounter::Kind::Expenses);
    lastExpenseRef.findLast();
    QCOMPARE(lastExpenseRef.value(), 0);
    QCOMPARE(expend.order(), QStringLiteral("Date"));
    expend.append();
    expend.setField(u"Expense", "Stamps");
    expend.post();
    QCOMPARE(lastExpenseRef.value(), 1);
    QCOMPARE(temp.scalar(QStringLiteral("SELECT Ref FROM Expense")).toInteger(), 1);
    QCOMPARE(temp.scalar(QStringLiteral("SELECT Invoice FROM Expense")).toString(), QStringLiteral("1"));

    // Income numbers the same way and has no invoice to fill.
    View income(*db, TableId::Income);
    RefCounter lastIncomeRef(income, RefCounter::Kind::Income);
    lastIncomeRef.findLast();
    income.append();
    income.setField(u"OrderNo", "A-1");
    income.post();
    QCOMPARE(income.asInteger(u"Ref"), 1);
    QCOMPARE(income.asText(u"OrderNo"), QStringLiteral("A-1"));
}

void TestRefCounter::typedInvoiceIsReplacedByTheRef()
{
    TempDatabase temp;
    temp.open();
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Invoice) VALUES (41, '41')"));
    auto db = temp.open();
    View expend(*db, TableId::Expense);
    RefCounter last(expend, RefCounter::Kind::Expenses);
    last.findLast();
    expend.append();
    expend.setField(u"Invoice", "INV-9931");
    expend.post();
    QCOMPARE(expend.asInteger(u"Ref"), 42);
    QCOMPARE(expend.asText(u"Invoice"), QStringLiteral("42"));
    // Editing a numbered record later keeps both.
    expend.edit();
    expend.setField(u"Invoice", "INV-9931");
    expend.post();
    QCOMPARE(temp.scalar(QStringLiteral("SELECT Invoice FROM Expense WHERE Ref = 42")).toString(),
             QStringLiteral("INV-9931"));
    QCOMPARE(last.value(), 42);
}

void TestRefCounter::refAlreadyHeldIsKept_data()
{
    QTest::addColumn<qint64>("typedRef");
    QTest::newRow("zero") << qint64(0);
    QTest::newRow("a number below the counter") << qint64(5);
}

void TestRefCounter::refAlreadyHeldIsKept()
{
    QFETCH(qint64, typedRef);
    TempDatabase temp;
    temp.open();
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref) VALUES (20)"));
    auto db = temp.open();
    View expend(*db, TableId::Expense);
    RefCounter last(expend, RefCounter::Kind::Expenses);
    last.findLast();
    expend.append();
    expend.setField(u"Ref", Value::integer(typedRef));
    expend.setField(u"Invoice", "typed");
    expend.post();
    QCOMPARE(expend.asInteger(u"Ref"), typedRef);
    QCOMPARE(expend.asText(u"Invoice"), QStringLiteral("typed"));
    QCOMPARE(last.value(), 20);
}

void TestRefCounter::findLastRefOrdersAndLeavesTheCursor()
{
    Clients c;
    QCOMPARE(c.counter->value(), 10);
    QCOMPARE(c.names->order(), QStringLiteral("Surname"));
    // The record with the highest Ref stays current in its new place.
    QCOMPARE(c.names->asInteger(u"Ref"), 10);
    QCOMPARE(c.names->currentRow(), 2); // NULL, adams, Brown, Moss, Young
}

void TestRefCounter::counterIsNeverBelowTheTablesHighestRef()
{
    // A view that hides the highest record must not make the next Ref a duplicate.
    Clients c(false);
    c.names->setSelection(Selection::contains(QStringLiteral("Surname"), QStringLiteral("o")));
    c.counter->findLast();
    QCOMPARE(c.counter->value(), 10);
}

void TestRefCounter::deletingTheHighestClientKeepsTheCounter()
{
    Clients c;
    QVERIFY(c.names->locate(u"Ref", Value::integer(10)));
    c.names->deleteRecord();
    QCOMPARE(c.counter->value(), 10);
    c.names->append();
    c.names->setField(u"Surname", "Next");
    c.names->post();
    QCOMPARE(c.names->asInteger(u"Ref"), 11);
}

void TestRefCounter::deletionLandingOnTheHighestClientFindsItAgain()
{
    Clients c;
    c.names->setOrder(QStringLiteral("Ref"));
    QVERIFY(c.names->locate(u"Ref", Value::integer(7)));
    c.names->deleteRecord(); // Ref 10 becomes current
    QCOMPARE(c.counter->value(), 10);
    QCOMPARE(c.names->order(), QStringLiteral("Surname"));
    QCOMPARE(c.names->asInteger(u"Ref"), 10);
    QCOMPARE(c.names->currentRow(), 2);
}

QTEST_GUILESS_MAIN(TestRefCounter)
#include "tst_RefCounter.moc"
