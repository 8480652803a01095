#include "core/store/RefCounter.h"

#include "core/store/Database.h"
#include "core/store/View.h"

#include <algorithm>

namespace kelvora {

RefCounter::RefCounter(View& view, Kind kind) : m_view(view), m_kind(kind)
{
    m_view.setBeforePost([this](View&) { beforePost(); });
    if (m_kind == Kind::Clients)
        m_view.setAfterDelete([this](View&) { afterDelete(); });
}

void RefCounter::findLast()
{
    // The last record in Ref order is the shown record with the highest Ref. It
    // is found by a walk, and the view is sorted once, into its final order, with
    // the cursor left on that record: a large table is not sorted by Ref first.
    const int refField = m_view.fieldIndex(u"Ref");
    qint64 lastRecord = -1;
    m_last = 0;
    for (int row = 0; row < m_view.rowCount(); ++row) {
        if (m_view.isNullAt(row, refField))
            continue;
        const qint64 value = m_view.integerAt(row, refField);
        if (lastRecord < 0 || value > m_last) {
            m_last = value;
            lastRecord = m_view.recordId(row);
        }
    }
    m_view.setOrder(m_kind == Kind::Clients ? QStringLiteral("Surname") : QStringLiteral("Date"));
    if (lastRecord >= 0)
        m_view.goToRecord(lastRecord);
    else
        m_view.last();

    const TableStore& store = m_view.database().store(m_view.tableId());
    const int ref = store.def().keyIndex();
    for (TableStore::Slot s = 0; s < store.slotCount(); ++s) {
        if (store.isAlive(s) && store.cell(s, ref).isNumber())
            m_last = std::max(m_last, store.value(s, ref).toInteger());
    }
}

void RefCounter::beforePost()
{
    if (!m_view.isNull(u"Ref"))
        return;
    ++m_last;
    m_view.setField(u"Ref", Value::integer(m_last));
    if (m_kind == Kind::Expenses)
        m_view.setField(u"Invoice", Value::text(QString::number(m_last)));
}

void RefCounter::afterDelete()
{
    if (m_view.currentRow() < 0 || m_view.isNull(u"Ref"))
        return;
    if (m_view.asInteger(u"Ref") == m_last)
        findLast();
}

} // namespace kelvora
