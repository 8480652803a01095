#pragma once

#include "core/calculators/CalculatorForm.h"
#include "core/calculators/LoanTexts.h"

#include <QList>
#include <utility>

namespace kelvora {

// What the borrowing calculator and the loan schedule share: the loan inputs kept
// in BAmtStr, BRateStr and BTermStr, the six outcome boxes of a reducing-interest
// loan, and the summary their reports print.
class LoanController : public CalculatorForm
{
    Q_OBJECT

public:
    // A change of an input: the outputs no longer follow the boxes.
    virtual void EdPrincChange() = 0;
    // A change of the frequency list.
    virtual void PeriodChange() = 0;

    // Every box the loan specifics quote (boxes the window lacks are empty).
    LoanBoxTexts boxTexts() const;

protected:
    LoanController(const CalculatorContext& context, FrequencyTable table, QObject* parent);

    void inputChanged(const QString& control) override;

    struct KeptInput
    {
        QString box;
        QString key;
    };
    static const QList<KeptInput>& keptInputs();
    // The inputs go back to their settings, empty ones included.
    void keepInputs();

    // The equal repayment that clears `principal` in `n` periods at `ratePerPeriod`.
    static double repaymentOf(double principal, double ratePerPeriod, double n);
    // Fills the outcome boxes of `n` repayments of `repayment`, in order, and returns
    // the interest per repayment. CalculationFailure stops it where it stands.
    double showOutcome(double n, double repayment, double principal, double years);
    // The report texts of the summary: `head` and the inputs and outcomes as shown.
    QList<std::pair<QString, QString>> summaryTexts(const QString& head) const;
};

} // namespace kelvora
