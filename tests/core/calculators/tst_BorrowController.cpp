// The borrowing calculator without a window: opening and closing with the kept
// inputs, the worked examples, the two messages, the loan specifics on the
// clipboard and both reports.

#include "core/calculators/BorrowController.h"
#include "support/calculators/CalculatorFixture.h"

#include <QtTest>
#include <memory>

using namespace kelvora;

namespace {

const QString kSpecificsMonthly =
    QStringLiteral("Reducing Interest\r\n"
                   "\r\n"
                   "LOAN  REQUIREMENTS\r\n"
                   "Loan Amount                       =  $10000\t\t\r\n"
                   "Rate of Interest ( % )          =  5%\t\t\r\n"
                   "Term ( Years )                    =  10Years\t\t\r\n"
                   "Repayment Frequency      =  Monthly\t\t\r\n"
                   "\r\n"
                   "LOAN  OUTCOMES\r\n"
                   "Number of Repayments     =  120.00\t\t\r\n"
                   "Repayment                         =  $106.07\t\t\r\n"
                   "Total Interest Paid               =  $2,727.86\t\t\r\n"
                   "Average Interest                 =  $22.73\t\t\r\n"
                   "Average Annual Interest     =  $272.79\t\t\r\n"
                   "Total Repayment                =  $12,727.86\t\t\r\n"
                   "------------------------------------------------------ \t\r\n");

const QStringList kOutputs = {QStringLiteral("EdPays"), QStringLiteral("EdR"),   QStringLiteral("EdInt"),
                              QStringLiteral("EdAI"),   QStringLiteral("EdAAI"), QStringLiteral("EdTot")};

} // namespace

class tst_BorrowController : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensWithTheKeptInputs();
    void frequencyEnablesCalculate();
    void workedExamples_data();
    void workedExamples();
    void missingData_data();
    void missingData();
    void unusableInputs_data();
    void unusableInputs();
    void loanSpecificsOnTheClipboard();
    void summaryReport();
    void detailedListing();
    void detailedListingHasABound();
    void closeKeepsTheInputs();
    void returningFromABoxKeepsTypedText();

private:
    void open();
    void enter(const QString& amount, const QString& rate, const QString& term, int frequency);
    QStringList outputs() const;

    std::unique_ptr<test::CalculatorFixture> f;
    std::unique_ptr<BorrowController> c;
};

void tst_BorrowController::init()
{
    f = std::make_unique<test::CalculatorFixture>();
    c.reset();
}

void tst_BorrowController::open()
{
    c = std::make_unique<BorrowController>(f->context());
    c->FormShow();
    c->FormActivate();
}

void tst_BorrowController::enter(const QString& amount, const QString& rate, const QString& term,
                                 int frequency)
{
    c->typeText(QStringLiteral("EdPrinc"), amount);
    c->typeText(QStringLiteral("EdRate"), rate);
    c->typeText(QStringLiteral("EdTime"), term);
    if (frequency < 0)
        c->typeText(QStringLiteral("Period"), QStringLiteral("Monthly repayments"));
    else
        c->chooseFrequency(frequency);
}

QStringList tst_BorrowController::outputs() const
{
    QStringList texts;
    for (const QString& box : kOutputs)
        texts.append(c->text(box));
    return texts;
}

void tst_BorrowController::opensWithTheKeptInputs()
{
    f->settings.setValue(QStringLiteral("BAmtStr"), QStringLiteral("25000"));
    f->settings.setValue(QStringLiteral("BTermStr"), QStringLiteral("7.5"));
    open();
    QCOMPARE(c->text(QStringLiteral("EdPrinc")), QStringLiteral("25000"));
    QCOMPARE(c->text(QStringLiteral("EdRate")), QString()); // an empty setting leaves the box as it was
    QCOMPARE(c->text(QStringLiteral("EdTime")), QStringLiteral("7.5"));
    QCOMPARE(c->text(QStringLiteral("Period")), QStringLiteral("Select"));
    QCOMPARE(c->frequencyIndex(), -1);
    QVERIFY(c->isRed(QStringLiteral("Period")));
    QCOMPARE(c->text(QStringLiteral("HeadPanel")), QStringLiteral("Reducing  Interest"));
    for (const char* button : {"CalcBtn", "LoanSpecsBtn", "PrintBtn", "BorrowingsPrintBtn"})
        QVERIFY2(!c->isEnabled(QString::fromLatin1(button)), button);
    QVERIFY(c->isEnabled(QStringLiteral("CloseBtn")));
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::Scheme);
}

void tst_BorrowController::frequencyEnablesCalculate()
{
    open();
    c->typeText(QStringLiteral("EdPrinc"), QStringLiteral("5000"));
    QVERIFY(!c->isEnabled(QStringLiteral("CalcBtn")));
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);
    c->chooseFrequency(3);
    QVERIFY(c->isEnabled(QStringLiteral("CalcBtn")));
    QCOMPARE(c->text(QStringLiteral("Period")), QStringLiteral("Monthly"));
    QVERIFY(!c->isRed(QStringLiteral("Period")));
    // A typed frequency counts as a change of the list too; it matches no item.
    c->typeText(QStringLiteral("Period"), QStringLiteral("Every month"));
    QCOMPARE(c->frequencyIndex(), -1);
    c->typeText(QStringLiteral("Period"), QStringLiteral("Weekly"));
    QCOMPARE(c->frequencyIndex(), 1);
}

void tst_BorrowController::workedExamples_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("monthly") << "10000"
                             << "5"
                             << "10" << 3 << QStringList{"120.00", "$106.07", "$2,727.86",
                                                         "$22.73", "$272.79", "$12,727.86"};
    // 365 / 7 weeks a year, not 52.
    QTest::newRow("weekly") << "10000"
                            << "5"
                            << "10" << 1
                            << QStringList{"521.43", "$24.38", "$2,712.17", "$5.20", "$271.22", "$12,712.17"};
    QTest::newRow("fortnightly") << "10000"
                                 << "5"
                                 << "10" << 2 << QStringList{"260.71", "$48.78",  "$2,716.86",
                                                             "$10.42", "$271.69", "$12,716.86"};
    QTest::newRow("daily, thousands")
        << "10000"
        << "5"
        << "5" << 0 << QStringList{"1,825.00", "$6.19", "$1,302.71", "$0.71", "$260.54", "$11,302.71"};
    QTest::newRow("typed frequency counts monthly")
        << "10000"
        << "5"
        << "10" << -1 << QStringList{"120.00", "$106.07", "$2,727.86", "$22.73", "$272.79", "$12,727.86"};
    QTest::newRow("fractional term, yearly")
        << "1000"
        << "10"
        << "2.5" << 6 << QStringList{"2.50", "$471.67", "$179.17", "$71.67", "$71.67", "$1,179.17"};
}

void tst_BorrowController::workedExamples()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, term);
    QFETCH(int, frequency);
    QFETCH(QStringList, expected);
    open();
    enter(amount, rate, term, frequency);
    c->CalcBtnClick();
    QCOMPARE(f->port.log(), QStringList());
    QCOMPARE(outputs(), expected);
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::Calculated);
    for (const char* button : {"LoanSpecsBtn", "PrintBtn", "BorrowingsPrintBtn"})
        QVERIFY2(c->isEnabled(QString::fromLatin1(button)), button);
}

void tst_BorrowController::missingData_data()
{
    QTest::addColumn<QString>("empty");
    QTest::newRow("amount") << "EdPrinc";
    QTest::newRow("rate") << "EdRate";
    QTest::newRow("term") << "EdTime";
}

void tst_BorrowController::missingData()
{
    QFETCH(QString, empty);
    open();
    enter(QStringLiteral("10000"), QStringLiteral("5"), QStringLiteral("10"), 3);
    c->typeText(empty, QString());
    c->CalcBtnClick();
    QCOMPARE(f->port.log(), QStringList{QStringLiteral("ShowMessage: Data is Missing")});
    QCOMPARE(outputs(), QStringList(6, QString()));
    QVERIFY(!c->isEnabled(QStringLiteral("PrintBtn")));
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);
}

void tst_BorrowController::unusableInputs_data()
{
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QStringList>("expected");

    const QStringList before{"120.00", "$106.07", "$2,727.86", "$22.73", "$272.79", "$12,727.86"};
    QTest::newRow("rate 0 divides by zero") << "10000"
                                            << "0"
                                            << "10" << before;
    QTest::newRow("term 0 divides by zero") << "10000"
                                            << "5"
                                            << "0" << before;
    QTest::newRow("per cent sign") << "10000"
                                   << "5%"
                                   << "10" << before;
    QTest::newRow("thousands separator") << "10,000"
                                         << "5"
                                         << "10" << before;
    QTest::newRow("currency sign") << "$10000"
                                   << "5"
                                   << "10" << before;
}

void tst_BorrowController::unusableInputs()
{
    QFETCH(QString, amount);
    QFETCH(QString, rate);
    QFETCH(QString, term);
    QFETCH(QStringList, expected);
    open();
    enter(QStringLiteral("10000"), QStringLiteral("5"), QStringLiteral("10"), 3);
    c->CalcBtnClick();
    enter(amount, rate, term, 3);
    f->port.queueButton(MsgButton::Retry);
    c->CalcBtnClick();
    QCOMPARE(f->port.log(),
             QStringList{QStringLiteral("MessageDlg(Error): ERROR : Check your Requirements")});
    QCOMPARE(f->port.pendingAnswers(), 0);
    // The failed calculation leaves the earlier outputs; the buttons stay usable.
    QCOMPARE(outputs(), expected);
    QVERIFY(c->isEnabled(QStringLiteral("BorrowingsPrintBtn")));
    // The listing does not use the earlier calculation's state.
    c->BorrowingsPrintBtnClick();
    QCOMPARE(c->Memo1(), QStringList{QStringLiteral("    1         $0.00")});
}

void tst_BorrowController::loanSpecificsOnTheClipboard()
{
    open();
    enter(QStringLiteral("10000"), QStringLiteral("5"), QStringLiteral("10"), 3);
    c->CalcBtnClick();
    c->LoanSpecsBtnClick();
    QCOMPARE(f->port.clipboard, kSpecificsMonthly);
    QCOMPARE(c->look(QStringLiteral("LoanSpecsBtn")), ButtonLook::Used);
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);
    // The boxes as they stand, not the calculation: a changed amount is quoted as typed.
    c->typeText(QStringLiteral("EdPrinc"), QStringLiteral("99"));
    c->LoanSpecsBtnClick();
    QVERIFY(f->port.clipboard.contains(QStringLiteral("=  $99\t\t\r\n")));
    QVERIFY(f->port.clipboard.contains(QStringLiteral("=  $106.07\t\t\r\n")));
}

void tst_BorrowController::summaryReport()
{
    open();
    enter(QStringLiteral("10000"), QStringLiteral("5"), QStringLiteral("10"), 3);
    c->CalcBtnClick();
    c->PrintBtnClick();
    QCOMPARE(f->reports.shown.size(), 1);
    const CalculatorReport& r = f->reports.shown.first();
    QCOMPARE(r.name, QStringLiteral("RptBorrow"));
    const QList<std::pair<QString, QString>> expected = {
        {"Head", "Borrowings"}, {"Principal", "$10000"}, {"Brate", "5 %"},      {"Btime", "10 Years"},
        {"Bperiod", "Monthly"}, {"Bpays", "120.00"},     {"Br", "$106.07"},     {"Bint", "$2,727.86"},
        {"Bai", "$22.73"},      {"Baai", "$272.79"},     {"Btot", "$12,727.86"}};
    QCOMPARE(r.texts, expected);
    QCOMPARE(c->look(QStringLiteral("PrintBtn")), ButtonLook::Used);
    QCOMPARE(c->look(QStringLiteral("CalcBtn")), ButtonLook::NeedsCalculation);
}

void tst_BorrowController::detailedListing()
{
    open();
    enter(QStringLiteral("10000"), QStringLiteral("5"), QStringLiteral("10"), 1);
    c->CalcBtnClick();
    c->BorrowingsPrintBtnClick();
    QCOMPARE(f->port.busyCount, 1);
    QCOMPARE(f->port.busyDepth, 0);
    QCOMPARE(c->Memo1().size(), 521);
    QCOMPARE(c->Memo1().last(), QStringLiteral("  521         $8.22"));
    const CalculatorReport first = f->reports.shown.last();
    QCOMPARE(first.name, QStringLiteral("RptBorrowings"));
    QCOMPARE(first.text(QStringLiteral("Head")), QStringLiteral("Borrowings in Detail"));
    QCOMPARE(first.text(QStringLiteral("Loan")), QStringLiteral("$10000 at 5%  interest  over 10 Years"));
    QCOMPARE(first.text(QStringLiteral("EdPmt")), QStringLiteral("Repayment   $24.38"));
    QCOMPARE(first.text(QStringLiteral("EdNoPaym")).count(QStringLiteral("\r\n")), 520);
    QCOMPARE(c->look(QStringLiteral("BorrowingsPrintBtn")), ButtonLook::Used);
    // Printed again after the same calculation: the same lines.
    c->BorrowingsPrintBtnClick();
    QCOMPARE(f->reports.shown.last().texts, first.texts);

    // Seven significant digits leave a repayment of 100,000 or more without its last cent.
    enter(QStringLiteral("5000000"), QStringLiteral("7.3"), QStringLiteral("5"), 6);
    c->CalcBtnClick();
    QCOMPARE(c->text(QStringLiteral("EdR")), QStringLiteral("$1,229,264.87"));
    c->BorrowingsPrintBtnClick();
    QCOMPARE(f->reports.shown.last().text(QStringLiteral("EdPmt")),
             QStringLiteral("Repayment   $1,229,265.00"));
}

void tst_BorrowController::detailedListingHasABound()
{
    open();
    enter(QStringLiteral("10000"), QStringLiteral("5"), QStringLiteral("200"), 0);
    c->CalcBtnClick();
    QCOMPARE(c->text(QStringLiteral("EdPays")), QStringLiteral("73,000.00"));
    c->BorrowingsPrintBtnClick();
    QCOMPARE(f->port.log(),
             QStringList{QStringLiteral(
                 "MessageDlg(Information): A detailed listing holds at most 50,000 repayments; "
                 "this loan has 73,000.\r\n\r\nChoose a shorter term or less frequent "
                 "repayments.")});
    QVERIFY(f->reports.shown.isEmpty());
    QVERIFY(c->Memo1().isEmpty());
}

void tst_BorrowController::closeKeepsTheInputs()
{
    f->settings.setValue(QStringLiteral("BRateStr"), QStringLiteral("6"));
    open();
    enter(QStringLiteral("300000"), QString(), QStringLiteral("30"), 3);
    c->FormClose();
    QCOMPARE(f->settings.value(QStringLiteral("BAmtStr")), QStringLiteral("300000"));
    QCOMPARE(f->settings.value(QStringLiteral("BRateStr")), QString()); // empty texts too
    QCOMPARE(f->settings.value(QStringLiteral("BTermStr")), QStringLiteral("30"));
}

void tst_BorrowController::returningFromABoxKeepsTypedText()
{
    f->settings.setValue(QStringLiteral("BAmtStr"), QStringLiteral("10000"));
    open();
    c->typeText(QStringLiteral("EdPrinc"), QStringLiteral("20000"));
    c->chooseFrequency(3);
    c->CalcBtnClick(); // "Data is Missing" takes the focus away and gives it back
    c->FormActivate();
    QCOMPARE(c->text(QStringLiteral("EdPrinc")), QStringLiteral("20000"));
    QVERIFY(c->isRed(QStringLiteral("Period")));
}

QTEST_GUILESS_MAIN(tst_BorrowController)
#include "tst_BorrowController.moc"
