#include "core/store/RefNumbering.h"

#include "core/store/Database.h"
#include "core/store/View.h"

#include <algorithm>

namespace kelvora {

void RefNumbering::findLastRef(View& view, qint64& counter, const char* thenOrder)
{
    view.setOrder(QStringLiteral("Ref"));
    view.last();
    counter = view.isEmpty() ? 0 : view.asInteger(u"Ref");

    const TableStore& store = view.database().store(view.tableId());
    const int ref = store.def().keyIndex();
    for (TableStore::Slot s = 0; s < store.slotCount(); ++s) {
        if (store.isAlive(s) && store.cell(s, ref).isNumber())
            counter = std::max(counter, store.value(s, ref).toInteger());
    }
    view.setOrder(QString::fromLatin1(thenOrder));
}

void RefNumbering::FindLastClientRef(View& names, qint64& lastClientRef)
{
    findLastRef(names, lastClientRef, "Surname");
}

void RefNumbering::FindLastExpenseRef(View& expend, qint64& lastExpenseRef)
{
    findLastRef(expend, lastExpenseRef, "Date");
}

void RefNumbering::FindLastIncomeRef(View& income, qint64& lastIncomeRef)
{
    findLastRef(income, lastIncomeRef, "Date");
}

void RefNumbering::numberNewRecord(View& view, qint64& counter, bool setsInvoice)
{
    if (!view.isNull(u"Ref"))
        return;
    ++counter;
    view.setField(u"Ref", Value::integer(counter));
    if (setsInvoice)
        view.setField(u"Invoice", Value::text(QString::number(counter)));
}

void RefNumbering::NamesBeforePost(View& names, qint64& lastClientRef)
{
    numberNewRecord(names, lastClientRef, false);
}

void RefNumbering::ExpendBeforePost(View& expend, qint64& lastExpenseRef)
{
    numberNewRecord(expend, lastExpenseRef, true);
}

void RefNumbering::IncomeBeforePost(View& income, qint64& lastIncomeRef)
{
    numberNewRecord(income, lastIncomeRef, false);
}

void RefNumbering::NamesAfterDelete(View& names, qint64& lastClientRef)
{
    if (names.currentRow() < 0 || names.isNull(u"Ref"))
        return;
    if (names.asInteger(u"Ref") == lastClientRef)
        FindLastClientRef(names, lastClientRef);
}

void RefNumbering::attachNames(View& names, qint64& lastClientRef)
{
    qint64* counter = &lastClientRef;
    names.setBeforePost([counter](View& v) { NamesBeforePost(v, *counter); });
    names.setAfterDelete([counter](View& v) { NamesAfterDelete(v, *counter); });
}

void RefNumbering::attachExpend(View& expend, qint64& lastExpenseRef)
{
    qint64* counter = &lastExpenseRef;
    expend.setBeforePost([counter](View& v) { ExpendBeforePost(v, *counter); });
}

void RefNumbering::attachIncome(View& income, qint64& lastIncomeRef)
{
    qint64* counter = &lastIncomeRef;
    income.setBeforePost([counter](View& v) { IncomeBeforePost(v, *counter); });
}

} // namespace kelvora
