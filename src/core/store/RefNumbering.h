#pragma once

#include <QtGlobal>

namespace kelvora {

class View;

// Numbers new client, expense and income records. The last-Ref counters belong
// to the main window's model; every operation takes the view and the counter.
class RefNumbering
{
public:
    // Order the view by Ref, go to the last record and take its Ref (0 when the
    // view is empty), then order it by Surname (clients) or Date (ledgers). The
    // counter never drops below the highest Ref in the table, so a view that
    // hides the highest record cannot make a Ref be given twice.
    static void FindLastClientRef(View& names, qint64& lastClientRef);
    static void FindLastExpenseRef(View& expend, qint64& lastExpenseRef);
    static void FindLastIncomeRef(View& income, qint64& lastIncomeRef);

    // Before every post: a record whose Ref is NULL gets counter + 1; on the
    // expense view its Invoice becomes that number as text. A Ref that holds a
    // number, 0 included, is kept.
    static void NamesBeforePost(View& names, qint64& lastClientRef);
    static void ExpendBeforePost(View& expend, qint64& lastExpenseRef);
    static void IncomeBeforePost(View& income, qint64& lastIncomeRef);

    // After a client is deleted: when the record now current holds the last
    // client Ref, find the last client Ref again.
    static void NamesAfterDelete(View& names, qint64& lastClientRef);

    // Installs the hooks above on a view. The counter must outlive the view.
    static void attachNames(View& names, qint64& lastClientRef);
    static void attachExpend(View& expend, qint64& lastExpenseRef);
    static void attachIncome(View& income, qint64& lastIncomeRef);

private:
    static void findLastRef(View& view, qint64& counter, const char* thenOrder);
    static void numberNewRecord(View& view, qint64& counter, bool setsInvoice);
};

} // namespace kelvora
