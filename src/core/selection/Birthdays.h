#pragma once

#include <QDate>

namespace kelvora::birthdays {

// The birthday tool of the client selection: any day of this month, and after
// the 22nd also the 1st to the 14th of next month. An empty date never.
bool dobTool(const QDate& dob, const QDate& today);
// Birthdays within a month: from today up to the day before the same day of
// next month, across the turn of the year. An empty date never.
bool withinAMonth(const QDate& dob, const QDate& today);

} // namespace kelvora::birthdays
