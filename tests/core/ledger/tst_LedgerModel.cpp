#include "core/base/KelvoraError.h"
#include "core/ledger/GstRate.h"
#include "core/ledger/LedgerModel.h"
#include "core/settings/Settings.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/store/TempDatabase.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;

Q_DECLARE_METATYPE(LedgerKind)

class tst_LedgerModel : public QObject
{
    Q_OBJECT

    ScriptedUserPort m_port;
    Settings m_settings;
    Regional m_regional = Regional::australian();

    PageContext context()
    {
        return {m_port, m_settings, m_regional, [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); }};
    }

private slots:
    void init() { m_port = ScriptedUserPort(); }

    void bothLedgersNumberAndOrderTheirRecords_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("invoice");
        QTest::newRow("expenses") << LedgerKind::Expenses << "Date;Bus;Expense;Supplier;Invoice" << "ExpendGrid" << 24
                                  << "1";
        QTest::newRow("income") << LedgerKind::Income << "Date;Bus;Incom;Sourc;Ref" << "IncomeGrid" << 23 << "";
    }
    void bothLedgersNumberAndOrderTheirRecords()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(QString, order);
        QFETCH(QString, grid);
        QFETCH(int, columns);
        QFETCH(QString, invoice);
        TempDatabase temp;
        auto db = temp.open();
        LedgerModel model(context(), *db, kind);
        QCOMPARE(model.view().order(), order);
        QCOMPARE(model.traits().grid, grid);
        QCOMPARE(model.columns().size(), columns);
        model.refs().findLast();
        model.view().append();
        model.view().setField(u"Bus", QStringLiteral("Shop"));
        model.postPending();
        QCOMPARE(model.view().asInteger(u"Ref"), 1);
        if (kind == LedgerKind::Expenses)
            QCOMPARE(model.view().asText(u"Invoice"), invoice);
    }

    void setPeriodAndYear()
    {
        TempDatabase temp;
        auto db = temp.open();
        m_settings.setValue(SettingKey::Period, QStringLiteral("3"));
        m_settings.setValue(SettingKey::FiscalYr, QStringLiteral("Fin"));
        LedgerModel model(context(), *db, LedgerKind::Expenses);
        View& e = model.view();
        e.append();
        e.setField(u"Date", QDate(2004, 8, 20));
        // Being inserted: never given codes.
        model.SetPeriodAndYear();
        QCOMPARE(e.state(), View::State::Insert);
        e.post();
        model.SetPeriodAndYear();
        QCOMPARE(e.state(), View::State::Browse);
        QCOMPARE(e.asText(u"Period"), QStringLiteral("0403"));
        QCOMPARE(e.asText(u"Year"), QStringLiteral("0405"));
        // 2001: nothing written, no message.
        e.edit();
        e.setField(u"Date", QDate(2001, 3, 10));
        e.post();
        model.SetPeriodAndYear();
        QCOMPARE(e.asText(u"Year"), QStringLiteral("0405"));
        QVERIFY(m_port.log().isEmpty());
        // No date: "Enter Date" and nothing written.
        LedgerModel income(context(), *db, LedgerKind::Income);
        View& i = income.view();
        i.append();
        i.setField(u"Incom", QStringLiteral("Fees"));
        i.post();
        income.SetPeriodAndYear();
        QCOMPARE(m_port.log(), QStringList{QStringLiteral("MessageDlg(Information): Enter Date")});
        QVERIFY(i.isNull(u"Period"));
    }

    void entryButtonsOnTheCurrentRecord()
    {
        TempDatabase temp;
        auto db = temp.open();
        m_settings.setValue(SettingKey::Period, QStringLiteral("3"));
        m_settings.setValue(SettingKey::FiscalYr, QStringLiteral("Cal"));
        LedgerModel model(context(), *db, LedgerKind::Expenses);
        View& e = model.view();
        e.append();
        e.setField(u"F2", 110.0);
        // On the Date column an empty date becomes today; the post numbers the record.
        model.entryButton(LedgerModel::EntryButton::Split, QStringLiteral("Date"));
        QCOMPARE(e.state(), View::State::Browse);
        QCOMPARE(e.asInteger(u"Ref"), 1);
        QCOMPARE(e.asDate(u"Date"), QDate(2026, 12, 11));
        QCOMPARE(e.asFloat(u"F2"), 100.0);
        QCOMPARE(e.asFloat(u"Tax"), 10.0);
        QCOMPARE(e.asFloat(u"Bank"), 110.0);
        QCOMPARE(e.asText(u"Period"), QStringLiteral("2604")); // the December quarter
        QVERIFY(model.totalsStale());
        QVERIFY(m_port.log().isEmpty());
        QCOMPARE(temp.scalar(QStringLiteral("SELECT Bank FROM Expense")).toReal(), 110.0);
    }

    void anEmptyRecordIsAllocatedFirst_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("expenses") << LedgerKind::Expenses << "MessageDlg(Information): Allocate Expense";
        QTest::newRow("income") << LedgerKind::Income << "MessageDlg(Information): Allocate Income";
    }
    void anEmptyRecordIsAllocatedFirst()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(QString, message);
        TempDatabase temp;
        auto db = temp.open();
        LedgerModel model(context(), *db, kind);
        View& v = model.view();
        v.append();
        v.setField(u"Date", QDate(2026, 3, 2));
        model.entryButton(LedgerModel::EntryButton::Add, QStringLiteral("Tag"));
        QCOMPARE(m_port.log(), QStringList{message});
        QVERIFY(v.isNull(u"Bank"));
        QVERIFY(v.isNull(u"Tax"));
        // The closing steps still run: codes and the stale Sum.
        QVERIFY(!v.isNull(u"Period"));
        QVERIFY(model.totalsStale());
    }

    void aRateThatIsNoNumberChangesNothing_data()
    {
        QTest::addColumn<QString>("rate");
        QTest::addColumn<int>("button");
        QTest::newRow("empty") << "" << int(LedgerModel::EntryButton::Split);
        QTest::newRow("letters") << "ten" << int(LedgerModel::EntryButton::Add);
        QTest::newRow("with-held at 100") << "100" << int(LedgerModel::EntryButton::WithHeld);
        QTest::newRow("split at -100") << "-100" << int(LedgerModel::EntryButton::Split);
    }
    void aRateThatIsNoNumberChangesNothing()
    {
        QFETCH(QString, rate);
        QFETCH(int, button);
        TempDatabase temp;
        auto db = temp.open();
        m_settings.setGstRate(rate);
        LedgerModel model(context(), *db, LedgerKind::Income);
        View& v = model.view();
        v.append();
        v.setField(u"Sales", 90.0);
        v.post();
        QVERIFY_THROWS_EXCEPTION(KelvoraError,
                                 model.entryButton(static_cast<LedgerModel::EntryButton>(button), QString()));
        QCOMPARE(v.state(), View::State::Edit);
        QCOMPARE(v.asFloat(u"Sales"), 90.0);
        QVERIFY(v.isNull(u"Bank"));
        QVERIFY(v.isNull(u"Period"));
        QVERIFY(!model.totalsStale());
        // Copy never reads the rate.
        v.cancel();
        model.entryButton(LedgerModel::EntryButton::Copy, QString());
        QCOMPARE(v.asFloat(u"Bank"), 90.0);
        m_settings.setGstRate(QStringLiteral("10"));
    }

    void theSummaryCheckWarnsWhenTheUserLeavesARecord()
    {
        TempDatabase temp;
        temp.open();
        temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date, Office, Tax, Bank) VALUES "
                                 "(1, '2026-01-05', 50, NULL, 50), (2, '2026-01-06', 60, 4.55, 50), "
                                 "(3, '2026-01-07', 10, NULL, 10)"));
        auto db = temp.open();
        LedgerModel model(context(), *db, LedgerKind::Expenses);
        model.findLastRef();
        QVERIFY(m_port.log().isEmpty()); // the program's own moves are quiet
        View& e = model.view();
        e.first();
        m_port.clearLog();
        e.next(); // leaves a balanced record
        QVERIFY(m_port.log().isEmpty());
        e.next(); // leaves the unbalanced one
        QCOMPARE(m_port.log().size(), 1);
        QVERIFY(m_port.lastLine().startsWith(
            QStringLiteral("MessageDlg(Warning): Expense Summary (Banked) amount did not equate")));
        QCOMPARE(e.currentRow(), 2);
    }

    void sumTotalsTheRecordsShown()
    {
        TempDatabase temp;
        temp.open();
        temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date, Office, F7, Tax, Bank) VALUES "
                                 "(1, '2026-01-05', 45.45, 20, 4.55, 70), (2, '2026-01-06', 60, NULL, 4.55, 50), "
                                 "(3, '2026-01-07', NULL, NULL, NULL, NULL)"));
        temp.exec(QStringLiteral("INSERT INTO Income (Ref, Date, Sales, Tax, Bank) VALUES "
                                 "(1, '2026-01-05', 100, 10, 110)"));
        auto db = temp.open();
        LedgerModel expenses(context(), *db, LedgerKind::Expenses);
        LedgerModel income(context(), *db, LedgerKind::Income);
        income.setExpensesForBalances(&expenses);
        const auto box = [](const LedgerModel& m, const char* name) {
            for (const FooterBox& b : m.traits().footerBoxes)
                if (b.box == QLatin1String(name))
                    return b;
            return FooterBox{};
        };
        QCOMPARE(expenses.footerText(box(expenses, "NoExp")), QString());

        // Income first: the balances use expense totals of 0.
        income.Sum();
        QCOMPARE(income.footerText(box(income, "Balance")), QStringLiteral("$100.00"));
        QCOMPARE(income.footerText(box(income, "GSTBal")), QStringLiteral("-$10.00"));
        QVERIFY(income.footerNegative(box(income, "GSTBal")));

        expenses.Sum();
        QCOMPARE(expenses.footerText(box(expenses, "NoExp")), QStringLiteral("3"));
        QCOMPARE(expenses.footerText(box(expenses, "OfficeExp")), QStringLiteral("$105.45"));
        QCOMPARE(expenses.footerText(box(expenses, "EdF7")), QStringLiteral("$20.00"));
        QCOMPARE(expenses.footerText(box(expenses, "TotalExp")), QStringLiteral("$125.45"));
        QCOMPARE(expenses.footerText(box(expenses, "GSTExp")), QStringLiteral("$9.10"));
        QCOMPARE(expenses.footerText(box(expenses, "BankExp")), QStringLiteral("$120.00"));
        QCOMPARE(expenses.view().currentRow(), 2);
        QVERIFY(!expenses.totalsStale());
        // Two unbalanced records: one warning, after the walk.
        QCOMPARE(m_port.log().size(), 1);
        QVERIFY(m_port.lastLine().startsWith(QStringLiteral("MessageDlg(Warning): Expense Summary")));
        QCOMPARE(m_port.busyDepth, 0);

        income.Sum();
        QCOMPARE(income.footerText(box(income, "Balance")), QStringLiteral("-$25.45"));
        QVERIFY(income.footerNegative(box(income, "Balance")));
        QCOMPARE(income.footerText(box(income, "GSTBal")), QStringLiteral("-$0.90"));
    }

    void sumOfAnEmptyView()
    {
        TempDatabase temp;
        auto db = temp.open();
        LedgerModel model(context(), *db, LedgerKind::Income);
        model.Sum();
        for (const FooterBox& b : model.traits().footerBoxes)
            QCOMPARE(model.footerText(b), b.value == FooterValue::Count ? QStringLiteral("0") : QStringLiteral("$0.00"));
        QVERIFY(m_port.log().isEmpty());
    }

    void theGstRate()
    {
        gstrate::ApplyIncChange(m_settings, QStringLiteral("12.5"));
        QCOMPARE(m_settings.gstRate(), QStringLiteral("12.5"));
        m_port.queueText(QStringLiteral("15"));
        gstrate::GSTApplyRate1Click(m_settings, m_port);
        QCOMPARE(m_settings.gstRate(), QStringLiteral("15"));
        m_port.queueCancel();
        gstrate::GSTApplyRate1Click(m_settings, m_port);
        QCOMPARE(m_settings.gstRate(), QStringLiteral("10"));
        QCOMPARE(m_port.log().first(), QStringLiteral("InputBox: Set GST Rate | Enter Rate | 10"));
    }
};

QTEST_GUILESS_MAIN(tst_LedgerModel)
#include "tst_LedgerModel.moc"
