#pragma once

#include "core/ledger/LedgerKind.h"
#include "core/pages/PageModel.h"
#include "core/store/RefCounter.h"

namespace kelvora {

// The Expenses or the Income page without its widgets: its view and last-Ref
// counter, and what the page's buttons do to the current record.
class LedgerModel : public PageModel
{
    Q_OBJECT
public:
    LedgerModel(PageContext context, Database& db, LedgerKind kind, QObject* parent = nullptr);

    const LedgerTraits& traits() const { return m_traits; }
    RefCounter& refs() { return m_refs; }
    QList<GridColumn> columns() const { return m_traits.columns(m_context.settings); }
    QString heading() const { return m_context.todayText(); }

    // Writes the period and year codes of the current record from its date and
    // posts it. A record without a date gets "Enter Date"; a record being
    // inserted is left alone.
    void SetPeriodAndYear();

private:
    const LedgerTraits& m_traits;
    RefCounter m_refs;
};

} // namespace kelvora
