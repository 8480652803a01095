// The loan schedule without a window: opening with defaults, the schedule of the
// computed and of an alternate repayment, the bounds on repayments that never
// clear the loan, the two clipboard texts and the report.

#include "core/calculators/BorrowDetailController.h"
#include "support/calculators/CalculatorFixture.h"

#include <QtTest>
#include <memory>

using namespace kelvora;

namespace {

const QString kSpecificsAlternate =
    QStringLiteral("Reducing Interest\r\n"
                   "\r\n"
                   "LOAN  REQUIREMENTS\r\n"
                   "Loan Amount                      =  $10000\t\t\r\n"
                   "Rate of Interest ( % )          =  5%\t\t\r\n"
                   "Term ( Years )                    =  1.25Years\t\t\r\n"
                   "Repayment Frequency      =  Monthly\t\t\r\n"
                   "Alternate Repayment         =  $700\t\t\r\n"
                   "Start Date                          =  11/12/2026\t\t\r\n"
                   "\r\n"
                   "LOAN  OUTCOMES\r\n"
                   "Number of Repayments    =  15\t\t\r\n"
                   "Repayment                        =  $700\t\t\r\n"
                   "Total Interest Paid              =  $331.01\t\t\r\n"
                   "Average Interest                 =  $22.07\t\t\r\n"
                   "Average Annual Interest     =  $264.81\t\t\r\n"
                   "Total Repayment                =  $10,500.00\t\t\r\n"
                   "Loan Terminates                =  11/03/2028\t\t\r\n"
                   "------------------------------------------------------- ");

} // namespace

class tst_BorrowDetailController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensWithDefaults();
    void opensWithTheKeptInputs();
    void scheduleOfTheComputedRepayment();
    void alternateRepayment();
    void alternateRepaymentIsRememberedForTheRun();
    void startDateClickTakesToday();
    void loanOfNothing();
    void missingData();
    void unusableInputs_data();
    void unusableInputs();
    void repaymentsThatNeverClearTheLoan_data();
    void repaymentsThatNeverClearTheLoan();
    void scheduleStopsAtItsBound();
    void clipboardTexts();
    void report();
    void closeKeepsTheInputs();

private:
    void open();
    void monthly(const QString& alternate = QString());

    std::unique_ptr<test::CalculatorFixture> f;
    QString m_remembered;
    std::unique_ptr<BorrowDetailController> c;
};

void tst_BorrowDetailController::init()
{
    f = std::make_unique<test::CalculatorFixture>();
    m_remembered.clear();
    c.reset();
}

void tst_BorrowDetailController::open()
{
    c = std::make_unique<BorrowDetailController>(f->context(), m_remembered);
    c->FormShow();
    c->FormActivate();
}

void tst_BorrowDetailController::monthly(const QString& alternate)
{
    open();
    c->chooseFrequency(3);
    if (!alternate.isEmpty())
        c->typeText(QStringLiteral("AltRepayment"), alternate);
    c->CalcBtnClick();
}

void tst_BorrowDetailController::opensWithDefaults()
{
    open();
    QCOMPARE(c->text(QStringLiteral("HeadPanel")),
             QStringLiteral("Friday 11 December 2026  -  Reducing Interest"));
    QCOMPARE(c->text(QStringLiteral("EdPrinc")), QStringLiteral("10000"));
    QCOMPARE(c->text(QStringLiteral("EdRate")), QStringLiteral("5"));
    QCOMPARE(c->text(QStringLiteral("EdTime")), QStringLiteral("10"));
    QCOMPARE(f->settings.value(QStringLiteral("BAmtStr")), QStringLiteral("10000"));
    QCOMPARE(c->text(QStringLiteral("StartDate")), QStringLiteral("11/12/2026"));
    QCOMPARE(c->text(QStringLiteral("Period")), QStringLiteral("Weekly"));
    QCOMPARE(c->frequencyItems().at(2), QStringLiteral("Fortnigjtly"));
    QVERIFY(c->isRed(QStringLiteral("Period")));
    QVERIFY(c->isEnabled(QStringLiteral("CalcBtn"))); // "Weekly" is chosen
    for (const char* button : {"CopyBtn", "LoanSpecsBtn", "PrintBtn"})
        QVERIFY2(!c->isEnabled(QString::fromLatin1(button)), button);
}

void tst_BorrowDetailController::opensWithTheKeptInputs()
{
    f->settings.setValue(QStringLiteral("BAmtStr"), QStringLiteral("250000"));
    f->settings.setValue(QStringLiteral("BTermStr"), QStringLiteral("25"));
    f->settings.setValue(QStringLiteral("StartDateStr"), QStringLiteral("01/07/2027"));
    open();
    QCOMPARE(c->text(QStringLiteral("EdPrinc")), QStringLiteral("250000"));
    QCOMPARE(c->text(QStringLiteral("EdTime")), QStringLiteral("25"));
    QCOMPARE(c->text(QStringLiteral("StartDate")), QStringLiteral("01/07/2027"));
    // Coming back from a message box or a preview keeps what was typed since.
    c->typeText(QStringLiteral("EdPrinc"), QStringLiteral("260000"));
    c->FormActivate();
    QCOMPARE(c->text(QStringLiteral("EdPrinc")), QStringLiteral("260000"));
}

void tst_BorrowDetailController::scheduleOfTheComputedRepayment()
{
    monthly();
    QCOMPARE(f->port.log(), QStringList());
    QCOMPARE(c->text(QStringLiteral("EdPays")), QStringLiteral("120.00"));
    QCOMPARE(c->text(QStringLiteral("EdR")), QStringLiteral("$106.07"));
    QCOMPARE(c->text(QStringLiteral("EdInt")), QStringLiteral("$2,727.86"));
    QCOMPARE(c->text(QStringLiteral("EdTot")), QStringLiteral("$12,727.86"));
    const QStringList& lines = c->Borrowings();
    QCOMPARE(lines.size(), 4 + 120);
    QCOMPARE(lines.at(0), QStringLiteral(" Loan = $10,000.00 at 5%  Interest  over 10 Years"));
    QCOMPARE(lines.at(4),
             QStringLiteral("1      11/12/2026   $10,000.00 + $41.67    - $106.07      $64.40      "
                            "$9,935.60    $41.67"));
    QCOMPARE(c->text(QStringLiteral("Borrowings")), lines.join(QStringLiteral("\r\n")));
    QCOMPARE(c->text(QStringLiteral("LoanTerminates")), QStringLiteral("08/12/2036"));
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::Calculated);
    for (const char* button : {"CopyBtn", "LoanSpecsBtn", "PrintBtn"})
        QVERIFY2(c->isEnabled(QString::fromLatin1(button)), button);
    QVERIFY(!c->isRed(QStringLiteral("EdTime")));
}

void tst_BorrowDetailController::alternateRepayment()
{
    open();
    c->chooseFrequency(3);
    c->AltRepaymentClick();
    QCOMPARE(c->text(QStringLiteral("AltRepayment")), QStringLiteral("700"));
    c->CalcBtnClick();
    QCOMPARE(c->Borrowings().size(), 4 + 15);
    QCOMPARE(c->text(QStringLiteral("EdPays")), QStringLiteral("15"));
    QCOMPARE(c->text(QStringLiteral("EdR")), QStringLiteral("700"));
    QCOMPARE(c->text(QStringLiteral("EdInt")), QStringLiteral("$331.01"));
    QCOMPARE(c->text(QStringLiteral("EdAI")), QStringLiteral("$22.07"));
    QCOMPARE(c->text(QStringLiteral("EdAAI")), QStringLiteral("$264.81"));
    QCOMPARE(c->text(QStringLiteral("EdTot")), QStringLiteral("$10,500.00"));
    QCOMPARE(c->text(QStringLiteral("EdTime")), QStringLiteral("1.25"));
    QVERIFY(c->isRed(QStringLiteral("EdTime")));
    QCOMPARE(c->text(QStringLiteral("LoanTerminates")), QStringLiteral("11/03/2028"));
    QVERIFY(c->isEnabled(QStringLiteral("CopyBtn")));
    // Any change makes the outputs stale.
    c->typeText(QStringLiteral("EdRate"), QStringLiteral("6"));
    QVERIFY(!c->isRed(QStringLiteral("EdTime")));
    QVERIFY(!c->isEnabled(QStringLiteral("CopyBtn")));
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);
}

void tst_BorrowDetailController::alternateRepaymentIsRememberedForTheRun()
{
    open();
    c->AltRepaymentClick();
    c->typeText(QStringLiteral("AltRepayment"), QStringLiteral("650"));
    c->AltRepaymentClick(); // a click puts back the value remembered when the window opened
    QCOMPARE(c->text(QStringLiteral("AltRepayment")), QStringLiteral("700"));
    c->typeText(QStringLiteral("AltRepayment"), QStringLiteral("650"));
    c->FormClose();
    QCOMPARE(m_remembered, QStringLiteral("650"));
    open();
    QCOMPARE(c->text(QStringLiteral("AltRepayment")), QString());
    c->AltRepaymentClick();
    QCOMPARE(c->text(QStringLiteral("AltRepayment")), QStringLiteral("650"));
}

void tst_BorrowDetailController::startDateClickTakesToday()
{
    f->settings.setValue(QStringLiteral("StartDateStr"), QStringLiteral("01/01/2020"));
    open();
    c->chooseFrequency(3);
    c->CalcBtnClick();
    c->StartDateClick();
    QCOMPARE(c->text(QStringLiteral("StartDate")), QStringLiteral("11/12/2026"));
    QCOMPARE(f->settings.value(QStringLiteral("StartDateStr")), QStringLiteral("11/12/2026"));
    QVERIFY(!c->isEnabled(QStringLiteral("PrintBtn")));
}

void tst_BorrowDetailController::loanOfNothing()
{
    f->settings.setValue(QStringLiteral("BAmtStr"), QStringLiteral("0"));
    monthly();
    QCOMPARE(f->port.log(), QStringList());
    QCOMPARE(c->Borrowings().size(), 4 + 120);
    QCOMPARE(c->Borrowings().at(0), QStringLiteral(" Loan = $0.00 at 5%  Interest  over 10 Years"));
    QVERIFY(c->Borrowings().last().contains(QStringLiteral("$0.00        $0.00")));
    c->typeText(QStringLiteral("AltRepayment"), QStringLiteral("700"));
    c->CalcBtnClick();
    QCOMPARE(c->Borrowings().size(), 4 + 1);
    QCOMPARE(c->text(QStringLiteral("EdPays")), QStringLiteral("1"));
}

void tst_BorrowDetailController::missingData()
{
    open();
    c->chooseFrequency(3);
    c->CalcBtnClick();
    c->typeText(QStringLiteral("EdTime"), QString());
    c->CalcBtnClick();
    QCOMPARE(f->port.log(), QStringList{QStringLiteral("ShowMessage: Data is Missing")});
    QVERIFY(c->Borrowings().isEmpty());
    QCOMPARE(c->text(QStringLiteral("Borrowings")), QString());
}

void tst_BorrowDetailController::unusableInputs_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("linesLeft");

    QTest::newRow("empty amount") << "EdPrinc"
                                  << "" << 0;
    QTest::newRow("amount with a separator") << "EdPrinc"
                                             << "10,000" << 0;
    QTest::newRow("rate 0 without an alternate") << "EdRate"
                                                 << "0" << 0;
    QTest::newRow("term 0 without an alternate") << "EdTime"
                                                 << "0" << 0;
    // The heading is already in the box when the date turns out unreadable.
    QTest::newRow("start date") << "StartDate"
                                << "31/02/2027" << 4;
    QTest::newRow("start date text") << "StartDate"
                                     << "next week" << 4;
}

void tst_BorrowDetailController::unusableInputs()
{
    QFETCH(QString, box);
    QFETCH(QString, value);
    QFETCH(int, linesLeft);
    open();
    c->chooseFrequency(3);
    c->typeText(box, value);
    f->port.queueButton(MsgButton::Retry);
    c->CalcBtnClick();
    QCOMPARE(f->port.log(),
             QStringList{QStringLiteral("MessageDlg(Error): ERROR : Check your Requirements")});
    QCOMPARE(c->Borrowings().size(), linesLeft);
}

void tst_BorrowDetailController::repaymentsThatNeverClearTheLoan_data()
{
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QString>("alternate");
    QTest::addColumn<QString>("message");

    const QString never =
        QStringLiteral("A repayment of %1 does not exceed the %2 interest of the first period, so "
                       "the loan would never be repaid.\r\n\r\nRaise the repayment.");
    const QString negative =
        QStringLiteral("The loan amount, the rate of interest and the term cannot be negative.");
    QTest::newRow("repayment of a whole month's interest") << "6"
                                                           << "10"
                                                           << "50" << never.arg("$50.00", "$50.00");
    QTest::newRow("repayment below the interest") << "5"
                                                  << "10"
                                                  << "20" << never.arg("$20.00", "$41.67");
    QTest::newRow("no repayment") << "5"
                                  << "10"
                                  << "0" << never.arg("$0.00", "$41.67");
    QTest::newRow("negative repayment") << "5"
                                        << "10"
                                        << "-100" << never.arg("-$100.00", "$41.67");
    QTest::newRow("rate 0 and no repayment") << "0"
                                             << "10"
                                             << "0" << never.arg("$0.00", "$0.00");
    QTest::newRow("negative term") << "5"
                                   << "-10"
                                   << "" << negative;
    QTest::newRow("negative rate") << "-5"
                                   << "10"
                                   << "" << negative;
    QTest::newRow("negative term with an alternate") << "5"
                                                     << "-1"
                                                     << "700" << negative;
}

void tst_BorrowDetailController::repaymentsThatNeverClearTheLoan()
{
    QFETCH(QString, rate);
    QFETCH(QString, term);
    QFETCH(QString, alternate);
    QFETCH(QString, message);
    open();
    c->chooseFrequency(3);
    c->typeText(QStringLiteral("EdRate"), rate);
    c->typeText(QStringLiteral("EdTime"), term);
    c->typeText(QStringLiteral("AltRepayment"), alternate);
    c->CalcBtnClick();
    QCOMPARE(f->port.log(), QStringList{QStringLiteral("MessageDlg(Error): ") + message});
    QVERIFY(c->Borrowings().isEmpty());
    QCOMPARE(c->text(QStringLiteral("EdPays")), QString());
    QCOMPARE(c->text(QStringLiteral("LoanTerminates")), QString());
}

void tst_BorrowDetailController::scheduleStopsAtItsBound()
{
    // 1.37 a day beats the daily interest of 1.3699 by a hair: about 67,000 days to clear.
    open();
    c->chooseFrequency(0);
    c->typeText(QStringLiteral("AltRepayment"), QStringLiteral("1.37"));
    c->CalcBtnClick();
    QCOMPARE(f->port.log(),
             QStringList{QStringLiteral("MessageDlg(Error): The loan is still not repaid after "
                                        "50,000 repayments, so the schedule stops there.")});
    QCOMPARE(c->Borrowings().size(), 4 + 50000);
    QVERIFY(c->Borrowings().last().startsWith(QStringLiteral("50000  ")));
    QCOMPARE(c->text(QStringLiteral("EdPays")), QString());
    QCOMPARE(c->text(QStringLiteral("LoanTerminates")), QString());
}

void tst_BorrowDetailController::clipboardTexts()
{
    open();
    c->chooseFrequency(3);
    c->AltRepaymentClick();
    c->CalcBtnClick();
    c->LoanSpecsBtnClick();
    QCOMPARE(f->port.clipboard, kSpecificsAlternate + QStringLiteral("\t\r\n"));
    QCOMPARE(c->look(QStringLiteral("LoanSpecsBtn")), ButtonLook::Used);
    QVERIFY(!c->isEnabled(QStringLiteral("CopyBtn"))); // taken outputs need a new calculation

    c->CalcBtnClick();
    c->CopyBtnClick();
    const QString copied = f->port.clipboard;
    QVERIFY(copied.startsWith(kSpecificsAlternate +
                              QStringLiteral("\t\r\n\r\n Loan = $10,000.00 at 5%  Interest  "
                                             "over 1.25 Years\r\n\r\n #    /")));
    QVERIFY(
        copied.endsWith(QStringLiteral("15     09/02/2028   $529.51 + $2.21     - 700          $697.79     "
                                       "-$168.29     $331.71\r\n")));
    QCOMPARE(copied.count(QStringLiteral("\r\n")), 18 + 2 + 19);
    QCOMPARE(c->look(QStringLiteral("CopyBtn")), ButtonLook::Used);
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);

    // With the computed repayment the repayment line carries the sign twice.
    monthly();
    c->LoanSpecsBtnClick();
    QVERIFY(
        f->port.clipboard.contains(QStringLiteral("Repayment                        =  $$106.07\t\t\r\n")));
}

void tst_BorrowDetailController::report()
{
    monthly();
    c->PrintBtnClick();
    QCOMPARE(f->reports.shown.size(), 1);
    const CalculatorReport& r = f->reports.shown.first();
    QCOMPARE(r.name, QStringLiteral("RptBorrowDetail"));
    QCOMPARE(r.text(QStringLiteral("Head")), QStringLiteral("Detailed Borrowings / Reducing Interest"));
    QCOMPARE(r.text(QStringLiteral("Principal")), QStringLiteral("$10000"));
    QCOMPARE(r.text(QStringLiteral("Brate")), QStringLiteral("5 %"));
    QCOMPARE(r.text(QStringLiteral("Btime")), QStringLiteral("10 Years"));
    QCOMPARE(r.text(QStringLiteral("Bperiod")), QStringLiteral("Monthly"));
    QCOMPARE(r.text(QStringLiteral("Br")), QStringLiteral("$106.07"));
    QCOMPARE(r.text(QStringLiteral("Details")), c->text(QStringLiteral("Borrowings")));
    QCOMPARE(r.texts.size(), 12);
    QCOMPARE(c->look(QStringLiteral("PrintBtn")), ButtonLook::Used);
    QVERIFY(!c->isEnabled(QStringLiteral("PrintBtn")));
}

void tst_BorrowDetailController::closeKeepsTheInputs()
{
    open();
    c->chooseFrequency(3);
    c->AltRepaymentClick();
    c->CalcBtnClick();
    c->typeText(QStringLiteral("StartDate"), QStringLiteral("02/01/2027"));
    c->FormClose();
    // The term the loan actually took is what is kept.
    QCOMPARE(f->settings.value(QStringLiteral("BTermStr")), QStringLiteral("1.25"));
    QCOMPARE(f->settings.value(QStringLiteral("BAmtStr")), QStringLiteral("10000"));
    QCOMPARE(f->settings.value(QStringLiteral("StartDateStr")), QStringLiteral("02/01/2027"));
    QCOMPARE(m_remembered, QStringLiteral("700"));
}

QTEST_GUILESS_MAIN(tst_BorrowDetailController)
#include "tst_BorrowDetailController.moc"
