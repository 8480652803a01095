#include "core/calculators/AnnRController.h"

#include "core/calculators/Calculation.h"
#include "core/calculators/RaiseToPower.h"

namespace kelvora {

AnnRController::AnnRController(const CalculatorContext& context, QObject* parent)
    : SavingsController(context, QStringLiteral("EdPeriod"), QStringLiteral("RIntStr"),
                        {{QStringLiteral("EdPMT"), QStringLiteral("RPMTStr")},
                         {QStringLiteral("EdRate"), QStringLiteral("RRateStr")},
                         {QStringLiteral("EdTime"), QStringLiteral("RTermStr")}},
                        QStringLiteral("Rising  Annuity"), parent)
{
}

void AnnRController::compute()
{
    const double q = frequency().perYear;
    const double payment = number(QStringLiteral("EdPMT"));
    const double rate = number(QStringLiteral("EdRate"));
    const double years = number(QStringLiteral("EdTime"));
    const double r = ratePerPeriod(rate);
    const double n = calcChecked((long double)q * years);

    setText(QStringLiteral("EdPays"), format(n, NumberStyle::General, 15, 0));
    const double future = calcChecked(calcDivide(RaiseToPower(1 + r, n) - 1, r) * (long double)payment);
    setText(QStringLiteral("EdFV"), format(future, NumberStyle::Number, 14, 0));
    const double inputs = calcChecked((long double)n * payment);
    setText(QStringLiteral("EdInputs"), format(inputs, NumberStyle::Number, 14, 0));
    const double received = calcChecked((long double)future - inputs);
    setText(QStringLiteral("EdIR"), format(received, NumberStyle::Number, 14, 0));
    setText(QStringLiteral("EdAI"), format(calcDivide(inputs, years), NumberStyle::Number, 14, 0));
    setText(QStringLiteral("EdAIR"), format(calcDivide(received, years), NumberStyle::Number, 14, 0));
}

CalculatorReport AnnRController::RptAnnRBeforePrint() const
{
    return {QStringLiteral("RptAnnR"),
            {{QStringLiteral("Head"), QStringLiteral("Rising Annuity = Compounding Interest")},
             {QStringLiteral("Brate"), text(QStringLiteral("EdRate")) + QStringLiteral(" %")},
             {QStringLiteral("Btime"), text(QStringLiteral("EdTime")) + QStringLiteral(" Years")},
             {QStringLiteral("Bperiod"), text(QStringLiteral("EdPeriod"))},
             {QStringLiteral("Bpays"), text(QStringLiteral("EdPays"))},
             {QStringLiteral("Bpmt"), text(QStringLiteral("EdPMT"))},
             {QStringLiteral("Bfv"), dollars(QStringLiteral("EdFV"))},
             {QStringLiteral("Binputs"), dollars(QStringLiteral("EdInputs"))},
             {QStringLiteral("Bir"), dollars(QStringLiteral("EdIR"))},
             {QStringLiteral("Bai"), dollars(QStringLiteral("EdAI"))},
             {QStringLiteral("Bair"), dollars(QStringLiteral("EdAIR"))}}};
}

} // namespace kelvora
