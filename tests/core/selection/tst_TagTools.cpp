#include "core/clients/ClientsModel.h"
#include "core/ledger/LedgerModel.h"
#include "core/selection/TagTools.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/PageContextFixture.h"
#include "support/store/TempDatabase.h"
#include "support/store/ViewRefs.h"

#include <QSignalSpy>
#include <QTest>

using namespace kelvora;
using kelvora::test::PageContextFixture;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;
using kelvora::test::refsShown;

class tst_TagTools : public QObject, PageContextFixture
{
    Q_OBJECT

    // Clients 1..5; Tags y, X, empty, NULL, Y.
    static std::unique_ptr<Database> fiveClients(const TempDatabase& temp)
    {
        return temp.openWith(QStringLiteral(
            "INSERT INTO Names (Ref, Surname, FirstName, Company, Tag, Cat) VALUES "
            "(1, 'Adams', 'Al', 'Acme', 'y', 'm'), (2, 'Brown', 'Bo', 'Bolt', 'X', 'm'), "
            "(3, 'Cole', 'Cy', 'Cog', '', 'f'), (4, 'Dunn', 'Di', 'Dot', NULL, 'f'), (5, 'Eve', 'Ed', 'Elm', 'Y', 'm')"));
    }

    static QStringList tags(const TempDatabase& temp, const QString& table)
    {
        QStringList out;
        for (const Value& v : temp.column(QStringLiteral("SELECT COALESCE(Tag, '') FROM %1 ORDER BY Ref").arg(table)))
            out.append(TempDatabase::toVariant(v).toString());
        return out;
    }

private slots:
    void init() { m_port = ScriptedUserPort(); }

    void tagAllShowsEveryTaggedRecordUnlessTheFilterHeldY_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QList<qint64>>("shown");
        // Filter "f" on Cat selects 3 and 4; after tagging, a changed filter shows
        // every tagged client of the table (the Y of 5 counts), "y" keeps the two.
        QTest::newRow("other filter") << "f" << QList<qint64>{1, 3, 4, 5};
        QTest::newRow("y already") << "y" << QList<qint64>{3, 4};
    }
    void tagAllShowsEveryTaggedRecordUnlessTheFilterHeldY()
    {
        QFETCH(QString, filter);
        QFETCH(QList<qint64>, shown);
        TempDatabase temp;
        auto db = fiveClients(temp);
        ClientsModel model(context(), *db);
        model.selection().setControls(2, filter); // Cat
        model.view().setSelection(Selection::contains(QStringLiteral("Cat"), QStringLiteral("f")));
        QSignalSpy focus(&model.tagTools(), &TagTools::focusGrid);
        model.tagTools().tagAll();
        QCOMPARE(tags(temp, QStringLiteral("Names")), (QStringList{"y", "X", "y", "y", "Y"}));
        QCOMPARE(refsShown(model.view()), shown);
        QCOMPARE(model.selection().fieldIndex(), 1);
        QCOMPARE(model.selection().filterText(), QStringLiteral("y"));
        QCOMPARE(model.view().currentRow(), 0);
        QCOMPARE(focus.count(), 1);
        QVERIFY(!model.view().controlsDisabled());
    }

    void clearTagsWritesOnlyTaggedRecordsAndKeepsTheGrid()
    {
        TempDatabase temp;
        auto db = fiveClients(temp);
        ClientsModel model(context(), *db);
        model.view().setSelection(Selection::contains(QStringLiteral("Cat"), QStringLiteral("m")));
        model.tagTools().clearTags();
        QCOMPARE(tags(temp, QStringLiteral("Names")), (QStringList{"", "", "", "", ""}));
        // Records outside the selection are not written: 3 keeps its stored empty text.
        QCOMPARE(temp.scalar(QStringLiteral("SELECT COUNT(*) FROM Names WHERE Tag = ''")).toInteger(), 1);
        QCOMPARE(refsShown(model.view()), (QList<qint64>{1, 2, 5}));
    }

    void reverseTagsEveryRecordOfTheTable()
    {
        TempDatabase temp;
        auto db = fiveClients(temp);
        ClientsModel model(context(), *db);
        model.view().setSelection(Selection::contains(QStringLiteral("Cat"), QStringLiteral("m")));
        model.tagTools().reverse();
        QCOMPARE(tags(temp, QStringLiteral("Names")), (QStringList{"", "", "y", "y", ""}));
        QCOMPARE(refsShown(model.view()), (QList<qint64>{3, 4}));
        // Every record tagged: reversing empties every tag and the grid.
        model.selection().all();
        model.tagTools().tagAll();
        QCOMPARE(tags(temp, QStringLiteral("Names")), (QStringList{"y", "y", "y", "y", "y"}));
        model.tagTools().reverse();
        QCOMPARE(tags(temp, QStringLiteral("Names")), (QStringList{"", "", "", "", ""}));
        QCOMPARE(model.view().rowCount(), 0);
    }

    void reverseOnALedgerPageSumsTheNewSelection()
    {
        TempDatabase temp;
        auto db = temp.openWith(QStringLiteral("INSERT INTO Expense (Ref, Date, Office, Bank, Tag) VALUES "
                                 "(1, '2026-01-05', 50, 50, 'y'), (2, '2026-01-06', 60, 60, NULL), "
                                 "(3, '2026-01-07', 10, 10, 'X')"));
        LedgerModel model(context(), *db, LedgerKind::Expenses);
        model.tagTools().reverse();
        QCOMPARE(tags(temp, QStringLiteral("Expense")), (QStringList{"", "y", ""}));
        QCOMPARE(refsShown(model.view()), (QList<qint64>{2}));
        QCOMPARE(model.totals().total, 60.0);
        QCOMPARE(model.view().currentRow(), model.view().rowCount() - 1);
    }

    void unpaidAndPaid_data()
    {
        QTest::addColumn<bool>("paid");
        QTest::addColumn<QStringList>("tags");
        QTest::addColumn<QList<qint64>>("shown");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("column");
        QTest::newRow("unpaid") << false << QStringList{"", "y", "y", "", ""} << QList<qint64>{2, 3} << 0 << "Taxable";
        QTest::newRow("paid") << true << QStringList{"y", "", "", "y", ""} << QList<qint64>{1, 4} << 1 << "PaidDate";
    }
    void unpaidAndPaid()
    {
        QFETCH(bool, paid);
        QFETCH(QStringList, tags);
        QFETCH(QList<qint64>, shown);
        QFETCH(int, current);
        QFETCH(QString, column);
        TempDatabase temp;
        // 1 paid; 2 owes tax; 3 owes only TaxExempt 50; 4 paid nothing owed; 5 owes nothing.
        auto db = temp.openWith(QStringLiteral("INSERT INTO Names (Ref, Surname, Tax, TaxExempt, PaidDate, Tag) VALUES "
                                 "(1, 'A', 10, 0, '2026-02-01', NULL), (2, 'B', 10, NULL, NULL, 'X'), "
                                 "(3, 'C', 0, 50, NULL, NULL), (4, 'D', 0, 0, '2026-03-01', 'y'), "
                                 "(5, 'E', 0, 0, NULL, 'y')"));
        ClientsModel model(context(), *db);
        model.view().setSelection(Selection::contains(QStringLiteral("Surname"), QStringLiteral("A")));
        QSignalSpy column_(&model.tagTools(), &TagTools::currentColumnWanted);
        paid ? model.tagTools().paid() : model.tagTools().unpaid();
        QCOMPARE(this->tags(temp, QStringLiteral("Names")), tags);
        QCOMPARE(refsShown(model.view()), shown);
        QCOMPARE(model.view().currentRow(), current);
        QCOMPARE(column_.last().first().toString(), column);
    }

    void birthdaysWithinAMonth_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QList<qint64>>("shown");
        // Births: 1 14 Nov, 2 15 Nov, 3 30 Nov, 4 14 Dec, 5 15 Dec, 6 20 Dec,
        // 7 31 Dec, 8 19 Jan, 9 20 Jan, 10 none, 11 29 Feb.
        QTest::newRow("15 November") << QDate(2026, 11, 15) << QList<qint64>{2, 3, 4};
        QTest::newRow("20 December") << QDate(2026, 12, 20) << QList<qint64>{6, 7, 8};
        QTest::newRow("1 February") << QDate(2027, 2, 1) << QList<qint64>{11};
    }
    void birthdaysWithinAMonth()
    {
        QFETCH(QDate, today);
        QFETCH(QList<qint64>, shown);
        m_today = today;
        TempDatabase temp;
        auto db = temp.openWith(QStringLiteral(
            "INSERT INTO Names (Ref, Surname, DOB, Tag) VALUES (1, 'a', '1970-11-14', 'y'), (2, 'b', '1970-11-15', NULL), "
            "(3, 'c', '1970-11-30', NULL), (4, 'd', '1970-12-14', NULL), (5, 'e', '1970-12-15', NULL), "
            "(6, 'f', '1970-12-20', NULL), (7, 'g', '1970-12-31', NULL), (8, 'h', '1971-01-19', NULL), "
            "(9, 'i', '1971-01-20', NULL), (10, 'j', NULL, 'y'), (11, 'k', '1972-02-29', NULL)"));
        ClientsModel model(context(), *db);
        model.tagTools().birthdaysWithinAMonth();
        QCOMPARE(refsShown(model.view()), shown);
        QCOMPARE(temp.scalar(QStringLiteral("SELECT COUNT(*) FROM Names WHERE Tag = 'y'")).toInteger(),
                 qint64(shown.size()));
    }

    void duplicatesKeepOneOfEachAdjacentRun_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QList<qint64>>("shown");
        // 1 and 3 are the same person; 4 differs only in letter case.
        QTest::newRow("adjacent by name") << "Surname;FirstName;Company;Ref" << QList<qint64>{1, 2, 4};
        QTest::newRow("separated by Ref") << "Ref" << QList<qint64>{1, 2, 3, 4};
    }
    void duplicatesKeepOneOfEachAdjacentRun()
    {
        QFETCH(QString, order);
        QFETCH(QList<qint64>, shown);
        TempDatabase temp;
        auto db = temp.openWith(QStringLiteral("INSERT INTO Names (Ref, Surname, FirstName, Company) VALUES "
                                 "(1, 'Smith', 'Jo', 'Acme'), (2, 'Taylor', 'Jo', 'Acme'), (3, 'Smith', 'Jo', 'Acme'), "
                                 "(4, 'smith', 'Jo', 'Acme')"));
        ClientsModel model(context(), *db);
        model.view().setOrder(order);
        model.selection().setControls(0, QStringLiteral("y"));
        model.tagTools().duplicates();
        // The Tag selection shows them in the order selector's order, where the
        // three Smiths tie; which records are left is what counts.
        QList<qint64> refs = refsShown(model.view());
        std::sort(refs.begin(), refs.end());
        QCOMPARE(refs, shown);
    }

    void aPendingNewRecordIsNotStoredEmptyByATool()
    {
        TempDatabase temp;
        auto db = fiveClients(temp);
        ClientsModel model(context(), *db);
        model.view().append();
        model.tagTools().clearTags();
        QCOMPARE(temp.scalar(QStringLiteral("SELECT COUNT(*) FROM Names")).toInteger(), 5);
    }
};

QTEST_GUILESS_MAIN(tst_TagTools)
#include "tst_TagTools.moc"
