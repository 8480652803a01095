#include "core/calculators/LoanListings.h"

#include "core/dates/DateText.h"
#include "core/format/NumberText.h"

#include <cmath>

namespace kelvora {

namespace {

// Dates are counted as day numbers from 30 December 1899, the same serial the due
// dates were always stepped on, so a monthly step of 30.41666... days lands on the
// same whole day as before.
const qint64 kDayZero = QDate(1899, 12, 30).toJulianDay();

double serialOf(const QDate& date)
{
    return double(date.toJulianDay() - kDayZero);
}

QDate dateOfSerial(double serial)
{
    return QDate::fromJulianDay(kDayZero + qint64(std::floor(serial)));
}

QString money(double value, const Regional& regional)
{
    return formatFloat(value, NumberStyle::Currency, 11, 2, regional);
}

// Written from the left over `width` places: padded on the right, cut when longer.
QString field(const QString& text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

} // namespace

QStringList borrowingsListing(double principal, double averagePrincipal, qint64 count,
                              const Regional& regional)
{
    QStringList lines;
    double balance = principal;
    qint64 k = 1;
    do {
        balance -= averagePrincipal;
        lines.append(QStringLiteral("%1").arg(k, 5) + QString(9, QLatin1Char(' ')) +
                     formatFloat(balance, NumberStyle::Currency, 15, 2, regional));
        ++k;
    } while (k <= count);
    return lines;
}

QString scheduleLine(int number, const QDate& due, double balance, double interest,
                     const QString& repaymentText, double paid, double owed, double interestToDate,
                     const Regional& regional)
{
    return field(QString::number(number), 7) + field(shortDateText(due, regional), 13) +
           money(balance, regional) + QStringLiteral(" + ") + field(money(interest, regional), 9) +
           QStringLiteral(" - ") + field(repaymentText, 11) + QStringLiteral("  ") +
           field(money(paid, regional), 10) + QStringLiteral("  ") + field(money(owed, regional), 10) +
           QStringLiteral("   ") + money(interestToDate, regional);
}

QStringList scheduleHeading(double principal, const QString& rateText, const QString& termText,
                            const Regional& regional)
{
    return {QStringLiteral(" Loan = ") + money(principal, regional) + QStringLiteral(" at ") + rateText +
                QStringLiteral("%  Interest  over ") + termText + QStringLiteral(" Years"),
            QString(),
            QStringLiteral(
                " #    /    Due     /     Principal   + Interest  -  Repayment  /  Paid    /    Owed   /  "
                "Int to Date"),
            QString()};
}

QDate scheduleDate(const QDate& start, double days)
{
    return dateOfSerial(serialOf(start) + days);
}

Schedule loanSchedule(const ScheduleRequest& request, const Regional& regional)
{
    Schedule schedule;
    const double d = request.frequency.days;
    const double m = request.rate / 100;
    const double o = 1 / request.frequency.perYear;
    const double a = request.repayment;
    double b = request.principal;
    double t = b * m * o;
    double due = serialOf(request.start) - d;
    do {
        if (schedule.count >= request.maxLines)
            return schedule;
        ++schedule.count;
        due += d;
        const double interest = b * m * o;
        schedule.lines.append(scheduleLine(schedule.count, dateOfSerial(due), b, interest,
                                           request.repaymentText, a - interest, b + interest - a, t,
                                           regional));
        b = b + b * m * o - a;
        t = t + b * m * o;
    } while (b >= 0);
    schedule.interestToDate = t;
    schedule.repaid = true;
    return schedule;
}

} // namespace kelvora
