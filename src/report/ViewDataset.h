#pragma once

#include "report/ReportDataset.h"

namespace kelvora {
class View;
}

namespace kelvora::report {

// A view of the program as report rows: its records in its current order and
// selection, read without moving the user's cursor. A record being edited shows its
// edit buffer, as the grid does. Dates come as QDate, pictures as their bytes.
class ViewDataset : public ReportDataset
{
public:
    explicit ViewDataset(const View& view) : m_view(view) {}

    QStringList fieldNames() const override;
    int rowCount() const override;
    QVariant value(int row, int field) const override;
    int fieldIndex(const QString& name) const override;

private:
    const View& m_view;
};

} // namespace kelvora::report
