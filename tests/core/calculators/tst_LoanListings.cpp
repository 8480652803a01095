// The borrowing calculator's straight-line listing and the loan schedule: line
// layouts, field widths and cuts, due dates and where the listings end.

#include "core/calculators/LoanListings.h"

#include <QtTest>

using namespace kelvora;

namespace {

const Regional kRegional = Regional::australian();

ScheduleRequest monthly(double principal, double repayment, const QString& repaymentText)
{
    ScheduleRequest request;
    request.principal = principal;
    request.rate = 5;
    request.frequency = frequencyAt(FrequencyTable::Schedule, 3);
    request.repayment = repayment;
    request.repaymentText = repaymentText;
    request.start = QDate(2026, 12, 11);
    return request;
}

} // namespace

class tst_LoanListings : public QObject
{
    Q_OBJECT

private slots:
    void straightLineListing_data();
    void straightLineListing();
    void scheduleOfTheComputedRepayment();
    void scheduleOfAnAlternateRepayment();
    void largeLoanIsCutToTheFields();
    void loanOfATraceEndsLikeAnyOther();
    void scheduleStopsAtItsBound();
    void heading();
    void dueDatesStepByPartDays();
};

void tst_LoanListings::straightLineListing_data()
{
    QTest::addColumn<double>("principal");
    QTest::addColumn<double>("average");
    QTest::addColumn<qint64>("count");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    // 10000 at 5 % for 10 years, weekly: 521.43 repayments of 19.178... principal each.
    QTest::newRow("weekly") << 10000.0 << 19.17808219178082 << qint64(521) << 521
                            << QStringLiteral("    1         $9,980.82")
                            << QStringLiteral("  521         $8.22");
    QTest::newRow("monthly ends at nothing")
        << 10000.0 << 83.33333333333333 << qint64(120) << 120 << QStringLiteral("    1         $9,916.67")
        << QStringLiteral("  120         $0.00");
    QTest::newRow("no repayments still one line")
        << 500.0 << 0.0 << qint64(0) << 1 << QStringLiteral("    1         $500.00")
        << QStringLiteral("    1         $500.00");
    QTest::newRow("wider numbers push the balance right")
        << 1e6 << 10.0 << qint64(123456) << 123456 << QStringLiteral("    1         $999,990.00")
        << QStringLiteral("123456         -$234,560.00");
}

void tst_LoanListings::straightLineListing()
{
    QFETCH(double, principal);
    QFETCH(double, average);
    QFETCH(qint64, count);
    QFETCH(int, lines);
    QFETCH(QString, first);
    QFETCH(QString, last);
    const QStringList listing = borrowingsListing(principal, average, count, kRegional);
    QCOMPARE(listing.size(), lines);
    QCOMPARE(listing.first(), first);
    QCOMPARE(listing.last(), last);
}

void tst_LoanListings::scheduleOfTheComputedRepayment()
{
    const Schedule s = loanSchedule(monthly(10000, 106.06551523907554, QStringLiteral("$106.07")), kRegional);
    QVERIFY(s.repaid);
    QCOMPARE(s.count, 120);
    QCOMPARE(s.lines.size(), 120);
    QCOMPARE(s.lines.at(0),
             QStringLiteral("1      11/12/2026   $10,000.00 + $41.67    - $106.07      $64.40      "
                            "$9,935.60    $41.67"));
    // The second repayment falls due 30.4 days later; the interest to date adds up.
    QCOMPARE(s.lines.at(1),
             QStringLiteral("2      10/01/2027   $9,935.60 + $41.40    - $106.07      $64.67      "
                            "$9,870.93    $83.07"));
    // The last repayment clears the loan to within a hair: it owes "nothing".
    QCOMPARE(s.lines.at(119),
             QStringLiteral("120    07/11/2036   $105.63 + $0.44     - $106.07      $105.63     "
                            "$0.00        $2,727.86"));
}

void tst_LoanListings::scheduleOfAnAlternateRepayment()
{
    const Schedule s = loanSchedule(monthly(10000, 700, QStringLiteral("700")), kRegional);
    QVERIFY(s.repaid);
    QCOMPARE(s.count, 15);
    QCOMPARE(s.lines.at(0),
             QStringLiteral("1      11/12/2026   $10,000.00 + $41.67    - 700          $658.33     "
                            "$9,341.67    $41.67"));
    // The last line overpays; the interest to date then takes off the interest of
    // the negative balance.
    QCOMPARE(s.lines.at(14),
             QStringLiteral("15     09/02/2028   $529.51 + $2.21     - 700          $697.79     "
                            "-$168.29     $331.71"));
    QCOMPARE(QString::number(s.interestToDate, 'f', 2), QStringLiteral("331.01"));
}

void tst_LoanListings::largeLoanIsCutToTheFields()
{
    const Schedule s =
        loanSchedule(monthly(250000, 2651.6378809768885, QStringLiteral("$2,651.64")), kRegional);
    // The balance has no field; the owed amount loses its last digit to its ten places.
    QCOMPARE(s.lines.at(0),
             QStringLiteral("1      11/12/2026   $250,000.00 + $1,041.67 - $2,651.64    $1,609.97   "
                            "$248,390.0   $1,041.67"));
    ScheduleRequest huge = monthly(5e6, 60000, QStringLiteral("$60,000.00 a month"));
    const QString line = loanSchedule(huge, kRegional).lines.at(0);
    QCOMPARE(line, QStringLiteral("1      11/12/2026   $5,000,000.00 + $20,833.3 - $60,000.00   $39,166.67  "
                                  "$4,960,833   $20,833.33"));
}

void tst_LoanListings::loanOfATraceEndsLikeAnyOther()
{
    const Schedule s =
        loanSchedule(monthly(1E-10, 1.0606551523907554E-12, QStringLiteral("$0.00")), kRegional);
    QVERIFY(s.repaid);
    QCOMPARE(s.count, 120);
    QVERIFY(s.lines.at(0).startsWith(
        QStringLiteral("1      11/12/2026   $0.00 + $0.00     - $0.00        $0.00")));
    const Schedule alternate = loanSchedule(monthly(1E-10, 700, QStringLiteral("700")), kRegional);
    QCOMPARE(alternate.count, 1);
}

void tst_LoanListings::scheduleStopsAtItsBound()
{
    // Repaying exactly the interest never lowers the balance.
    ScheduleRequest request = monthly(12000, 50, QStringLiteral("50"));
    request.maxLines = 300;
    const Schedule s = loanSchedule(request, kRegional);
    QVERIFY(!s.repaid);
    QCOMPARE(s.count, 300);
    QCOMPARE(s.lines.size(), 300);
    QVERIFY(s.lines.last().startsWith(QStringLiteral("300    ")));
}

void tst_LoanListings::heading()
{
    QCOMPARE(
        scheduleHeading(250000, QStringLiteral("5.5"), QStringLiteral("25"), kRegional),
        QStringList(
            {QStringLiteral(" Loan = $250,000.00 at 5.5%  Interest  over 25 Years"), QString(),
             QStringLiteral(" #    /    Due     /     Principal   + Interest  -  Repayment  /  Paid    /    "
                            "Owed   /  Int to Date"),
             QString()}));
    // The heading's amount keeps eleven digits.
    QCOMPARE(scheduleHeading(123456789012.0, QStringLiteral("5"), QStringLiteral("1"), kRegional).first(),
             QStringLiteral(" Loan = 1.2345678901E+011 at 5%  Interest  over 1 Years"));
}

void tst_LoanListings::dueDatesStepByPartDays()
{
    // 15 monthly periods of 30.41666... days; the part day is dropped.
    QCOMPARE(scheduleDate(QDate(2026, 12, 11), 15 * 365.0 / 12), QDate(2028, 3, 11));
    QCOMPARE(scheduleDate(QDate(2024, 1, 31), 365.0 / 12), QDate(2024, 3, 1));
    QCOMPARE(scheduleDate(QDate(2024, 2, 28), 0.99), QDate(2024, 2, 28));
}

QTEST_GUILESS_MAIN(tst_LoanListings)
#include "tst_LoanListings.moc"
