#include "core/dates/PeriodAndYear.h"

namespace kelvora {

namespace {
QString twoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}
} // namespace

std::optional<PeriodAndYear> computePeriodAndYear(const QDate& date, const QString& period, const QString& fiscalYr)
{
    if (!date.isValid())
        return std::nullopt;
    const int year = date.year();
    if (year < 2002 || year > 2098)
        return std::nullopt;
    const int month = date.month();
    const QString yy = twoDigits(year - 2000);
    const QString yyPrevious = twoDigits(year - 2001);
    const QString yyNext = twoDigits(year - 1999);
    const bool calendar = fiscalYr == QLatin1String("Cal");
    const bool financial = fiscalYr == QLatin1String("Fin");

    if (period == QLatin1String("1"))
        return PeriodAndYear{yy + twoDigits(month), QString::number(year)};

    int periodNumber = 0;
    if (period == QLatin1String("3"))
        periodNumber = (month - 1) / 3 + 1;
    else if (period == QLatin1String("6"))
        periodNumber = (month - 1) / 6 + 1;
    if (periodNumber == 0 || !(calendar || financial))
        return std::nullopt;

    QString yearCode = QString::number(year);
    if (financial)
        yearCode = month <= 6 ? yyPrevious + yy : yy + yyNext;
    return PeriodAndYear{yy + twoDigits(periodNumber), yearCode};
}

} // namespace kelvora
