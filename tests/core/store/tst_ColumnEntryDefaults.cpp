#include "core/store/ColumnEntryDefaults.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/store/TempDatabase.h"

#include <QtTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;

namespace {

const QDate kToday(2024, 7, 15);
const QString kAsk = QStringLiteral("MessageDlg(Confirmation): Input Todays Date ?");

struct Clients
{
    TempDatabase temp;
    std::unique_ptr<Database> db;
    std::unique_ptr<View> names;
    ScriptedUserPort port;

    explicit Clients(const QString& values)
    {
        temp.open();
        temp.exec(QStringLiteral("INSERT INTO Names (Ref, EntryDate, Tax, TaxExempt, PaidDate) VALUES ") +
                  values);
        db = temp.open();
        names = std::make_unique<View>(*db, TableId::Names);
    }
    Value stored(const char* field) const
    {
        return temp.scalar(QStringLiteral("SELECT %1 FROM Names WHERE Ref = 1").arg(QLatin1String(field)));
    }
};

} // namespace

class TestColumnEntryDefaults : public QObject
{
    Q_OBJECT

private slots:
    void entryDateFilledWhenEmpty_data();
    void entryDateFilledWhenEmpty();
    void paidDateAsksWhenAnAmountIsThere_data();
    void paidDateAsksWhenAnAmountIsThere();
    void ledgerDateFilledAndPostedOnLeaving();
    void otherColumnsAndEmptyViewsDoNothing();
};

void TestColumnEntryDefaults::entryDateFilledWhenEmpty_data()
{
    QTest::addColumn<QString>("entryDate");
    QTest::addColumn<bool>("filled");
    QTest::newRow("NULL") << QStringLiteral("NULL") << true;
    QTest::newRow("empty text") << QStringLiteral("''") << true;
    QTest::newRow("the zero day") << QStringLiteral("'1899-12-30'") << true;
    QTest::newRow("a date") << QStringLiteral("'2020-02-29'") << false;
}

void TestColumnEntryDefaults::entryDateFilledWhenEmpty()
{
    QFETCH(QString, entryDate);
    QFETCH(bool, filled);
    Clients c(QStringLiteral("(1, %1, NULL, NULL, NULL)").arg(entryDate));
    const Value before = c.stored("EntryDate");
    ColumnEntryDefaults::columnEntered(*c.names, u"EntryDate", c.port, kToday);
    QCOMPARE(c.names->state(), filled ? View::State::Edit : View::State::Browse);
    QCOMPARE(c.names->asDate(u"EntryDate"), filled ? kToday : QDate(2020, 2, 29));
    QCOMPARE(c.stored("EntryDate"), before); // not posted
    QVERIFY(c.port.log().isEmpty());
}

void TestColumnEntryDefaults::paidDateAsksWhenAnAmountIsThere_data()
{
    QTest::addColumn<QString>("amounts");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("dated");
    QTest::newRow("Tax 0.00, No") << QStringLiteral("0.0, NULL") << int(MsgButton::No) << true << false;
    QTest::newRow("Tax 0.00, Yes") << QStringLiteral("0.0, NULL") << int(MsgButton::Yes) << true << true;
    QTest::newRow("TaxExempt only, Yes") << QStringLiteral("NULL, 50") << int(MsgButton::Yes) << true << true;
    QTest::newRow("no amounts") << QStringLiteral("NULL, NULL") << int(MsgButton::None) << false << false;
}

void TestColumnEntryDefaults::paidDateAsksWhenAnAmountIsThere()
{
    QFETCH(QString, amounts);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, dated);
    // PaidDate already holds a date: the question comes all the same.
    Clients c(QStringLiteral("(1, '2024-01-01', %1, '2023-03-03')").arg(amounts));
    if (asked)
        c.port.queueButton(MsgButton(answer));
    ColumnEntryDefaults::columnEntered(*c.names, u"PaidDate", c.port, kToday);
    QCOMPARE(c.port.log(), asked ? QStringList{kAsk} : QStringList{});
    QCOMPARE(c.names->state(), View::State::Browse);
    QCOMPARE(c.stored("PaidDate").toString(),
             dated ? QStringLiteral("2024-07-15") : QStringLiteral("2023-03-03"));
    QCOMPARE(c.names->asDate(u"PaidDate"), dated ? kToday : QDate(2023, 3, 3));
}

void TestColumnEntryDefaults::ledgerDateFilledAndPostedOnLeaving()
{
    TempDatabase temp;
    temp.open();
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date) VALUES (1, NULL), (2, '2024-01-01')"));
    auto db = temp.open();
    View expend(*db, TableId::Expense);
    ScriptedUserPort port;
    ColumnEntryDefaults::columnEntered(expend, u"Date", port, kToday);
    QCOMPARE(expend.state(), View::State::Edit);
    QVERIFY(temp.scalar(QStringLiteral("SELECT Date FROM Expense WHERE Ref = 1")).isNull());
    expend.next(); // leaving the record posts it
    QCOMPARE(temp.scalar(QStringLiteral("SELECT Date FROM Expense WHERE Ref = 1")).toString(),
             QStringLiteral("2024-07-15"));
    ColumnEntryDefaults::columnEntered(expend, u"Date", port, kToday);
    QCOMPARE(expend.state(), View::State::Browse);
    QCOMPARE(expend.asDate(u"Date"), QDate(2024, 1, 1));

    // A new income record gets its date the same way.
    View income(*db, TableId::Income);
    income.append();
    ColumnEntryDefaults::columnEntered(income, u"Date", port, kToday);
    QCOMPARE(income.asDate(u"Date"), kToday);
    QCOMPARE(income.state(), View::State::Insert);
}

void TestColumnEntryDefaults::otherColumnsAndEmptyViewsDoNothing()
{
    TempDatabase temp;
    auto db = temp.open();
    ScriptedUserPort port;
    View expend(*db, TableId::Expense);
    ColumnEntryDefaults::columnEntered(expend, u"Date", port, kToday);
    QCOMPARE(expend.rowCount(), 0);
    QCOMPARE(expend.state(), View::State::Browse);
    temp.exec(QStringLiteral("INSERT INTO Names (Ref, Tax) VALUES (1, 5)"));
    View names(*db, TableId::Names);
    names.refresh();
    ColumnEntryDefaults::columnEntered(names, u"Surname", port, kToday);
    ColumnEntryDefaults::columnEntered(names, u"Date", port, kToday);
    QCOMPARE(names.state(), View::State::Browse);
    QVERIFY(port.log().isEmpty());
}

QTEST_GUILESS_MAIN(TestColumnEntryDefaults)
#include "tst_ColumnEntryDefaults.moc"
