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
    m_view.setOrder(QStringLiteral("Ref"));
    m_view.last();
    m_last = m_view.isEmpty() ? 0 : m_view.asInteger(u"Ref");

    const TableStore& store = m_view.database().store(m_view.tableId());
    const int ref = store.def().keyIndex();
    for (TableStore::Slot s = 0; s < store.slotCount(); ++s) {
        if (store.isAlive(s) && store.cell(s, ref).isNumber())
            m_last = std::max(m_last, store.value(s, ref).toInteger());
    }
    m_view.setOrder(m_kind == Kind::Clients ? QStringLiteral("Surname") : QStringLiteral("Date"));
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
