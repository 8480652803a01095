#pragma once

#include "core/calculators/CalculatorReport.h"
#include "core/ledger/LedgerKind.h"
#include "core/settings/SettingKey.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace kelvora {

class LedgerModel;
class PageSelection;

// One amount column of the breakdown: its column total, the percentage the user
// claims (or declares taxable) and the amount that percentage gives.
struct TaxnRow
{
    QString label;                      // a fixed caption ("Office")
    std::optional<SettingKey> labelKey; // or the name the user gave the column (E1 ... E7, I1 ... I5)
    QString labelName;                  // LabE1 ..., Spare1 ...; empty for a fixed caption
    QString field;                      // the ledger field totalled
    QString totalBox;                   // OfficeExp, EdF1 ..., Interest, SpareInc1 ...
    QString percentBox;                 // Off, E1 ..., Int, I1 ...
    SettingKey percentKey;              // Expense%Office ...
    QString resultBox;                  // OfficeTot, E1Tot ..., InterestTot, I1Tot ...
    bool zeroWhenCleared;               // the named columns show "0" without a percentage
};

// One half of the window: the expenses (deductible) or the income (taxable).
struct TaxnSide
{
    LedgerKind kind;
    QString heading, percentHeading, resultHeading; // "Expenses", "%", "Deductible"
    QString totalHint, percentHint, resultHint;
    QList<TaxnRow> rows;
    QString totalsBox, countBox, resultsBox; // TotF, NoF, TotE
    QString taxLabel, taxBox;                // Tax1, GSTExp
    QString grossBox;                        // BankExp
    QString balanceLabel, balanceBox, balanceHint;
};

// The taxation breakdown window without its widgets. It shows the totals the two
// ledger pages last computed, applies a remembered percentage to every amount
// column and keeps the percentages when it closes. Every text is held by control
// name, so the window only shows them.
class TaxnController
{
public:
    static const QString kCaption;    // " Taxation Breakdown"
    static const QString kWriteError; // "Exception: IniFile Write Error."

    static const TaxnSide& side(LedgerKind kind);
    // The button that opens the window on a ledger page: TaxnBtn1 or TaxnBtn2.
    static QString buttonName(LedgerKind kind);
    static QString buttonHint();

    // TaxnBtn1Click before the window opens: the Sum of both pages, expenses first.
    static void sumBoth(LedgerModel& expenses, LedgerModel& income);
    // "Taxation Breakdown for ..." from the two pages' selections.
    static QString heading(const PageSelection& expenses, const PageSelection& income);

    // FormCreate: labels, percentages from their settings and the totals' texts.
    TaxnController(LedgerModel& expenses, LedgerModel& income, CalculatorReportRunner* reports = nullptr);

    QString text(const QString& control) const { return m_texts.value(control); }
    // Balance and the tax balance: red below 0, blue otherwise.
    bool isNegative(const QString& control) const { return m_negative.contains(control); }
    // Why the last recomputation stopped, and at which percentage box; empty when it ran through.
    const QString& problem() const { return m_problem; }
    const QString& problemBox() const { return m_problemBox; }

    // FormActivate: the heading and every figure anew, in row order. A percentage
    // that is no number stops it at its row: the rows after it keep what they showed.
    void FormActivate();
    // A keystroke in a percentage box.
    void typePercent(const QString& box, const QString& text);
    // FormClose: the seventeen percentages, as they stand, into their settings and
    // the settings file. A file that cannot be written gives kWriteError.
    void FormClose();
    // The printed summary.
    CalculatorReport RptTaxnBeforePrint() const;
    void PrintBtnClick();

private:
    bool computeSide(const TaxnSide& side, const LedgerModel& ledger, double& resultSum);
    QString money(double value) const;
    void setBalance(const QString& box, double value);

    LedgerModel& m_expenses;
    LedgerModel& m_income;
    CalculatorReportRunner* m_reports;
    QHash<QString, QString> m_texts;
    QSet<QString> m_negative;
    QString m_problem;
    QString m_problemBox;
};

} // namespace kelvora
