#pragma once

#include <QtGlobal>

namespace kelvora {

class View;

// The last-Ref counter of one view (clients, expenses or income): it numbers
// every new record when it is posted. Attaching it installs the view's hooks,
// so the counter must outlive the view's use and is made right after it.
class RefCounter
{
public:
    enum class Kind { Clients, Expenses, Income };

    RefCounter(View& view, Kind kind);
    RefCounter(const RefCounter&) = delete;
    RefCounter& operator=(const RefCounter&) = delete;

    qint64 value() const { return m_last; }

    // FindLastClientRef, FindLastExpenseRef, FindLastIncomeRef: order the view by
    // Ref, go to the last record and take its Ref (0 when empty), then order it by
    // Surname (clients) or Date (ledgers). The counter never drops below the
    // highest Ref in the table, so a view that hides the highest record cannot
    // make a Ref be given twice.
    void findLast();

    // Before every post: a record whose Ref is NULL gets counter + 1; on the
    // expense view its Invoice becomes that number as text. A Ref that holds a
    // number, 0 included, is kept.
    void beforePost();
    // After a client is deleted: when the record now current holds the last
    // client Ref, find the last client Ref again.
    void afterDelete();

private:
    View& m_view;
    Kind m_kind;
    qint64 m_last = 0;
};

} // namespace kelvora
