#include "gui/dialogs/calculators/TBorrowDetailForm.h"

#include "gui/widgets/GradientButton.h"

#include <QEvent>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace kelvora {

TBorrowDetailForm::TBorrowDetailForm(const CalculatorContext& context, QString& alternateRepayment,
                                     HandlerGuard& guard, QWidget* parent)
    : CalculatorWindow(std::make_unique<BorrowDetailController>(context, alternateRepayment), guard,
                       QStringLiteral("TBorrowDetailForm"), QStringLiteral(" Borrowings"), Frame::Closable,
                       parent)
{
    CopyBtn = addHeadButton(QStringLiteral("CopyBtn"), QStringLiteral("Copy All"),
                            QStringLiteral("Copy Memo Contents to ClipBoard\r\nEnabled after Calculated"));
    LoanSpecsBtn =
        addHeadButton(QStringLiteral("LoanSpecsBtn"), QStringLiteral("Specifics"),
                      QStringLiteral("Copy Loan Specifics to ClipBoard\r\nEnabled after Calculated"));
    PrintBtn = addHeadButton(QStringLiteral("PrintBtn"), QStringLiteral("Print"),
                             QStringLiteral("Print  the current Summary.\r\nEnabled after Calculated"));
    CloseBtn = addCloseButton();

    QGridLayout* needs = addSection(QStringLiteral("Loan Requirements"));
    EdPrinc = addInput(needs, QStringLiteral("EdPrinc"), QStringLiteral("Loan Amount $"),
                       QStringLiteral("Principal Borrowed\r\neg  225000"));
    const RateAndTerm rateAndTerm = addRateAndTerm(needs, QStringLiteral("Use a number only - NO % sign"));
    EdRate = rateAndTerm.EdRate;
    EdTime = rateAndTerm.EdTime;
    Period = addFrequency(needs, QStringLiteral("Period"), QStringLiteral("Repayment Frequency"),
                          QStringLiteral("Select frequency of repayments"));
    StartDate = addInput(needs, QStringLiteral("StartDate"), QStringLiteral("Start Date"),
                         QStringLiteral("Click for today.\r\nEdit Start Date ( dd/mm/yyyy )"));
    StartDate->setFocusPolicy(Qt::ClickFocus); // Tab passes it by
    AltRepayment = addInput(needs, QStringLiteral("AltRepayment"), QStringLiteral("Alternate Repayment $"),
                            QStringLiteral("Alternate Repayment\r\nAdd an amount eg 600"));
    CalcBtn = addCalcButton(needs, QStringLiteral("Calculate Loan and Enable Printing"));

    QGridLayout* outcome = addSection(QStringLiteral("Loan Outcome"));
    const LoanOutcome boxes = addLoanOutcome(outcome);
    EdPays = boxes.EdPays;
    EdR = boxes.EdR;
    EdInt = boxes.EdInt;
    EdAI = boxes.EdAI;
    EdAAI = boxes.EdAAI;
    EdTot = boxes.EdTot;
    LoanTerminates = addOutput(outcome, QStringLiteral("LoanTerminates"), QStringLiteral("Loan Terminates"),
                               QStringLiteral("Loan termination Date assuming Start date above"));

    Borrowings = addMemo(QStringLiteral("Borrowings"), QStringLiteral("Copy to ClipBoard to save"), 1);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(13);
    Borrowings->setFont(arial);
    Borrowings->setMinimumWidth(700);

    StartDate->installEventFilter(this);
    AltRepayment->installEventFilter(this);
    connectClick(CalcBtn, [this] { CalcBtnClick(); });
    connectClick(CopyBtn, [this] { model().CopyBtnClick(); });
    connectClick(LoanSpecsBtn, [this] { model().LoanSpecsBtnClick(); });
    connectClick(PrintBtn, [this] { model().PrintBtnClick(); });
    refreshAll();
    resize(1180, 620);
}

void TBorrowDetailForm::CalcBtnClick()
{
    model().CalcBtnClick();
    // The schedule is read from its first line, whatever the calculation left.
    Borrowings->setFocus();
    Borrowings->moveCursor(QTextCursor::Start);
}

bool TBorrowDetailForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == StartDate)
            run([this] { model().StartDateClick(); });
        else if (watched == AltRepayment)
            run([this] { model().AltRepaymentClick(); });
    }
    return CalculatorWindow::eventFilter(watched, event);
}

} // namespace kelvora
