#pragma once

#include "core/calculators/InvestController.h"
#include "gui/dialogs/calculators/SavingsWindow.h"

namespace kelvora {

// The investment calculator window.
class TInvestForm : public SavingsWindow
{
    Q_OBJECT

public:
    TInvestForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent = nullptr);

    QLineEdit* EdPrinc = nullptr;
    QLineEdit* EdRate = nullptr;
    QLineEdit* EdTime = nullptr;
    QComboBox* Period = nullptr;
    QLineEdit* EdPays = nullptr;
    QLineEdit* EdR = nullptr;
    QLineEdit* EdInt = nullptr;
    QLineEdit* EdAI = nullptr;
    QLineEdit* EdAAI = nullptr;
    QLineEdit* EdTot = nullptr;
};

} // namespace kelvora
