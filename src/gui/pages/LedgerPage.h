#pragma once

#include "core/ledger/LedgerKind.h"
#include "core/ledger/LedgerModel.h"
#include "gui/pages/PageBase.h"

class QLineEdit;

namespace kelvora {

class DataMemo;
class GradientButton;
class GradientPanel;
class LedgerTools;
class PageGrid;
class RecordNavigator;
class SelectionBar;
class TagToolsBar;
class TotalsFooter;

// The Expenses or the Income page, built from its ledger kind: the entry
// buttons and the rate box, the ledger grid, the record's notes and the totals
// footer. The controls carry the names of their page (GSTBtn and ExpendGrid,
// or SplitIncGSTBtn and IncomeGrid).
class LedgerPage : public PageBase
{
    Q_OBJECT
public:
    LedgerPage(LedgerModel& model, HandlerGuard& guard, QWidget* parent = nullptr);

    LedgerKind kind() const;
    void applyColourScheme(const ColourScheme& scheme) override;

    GradientPanel* HeadPanel = nullptr;
    GradientPanel* SubHead = nullptr;
    GradientButton* CopyBtn = nullptr;     // ExpCopyBtn, IncCopyBtn
    GradientButton* SplitBtn = nullptr;    // GSTBtn, SplitIncGSTBtn
    GradientButton* AddBtn = nullptr;      // AddGSTBtn, AddIncGSTBtn
    GradientButton* WithHoldBtn = nullptr; // Income only
    QLineEdit* RateBox = nullptr;          // Apply, ApplyInc
    GradientButton* SumBtn = nullptr;      // TotExpBtn, TotIncBtn
    RecordNavigator* Navigator = nullptr;
    PageGrid* Grid = nullptr;
    DataMemo* Notes = nullptr;
    GradientButton* CopyNotesBtn = nullptr; // ExpensesCopyNotesBtn, IncomeCopyNotesBtn
    TotalsFooter* Footer = nullptr;
    GradientPanel* TagBand = nullptr;
    TagToolsBar* TagBar = nullptr;
    SelectionBar* Selector = nullptr; // ExpendSel, ExpendFilter, ExpendCombo, AllExpensesBtn (or Income...)
    LedgerTools* Tools = nullptr;     // TaxnBtn1, GraphExpBtn, GraphExpBtn2 (or TaxnBtn2, GraphIncBtn...)

    // The band's buttons, as a click runs them.
    void entryButtonClick(GradientButton* button, LedgerModel::EntryButton which);
    void SumClick();

private:
    GradientButton* makeButton(const EntryButtonText& text, LedgerModel::EntryButton which);
    void buildRateBox();
    void showStale(bool stale);

    LedgerModel& m_model;
    QColor m_bandStart;
    QColor m_bandEnd;
};

} // namespace kelvora
