#include "core/format/Regional.h"

#include <QLocale>

namespace kelvora {

namespace {

// The code of a currency form: Qt writes one unit with the locale's sign and placement,
// and the text is matched against the classic forms, '$' standing for the sign and '1'
// for the amount. -1 when the locale writes it in a way none of them has.
int currencyFormCode(const QLocale& locale, double one, const QStringList& forms)
{
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    QString text = locale.toCurrencyString(one, symbol, 0);
    text.replace(locale.negativeSign(), QStringLiteral("-"));
    text.replace(symbol, QStringLiteral("$"));
    text.replace(QChar(0x00A0), QLatin1Char(' '));
    text.replace(QChar(0x202F), QLatin1Char(' '));
    return static_cast<int>(forms.indexOf(text));
}

// The first character of a format that is not a letter, digit or space: its separator.
QChar separatorOf(const QString& format, QChar fallback)
{
    for (const QChar c : format) {
        if (!c.isLetterOrNumber() && !c.isSpace() && c != QLatin1Char('\''))
            return c;
    }
    return fallback;
}

} // namespace

const QStringList& Regional::currencyForms()
{
    static const QStringList forms = {QStringLiteral("$1"), QStringLiteral("1$"), QStringLiteral("$ 1"),
                                      QStringLiteral("1 $")};
    return forms;
}

const QStringList& Regional::negCurrencyForms()
{
    static const QStringList forms = {
        QStringLiteral("($1)"), QStringLiteral("-$1"),  QStringLiteral("$-1"),  QStringLiteral("$1-"),
        QStringLiteral("(1$)"), QStringLiteral("-1$"),  QStringLiteral("1-$"),  QStringLiteral("1$-"),
        QStringLiteral("-1 $"), QStringLiteral("-$ 1"), QStringLiteral("1 $-"), QStringLiteral("$ 1-"),
        QStringLiteral("$ -1"), QStringLiteral("1- $"), QStringLiteral("($ 1)"), QStringLiteral("(1 $)")};
    return forms;
}

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

    const int positive = currencyFormCode(locale, 1.0, currencyForms());
    if (positive >= 0)
        r.currencyFormat = positive;
    const int negative = currencyFormCode(locale, -1.0, negCurrencyForms());
    if (negative >= 0) {
        r.negCurrencyFormat = negative;
    } else {
        // A form of its own: a leading minus before the positive form.
        static const int leadingMinus[] = {1, 5, 9, 8};
        r.negCurrencyFormat = leadingMinus[r.currencyFormat];
    }
    r.dateSeparator = separatorOf(locale.dateFormat(QLocale::ShortFormat), r.dateSeparator);
    r.timeSeparator = separatorOf(locale.timeFormat(QLocale::LongFormat), r.timeSeparator);
    return r;
}

} // namespace kelvora
