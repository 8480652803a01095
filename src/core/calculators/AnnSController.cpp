#include "core/calculators/AnnSController.h"

#include "core/calculators/Calculation.h"
#include "core/calculators/RaiseToPower.h"

namespace kelvora {

AnnSController::AnnSController(const CalculatorContext& context, QObject* parent)
    : SavingsController(context, QStringLiteral("EdPeriod"), QStringLiteral("SIntStr"),
                        {{QStringLiteral("EdFV"), QStringLiteral("SFVStr")},
                         {QStringLiteral("EdRate"), QStringLiteral("SRateStr")},
                         {QStringLiteral("EdTime"), QStringLiteral("STermStr")}},
                        QStringLiteral("Reducing  Interest"), parent)
{
}

void AnnSController::compute()
{
    const double q = frequency().perYear;
    const double future = number(QStringLiteral("EdFV"));
    const double rate = number(QStringLiteral("EdRate"));
    const double years = number(QStringLiteral("EdTime"));
    const double r = ratePerPeriod(rate);
    const double n = calcChecked((long double)q * years);

    setText(QStringLiteral("EdPays"), format(n, NumberStyle::General, 15, 0));
    const double payment = calcDivide((long double)r * future, RaiseToPower(1 + r, n) - 1);
    setText(QStringLiteral("EdPMT"), format(payment, NumberStyle::Number, 14, 2));
    const double inputs = calcChecked((long double)n * payment);
    const double interest = calcChecked((long double)future - inputs);
    setText(QStringLiteral("EdInt"), format(interest, NumberStyle::Number, 11, 2));
    setText(QStringLiteral("EdAI"), format(calcDivide(interest, n), NumberStyle::Number, 11, 2));
    setText(QStringLiteral("EdAAI"), format(calcDivide(interest, years), NumberStyle::Number, 11, 2));
    setText(QStringLiteral("EdTI"), format(inputs, NumberStyle::Number, 14, 2));
}

CalculatorReport AnnSController::RptAnnSBeforePrint() const
{
    return {QStringLiteral("RptAnnS"),
            {{QStringLiteral("Head"), QStringLiteral("Sinking Annuity = Reducing Interest")},
             {QStringLiteral("Brate"), text(QStringLiteral("EdRate")) + QStringLiteral(" %")},
             {QStringLiteral("Btime"), text(QStringLiteral("EdTime")) + QStringLiteral(" Years")},
             {QStringLiteral("Bperiod"), text(QStringLiteral("EdPeriod"))},
             {QStringLiteral("Bpays"), text(QStringLiteral("EdPays"))},
             {QStringLiteral("Bpmt"), dollars(QStringLiteral("EdPMT"))},
             {QStringLiteral("Bfv"), dollars(QStringLiteral("EdFV"))},
             {QStringLiteral("Bint"), dollars(QStringLiteral("EdInt"))},
             {QStringLiteral("Bti"), dollars(QStringLiteral("EdTI"))},
             {QStringLiteral("Bai"), dollars(QStringLiteral("EdAI"))},
             {QStringLiteral("Baai"), dollars(QStringLiteral("EdAAI"))}}};
}

} // namespace kelvora
