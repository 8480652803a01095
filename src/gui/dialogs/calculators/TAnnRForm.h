#pragma once

#include "core/calculators/AnnRController.h"
#include "gui/dialogs/calculators/SavingsWindow.h"

namespace kelvora {

// The rising annuity window.
class TAnnRForm : public SavingsWindow
{
    Q_OBJECT

public:
    TAnnRForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent = nullptr);

    QLineEdit* EdRate = nullptr;
    QLineEdit* EdTime = nullptr;
    QComboBox* EdPeriod = nullptr;
    QLineEdit* EdPMT = nullptr;
    QLineEdit* EdPays = nullptr;
    QLineEdit* EdFV = nullptr;
    QLineEdit* EdInputs = nullptr;
    QLineEdit* EdIR = nullptr;
    QLineEdit* EdAI = nullptr;
    QLineEdit* EdAIR = nullptr;
};

} // namespace kelvora
