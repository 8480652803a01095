#pragma once

#include "core/calculators/SavingsController.h"

namespace kelvora {

// The investment calculator: a single sum left to earn compound interest,
// V = P * (1 + r) ^ n. Inputs in IAmtStr, IRateStr, ITermStr and IIntStr.
class InvestController : public SavingsController
{
    Q_OBJECT

public:
    explicit InvestController(const CalculatorContext& context, QObject* parent = nullptr);

    void EdPrincChange() { inputsChanged(); }
    CalculatorReport beforePrint() const override { return RptInvestBeforePrint(); }
    CalculatorReport RptInvestBeforePrint() const;

protected:
    void compute() override;
};

} // namespace kelvora
