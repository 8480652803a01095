#include "core/selection/Birthdays.h"

namespace kelvora::birthdays {

namespace {
int monthAfter(int month)
{
    return month == 12 ? 1 : month + 1;
}
} // namespace

bool dobTool(const QDate& dob, const QDate& today)
{
    if (!dob.isValid())
        return false;
    const int m = today.month();
    return dob.month() == m || (today.day() > 22 && dob.month() == monthAfter(m) && dob.day() <= 14);
}

bool withinAMonth(const QDate& dob, const QDate& today)
{
    if (!dob.isValid())
        return false;
    const int m = today.month();
    const int d = today.day();
    return (dob.month() == m && dob.day() >= d) || (dob.month() == monthAfter(m) && dob.day() < d);
}

} // namespace kelvora::birthdays
