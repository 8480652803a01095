#pragma once

#include "core/ledger/LedgerKind.h"
#include "gui/pages/PageBase.h"

namespace kelvora {

class DataMemo;
class GradientPanel;
class LedgerModel;
class PageGrid;
class RecordNavigator;

// The Expenses or the Income page, built from its ledger kind: the ledger grid
// and the record's notes. The controls carry the names of their page
// (ExpendGrid and NoteExp, or IncomeGrid and NoteInc).
class LedgerPage : public PageBase
{
    Q_OBJECT
public:
    LedgerPage(LedgerModel& model, HandlerGuard& guard, QWidget* parent = nullptr);

    LedgerKind kind() const;

    GradientPanel* HeadPanel = nullptr;
    GradientPanel* SubHead = nullptr;
    RecordNavigator* Navigator = nullptr;
    PageGrid* Grid = nullptr;
    DataMemo* Notes = nullptr;

private:
    LedgerModel& m_model;
};

} // namespace kelvora
