#include "core/base/KelvoraError.h"
#include "core/ledger/EntryArithmetic.h"

#include <QTest>

using namespace kelvora;

using Amount = std::optional<double>;
Q_DECLARE_METATYPE(EntryAmounts)

namespace {

const Amount none;

// Expense amounts: Office, Other, Phone, F1..F6 taxable, F7 tax-free.
EntryAmounts expense(std::initializer_list<std::pair<int, double>> columns, Amount f7 = none, Amount tax = none,
                     Amount bank = none)
{
    EntryAmounts a;
    a.taxable.assign(9, none);
    for (const auto& [i, v] : columns)
        a.taxable[size_t(i)] = v;
    a.taxFree = f7;
    a.tax = tax;
    a.bank = bank;
    return a;
}

// Income amounts: Interest, Sales, F1..F4 taxable, F5 tax-free.
EntryAmounts income(std::initializer_list<std::pair<int, double>> columns, Amount f5 = none, Amount tax = none,
                    Amount bank = none)
{
    EntryAmounts a;
    a.taxable.assign(6, none);
    for (const auto& [i, v] : columns)
        a.taxable[size_t(i)] = v;
    a.taxFree = f5;
    a.tax = tax;
    a.bank = bank;
    return a;
}

enum Office { kOffice = 0, kOther = 1, kPhone = 2, kF1 = 3, kF2 = 4 };
enum Income { kInterest = 0, kSales = 1, kIF1 = 2 };

} // namespace

class tst_EntryArithmetic : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<double>("rate");
        QTest::addColumn<EntryAmounts>("typed");
        QTest::addColumn<EntryAmounts>("expected");
        // Expenses, rate 10.
        QTest::newRow("F2 110 split") << "split" << 10.0 << expense({{kF2, 110}})
                                      << expense({{kF2, 100}}, none, 10.0, 110.0);
        QTest::newRow("Office 50 Phone 30 split") << "split" << 10.0 << expense({{kOffice, 50}, {kPhone, 30}})
                                                  << expense({{kOffice, 45.45}, {kPhone, 27.27}}, none, 7.27, 79.99);
        QTest::newRow("Office 50 F7 20 split") << "split" << 10.0 << expense({{kOffice, 50}}, 20.0)
                                               << expense({{kOffice, 45.45}}, 20.0, 4.55, 70.0);
        QTest::newRow("Office 45.45 Phone 27.27 add")
            << "add" << 10.0 << expense({{kOffice, 45.45}, {kPhone, 27.27}})
            << expense({{kOffice, 45.45}, {kPhone, 27.27}}, none, 7.27, 79.99);
        QTest::newRow("F1 100 F7 15 add") << "add" << 10.0 << expense({{kF1, 100}}, 15.0)
                                          << expense({{kF1, 100}}, 15.0, 10.0, 125.0);
        QTest::newRow("Other 40 copy") << "copyExpense" << 10.0 << expense({{kOther, 40}}, none, 3.0)
                                       << expense({{kOther, 40}}, none, none, 40.0);
        QTest::newRow("F7 25 split") << "split" << 10.0 << expense({}, 25.0) << expense({}, 25.0, 0.0, 25.0);
        QTest::newRow("F7 25 add") << "add" << 10.0 << expense({}, 25.0) << expense({}, 25.0, 0.0, 25.0);
        QTest::newRow("Office -11 split") << "split" << 10.0 << expense({{kOffice, -11}})
                                          << expense({{kOffice, -10}}, none, -1.0, -11.0);
        QTest::newRow("second split") << "split" << 10.0 << expense({{kF2, 100}}, none, 10.0, 110.0)
                                      << expense({{kF2, 90.91}}, none, 9.09, 100.0);
        QTest::newRow("rate 12.5 Office 112.5") << "split" << 12.5 << expense({{kOffice, 112.5}})
                                                << expense({{kOffice, 100}}, none, 12.5, 112.5);
        // Income, rate 10.
        QTest::newRow("Sales 110 split") << "split" << 10.0 << income({{kSales, 110}})
                                         << income({{kSales, 100}}, none, 10.0, 110.0);
        QTest::newRow("Interest 55 F1 33 F5 900 split")
            << "split" << 10.0 << income({{kInterest, 55}, {kIF1, 33}}, 900.0)
            << income({{kInterest, 50}, {kIF1, 30}}, 900.0, 8.0, 988.0);
        QTest::newRow("Sales -11 split") << "split" << 10.0 << income({{kSales, -11}})
                                         << income({{kSales, -10}}, none, -1.0, -11.0);
        QTest::newRow("Sales 200 add") << "add" << 10.0 << income({{kSales, 200}})
                                       << income({{kSales, 200}}, none, 20.0, 220.0);
        QTest::newRow("Sales 100 Tax 5 copy") << "copyIncome" << 10.0 << income({{kSales, 100}}, none, 5.0)
                                              << income({{kSales, 100}}, none, 5.0, 105.0);
        QTest::newRow("copy after split") << "copyIncome" << 10.0 << income({{kSales, 100}}, none, 10.0, 110.0)
                                          << income({{kSales, 100}}, none, 10.0, 110.0);
        QTest::newRow("Sales 90 with-held") << "withHeld" << 10.0 << income({{kSales, 90}})
                                            << income({{kSales, 90}}, none, 10.0, 100.0);
        QTest::newRow("with-held twice") << "withHeld" << 10.0 << income({{kSales, 90}}, none, 10.0, 100.0)
                                         << income({{kSales, 90}}, none, 10.0, 100.0);
        QTest::newRow("Interest 45 Sales 90 with-held")
            << "withHeld" << 10.0 << income({{kInterest, 45}, {kSales, 90}})
            << income({{kInterest, 45}, {kSales, 90}}, none, 15.0, 150.0);
        QTest::newRow("Sales 100 with-held") << "withHeld" << 10.0 << income({{kSales, 100}})
                                             << income({{kSales, 100}}, none, 11.11, 111.11);
        QTest::newRow("Sales 90 F5 500 with-held") << "withHeld" << 10.0 << income({{kSales, 90}}, 500.0, 4.0)
                                                   << income({{kSales, 90}}, 500.0, none, 500.0);
        QTest::newRow("F5 0.00 with-held") << "withHeld" << 10.0 << income({{kSales, 90}}, 0.0)
                                           << income({{kSales, 90}}, 0.0, none, 0.0);
    }
    void workedExamples()
    {
        QFETCH(QString, button);
        QFETCH(double, rate);
        QFETCH(EntryAmounts, typed);
        QFETCH(EntryAmounts, expected);
        EntryAmounts done;
        if (button == QLatin1String("split"))
            done = entry::split(typed, rate);
        else if (button == QLatin1String("add"))
            done = entry::add(typed, rate);
        else if (button == QLatin1String("withHeld"))
            done = entry::withHeld(typed, rate);
        else if (button == QLatin1String("copyExpense"))
            done = entry::copyExpense(typed);
        else
            done = entry::copyIncome(typed);
        QCOMPARE(done, expected);
    }

    void aRateThatDividesByZeroIsRefused()
    {
        QVERIFY_THROWS_EXCEPTION(KelvoraError, entry::split(expense({{kOffice, 50}}), -100.0));
        QVERIFY_THROWS_EXCEPTION(KelvoraError, entry::withHeld(income({{kSales, 90}}), 100.0));
    }

    void summaryCheck_data()
    {
        QTest::addColumn<EntryAmounts>("amounts");
        QTest::addColumn<bool>("passes");
        QTest::newRow("balanced") << expense({{kOffice, 45.45}, {kPhone, 27.27}}, none, 7.27, 79.99) << true;
        QTest::newRow("all empty") << expense({}) << false;
        QTest::newRow("Office edited without a button") << expense({{kOffice, 60}}, none, 4.55, 50.0) << false;
        QTest::newRow("Bank empty") << expense({{kOffice, 50}}) << false;
        QTest::newRow("columns and Bank 0") << expense({{kOffice, 0}}, none, none, 0.0) << false;
        QTest::newRow("half a cent below agrees") << expense({{kOffice, 10.004}}, none, none, 10.0) << true;
        QTest::newRow("half a cent above does not") << expense({{kOffice, 10.005}}, none, none, 10.0) << false;
        QTest::newRow("negative, after a split") << expense({{kOffice, -10}}, none, -1.0, -11.0) << true;
    }
    void summaryCheck()
    {
        QFETCH(EntryAmounts, amounts);
        QFETCH(bool, passes);
        QCOMPARE(entry::summaryPasses(amounts), passes);
    }
};

QTEST_GUILESS_MAIN(tst_EntryArithmetic)
#include "tst_EntryArithmetic.moc"
