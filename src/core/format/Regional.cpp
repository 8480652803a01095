#include "core/format/Regional.h"

#include <QLocale>

namespace kelvora {

Regional Regional::australian()
{
    Regional r;
    r.shortDayNames = {QStringLiteral("Sun"), QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                       QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat")};
    r.longDayNames = {QStringLiteral("Sunday"),   QStringLiteral("Monday"), QStringLiteral("Tuesday"),
                      QStringLiteral("Wednesday"), QStringLiteral("Thursday"), QStringLiteral("Friday"),
                      QStringLiteral("Saturday")};
    r.shortMonthNames = {QStringLiteral("Jan"), QStringLiteral("Feb"), QStringLiteral("Mar"), QStringLiteral("Apr"),
                         QStringLiteral("May"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Aug"),
                         QStringLiteral("Sep"), QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dec")};
    r.longMonthNames = {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return r;
}

Regional Regional::fromLocale(const QLocale& locale)
{
    Regional r = australian();
    if (locale.language() == QLocale::C)
        return r;
    const QString dec = locale.decimalPoint();
    const QString grp = locale.groupSeparator();
    if (dec.size() == 1)
        r.decimalSeparator = dec.at(0);
    if (grp.size() == 1)
        r.thousandSeparator = grp.at(0);
    const QString sym = locale.currencySymbol(QLocale::CurrencySymbol);
    if (!sym.isEmpty())
        r.currencyString = sym;
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d; // Qt counts Monday = 1 .. Sunday = 7
        r.shortDayNames[d] = locale.dayName(qtDay, QLocale::ShortFormat);
        r.longDayNames[d] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    for (int m = 0; m < 12; ++m) {
        r.shortMonthNames[m] = locale.monthName(m + 1, QLocale::ShortFormat);
        r.longMonthNames[m] = locale.monthName(m + 1, QLocale::LongFormat);
    }
    r.timeAMString = locale.amText();
    r.timePMString = locale.pmText();
    return r;
}

} // namespace kelvora
