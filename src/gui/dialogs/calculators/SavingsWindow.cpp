#include "gui/dialogs/calculators/SavingsWindow.h"

#include "gui/widgets/GradientButton.h"

namespace kelvora {

SavingsWindow::SavingsWindow(std::unique_ptr<SavingsController> model, HandlerGuard& guard,
                             const QString& objectName, const QString& caption, QWidget* parent)
    : CalculatorWindow(std::move(model), guard, objectName, caption, Frame::Fixed, parent)
{
    PrintBtn = addHeadButton(QStringLiteral("PrintBtn"), QStringLiteral("Print"),
                             QStringLiteral("Print  the current document.\r\nEnabled after Calculated"));
    CloseBtn = addCloseButton();
}

SavingsWindow::AnnuityTerms SavingsWindow::addAnnuityTerms(QGridLayout* requirements)
{
    const RateAndTerm rateAndTerm =
        addRateAndTerm(requirements, QStringLiteral("Annual Interest Rate - Use a number only - NO % sign"));
    return {rateAndTerm.EdRate, rateAndTerm.EdTime,
            addFrequency(requirements, QStringLiteral("EdPeriod"), QStringLiteral("Repayments made"),
                         QStringLiteral("Select frequency of repayments"))};
}

void SavingsWindow::addCalculate(QGridLayout* requirements)
{
    CalcBtn = addCalcButton(requirements, QStringLiteral("Calculate Loan and Enable Printing"));
}

void SavingsWindow::finish()
{
    connectClick(CalcBtn, [this] { model().CalcBtnClick(); });
    connectClick(PrintBtn, [this] { model().PrintBtnClick(); });
    refreshAll();
}

} // namespace kelvora
