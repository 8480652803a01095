#include "core/clients/ClientsModel.h"
#include "core/selection/NotesSearch.h"
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

class tst_NotesSearch : public QObject, PageContextFixture
{
    Q_OBJECT

    // Clients A..D in surname order; B's notes hold "pay" on lines 2 and 5, D's on line 1.
    static std::unique_ptr<Database> fourClients(const TempDatabase& temp)
    {
        return temp.openWith(QStringLiteral("INSERT INTO Names (Ref, Surname, Notes) VALUES (?, ?, ?), (?, ?, ?), (?, ?, ?), (?, ?, ?)"),
                  {Value::integer(1), Value::text("Adams"), Value::text("nothing here"), Value::integer(2),
                   Value::text("Brown"), Value::text("one\r\nto pay\r\nthree\r\nfour\r\nwe pay, pay"),
                   Value::integer(3), Value::text("Smithers"), Value(), Value::integer(4), Value::text("Dunsmith"),
                   Value::text("pay now")});
    }

private slots:
    void init() { m_port = ScriptedUserPort(); }

    void theLastLineHoldingTheTextIsHit_data()
    {
        QTest::addColumn<QString>("notes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::newRow("lines 2 and 5") << "one\r\nto pay\r\nthree\r\nfour\r\nwe pay, pay" << "pay" << 29 << 3;
        QTest::newRow("first line") << "pay now" << "pay" << 0 << 3;
        QTest::newRow("lone line feeds") << "a\nb pay" << "pay" << 4 << 3;
        QTest::newRow("case matters") << "PAY" << "pay" << -1 << 0;
        QTest::newRow("empty text never") << "anything" << "" << -1 << 0;
        QTest::newRow("across a break") << "pa\r\ny" << "pa\r\ny" << -1 << 0;
    }
    void theLastLineHoldingTheTextIsHit()
    {
        QFETCH(QString, notes);
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        const auto hit = NotesSearch::find(notes, text);
        QCOMPARE(hit.has_value(), start >= 0);
        if (hit)
            QCOMPARE(*hit, (NotesHit{start, length}));
    }

    void firstAndNextWalkTheRecordsShown()
    {
        TempDatabase temp;
        auto db = fourClients(temp);
        ClientsModel model(context(), *db);
        NotesSearch& search = model.notesSearch();
        QString shared = QStringLiteral("old");
        search.shareSearchText([&] { return shared; }, [&](const QString& t) { shared = t; });
        QSignalSpy found(&search, &NotesSearch::found);
        View& v = model.view(); // Adams, Brown, Dunsmith, Smithers

        m_port.queueText(QStringLiteral("pay"));
        search.firstSearch();
        QCOMPARE(m_port.log(), QStringList{QStringLiteral("InputBox: CASE SENSITIVE Search | Enter Text to find | old")});
        QCOMPARE(shared, QStringLiteral("pay"));
        QCOMPARE(v.asText(u"Surname"), QStringLiteral("Brown"));
        QCOMPARE(found.last(), (QList<QVariant>{qsizetype(29), qsizetype(3)}));

        search.nextSearch();
        QCOMPARE(v.asText(u"Surname"), QStringLiteral("Dunsmith"));
        // Smithers, the last record, has no notes.
        search.nextSearch();
        QCOMPARE(m_port.lastLine(),
                 QStringLiteral("MessageDlg(Information): No more entries were found,  click Next button to re-search."));
        QCOMPARE(v.currentRow(), 0);
        // The next press starts at the second record.
        search.nextSearch();
        QCOMPARE(v.asText(u"Surname"), QStringLiteral("Brown"));
        QVERIFY(!v.controlsDisabled());
    }

    void nextAtTheLastRecordFindsItAgain()
    {
        TempDatabase temp;
        auto db = fourClients(temp);
        ClientsModel model(context(), *db);
        View& v = model.view();
        v.setSelection(Selection::contains(QStringLiteral("Notes"), QStringLiteral("pay")));
        m_port.queueText(QStringLiteral("now"));
        model.notesSearch().firstSearch();
        QCOMPARE(v.currentRow(), 1); // Dunsmith, the last
        model.notesSearch().nextSearch();
        QCOMPARE(v.currentRow(), 1);
        QCOMPARE(m_port.log().size(), 1);
    }

    void nothingFoundLeavesTheLastRecord()
    {
        TempDatabase temp;
        auto db = fourClients(temp);
        ClientsModel model(context(), *db);
        m_port.queueCancel(); // the default, empty, never matches
        model.notesSearch().firstSearch();
        QCOMPARE(m_port.lastLine(), QStringLiteral("MessageDlg(Information): No entries were found."));
        QCOMPARE(model.view().currentRow(), 3);
    }

    void locateSurnameSelectsAndOrders()
    {
        TempDatabase temp;
        auto db = fourClients(temp);
        ClientsModel model(context(), *db);
        model.selection().setOrderIndex(0);
        m_port.queueText(QStringLiteral("SMI\"%"));
        model.notesSearch().locateSurname();
        QCOMPARE(m_port.log().first(), QStringLiteral("InputBox: Case SENSITIVE Search | Enter Surname to locate | "));
        QCOMPARE(model.view().rowCount(), 0); // a quote is a letter to find, not a broken statement
        m_port.queueText(QStringLiteral("smi"));
        model.notesSearch().locateSurname();
        QCOMPARE(m_port.lastLine(), QStringLiteral("InputBox: CASE SENSITIVE Search | Enter Surname to locate | SMI\"%"));
        QCOMPARE(model.view().rowCount(), 2);
        QCOMPARE(model.view().asText(u"Surname"), QStringLiteral("Dunsmith"));
        QCOMPARE(model.selection().orderIndex(), 18);
    }
};

QTEST_GUILESS_MAIN(tst_NotesSearch)
#include "tst_NotesSearch.moc"
