#pragma once

#include "core/calculators/SavingsController.h"
#include "gui/dialogs/calculators/CalculatorWindow.h"

namespace kelvora {

// The investment and annuity windows: a print and a close button in the head,
// requirements and outcome below.
class SavingsWindow : public CalculatorWindow
{
    Q_OBJECT

public:
    SavingsController& model() const { return static_cast<SavingsController&>(form()); }

    GradientButton* CalcBtn = nullptr;
    GradientButton* PrintBtn = nullptr;
    GradientButton* CloseBtn = nullptr;

protected:
    SavingsWindow(std::unique_ptr<SavingsController> model, HandlerGuard& guard, const QString& objectName,
                  const QString& caption, QWidget* parent);

    // The annuities' rate, term and frequency rows (EdRate, EdTime, EdPeriod).
    struct AnnuityTerms
    {
        QLineEdit* EdRate;
        QLineEdit* EdTime;
        QComboBox* EdPeriod;
    };
    AnnuityTerms addAnnuityTerms(QGridLayout* requirements);
    // Calculate, under the requirements.
    void addCalculate(QGridLayout* requirements);
    // Once every box is there: wires the three buttons and shows the model.
    void finish();
};

} // namespace kelvora
