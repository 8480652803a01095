#include "core/diary/CalendarSteps.h"

#include <algorithm>

namespace kelvora {

QDate CalendarSteps::monthStep(const QDate& date, int months)
{
    return date.addMonths(months);
}

QDate CalendarSteps::passesThrough(const QDate& date)
{
    if (date.month() == 2 && date.day() == 29)
        return QDate(date.year(), 2, 28);
    return {};
}

QDate CalendarSteps::yearStep(const QDate& date, int years)
{
    const QDate via = passesThrough(date);
    return (via.isValid() ? via : date).addYears(years);
}

QDate CalendarSteps::sixMonthsOn(const QDate& date)
{
    if (!date.isValid())
        return {};
    const int year = date.month() > 6 ? date.year() + 1 : date.year();
    const int month = date.month() > 6 ? date.month() - 6 : date.month() + 6;
    const int day = std::min(date.day(), QDate(year, month, 1).daysInMonth());
    return QDate(year, month, day);
}

} // namespace kelvora
