#pragma once

#include "core/calculators/BorrowController.h"
#include "gui/dialogs/calculators/CalculatorWindow.h"

namespace kelvora {

// The borrowing calculator window.
class TBorrowForm : public CalculatorWindow
{
    Q_OBJECT

public:
    TBorrowForm(const CalculatorContext& context, HandlerGuard& guard, QWidget* parent = nullptr);

    BorrowController& model() const { return static_cast<BorrowController&>(form()); }

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
    GradientButton* CalcBtn = nullptr;
    GradientButton* LoanSpecsBtn = nullptr;
    GradientButton* PrintBtn = nullptr;
    GradientButton* BorrowingsPrintBtn = nullptr;
    GradientButton* CloseBtn = nullptr;
};

} // namespace kelvora
