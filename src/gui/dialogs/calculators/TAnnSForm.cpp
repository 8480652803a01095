#include "gui/dialogs/calculators/TAnnSForm.h"

namespace kelvora {

TAnnSForm::TAnnSForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent)
    : SavingsWindow(std::make_unique<AnnSController>(context), guard, QStringLiteral("TAnnSForm"),
                    QStringLiteral(" Annuity - Sinking"), parent)
{
    QGridLayout* needs = addSection(QStringLiteral("Annuity Requirements"));
    EdFV = addInput(needs, QStringLiteral("EdFV"), QStringLiteral("Future Value"),
                    QStringLiteral("End of Term Value of Annuity Required - Use a number only."));
    const AnnuityTerms terms = addAnnuityTerms(needs);
    EdRate = terms.EdRate;
    EdTime = terms.EdTime;
    EdPeriod = terms.EdPeriod;

    addCalculate(needs);

    QGridLayout* outcome = addSection(QStringLiteral("Annuity Outcome"));
    EdPays = addOutput(outcome, QStringLiteral("EdPays"), QStringLiteral("Number of Repayments"),
                       QStringLiteral("Number of repayments to make."));
    EdPMT = addOutput(outcome, QStringLiteral("EdPMT"), QStringLiteral("Required Deposit"),
                      QStringLiteral("Payment required per payment."));
    EdTI = addOutput(outcome, QStringLiteral("EdTI"), QStringLiteral("Total Inputs"),
                     QStringLiteral("Total money paid during term of loan."));
    EdInt = addOutput(outcome, QStringLiteral("EdInt"), QStringLiteral("Total Interest Received"),
                      QStringLiteral("Total interest received over duration of loan."));
    EdAI = addOutput(outcome, QStringLiteral("EdAI"), QStringLiteral("Average Interest"),
                     QStringLiteral("Average interest per period."));
    EdAAI = addOutput(outcome, QStringLiteral("EdAAI"), QStringLiteral("Average Annual Interest"),
                      QStringLiteral("Average interest received per year."));
    finish();
}

} // namespace kelvora
