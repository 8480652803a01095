#include "report/MemoryDataset.h"

namespace kelvora::report {

MemoryDataset::MemoryDataset(QStringList fieldNames) : m_fields(std::move(fieldNames)) {}

bool MemoryDataset::appendRow(const QVariantList& row)
{
    if (row.size() > m_fields.size())
        return false;
    m_rows.append(row);
    return true;
}

QVariant MemoryDataset::value(int row, int field) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    const QVariantList& cells = m_rows.at(row);
    return field >= 0 && field < cells.size() ? cells.at(field) : QVariant();
}

} // namespace kelvora::report
