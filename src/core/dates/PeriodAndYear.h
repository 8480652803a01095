#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace kelvora {

// The two codes that place a ledger record in an accounting period and a year.
struct PeriodAndYear
{
    QString periodCode; // four characters: two year digits and the period number, "0403"
    QString yearCode;   // "2004" for a calendar year, "0405" for July 2004 to June 2005
};

// The codes of a record dated `date` under the settings `period` ("1", "3" or "6"
// months) and `fiscalYr` ("Cal" or "Fin"). Periods are numbered within the calendar
// year under both year types; only the year code follows the financial year, and only
// for periods of 3 and 6 months.
//
// Nothing (nullopt), and so nothing written, for
//   - an invalid date;
//   - dates in 2000 and 2001, and before 2000, where the two-digit year forms go
//     negative;
//   - dates from 2099 on, where the next year needs three digits and the codes would
//     no longer fit in the fields or sort in date order;
//   - settings that produce no period code: a `period` other than "1", "3" and "6",
//     or "3" and "6" with a `fiscalYr` other than "Cal" and "Fin". Monthly codes do not
//     depend on the year type, so "1" gives them with any `fiscalYr`.
// The settings are compared exactly, as the configuration dialog writes them.
std::optional<PeriodAndYear> computePeriodAndYear(const QDate& date, const QString& period, const QString& fiscalYr);

} // namespace kelvora
