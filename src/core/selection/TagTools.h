#pragma once

#include "core/pages/PageContext.h"
#include "core/selection/SelectionItems.h"

#include <QObject>

#include <functional>

namespace kelvora {

class PageSelection;
class View;

// The tag tools bar of the Clients, Expenses or Income page: each tool marks
// a working set in the Tag field of the records shown and then shows the
// tagged records through the page's Tag selection. Every walk goes over a
// fixed list of records in one transaction, with the grid's display held.
class TagTools : public QObject
{
    Q_OBJECT
public:
    // `settle` ends a walk on a ledger page: it recomputes the totals, which
    // leaves the last record current. Without it (Clients) the first record is
    // made current.
    TagTools(SelectionPage page, View& view, PageSelection& selection, PageContext context,
             std::function<void()> settle = {}, QObject* parent = nullptr);

    SelectionPage page() const { return m_page; }

    // Tags every record shown, then shows the Tag selection. When the filter
    // box already holds "y" no selection runs and the grid keeps its records.
    void tagAll();
    // Empties the tags of the records shown; the selection is not re-run.
    void clearTags();
    // Every record of the table: tagged ones untagged, untagged ones tagged;
    // then the newly tagged ones are shown.
    void reverse();
    // Clients owing an amount (Tax or TaxExempt above 0) without a PaidDate.
    void unpaid();
    // Clients with a PaidDate.
    void paid();
    // Clients with a birthday from today to the day before the same day of
    // next month.
    void birthdaysWithinAMonth();
    // One client of each run of adjacent records with the same company, first
    // name and surname stays tagged and shown.
    void duplicates();

signals:
    void focusGrid();
    void currentColumnWanted(const QString& field);

private:
    void walk(const std::function<bool(int row)>& tagged);
    void walkThenShowTagged(const std::function<bool(int row)>& tagged);
    // Paid and unpaid: every client, tagged by `tagged`, then the Tag selection.
    void paymentTool(const std::function<bool(int row)>& tagged, const QString& column, bool lastCurrent);
    void showTagged();
    void settle();

    SelectionPage m_page;
    View& m_view;
    PageSelection& m_selection;
    PageContext m_context;
    std::function<void()> m_settle;
};

} // namespace kelvora
