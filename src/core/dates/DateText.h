#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include "core/format/Regional.h"

namespace kelvora {

// The process-wide short date format "dd/mm/yyyy" and long time format "hh:mm:ss",
// with the regional date and time separators.
QString shortDateText(const QDate& date, const Regional& regional = Regional::australian());
QString longTimeText(const QTime& time, const Regional& regional = Regional::australian());
// Short date, a blank, long time: the form of the error log.
QString dateTimeText(const QDateTime& moment, const Regional& regional = Regional::australian());
// Reads a short date text: day, month and year as digits joined by the regional date
// separator, spaces around each part allowed. A year of one or two digits is 2000-2049
// for 0-49 and 1950-1999 for 50-99. An invalid QDate when the text is not a date.
QDate parseShortDate(const QString& text, const Regional& regional = Regional::australian());
// What the user is told when a typed date cannot be read: "'31/2/12' is not a valid date."
QString invalidDateMessage(const QString& text);

} // namespace kelvora
