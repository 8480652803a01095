#pragma once

#include "core/calculators/SavingsController.h"

namespace kelvora {

// The sinking annuity: the payment at the end of each period that grows to a
// required future value, PMT = FV * r / ((1 + r) ^ n - 1). Inputs in SFVStr,
// SRateStr, STermStr and SIntStr.
class AnnSController : public SavingsController
{
    Q_OBJECT

public:
    explicit AnnSController(const CalculatorContext& context, QObject* parent = nullptr);

    void EdFVChange() { inputsChanged(); }
    CalculatorReport beforePrint() const override { return RptAnnSBeforePrint(); }
    CalculatorReport RptAnnSBeforePrint() const;

protected:
    void compute() override;
};

} // namespace kelvora
