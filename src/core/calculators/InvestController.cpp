#include "core/calculators/InvestController.h"

#include "core/calculators/Calculation.h"
#include "core/calculators/RaiseToPower.h"

namespace kelvora {

InvestController::InvestController(const CalculatorContext& context, QObject* parent)
    : SavingsController(context, QStringLiteral("Period"), QStringLiteral("IIntStr"),
                        {{QStringLiteral("EdPrinc"), QStringLiteral("IAmtStr")},
                         {QStringLiteral("EdRate"), QStringLiteral("IRateStr")},
                         {QStringLiteral("EdTime"), QStringLiteral("ITermStr")}},
                        QStringLiteral("Compound  Interest"), parent)
{
}

void InvestController::compute()
{
    const double q = frequency().perYear;
    const double principal = number(QStringLiteral("EdPrinc"));
    const double rate = number(QStringLiteral("EdRate"));
    const double years = number(QStringLiteral("EdTime"));
    const double r = ratePerPeriod(rate);
    const double n = calcChecked((long double)q * years);

    const double value = calcChecked(principal * RaiseToPower(1 + r, n));
    const double interest = calcChecked((long double)value - principal);
    setText(QStringLiteral("EdTot"), format(value, NumberStyle::Number, 14, 2));
    setText(QStringLiteral("EdInt"), format(interest, NumberStyle::Number, 11, 2));
    setText(QStringLiteral("EdPays"), format(n, NumberStyle::General, 15, 0));
    setText(QStringLiteral("EdAI"), format(calcDivide(interest, n), NumberStyle::Number, 11, 2));
    setText(QStringLiteral("EdR"), format(calcDivide(value, n), NumberStyle::Number, 11, 2));
    setText(QStringLiteral("EdAAI"), format(calcDivide(interest, years), NumberStyle::Number, 11, 2));
}

CalculatorReport InvestController::RptInvestBeforePrint() const
{
    return {QStringLiteral("RptInvest"),
            {{QStringLiteral("Head"), QStringLiteral("Investing = Compound Interest")},
             {QStringLiteral("Principal"), dollars(QStringLiteral("EdPrinc"))},
             {QStringLiteral("Brate"), text(QStringLiteral("EdRate")) + QStringLiteral(" %")},
             {QStringLiteral("Btime"), text(QStringLiteral("EdTime")) + QStringLiteral(" Years")},
             {QStringLiteral("Bperiod"), text(QStringLiteral("Period"))},
             {QStringLiteral("Bpays"), text(QStringLiteral("EdPays"))},
             {QStringLiteral("Br"), dollars(QStringLiteral("EdR"))},
             {QStringLiteral("Bint"), dollars(QStringLiteral("EdInt"))},
             {QStringLiteral("Bai"), dollars(QStringLiteral("EdAI"))},
             {QStringLiteral("Baai"), dollars(QStringLiteral("EdAAI"))},
             {QStringLiteral("Btot"), dollars(QStringLiteral("EdTot"))}}};
}

} // namespace kelvora
