#pragma once

#include "core/calculators/CalculatorReport.h"
#include "core/calculators/LoanController.h"

namespace kelvora {

// The loan schedule: the equal repayment of a reducing-interest loan and the loan
// simulated repayment by repayment with due dates, or, with an alternate repayment,
// how long the loan then takes. Shares BAmtStr, BRateStr and BTermStr with the
// borrowing calculator and keeps its start date in StartDateStr.
class BorrowDetailController : public LoanController
{
    Q_OBJECT

public:
    static const QString kFirstAlternateRepayment; // "700"

    // `alternateRepayment` is remembered for the rest of the run (not a setting).
    BorrowDetailController(const CalculatorContext& context, QString& alternateRepayment,
                           QObject* parent = nullptr);

    // Today's heading every time; the inputs and start date from their settings when
    // the window opens (a setting left empty takes its default); Calculate is enabled
    // while "Weekly" is chosen.
    void FormActivate() override;
    void FormClose() override;

    void EdPrincChange() override;
    void PeriodChange() override;
    void StartDateClick();
    void AltRepaymentClick();
    void CalcBtnClick();
    void LoanSpecsBtnClick();
    void CopyBtnClick();
    void PrintBtnClick();
    CalculatorReport RptBorrowDetailBeforePrint() const;

    // The schedule, one line per entry (the box shows them joined).
    const QStringList& Borrowings() const { return m_lines; }

protected:
    QStringList buttons() const override;

private:
    void calculate();
    void setLines(const QStringList& lines);
    void afterOutput(const QString& button);
    // A text shown by a click in a box; a change the outputs no longer follow.
    void clickFill(const QString& control, const QString& text);
    void refuse(const QString& message);

    QString& m_alternateRepayment;
    QStringList m_lines;
};

} // namespace kelvora
