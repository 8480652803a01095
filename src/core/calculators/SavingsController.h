#pragma once

#include "core/calculators/CalculatorForm.h"
#include "core/calculators/CalculatorReport.h"

#include <QList>

namespace kelvora {

// What the investment and the two annuity calculators share: three text inputs and
// a frequency kept in settings (the frequency as its item index, "-1" for a typed
// one), the input check, Calculate painting and the one report.
class SavingsController : public CalculatorForm
{
    Q_OBJECT

public:
    struct KeptInput
    {
        QString box;
        QString key;
    };

    // Restores the inputs and the frequency from their settings when the window opens.
    void FormActivate() override;
    void FormClose() override;

    void CalcBtnClick();
    void PrintBtnClick();
    virtual CalculatorReport beforePrint() const = 0;

protected:
    // `inputs` in the order they are checked for being empty.
    SavingsController(const CalculatorContext& context, const QString& frequencyControl,
                      const QString& frequencyKey, const QList<KeptInput>& inputs, const QString& head,
                      QObject* parent);

    // The change handler of every input: Calculate needs pressing again.
    void inputsChanged();
    void inputChanged(const QString& control) override;
    QStringList buttons() const override;

    // Fills the outputs in their order; CalculationFailure stops it where it stands.
    virtual void compute() = 0;

    // The rate per period: the yearly rate over the periods a year as whole hundredths.
    double ratePerPeriod(double rate) const;
    // "$" and a box's text, as the reports print amounts.
    QString dollars(const QString& control) const;

private:
    QString m_frequencyKey;
    QList<KeptInput> m_inputs;
};

} // namespace kelvora
