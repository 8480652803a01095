#include "core/calculators/SavingsController.h"

#include "core/calculators/Calculation.h"
#include "core/settings/Settings.h"

#include <cmath>

namespace kelvora {

namespace {

const QString kCalcBtn = QStringLiteral("CalcBtn");
const QString kPrintBtn = QStringLiteral("PrintBtn");

} // namespace

SavingsController::SavingsController(const CalculatorContext& context, const QString& frequencyControl,
                                     const QString& frequencyKey, const QList<KeptInput>& inputs,
                                     const QString& head, QObject* parent)
    : CalculatorForm(context, FrequencyTable::Savings, frequencyControl, parent),
      m_frequencyKey(frequencyKey), m_inputs(inputs)
{
    setText(QStringLiteral("HeadPanel"), head);
    setEnabled(kPrintBtn, false);
}

QStringList SavingsController::buttons() const
{
    return {QStringLiteral("CloseBtn"), kPrintBtn, kCalcBtn};
}

void SavingsController::FormActivate()
{
    // Only when the window opens: returning from a message box or a preview must
    // not throw away what the user has typed or chosen since.
    if (!takeFirstActivation())
        return;
    for (const KeptInput& input : m_inputs) {
        const QString kept = settings().value(input.key);
        if (!kept.isEmpty())
            setText(input.box, kept);
    }
    // A frequency setting that is no whole number reads as the default item.
    const int index = settings().frequencyIndex(m_frequencyKey);
    selectFrequency(index >= 0 ? index : -1);
}

void SavingsController::FormClose()
{
    for (const KeptInput& input : m_inputs)
        settings().setValue(input.key, text(input.box));
    settings().setValue(m_frequencyKey, QString::number(frequencyIndex()));
}

void SavingsController::inputsChanged()
{
    setLook(kCalcBtn, ButtonLook::NeedsCalculation);
}

void SavingsController::inputChanged(const QString&)
{
    inputsChanged();
}

void SavingsController::CalcBtnClick()
{
    QStringList checked;
    for (const KeptInput& input : m_inputs)
        checked.append(input.box);
    if (dataMissing(checked))
        return;
    setEnabled(kPrintBtn, true);
    setLook(kPrintBtn, ButtonLook::Scheme);
    setLook(kCalcBtn, ButtonLook::Calculated);
    try {
        compute();
    } catch (const CalculationFailure&) {
        showCalculationError();
    }
}

void SavingsController::PrintBtnClick()
{
    context().reports.showReport(beforePrint());
    setLook(kPrintBtn, ButtonLook::Used);
    inputsChanged();
}

double SavingsController::ratePerPeriod(double rate) const
{
    return calcDivide(rate, std::round(frequency().perYear * 100));
}

QString SavingsController::dollars(const QString& control) const
{
    return QStringLiteral("$") + text(control);
}

} // namespace kelvora
