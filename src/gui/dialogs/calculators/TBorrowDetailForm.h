#pragma once

#include "core/calculators/BorrowDetailController.h"
#include "gui/dialogs/calculators/CalculatorWindow.h"

namespace kelvora {

// The loan schedule window: the calculator on the left, the schedule on the right.
class TBorrowDetailForm : public CalculatorWindow
{
    Q_OBJECT

public:
    // `alternateRepayment` is the alternate repayment remembered while the program runs.
    TBorrowDetailForm(const CalculatorContext& context, QString& alternateRepayment, HandlerGuard& guard,
                      QWidget* parent = nullptr);

    BorrowDetailController& model() const { return static_cast<BorrowDetailController&>(form()); }

    QLineEdit* EdPrinc = nullptr;
    QLineEdit* EdRate = nullptr;
    QLineEdit* EdTime = nullptr;
    QComboBox* Period = nullptr;
    QLineEdit* StartDate = nullptr;
    QLineEdit* AltRepayment = nullptr;
    QLineEdit* EdPays = nullptr;
    QLineEdit* EdR = nullptr;
    QLineEdit* EdInt = nullptr;
    QLineEdit* EdAI = nullptr;
    QLineEdit* EdAAI = nullptr;
    QLineEdit* EdTot = nullptr;
    QLineEdit* LoanTerminates = nullptr;
    QPlainTextEdit* Borrowings = nullptr;
    GradientButton* CalcBtn = nullptr;
    GradientButton* CloseBtn = nullptr;
    GradientButton* PrintBtn = nullptr;
    GradientButton* CopyBtn = nullptr;
    GradientButton* LoanSpecsBtn = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CalcBtnClick();
};

} // namespace kelvora
