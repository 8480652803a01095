#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace kelvora::report {

// The rows a report reads: a read-only table in the order the program shows it.
// A NULL cell is an invalid QVariant, distinct from 0 and from an empty text.
// Fields are addressed by position for speed; fieldIndex() resolves a name once
// when the report starts (letter case ignored, as the program's field names are).
class ReportDataset
{
public:
    virtual ~ReportDataset() = default;

    virtual QStringList fieldNames() const = 0;
    virtual int rowCount() const = 0;
    virtual QVariant value(int row, int field) const = 0;

    // -1 when the dataset has no such field.
    virtual int fieldIndex(const QString& name) const
    {
        const QStringList names = fieldNames();
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i).compare(name, Qt::CaseInsensitive) == 0)
                return i;
        }
        return -1;
    }
};

} // namespace kelvora::report
