#include "core/calculators/BorrowController.h"

#include "core/calculators/Calculation.h"
#include "core/calculators/LoanListings.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"

#include <algorithm>
#include <cmath>

namespace kelvora {

namespace {

const QString kEdPrinc = QStringLiteral("EdPrinc");
const QString kEdRate = QStringLiteral("EdRate");
const QString kEdTime = QStringLiteral("EdTime");
const QString kPeriod = QStringLiteral("Period");
const QString kCalcBtn = QStringLiteral("CalcBtn");
const QString kLoanSpecsBtn = QStringLiteral("LoanSpecsBtn");
const QString kPrintBtn = QStringLiteral("PrintBtn");
const QString kBorrowingsPrintBtn = QStringLiteral("BorrowingsPrintBtn");

} // namespace

const QString BorrowController::kPeriodPrompt = QStringLiteral("Select");

BorrowController::BorrowController(const CalculatorContext& context, QObject* parent)
    : LoanController(context, FrequencyTable::Loan, parent)
{
    setText(QStringLiteral("HeadPanel"), QStringLiteral("Reducing  Interest"));
    setText(kPeriod, kPeriodPrompt);
    for (const QString& button : {kCalcBtn, kLoanSpecsBtn, kPrintBtn, kBorrowingsPrintBtn})
        setEnabled(button, false);
}

QStringList BorrowController::buttons() const
{
    return {kLoanSpecsBtn, kPrintBtn, kBorrowingsPrintBtn, QStringLiteral("CloseBtn"), kCalcBtn};
}

void BorrowController::FormActivate()
{
    // Only when the window opens: returning from a message box or a preview must
    // not throw away what the user has typed since.
    if (takeFirstActivation()) {
        for (const KeptInput& input : keptInputs()) {
            const QString kept = settings().value(input.key);
            if (!kept.isEmpty())
                setText(input.box, kept);
        }
    }
    setRed(kPeriod, true);
}

void BorrowController::FormClose()
{
    keepInputs();
}

void BorrowController::EdPrincChange()
{
    setLook(kCalcBtn, ButtonLook::NeedsCalculation);
}

void BorrowController::PeriodChange()
{
    setEnabled(kCalcBtn, true);
    setLook(kCalcBtn, ButtonLook::NeedsCalculation);
    setRed(kPeriod, false);
}

void BorrowController::CalcBtnClick()
{
    if (dataMissing({kEdPrinc, kEdRate, kEdTime}))
        return;
    setRed(kPeriod, false);
    for (const QString& button : {kLoanSpecsBtn, kPrintBtn, kBorrowingsPrintBtn})
        setEnabled(button, true);
    setLook(kCalcBtn, ButtonLook::Calculated);
    setLook(kPrintBtn, ButtonLook::Scheme);
    setLook(kBorrowingsPrintBtn, ButtonLook::Scheme);
    try {
        calculate();
    } catch (const CalculationFailure&) {
        showCalculationError();
    }
}

void BorrowController::calculate()
{
    m_repayment = 0;
    m_principal = 0;
    m_averagePrincipal = 0;
    m_count = 0;
    const double q = frequency().perYear;
    const double principal = number(kEdPrinc);
    const double rate = number(kEdRate);
    const double years = number(kEdTime);
    const double r = calcDivide(rate, q * 100);
    const double n = calcChecked(years * q);
    const double a = repaymentOf(principal, r, n);
    const double perRepayment = showOutcome(n, a, principal, years);

    m_repayment = a;
    m_principal = number(kEdPrinc);
    m_averagePrincipal = a - perRepayment;
    // Beyond any listing anyway; kept in range so the count stays a whole number.
    m_count = std::llround(std::clamp(n, -1e15, 1e15));
}

void BorrowController::LoanSpecsBtnClick()
{
    setLook(kLoanSpecsBtn, ButtonLook::Used);
    port().setClipboardText(borrowSpecificsText(boxTexts()));
    EdPrincChange();
}

CalculatorReport BorrowController::RptBorrowBeforePrint() const
{
    return {QStringLiteral("RptBorrow"), summaryTexts(QStringLiteral("Borrowings"))};
}

void BorrowController::PrintBtnClick()
{
    context().reports.showReport(RptBorrowBeforePrint());
    afterOutput(kPrintBtn);
}

void BorrowController::BorrowingsPrintBtnClick()
{
    if (m_count > kMaxListedRepayments) {
        port().messageDlg(
            QStringLiteral("A detailed listing holds at most %1 repayments; this loan has %2.\r\n\r\n"
                           "Choose a shorter term or less frequent repayments.")
                .arg(format(kMaxListedRepayments, NumberStyle::Number, 15, 0),
                     format(double(m_count), NumberStyle::Number, 15, 0)),
            MsgType::Information, MsgButton::OK);
        return;
    }
    {
        BusyCursor busy(port());
        m_memo = borrowingsListing(m_principal, m_averagePrincipal, m_count, regional());
    }
    context().reports.showReport(RptBorrowingsBeforePrint());
    afterOutput(kBorrowingsPrintBtn);
}

CalculatorReport BorrowController::RptBorrowingsBeforePrint() const
{
    const LoanBoxTexts b = boxTexts();
    return {QStringLiteral("RptBorrowings"),
            {{QStringLiteral("Head"), QStringLiteral("Borrowings in Detail")},
             {QStringLiteral("Loan"), QStringLiteral("$") + b.EdPrinc + QStringLiteral(" at ") + b.EdRate +
                                          QStringLiteral("%  interest  over ") + b.EdTime +
                                          QStringLiteral(" Years")},
             {QStringLiteral("EdPmt"),
              QStringLiteral("Repayment   ") + format(m_repayment, NumberStyle::Currency, 7, 2)},
             {QStringLiteral("EdNoPaym"), m_memo.join(QStringLiteral("\r\n"))}}};
}

void BorrowController::afterOutput(const QString& button)
{
    setLook(button, ButtonLook::Used);
    EdPrincChange();
}

} // namespace kelvora
