#pragma once

#include "report/ReportDataset.h"

#include <QList>

namespace kelvora::report {

// Rows held in memory: the datasets of tests and of reports whose data the program
// builds itself (a schedule, a list of totals).
class MemoryDataset : public ReportDataset
{
public:
    explicit MemoryDataset(QStringList fieldNames = {});

    // A row shorter than the field list reads NULL in the missing cells; a longer
    // one is refused (false) rather than cut.
    bool appendRow(const QVariantList& row);
    void clear() { m_rows.clear(); }

    QStringList fieldNames() const override { return m_fields; }
    int rowCount() const override { return int(m_rows.size()); }
    QVariant value(int row, int field) const override;

private:
    QStringList m_fields;
    QList<QVariantList> m_rows;
};

} // namespace kelvora::report
