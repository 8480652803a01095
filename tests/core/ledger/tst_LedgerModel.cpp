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
};

QTEST_GUILESS_MAIN(tst_LedgerModel)
#include "tst_LedgerModel.moc"
