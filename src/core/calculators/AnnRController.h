#pragma once

#include "core/calculators/SavingsController.h"

namespace kelvora {

// The rising annuity: the future value of equal payments made at the end of each
// period, FV = PMT * ((1 + r) ^ n - 1) / r, in whole amounts. Inputs in RRateStr,
// RTermStr, RPMTStr and RIntStr.
class AnnRController : public SavingsController
{
    Q_OBJECT

public:
    explicit AnnRController(const CalculatorContext& context, QObject* parent = nullptr);

    void EdRateChange() { inputsChanged(); }
    CalculatorReport beforePrint() const override { return RptAnnRBeforePrint(); }
    CalculatorReport RptAnnRBeforePrint() const;

protected:
    void compute() override;
};

} // namespace kelvora
