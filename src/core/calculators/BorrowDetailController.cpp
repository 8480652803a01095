#include "core/calculators/BorrowDetailController.h"

#include "core/calculators/Calculation.h"
#include "core/calculators/LoanListings.h"
#include "core/dates/DateText.h"
#include "core/dates/DateTimeFormat.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"

namespace kelvora {

namespace {

const QString kEdPrinc = QStringLiteral("EdPrinc");
const QString kEdRate = QStringLiteral("EdRate");
const QString kEdTime = QStringLiteral("EdTime");
const QString kPeriod = QStringLiteral("Period");
const QString kStartDate = QStringLiteral("StartDate");
const QString kAltRepayment = QStringLiteral("AltRepayment");
const QString kBorrowings = QStringLiteral("Borrowings");
const QString kCalcBtn = QStringLiteral("CalcBtn");
const QString kCopyBtn = QStringLiteral("CopyBtn");
const QString kLoanSpecsBtn = QStringLiteral("LoanSpecsBtn");
const QString kPrintBtn = QStringLiteral("PrintBtn");
const QString kStartDateStr = QStringLiteral("StartDateStr");

// What each kept input starts as while its setting is empty.
const QStringList& inputDefaults()
{
    static const QStringList defaults = {QStringLiteral("10000"), QStringLiteral("5"), QStringLiteral("10")};
    return defaults;
}

const QStringList& outputButtons()
{
    static const QStringList buttons = {kCopyBtn, kLoanSpecsBtn, kPrintBtn};
    return buttons;
}

} // namespace

const QString BorrowDetailController::kFirstAlternateRepayment = QStringLiteral("700");

BorrowDetailController::BorrowDetailController(const CalculatorContext& context, QString& alternateRepayment,
                                               QObject* parent)
    : LoanController(context, FrequencyTable::Schedule, parent), m_alternateRepayment(alternateRepayment)
{
    selectFrequency(1);
    setEnabled(kCalcBtn, false);
    for (const QString& button : outputButtons())
        setEnabled(button, false);
}

QStringList BorrowDetailController::buttons() const
{
    return {kCopyBtn, kLoanSpecsBtn, kPrintBtn, kCalcBtn, QStringLiteral("CloseBtn")};
}

void BorrowDetailController::FormActivate()
{
    const QDate today = context().currentDate();
    setText(QStringLiteral("HeadPanel"), formatDate(QStringLiteral("dddd d mmmm yyyy"), today, regional()) +
                                             QStringLiteral("  -  Reducing Interest"));
    // Only when the window opens: returning from a message box or a preview must
    // not throw away what the user has typed since.
    if (takeFirstActivation()) {
        for (int i = 0; i < keptInputs().size(); ++i) {
            const KeptInput& input = keptInputs().at(i);
            QString kept = settings().value(input.key);
            if (kept.isEmpty()) {
                kept = inputDefaults().at(i);
                settings().setValue(input.key, kept);
            }
            setText(input.box, kept);
        }
        QString start = settings().value(kStartDateStr);
        if (start.isEmpty()) {
            start = shortDateText(today, regional());
            settings().setValue(kStartDateStr, start);
        }
        setText(kStartDate, start);
    }
    setRed(kPeriod, true);
    if (frequencyIndex() == 1)
        setEnabled(kCalcBtn, true);
}

void BorrowDetailController::FormClose()
{
    keepInputs();
    m_alternateRepayment = text(kAltRepayment);
    settings().setValue(kStartDateStr, text(kStartDate));
}

void BorrowDetailController::EdPrincChange()
{
    setLook(kCalcBtn, ButtonLook::NeedsCalculation);
    setRed(kEdTime, false);
    for (const QString& button : outputButtons())
        setEnabled(button, false);
}

void BorrowDetailController::PeriodChange()
{
    setEnabled(kCalcBtn, true);
    setLook(kCalcBtn, ButtonLook::NeedsCalculation);
    setRed(kPeriod, false);
    for (const QString& button : outputButtons())
        setEnabled(button, false);
}

void BorrowDetailController::clickFill(const QString& control, const QString& value)
{
    if (text(control) == value)
        return;
    setText(control, value);
    EdPrincChange();
}

void BorrowDetailController::StartDateClick()
{
    const QString today = shortDateText(context().currentDate(), regional());
    settings().setValue(kStartDateStr, today);
    clickFill(kStartDate, today);
}

void BorrowDetailController::AltRepaymentClick()
{
    if (m_alternateRepayment.isEmpty())
        m_alternateRepayment = kFirstAlternateRepayment;
    clickFill(kAltRepayment, m_alternateRepayment);
}

void BorrowDetailController::setLines(const QStringList& lines)
{
    m_lines = lines;
    setText(kBorrowings, lines.join(QStringLiteral("\r\n")));
}

void BorrowDetailController::CalcBtnClick()
{
    setLines({});
    setRed(kPeriod, false);
    for (const QString& button : outputButtons()) {
        setEnabled(button, true);
        setLook(button, ButtonLook::Scheme);
    }
    if (dataMissing({kEdRate, kEdTime}))
        return;
    setLook(kCalcBtn, ButtonLook::Calculated);
    try {
        calculate();
    } catch (const CalculationFailure&) {
        showCalculationError();
    }
}

void BorrowDetailController::refuse(const QString& message)
{
    port().messageDlg(message, MsgType::Error, MsgButton::OK);
}

void BorrowDetailController::calculate()
{
    const Frequency f = frequency();
    const double q = f.perYear;
    const double d = f.days;
    double principal = number(kEdPrinc);
    // A loan of nothing would never reach a balance below zero; a trace of a cent
    // lets its schedule end as any other does.
    if (principal == 0)
        principal = 1E-10;
    const double rate = number(kEdRate);
    const double years = number(kEdTime);
    if (principal < 0 || rate < 0 || years < 0) {
        refuse(QStringLiteral("The loan amount, the rate of interest and the term cannot be negative."));
        return;
    }
    const double r = calcDivide(rate, q * 100);
    const double n = calcChecked(years * q);
    const QString alternate = text(kAltRepayment);
    const bool computed = alternate.isEmpty();
    const double repayment = computed ? repaymentOf(principal, r, n) : number(kAltRepayment);

    // A repayment that does not beat one period's interest never clears the loan.
    const double firstInterest = calcChecked(principal * (rate / 100) * (1 / q));
    if (!(repayment > firstInterest)) {
        refuse(QStringLiteral(
                   "A repayment of %1 does not exceed the %2 interest of the first period, so the loan "
                   "would never be repaid.\r\n\r\nRaise the repayment.")
                   .arg(format(repayment, NumberStyle::Currency, 11, 2),
                        format(firstInterest, NumberStyle::Currency, 11, 2)));
        return;
    }

    if (computed) {
        showOutcome(n, repayment, principal, years);
    } else {
        setText(QStringLiteral("EdR"), alternate);
    }

    const QStringList heading = scheduleHeading(principal, text(kEdRate), text(kEdTime), regional());
    setLines(heading);
    const QDate start = parseShortDate(text(kStartDate), regional());
    if (!start.isValid())
        throw CalculationFailure{};

    ScheduleRequest request;
    request.principal = principal;
    request.rate = rate;
    request.frequency = f;
    request.repayment = repayment;
    request.repaymentText = computed ? text(QStringLiteral("EdR")) : alternate;
    request.start = start;
    Schedule schedule;
    {
        BusyCursor busy(port());
        schedule = loanSchedule(request, regional());
    }
    setLines(heading + schedule.lines);
    if (!schedule.repaid) {
        refuse(
            QStringLiteral("The loan is still not repaid after %1 repayments, so the schedule stops there.")
                .arg(format(kMaxListedRepayments, NumberStyle::Number, 15, 0)));
        return;
    }

    const int c = schedule.count;
    const double t = schedule.interestToDate;
    if (!computed) {
        const double yearsTaken = calcChecked(c * d / 365);
        setText(QStringLiteral("EdPays"), QString::number(c));
        setText(QStringLiteral("EdInt"), format(t, NumberStyle::Currency, 11, 2));
        setText(QStringLiteral("EdAI"), format(calcDivide(t, c), NumberStyle::Currency, 11, 2));
        setText(QStringLiteral("EdAAI"), format(calcDivide(t, yearsTaken), NumberStyle::Currency, 11, 2));
        setText(QStringLiteral("EdTot"),
                format(calcChecked((long double)c * repayment), NumberStyle::Currency, 14, 2));
        setText(kEdTime, format(yearsTaken, NumberStyle::Number, 11, 2));
        setRed(kEdTime, true);
    }
    setText(QStringLiteral("LoanTerminates"), shortDateText(scheduleDate(start, c * d), regional()));
}

void BorrowDetailController::afterOutput(const QString& button)
{
    setLook(button, ButtonLook::Used);
    EdPrincChange();
}

void BorrowDetailController::LoanSpecsBtnClick()
{
    setLook(kLoanSpecsBtn, ButtonLook::Used);
    port().setClipboardText(scheduleSpecificsText(boxTexts()));
    EdPrincChange();
}

void BorrowDetailController::CopyBtnClick()
{
    setLook(kCopyBtn, ButtonLook::Used);
    port().setClipboardText(scheduleCopyText(boxTexts(), m_lines));
    EdPrincChange();
}

CalculatorReport BorrowDetailController::RptBorrowDetailBeforePrint() const
{
    CalculatorReport report{QStringLiteral("RptBorrowDetail"),
                            summaryTexts(QStringLiteral("Detailed Borrowings / Reducing Interest"))};
    report.texts.append({QStringLiteral("Details"), m_lines.join(QStringLiteral("\r\n"))});
    return report;
}

void BorrowDetailController::PrintBtnClick()
{
    context().reports.showReport(RptBorrowDetailBeforePrint());
    afterOutput(kPrintBtn);
}

} // namespace kelvora
