#include "core/selection/PageSelection.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/PageContextFixture.h"
#include "support/store/TempDatabase.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::PageContextFixture;
using kelvora::test::TempDatabase;

Q_DECLARE_METATYPE(SelectionPage)

namespace {

// The Ref of every record a view shows, in its order.
QList<qint64> refs(const View& view)
{
    QList<qint64> out;
    const int ref = view.fieldIndex(u"Ref");
    for (int row = 0; row < view.rowCount(); ++row)
        out.append(view.integerAt(row, ref));
    return out;
}

const char* const kClients =
    "INSERT INTO Names (Ref, Surname, FirstName, Tag, Company) VALUES "
    "(1, 'Smith', 'Ann', 'y', 'Acme'), (2, 'Goldsmith', 'Bo', 'Y', NULL), (3, 'Jones', 'Cy', 'X', '50% off'), "
    "(4, 'O\"Brien', 'Di', NULL, 'Acme \"Best\"'), (5, NULL, 'Ed', NULL, NULL)";
const char* const kExpenses =
    "INSERT INTO Expense (Ref, Date, Bus, Office, Bank, Tag) VALUES "
    "(1, '2026-01-03', 'Main', 1, 1, 'y'), (2, '2026-01-01', 'Home', 20, 20, NULL), "
    "(3, '2026-01-02', 'Main', -5, -5, NULL)";

} // namespace

class tst_PageSelection : public QObject, private PageContextFixture
{
    Q_OBJECT

private slots:
    void init() { m_port = kelvora::test::ScriptedUserPort(); }

    void selections_data()
    {
        QTest::addColumn<SelectionPage>("page");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("filterAfter");
        QTest::addColumn<QList<qint64>>("shown");
        using L = QList<qint64>;
        const auto C = SelectionPage::Clients;
        const auto E = SelectionPage::Expenses;
        // Clients are ordered Surname;FirstName;Company;EntryDate (NULLs first).
        QTest::newRow("surname smi") << C << 23 << "smi" << "smi" << L{2, 1};
        QTest::newRow("empty filter: NULL does not match") << C << 23 << "" << "" << L{2, 3, 4, 1};
        QTest::newRow("tag y finds Y, not X") << C << 1 << "y" << "y" << L{2, 1};
        QTest::newRow("a double quote is a character") << C << 4 << "\"Best\"" << "\"Best\"" << L{4};
        QTest::newRow("% stays a wildcard") << C << 4 << "50%off" << "50%off" << L{3};
        QTest::newRow("all clients") << C << 0 << "zz" << "y" << L{5, 2, 3, 4, 1};
        // Expenses are ordered Date;Bus;Expense;Supplier;Invoice.
        QTest::newRow("office abc becomes 1") << E << 7 << "abc" << "1" << L{1};
        QTest::newRow("office -5") << E << 7 << "-5" << "-5" << L{3};
        QTest::newRow("a lone minus shows nothing") << E << 7 << "-" << "-" << L{};
        QTest::newRow("an emptied filter becomes y") << E << 1 << "" << "y" << L{1};
        QTest::newRow("bus main") << E << 2 << "MAIN" << "MAIN" << L{3, 1};
    }
    void selections()
    {
        QFETCH(SelectionPage, page);
        QFETCH(int, field);
        QFETCH(QString, filter);
        QFETCH(QString, filterAfter);
        QFETCH(QList<qint64>, shown);
        TempDatabase temp;
        temp.open();
        temp.exec(QString::fromLatin1(page == SelectionPage::Clients ? kClients : kExpenses));
        auto db = temp.open();
        View view(*db, page == SelectionPage::Clients ? TableId::Names : TableId::Expense);
        int totals = 0;
        QString selected;
        PageContext c = context();
        c.selectedField = &selected;
        PageSelection selection(page, view, c, [&totals] { ++totals; });
        selection.setControls(field, filter);
        selection.run();
        QCOMPARE(selection.filterText(), filterAfter);
        QCOMPARE(refs(view), shown);
        QCOMPARE(totals, page == SelectionPage::Clients ? 0 : 1);
        QCOMPARE(selected, fieldItems(page).at(field).field);
        QVERIFY(m_port.log().isEmpty());
    }

    void titleClickKeepsTheRecordAndEmptiesOnTheNextSelection()
    {
        TempDatabase temp;
        temp.open();
        temp.exec(QString::fromLatin1(kExpenses));
        auto db = temp.open();
        View view(*db, TableId::Expense);
        PageSelection selection(SelectionPage::Expenses, view, context());
        QCOMPARE(selection.titleSort(), QStringLiteral("Date;Bus;Expense;Supplier;Invoice"));
        selection.run();
        QVERIFY(view.goToRecord(2));
        selection.titleClick(QStringLiteral("Bank"));
        QCOMPARE(refs(view), (QList<qint64>{3, 1, 2}));
        QCOMPARE(view.asInteger(u"Ref"), 2);
        QCOMPARE(selection.fieldShown(), QStringLiteral("Bank"));
        QCOMPARE(selection.titleSort(), QStringLiteral("Bank"));
        QCOMPARE(selection.fieldIndex(), 0);
        selection.setOrderIndex(2); // "Cat;Bus;Date"
        QCOMPARE(selection.titleSort(), QString());
        QCOMPARE(view.order(), QStringLiteral("Cat;Bus;Date"));
    }

    void theClientRefPrompt_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QList<qint64>>("shown");
        QTest::addColumn<QStringList>("log");
        const QString prompt = QStringLiteral("InputBox: Input Ref Number | Enter Number to find | ");
        QTest::newRow("a number") << "3" << QList<qint64>{3} << QStringList{prompt};
        QTest::newRow("not a number keeps the records")
            << "3 or 1=1" << QList<qint64>{5, 2, 3, 4, 1}
            << QStringList{prompt, QStringLiteral("MessageDlg(Information): \"3 or 1=1\" is not a record number.")};
    }
    void theClientRefPrompt()
    {
        QFETCH(QString, answer);
        QFETCH(QList<qint64>, shown);
        QFETCH(QStringList, log);
        TempDatabase temp;
        temp.open();
        temp.exec(QString::fromLatin1(kClients));
        auto db = temp.open();
        View view(*db, TableId::Names);
        PageSelection selection(SelectionPage::Clients, view, context());
        selection.all();
        m_port.queueText(answer);
        selection.setFieldIndex(18);
        QCOMPARE(refs(view), shown);
        QCOMPARE(m_port.log(), log);
    }

    void orderListsAsTheViewTakesThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("list");
        QTest::newRow("stored tab") << "Surname;FirstName;Company;EntryDate\t" << "Surname;FirstName;Company;EntryDate";
        QTest::newRow("Group") << "Group;Surname\t" << "Grp;Surname";
        QTest::newRow("Inv No") << "Inv No" << "Ref";
    }
    void orderListsAsTheViewTakesThem()
    {
        QFETCH(QString, text);
        QFETCH(QString, list);
        QCOMPARE(viewOrderList(text), list);
    }
};

QTEST_GUILESS_MAIN(tst_PageSelection)
#include "tst_PageSelection.moc"
