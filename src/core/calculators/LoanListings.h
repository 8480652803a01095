#pragma once

#include "core/calculators/Frequency.h"
#include "core/format/Regional.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace kelvora {

// No listing runs longer than this many repayments: a daily loan over a century
// fits, a repayment that barely beats the interest stops here instead of running
// for hours.
constexpr int kMaxListedRepayments = 50000;

// The borrowing calculator's detailed listing: the balance after each of `count`
// repayments on a straight line from `principal` down, each repayment taking
// `averagePrincipal` off. At least one line, even for a count below 1. Each line is
// the repayment number right-aligned in five places, nine spaces and the balance in
// the currency style (15 digits, 2 decimals).
QStringList borrowingsListing(double principal, double averagePrincipal, qint64 count,
                              const Regional& regional);

// One loan schedule run: the balance repaid by `repayment` each period at `rate`
// per cent a year, the first repayment due on `start`.
struct ScheduleRequest
{
    double principal = 0;
    double rate = 0; // per cent a year
    Frequency frequency;
    double repayment = 0;
    QString repaymentText; // what the repayment column shows
    QDate start;
    int maxLines = kMaxListedRepayments;
};

struct Schedule
{
    QStringList lines;         // one per repayment
    int count = 0;             // repayments listed
    double interestToDate = 0; // after the last line, with the interest on the final balance
    bool repaid = false;       // false when the listing stopped at maxLines
};

// Simulates the loan repayment by repayment until the balance falls below zero (the
// last line shows the overpayment), or until maxLines lines were listed.
Schedule loanSchedule(const ScheduleRequest& request, const Regional& regional);

// One schedule line: number, due date, balance, interest, repayment, principal
// paid, amount owed and interest to date, in their fixed fields.
QString scheduleLine(int number, const QDate& due, double balance, double interest,
                     const QString& repaymentText, double paid, double owed, double interestToDate,
                     const Regional& regional);

// The four lines above a schedule.
QStringList scheduleHeading(double principal, const QString& rateText, const QString& termText,
                            const Regional& regional);

// The date `days` (whole or part) after `start`, counted as the due dates are.
QDate scheduleDate(const QDate& start, double days);

} // namespace kelvora
