#include "core/calculators/LoanController.h"

#include "core/calculators/Calculation.h"
#include "core/calculators/RaiseToPower.h"
#include "core/settings/Settings.h"

namespace kelvora {

LoanController::LoanController(const CalculatorContext& context, FrequencyTable table, QObject* parent)
    : CalculatorForm(context, table, QStringLiteral("Period"), parent)
{
}

void LoanController::inputChanged(const QString& control)
{
    if (control == frequencyControl())
        PeriodChange();
    else
        EdPrincChange();
}

const QList<LoanController::KeptInput>& LoanController::keptInputs()
{
    static const QList<KeptInput> inputs = {{QStringLiteral("EdPrinc"), QStringLiteral("BAmtStr")},
                                            {QStringLiteral("EdRate"), QStringLiteral("BRateStr")},
                                            {QStringLiteral("EdTime"), QStringLiteral("BTermStr")}};
    return inputs;
}

void LoanController::keepInputs()
{
    for (const KeptInput& input : keptInputs())
        settings().setValue(input.key, text(input.box));
}

double LoanController::repaymentOf(double principal, double ratePerPeriod, double n)
{
    return calcChecked(calcDivide(ratePerPeriod, 1 - RaiseToPower(1 + ratePerPeriod, -n)) *
                       (long double)principal);
}

double LoanController::showOutcome(double n, double repayment, double principal, double years)
{
    setText(QStringLiteral("EdPays"), format(n, NumberStyle::Number, 14, 2));
    setText(QStringLiteral("EdR"), format(repayment, NumberStyle::Currency, 14, 2));
    const double interest = calcChecked((long double)n * repayment - principal);
    setText(QStringLiteral("EdInt"), format(interest, NumberStyle::Currency, 11, 2));
    const double perRepayment = calcDivide(interest, n);
    setText(QStringLiteral("EdAI"), format(perRepayment, NumberStyle::Currency, 11, 2));
    setText(QStringLiteral("EdAAI"), format(calcDivide(interest, years), NumberStyle::Currency, 11, 2));
    setText(QStringLiteral("EdTot"),
            format(calcChecked((long double)n * repayment), NumberStyle::Currency, 14, 2));
    return perRepayment;
}

LoanBoxTexts LoanController::boxTexts() const
{
    LoanBoxTexts b;
    b.EdPrinc = text(QStringLiteral("EdPrinc"));
    b.EdRate = text(QStringLiteral("EdRate"));
    b.EdTime = text(QStringLiteral("EdTime"));
    b.Period = text(QStringLiteral("Period"));
    b.AltRepayment = text(QStringLiteral("AltRepayment"));
    b.StartDate = text(QStringLiteral("StartDate"));
    b.EdPays = text(QStringLiteral("EdPays"));
    b.EdR = text(QStringLiteral("EdR"));
    b.EdInt = text(QStringLiteral("EdInt"));
    b.EdAI = text(QStringLiteral("EdAI"));
    b.EdAAI = text(QStringLiteral("EdAAI"));
    b.EdTot = text(QStringLiteral("EdTot"));
    b.LoanTerminates = text(QStringLiteral("LoanTerminates"));
    return b;
}

QList<std::pair<QString, QString>> LoanController::summaryTexts(const QString& head) const
{
    const LoanBoxTexts b = boxTexts();
    return {{QStringLiteral("Head"), head},
            {QStringLiteral("Principal"), QStringLiteral("$") + b.EdPrinc},
            {QStringLiteral("Brate"), b.EdRate + QStringLiteral(" %")},
            {QStringLiteral("Btime"), b.EdTime + QStringLiteral(" Years")},
            {QStringLiteral("Bperiod"), b.Period},
            {QStringLiteral("Bpays"), b.EdPays},
            {QStringLiteral("Br"), b.EdR},
            {QStringLiteral("Bint"), b.EdInt},
            {QStringLiteral("Bai"), b.EdAI},
            {QStringLiteral("Baai"), b.EdAAI},
            {QStringLiteral("Btot"), b.EdTot}};
}

} // namespace kelvora
