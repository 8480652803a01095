#include "gui/dialogs/calculators/TAnnRForm.h"

namespace kelvora {

TAnnRForm::TAnnRForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent)
    : SavingsWindow(std::make_unique<AnnRController>(context), guard, QStringLiteral("TAnnRForm"),
                    QStringLiteral(" Annuity - Rising"), parent)
{
    QGridLayout* needs = addSection(QStringLiteral("Annuity Requirements"));
    const AnnuityTerms terms = addAnnuityTerms(needs);
    EdRate = terms.EdRate;
    EdTime = terms.EdTime;
    EdPeriod = terms.EdPeriod;
    EdPMT = addInput(needs, QStringLiteral("EdPMT"), QStringLiteral("Payment made"),
                     QStringLiteral("Amount of regular payment made."));

    addCalculate(needs);

    QGridLayout* outcome = addSection(QStringLiteral("Annuity Outcome"));
    EdPays = addOutput(outcome, QStringLiteral("EdPays"), QStringLiteral("Number of Repayments"),
                       QStringLiteral("Number of repayments made."));
    EdFV = addOutput(outcome, QStringLiteral("EdFV"), QStringLiteral("Future Value"),
                     QStringLiteral("End of term value of annuity."));
    EdInputs = addOutput(outcome, QStringLiteral("EdInputs"), QStringLiteral("Total Inputs"),
                         QStringLiteral("Total paid in over duration of loan."));
    EdIR = addOutput(outcome, QStringLiteral("EdIR"), QStringLiteral("Interest Received"),
                     QStringLiteral("Total interest received"));
    EdAI = addOutput(outcome, QStringLiteral("EdAI"), QStringLiteral("Annual Inputs"),
                     QStringLiteral("Amount paid into fund each year"));
    EdAIR = addOutput(outcome, QStringLiteral("EdAIR"), QStringLiteral("Annual Interest Received"),
                      QStringLiteral("Average annual interest received"));
    finish();
}

} // namespace kelvora
