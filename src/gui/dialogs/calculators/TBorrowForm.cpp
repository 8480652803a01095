#include "gui/dialogs/calculators/TBorrowForm.h"

#include "gui/widgets/GradientButton.h"

namespace kelvora {

TBorrowForm::TBorrowForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent)
    : CalculatorWindow(std::make_unique<BorrowController>(context), guard, QStringLiteral("TBorrowForm"),
                       QStringLiteral(" Borrowings"), Frame::Fixed, parent)
{
    LoanSpecsBtn =
        addHeadButton(QStringLiteral("LoanSpecsBtn"), QStringLiteral("Specifics"),
                      QStringLiteral("Copy Loan Specifics to ClipBoard\r\nEnabled after Calculated"));
    PrintBtn = addHeadButton(QStringLiteral("PrintBtn"), QStringLiteral("Print"),
                             QStringLiteral("Print  the current document.\r\nEnabled after Calculated"));
    BorrowingsPrintBtn =
        addHeadButton(QStringLiteral("BorrowingsPrintBtn"), QStringLiteral("Listing"),
                      QStringLiteral("Detailed Printed Listing\r\nEnabled after Calculated"));
    CloseBtn = addCloseButton();

    QGridLayout* needs = addSection(QStringLiteral("Loan Requirements"));
    EdPrinc = addInput(needs, QStringLiteral("EdPrinc"), QStringLiteral("Loan Amount"),
                       QStringLiteral("Principal Borrowed"));
    const RateAndTerm rateAndTerm = addRateAndTerm(needs, QStringLiteral("Use a number only - NO % sign"));
    EdRate = rateAndTerm.EdRate;
    EdTime = rateAndTerm.EdTime;
    Period = addFrequency(needs, QStringLiteral("Period"), QStringLiteral("Repayments"),
                          QStringLiteral("Select frequency of repayments"));
    CalcBtn = addCalcButton(needs, QStringLiteral("Calculate Loan and Enable Printing"));

    QGridLayout* outcome = addSection(QStringLiteral("Loan Outcome"));
    const LoanOutcome boxes = addLoanOutcome(outcome);
    EdPays = boxes.EdPays;
    EdR = boxes.EdR;
    EdInt = boxes.EdInt;
    EdAI = boxes.EdAI;
    EdAAI = boxes.EdAAI;
    EdTot = boxes.EdTot;

    connectClick(CalcBtn, [this] { model().CalcBtnClick(); });
    connectClick(LoanSpecsBtn, [this] { model().LoanSpecsBtnClick(); });
    connectClick(PrintBtn, [this] { model().PrintBtnClick(); });
    connectClick(BorrowingsPrintBtn, [this] { model().BorrowingsPrintBtnClick(); });
    refreshAll();
}

} // namespace kelvora
