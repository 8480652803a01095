#pragma once

#include <QDate>

namespace kelvora {

// The date arithmetic of the step buttons, shared by the Diary page and the
// spare calendar window.
class CalendarSteps
{
public:
    // The adjacent month (or `months` on): the same day, or the target month's
    // last day when it is shorter. 31 January goes to 28 or 29 February.
    static QDate monthStep(const QDate& date, int months);
    // A year on or back with month and day kept. 29 February passes through
    // 28 February first (see passesThrough()), so it lands on 28 February.
    static QDate yearStep(const QDate& date, int years);
    // The date a year step visits on its way: 28 February for 29 February, else
    // an invalid date.
    static QDate passesThrough(const QDate& date);
    // Six months on: months 7 to 12 go to month - 6 of the next year, the others
    // to month + 6 of the same year. A day the target month lacks becomes its
    // last day (31 August goes to 28 or 29 February).
    static QDate sixMonthsOn(const QDate& date);
};

} // namespace kelvora
