#include "report/ViewDataset.h"

#include "core/store/View.h"

namespace kelvora::report {

QStringList ViewDataset::fieldNames() const
{
    return m_view.table().fieldNames();
}

int ViewDataset::rowCount() const
{
    return m_view.rowCount();
}

QVariant ViewDataset::value(int row, int field) const
{
    return m_view.data(row, field);
}

int ViewDataset::fieldIndex(const QString& name) const
{
    return m_view.hasField(name) ? m_view.fieldIndex(name) : -1;
}

} // namespace kelvora::report
