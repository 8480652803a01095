#include "core/ledger/LedgerModel.h"
#include "core/settings/IniFile.h"
#include "core/settings/Settings.h"
#include "core/store/Database.h"
#include "core/taxation/TaxnController.h"
#include "support/ScriptedUserPort.h"
#include "support/store/TempDatabase.h"

#include <QDir>
#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDatabase;

namespace {

// Records a test reads: Phone 1,200.00 and Office 100.00 with F1 50.00 in the
// expenses, Sales 1,000.00 in the income; every record balances.
void addLedgers(const TempDatabase& temp)
{
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date, Bus, Phone, Tax, Bank) VALUES "
                             "(1, '2026-03-02', 'Shop', 1200, 120, 1320)"));
    temp.exec(QStringLiteral("INSERT INTO Expense (Ref, Date, Bus, Office, F1, Tax, Bank) VALUES "
                             "(2, '2026-03-09', 'Home', 100, 50, 15, 165)"));
    temp.exec(QStringLiteral("INSERT INTO Income (Ref, Date, Bus, Sales, Tax, Bank) VALUES "
                             "(1, '2026-03-04', 'Shop', 1000, 100, 1100)"));
}

class RecordingRunner : public CalculatorReportRunner
{
public:
    void showReport(const CalculatorReport& report) override { shown.append(report); }
    QList<CalculatorReport> shown;
};

} // namespace

class tst_TaxnController : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedUserPort m_port;
    std::unique_ptr<Settings> m_settings;
    Regional m_regional = Regional::australian();
    std::unique_ptr<TempDatabase> m_temp;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<LedgerModel> m_expenses;
    std::unique_ptr<LedgerModel> m_income;

    QString settingsFile() const { return m_dir.filePath(QStringLiteral("Kelvora.Ini")); }

    // Both pages over the fixture, as the taxation button leaves them.
    TaxnController opened(CalculatorReportRunner* runner = nullptr)
    {
        TaxnController::sumBoth(*m_expenses, *m_income);
        TaxnController c(*m_expenses, *m_income, runner);
        c.FormActivate();
        return c;
    }

private slots:
    void init()
    {
        QFile::remove(settingsFile());
        m_port = ScriptedUserPort();
        m_settings = std::make_unique<Settings>(
            SettingsLocations{settingsFile(), m_dir.filePath(QStringLiteral("key.ini")), m_dir.path() + "/"});
        m_temp = std::make_unique<TempDatabase>();
        m_temp->open();
        addLedgers(*m_temp);
        m_db = m_temp->open();
        const PageContext context{m_port, *m_settings, m_regional,
                                  [] { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); }};
        m_expenses = std::make_unique<LedgerModel>(context, *m_db, LedgerKind::Expenses);
        m_income = std::make_unique<LedgerModel>(context, *m_db, LedgerKind::Income);
        m_income->setExpensesForBalances(m_expenses.get());
    }
    void cleanup()
    {
        m_income.reset();
        m_expenses.reset();
        m_db.reset();
        m_temp.reset();
    }

    void theLedgersKnowEachOther()
    {
        QCOMPARE(m_expenses->incomeLedger(), m_income.get());
        QCOMPARE(m_income->expensesLedger(), m_expenses.get());
        QCOMPARE(m_expenses->expensesLedger(), m_expenses.get());
    }

    void heading_data()
    {
        QTest::addColumn<int>("expField");
        QTest::addColumn<QString>("expFilter");
        QTest::addColumn<int>("incField");
        QTest::addColumn<QString>("incFilter");
        QTest::addColumn<QString>("heading");
        QTest::newRow("no filters") << 0 << "y" << 0 << "y" << "Taxation Breakdown for All";
        QTest::newRow("same field and value") << 2 << "Shop" << 2 << "Shop" << "Taxation Breakdown for Bus Shop";
        QTest::newRow("tag mark") << 1 << "y" << 1 << "y" << "Taxation Breakdown for Tag";
        QTest::newRow("other values") << 2 << "Shop" << 2 << "Home" << "Taxation Breakdown for Bus";
        QTest::newRow("only expenses filtered") << 2 << "Shop" << 0 << "y" << "Taxation Breakdown for All";
        QTest::newRow("the description fields") << 5 << "Rent" << 5 << "Rent" << "Taxation Breakdown for Income Rent";
        QTest::newRow("year at different places") << 14 << "2026" << 11 << "2026"
                                                   << "Taxation Breakdown for Year 2026";
        // Index 7 is Office in one list and Period in the other.
        QTest::newRow("same place, other field") << 7 << "1" << 7 << "1" << "Taxation Breakdown for Period";
    }
    void heading()
    {
        QFETCH(int, expField);
        QFETCH(QString, expFilter);
        QFETCH(int, incField);
        QFETCH(QString, incFilter);
        QFETCH(QString, heading);
        m_expenses->selection().setControls(expField, expFilter);
        m_income->selection().setControls(incField, incFilter);
        TaxnController c = opened();
        QCOMPARE(c.text("HeadPanel"), heading);
    }

    void createdWithLabelsPercentagesAndTotals()
    {
        m_settings->setValue(SettingKey::E1, QStringLiteral("Rent"));
        m_settings->setValue(SettingKey::VAT, QStringLiteral("GST"));
        TaxnController::sumBoth(*m_expenses, *m_income);
        QVERIFY(m_expenses->totalsComputed());
        QVERIFY(m_income->totalsComputed());
        const TaxnController c(*m_expenses, *m_income);
        QCOMPARE(c.text("HeadPanel"), QStringLiteral("Taxation  Summary"));
        QCOMPARE(c.text("LabE1"), QStringLiteral("Rent"));
        QCOMPARE(c.text("LabE7"), QStringLiteral("Tax Free"));
        QCOMPARE(c.text("Spare5"), QStringLiteral("Tax Free"));
        QCOMPARE(c.text("Tax1"), QStringLiteral("GST"));
        QCOMPARE(c.text("Tax2"), QStringLiteral("GST"));
        QCOMPARE(c.text("TaxBalance"), QStringLiteral("GST Balance"));
        QCOMPARE(c.text("Pho"), QStringLiteral("80"));
        QCOMPARE(c.text("Oth"), QStringLiteral("50"));
        QCOMPARE(c.text("E7"), QStringLiteral("0"));
        QCOMPARE(c.text("Sal"), QStringLiteral("100"));
        QCOMPARE(c.text("PhoneExp"), QStringLiteral("$1,200.00"));
        QCOMPARE(c.text("GSTExp"), QStringLiteral("$135.00"));
        QCOMPARE(c.text("EdSales"), QStringLiteral("$1,000.00"));
        QCOMPARE(c.text("IncGST"), QStringLiteral("$100.00"));
        QCOMPARE(c.text("PhoneTot"), QString());
    }

    void breakdownOfTheTotals()
    {
        const TaxnController c = opened();
        QCOMPARE(c.text("PhoneTot"), QStringLiteral("$960.00"));
        QCOMPARE(c.text("OfficeTot"), QStringLiteral("$100.00"));
        QCOMPARE(c.text("OtherTot"), QStringLiteral("$0.00"));
        QCOMPARE(c.text("E1Tot"), QStringLiteral("$50.00"));
        QCOMPARE(c.text("E7Tot"), QStringLiteral("$0.00"));
        QCOMPARE(c.text("NoF"), QStringLiteral("2"));
        QCOMPARE(c.text("TotF"), QStringLiteral("$1,350.00"));
        QCOMPARE(c.text("TotE"), QStringLiteral("$1,110.00"));
        QCOMPARE(c.text("BankExp"), QStringLiteral("$1,485.00"));
        QCOMPARE(c.text("SalesTot"), QStringLiteral("$1,000.00"));
        QCOMPARE(c.text("NoI"), QStringLiteral("1"));
        QCOMPARE(c.text("TotI"), QStringLiteral("$1,000.00"));
        QCOMPARE(c.text("TotTI"), QStringLiteral("$1,000.00"));
        QCOMPARE(c.text("BankInc"), QStringLiteral("$1,100.00"));
        QCOMPARE(c.text("Balance"), QStringLiteral("-$350.00"));
        QVERIFY(c.isNegative("Balance"));
        QCOMPARE(c.text("GSTBal"), QStringLiteral("$35.00"));
        QVERIFY(!c.isNegative("GSTBal"));
        QVERIFY(c.problem().isEmpty());
    }

    void typedPercentages()
    {
        TaxnController c = opened();
        // Every keystroke recomputes: "8", then "80", then something else.
        c.typePercent("E1", "8");
        QCOMPARE(c.text("E1Tot"), QStringLiteral("$4.00"));
        c.typePercent("E1", "80");
        QCOMPARE(c.text("E1Tot"), QStringLiteral("$40.00"));
        c.typePercent("Pho", "12.5");
        QCOMPARE(c.text("PhoneTot"), QStringLiteral("$150.00"));
        c.typePercent("Off", "-10");
        QCOMPARE(c.text("OfficeTot"), QStringLiteral("-$10.00"));
        c.typePercent("Sal", "150");
        QCOMPARE(c.text("SalesTot"), QStringLiteral("$1,500.00"));
        QCOMPARE(c.text("TotE"), QStringLiteral("$180.00"));
    }

    void clearedPercentages()
    {
        TaxnController c = opened();
        c.typePercent("Pho", "");
        QCOMPARE(c.text("PhoneTot"), QStringLiteral("0"));
        c.typePercent("E1", "");
        QCOMPARE(c.text("E1Tot"), QString());
        c.typePercent("Sal", "");
        QCOMPARE(c.text("SalesTot"), QStringLiteral("0"));
        c.typePercent("I1", "");
        QCOMPARE(c.text("I1Tot"), QString());
        // Both count as 0: only Office is left.
        QCOMPARE(c.text("TotE"), QStringLiteral("$100.00"));
        QCOMPARE(c.text("TotTI"), QStringLiteral("$0.00"));
    }

    void aPercentageThatIsNoNumberStopsAtItsRow()
    {
        RecordingRunner runner;
        TaxnController c = opened(&runner);
        c.typePercent("Off", "50");
        c.typePercent("Pho", "8o");
        QCOMPARE(c.problemBox(), QStringLiteral("Pho"));
        QCOMPARE(c.problem(), QStringLiteral("The percentage for Phone, \"8o\", is not a number."));
        // Rows above it follow the change, rows from it on keep what they showed.
        QCOMPARE(c.text("OfficeTot"), QStringLiteral("$50.00"));
        QCOMPARE(c.text("PhoneTot"), QStringLiteral("$960.00"));
        c.typePercent("E1", "10");
        QCOMPARE(c.text("E1Tot"), QStringLiteral("$50.00"));
        QCOMPARE(c.text("TotE"), QStringLiteral("$1,060.00"));
        QVERIFY(m_port.log().isEmpty());
        // Printing waits for a number.
        c.PrintBtnClick();
        QVERIFY(runner.shown.isEmpty());
        QCOMPARE(m_port.log(), QStringList{"ShowMessage: The percentage for Phone, \"8o\", is not a number."});

        c.typePercent("Pho", "80");
        QVERIFY(c.problem().isEmpty());
        QCOMPARE(c.text("E1Tot"), QStringLiteral("$5.00"));
        QCOMPARE(c.text("TotE"), QStringLiteral("$1,015.00"));
    }

    void closingKeepsThePercentages()
    {
        TaxnController c = opened();
        c.typePercent("Pho", "75");
        c.typePercent("E3", "");
        c.typePercent("Sal", "90");
        c.FormClose();
        QVERIFY(m_port.log().isEmpty());
        QCOMPARE(m_settings->value(SettingKey::ExpensePctPhone), QStringLiteral("75"));
        QCOMPARE(m_settings->value(SettingKey::ExpensePct3), QString());
        const IniFile ini(settingsFile());
        QCOMPARE(ini.value("Detail", "Expense%Phone"), QStringLiteral("75"));
        QCOMPARE(ini.value("Detail", "Expense%3"), QString());
        QCOMPARE(ini.value("Detail", "Income%Salary"), QStringLiteral("90"));
        QCOMPARE(ini.value("Detail", "Expense%1"), QStringLiteral("100"));
        QCOMPARE(ini.value("Detail", "Income%5"), QStringLiteral("0"));
        // The next window starts from them.
        const TaxnController again(*m_expenses, *m_income);
        QCOMPARE(again.text("Pho"), QStringLiteral("75"));
        QCOMPARE(again.text("E3"), QString());
    }

    void aSettingsFileThatCannotBeWritten()
    {
        QVERIFY(QDir().mkpath(settingsFile()));
        TaxnController c = opened();
        c.typePercent("Pho", "70");
        c.FormClose();
        QCOMPARE(m_port.log(), QStringList{"ShowMessage: Exception: IniFile Write Error."});
        QCOMPARE(m_settings->value(SettingKey::ExpensePctPhone), QStringLiteral("70"));
        QDir(settingsFile()).removeRecursively();
    }

    void theTaxationSummaryReport()
    {
        RecordingRunner runner;
        m_expenses->selection().setControls(2, "Shop");
        m_income->selection().setControls(2, "Shop");
        TaxnController c = opened(&runner);
        c.PrintBtnClick();
        QCOMPARE(runner.shown.size(), 1);
        const CalculatorReport& r = runner.shown.first();
        QCOMPARE(r.name, QStringLiteral("RptTaxn"));
        QCOMPARE(r.text("Head"), QStringLiteral("Taxation Breakdown for Bus Shop"));
        QCOMPARE(r.text("Info"), QStringLiteral("Your Company"));
        QCOMPARE(r.text("PhoneExp"), QStringLiteral("$1,200.00"));
        QCOMPARE(r.text("Pho"), QStringLiteral("80"));
        QCOMPARE(r.text("PhoneTot"), QStringLiteral("$960.00"));
        QCOMPARE(r.text("LabE1"), QStringLiteral("100%"));
        QCOMPARE(r.text("TotE"), QStringLiteral("$1,110.00"));
        QCOMPARE(r.text("TotTI"), QStringLiteral("$1,000.00"));
        // The negative balance goes to the red object, the positive one to the blue.
        QCOMPARE(r.text("Balance"), QString());
        QCOMPARE(r.text("BalanceNeg"), QStringLiteral("-$350.00"));
        QCOMPARE(r.text("GSTBal"), QStringLiteral("$35.00"));
        QCOMPARE(r.text("GSTBalNeg"), QString());
    }
};

QTEST_GUILESS_MAIN(tst_TaxnController)
#include "tst_TaxnController.moc"
