#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

class QLocale;

namespace kelvora {

// The regional settings every number and date text follows. Taken from the
// system locale at start-up; tests inject a fixed one (australian()).
struct Regional
{
    QChar decimalSeparator = QLatin1Char('.');
    QChar thousandSeparator = QLatin1Char(',');
    QString currencyString = QStringLiteral("$");
    // Placement of the currency sign, as the classic codes:
    // positive 0 "$1", 1 "1$", 2 "$ 1", 3 "1 $";
    // negative 0 "($1)", 1 "-$1", 2 "$-1", 3 "$1-", 4 "(1$)", 5 "-1$", 6 "1-$", 7 "1$-",
    //          8 "-1 $", 9 "-$ 1", 10 "1 $-", 11 "$ 1-", 12 "$ -1", 13 "1- $", 14 "($ 1)", 15 "(1 $)".
    int currencyFormat = 0;
    int negCurrencyFormat = 1;
    int currencyDecimals = 2;
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QString timeAMString = QStringLiteral("AM");
    QString timePMString = QStringLiteral("PM");
    QStringList shortDayNames;  // Sunday first, 7 entries
    QStringList longDayNames;   // Sunday first, 7 entries
    QStringList shortMonthNames; // January first, 12 entries
    QStringList longMonthNames;  // January first, 12 entries

    // The forms behind the two codes, '$' standing for the currency sign and '1' for the
    // amount, indexed by currencyFormat and negCurrencyFormat.
    static const QStringList& currencyForms();
    static const QStringList& negCurrencyForms();

    // English names, Australian separators and "$": the fixture of the tests.
    static Regional australian();
    // Separators, currency sign and forms, and names of a locale (the system one at
    // start-up); the C locale gives australian().
    static Regional fromLocale(const QLocale& locale);
};

} // namespace kelvora
