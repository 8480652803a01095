#pragma once

#include "core/calculators/AnnSController.h"
#include "gui/dialogs/calculators/SavingsWindow.h"

namespace kelvora {

// The sinking annuity window.
class TAnnSForm : public SavingsWindow
{
    Q_OBJECT

public:
    TAnnSForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent = nullptr);

    QLineEdit* EdFV = nullptr;
    QLineEdit* EdRate = nullptr;
    QLineEdit* EdTime = nullptr;
    QComboBox* EdPeriod = nullptr;
    QLineEdit* EdPays = nullptr;
    QLineEdit* EdPMT = nullptr;
    QLineEdit* EdTI = nullptr;
    QLineEdit* EdInt = nullptr;
    QLineEdit* EdAI = nullptr;
    QLineEdit* EdAAI = nullptr;
};

} // namespace kelvora
