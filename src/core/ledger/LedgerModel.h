#pragma once

#include "core/ledger/LedgerKind.h"
#include "core/ledger/LedgerTotals.h"
#include "core/pages/PageModel.h"
#include "core/selection/PageSelection.h"
#include "core/selection/NotesSearch.h"
#include "core/selection/TagTools.h"
#include "core/store/RefCounter.h"

namespace kelvora {

// The Expenses or the Income page without its widgets: its view and last-Ref
// counter, the entry buttons that complete the current record, the summary
// check on leaving a record, and the page totals.
class LedgerModel : public PageModel
{
    Q_OBJECT
public:
    enum class EntryButton { Copy, Split, Add, WithHeld };

    LedgerModel(PageContext context, Database& db, LedgerKind kind, QObject* parent = nullptr);

    const LedgerTraits& traits() const { return m_traits; }
    RefCounter& refs() { return m_refs; }
    QList<GridColumn> columns() const { return m_traits.columns(m_context.settings); }
    QString heading() const { return m_context.todayText(); }

    // FindLastExpenseRef / FindLastIncomeRef, without summary warnings: moving
    // the cursor here is the program's, not the user's.
    void findLastRef();

    // Writes the period and year codes of the current record from its date and
    // posts it. A record without a date gets "Enter Date"; a record being
    // inserted is left alone.
    void SetPeriodAndYear();

    // One of the band's buttons on the current record. `currentField` is the
    // grid's current column: on Date, an empty date becomes today. A rate that
    // is no number (or divides by zero) raises KelvoraError with the record
    // unchanged and still in edit, and the closing steps do not run.
    void entryButton(EntryButton button, const QString& currentField);

    // The summary check, run before every move of the user's cursor.
    void summaryCheck();

    // The Sum button: totals of the records shown, the cursor left on the last
    // one. Unbalanced records met on the way give one warning, not one each;
    // a recomputation after a selection gives none (it runs at each keystroke).
    void Sum(bool warnUnbalanced = true);
    // The selection bar above the grid.
    PageSelection& selection() { return m_selection; }
    TagTools& tagTools() { return m_tags; }
    NotesSearch& notesSearch() { return m_notes; }
    const PageSelection& selection() const { return m_selection; }
    bool totalsComputed() const { return m_computed; }
    bool totalsStale() const { return m_stale; }
    const LedgerTotals& totals() const { return m_totals; }
    // The income page's balances read the expense page's last totals; the two
    // pages then know each other (the taxation breakdown reads both).
    void setExpensesForBalances(LedgerModel* expenses);
    // The Expenses and the Income page of this program; null until linked.
    LedgerModel* expensesLedger();
    LedgerModel* incomeLedger();
    double balance() const;
    double taxBalance() const;

    // What a footer box and its label show; empty before the first Sum.
    QString footerText(const FooterBox& box) const;
    QString footerLabel(const FooterBox& box) const;
    // Balance and Tax Balance below 0 are shown in red.
    bool footerNegative(const FooterBox& box) const;

signals:
    void totalsChanged();
    void staleChanged(bool stale);

private:
    double rate() const;
    double footerValue(const FooterBox& box) const;
    void setStale(bool stale);
    void writeAmounts(const EntryAmounts& before, const EntryAmounts& after);

    const LedgerTraits& m_traits;
    RefCounter m_refs;
    AmountFields m_fields;
    PageSelection m_selection;
    TagTools m_tags;
    NotesSearch m_notes;
    LedgerTotals m_totals;
    LedgerModel* m_expenses = nullptr;
    LedgerModel* m_income = nullptr;
    bool m_computed = false;
    bool m_stale = false;
    int m_checkSuppressed = 0;
};

} // namespace kelvora
