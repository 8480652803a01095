#pragma once

#include "core/calculators/CalculatorReport.h"
#include "core/calculators/LoanController.h"

namespace kelvora {

// The borrowing calculator: the equal repayment of a reducing-interest loan, its
// outcomes, the loan specifics on the clipboard, the summary report RptBorrow and
// the detailed listing RptBorrowings. Inputs are kept in BAmtStr, BRateStr and
// BTermStr.
class BorrowController : public LoanController
{
    Q_OBJECT

public:
    static const QString kPeriodPrompt; // "Select": the list's text until a frequency is chosen

    explicit BorrowController(const CalculatorContext& context, QObject* parent = nullptr);

    // Restores the inputs from their settings when the window opens; the frequency
    // list's text turns red on every activation.
    void FormActivate() override;
    // The inputs go back to their settings, empty ones included.
    void FormClose() override;

    void EdPrincChange() override;
    void PeriodChange() override;
    void CalcBtnClick();
    void LoanSpecsBtnClick();
    void PrintBtnClick();
    // Lists the balance after each repayment of the last calculation and prints it.
    // A loan with more repayments than a listing holds is refused with a message.
    void BorrowingsPrintBtnClick();

    // The report objects' texts, from the boxes as they stand.
    CalculatorReport RptBorrowBeforePrint() const;
    // The detailed listing of the last calculation (built by BorrowingsPrintBtnClick).
    CalculatorReport RptBorrowingsBeforePrint() const;

    // The state of the last calculation that the detailed listing uses.
    double repayment() const { return m_repayment; }
    double principal() const { return m_principal; }
    double averagePrincipal() const { return m_averagePrincipal; }
    qint64 repaymentCount() const { return m_count; }
    // The lines of the last detailed listing.
    const QStringList& Memo1() const { return m_memo; }

protected:
    QStringList buttons() const override;

private:
    void calculate();
    void afterOutput(const QString& button);

    double m_repayment = 0;
    double m_principal = 0;
    double m_averagePrincipal = 0;
    qint64 m_count = 0;
    QStringList m_memo;
};

} // namespace kelvora
