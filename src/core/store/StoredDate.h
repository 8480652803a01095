#pragma once

#include "core/store/Value.h"

#include <QDate>
#include <QString>

namespace kelvora {

// Dates in the file are ISO texts "YYYY-MM-DD"; a trailing time part
// ("2024-03-01 00:00:00", "2024-03-01T10:00") is accepted when reading.
class StoredDate
{
public:
    // An invalid QDate for NULL, an empty text or anything that is not a date.
    static QDate parse(const CellView& value);
    static QDate parse(const QString& text);
    static Value toValue(const QDate& date);
    // A date "below 1" in the old day count: empty, unreadable, or on or before 30/12/1899.
    static bool isEmpty(const CellView& value);
};

} // namespace kelvora
