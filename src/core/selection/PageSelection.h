#pragma once

#include "core/pages/PageContext.h"
#include "core/selection/SelectionItems.h"

#include <QObject>
#include <QString>

#include <functional>

namespace kelvora {

class Selection;
class View;

// The selection bar of the Clients, Expenses or Income page without its
// widgets: the field selector, the filter text, the order selector, the All
// button and the title-click sort. Every run narrows the page's view to the
// records whose chosen field contains the filter text, in the chosen order;
// typed text is bound as a value, never pasted into a statement.
class PageSelection : public QObject
{
    Q_OBJECT
public:
    // `afterSelection` runs after every selection of a ledger page (its totals).
    PageSelection(SelectionPage page, View& view, PageContext context, std::function<void()> afterSelection = {},
                  QObject* parent = nullptr);

    SelectionPage page() const { return m_page; }
    int fieldIndex() const { return m_fieldIndex; }
    const QString& filterText() const { return m_filter; }
    int orderIndex() const { return m_orderIndex; }
    // The order selector's text (on the Clients page the order list itself).
    const QString& orderText() const { return m_orderText; }
    // What the field selector shows: its item, or the field a title click sorted by.
    const QString& fieldShown() const { return m_fieldShown; }
    // How the page was last sorted by a title click; emptied by every selection.
    const QString& titleSort() const { return m_titleSort; }
    void clearTitleSort() { m_titleSort.clear(); }

    // The controls changed: the selection runs with their new values.
    void setFieldIndex(int index);
    void setFilterText(const QString& text);
    void setOrderIndex(int index);
    // Sets the controls without running (a tool that runs the selection itself).
    void setControls(int fieldIndex, const QString& filter);
    // Chooses an order and puts the view in it without running a selection
    // (a tool that selected the records itself).
    void setOrderShown(int index);

    // NamesSelChange, ExpendSelChange, IncomeSelChange.
    void run();
    // The All button: field selector to "All", then run.
    void all();
    // The title click: the records already selected sorted by `currentField`,
    // the same record staying current.
    void titleClick(const QString& currentField);

signals:
    // The controls' values changed in the model (the bar shows them anew).
    void controlsChanged();
    // After a run: the filter box takes the focus; the grid's current column.
    void focusFilter();
    void currentColumnWanted(const QString& field);

private:
    void runClients();
    void runLedger();
    void apply(const Selection& selection, const QString& orderList);
    bool countsAsNumber() const;

    SelectionPage m_page;
    View& m_view;
    PageContext m_context;
    std::function<void()> m_afterSelection;
    int m_fieldIndex = 0;
    QString m_filter = QStringLiteral("y");
    int m_orderIndex = 0;
    QString m_orderText;
    QString m_fieldShown;
    QString m_titleSort;
    bool m_running = false;
};

} // namespace kelvora
