#include "gui/dialogs/calculators/TInvestForm.h"

namespace kelvora {

TInvestForm::TInvestForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent)
    : SavingsWindow(std::make_unique<InvestController>(context), guard, QStringLiteral("TInvestForm"),
                    QStringLiteral(" Investments"), parent)
{
    QGridLayout* needs = addSection(QStringLiteral("Loan Requirements"));
    EdPrinc = addInput(needs, QStringLiteral("EdPrinc"), QStringLiteral("Principal Invested"),
                       QStringLiteral("Principal Borrowed"));
    const RateAndTerm rateAndTerm = addRateAndTerm(needs, QStringLiteral("Use a number only - NO % sign"));
    EdRate = rateAndTerm.EdRate;
    EdTime = rateAndTerm.EdTime;
    Period = addFrequency(needs, QStringLiteral("Period"), QStringLiteral("Payments"),
                          QStringLiteral("Select frequency of repayments"));

    addCalculate(needs);

    QGridLayout* outcome = addSection(QStringLiteral("Loan Outcome"));
    EdPays = addOutput(outcome, QStringLiteral("EdPays"), QStringLiteral("Number of Repayments"),
                       QStringLiteral("Number of repayments to make."));
    EdR = addOutput(outcome, QStringLiteral("EdR"), QStringLiteral("Repayment"),
                    QStringLiteral("Repayment received."));
    EdInt = addOutput(outcome, QStringLiteral("EdInt"), QStringLiteral("Total Interest Paid"),
                      QStringLiteral("Total interest paid over duration of loan."));
    EdAI = addOutput(outcome, QStringLiteral("EdAI"), QStringLiteral("Average Interest"),
                     QStringLiteral("Average interest per repayment."));
    EdAAI = addOutput(outcome, QStringLiteral("EdAAI"), QStringLiteral("Average Annual Interest"),
                      QStringLiteral("Average interest paid per year."));
    EdTot = addOutput(outcome, QStringLiteral("EdTot"), QStringLiteral("Accumulated Value"),
                      QStringLiteral("Total Principal plus Interest."));
    finish();
}

} // namespace kelvora
