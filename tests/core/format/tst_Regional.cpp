#include <QtTest>

#include <QLocale>

#include "core/format/NumberText.h"
#include "core/format/Regional.h"

using namespace kelvora;

class tst_Regional : public QObject
{
    Q_OBJECT

private slots:
    void cLocaleIsTheFixture();
    void germanLocale();
    void currencyFormsMatchTheCodes();
};

void tst_Regional::cLocaleIsTheFixture()
{
    const Regional r = Regional::fromLocale(QLocale::c());
    const Regional au = Regional::australian();
    QCOMPARE(r.decimalSeparator, au.decimalSeparator);
    QCOMPARE(r.currencyString, au.currencyString);
    QCOMPARE(r.negCurrencyFormat, au.negCurrencyFormat);
    QCOMPARE(r.longMonthNames, au.longMonthNames);
}

// Separators, sign placement and names all come from the locale, and the number
// styles follow them.
void tst_Regional::germanLocale()
{
    const Regional r = Regional::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(r.decimalSeparator, QLatin1Char(','));
    QCOMPARE(r.thousandSeparator, QLatin1Char('.'));
    QCOMPARE(r.currencyString, QStringLiteral("€"));
    QCOMPARE(r.currencyFormat, 3);
    QCOMPARE(r.negCurrencyFormat, 8);
    QCOMPARE(r.dateSeparator, QLatin1Char('.'));
    QCOMPARE(r.timeSeparator, QLatin1Char(':'));
    QCOMPARE(r.longMonthNames.at(11), QStringLiteral("Dezember"));
    QCOMPARE(r.longDayNames.at(0), QStringLiteral("Sonntag"));
    QCOMPARE(formatFloat(-1234.5, NumberStyle::Currency, 15, 2, r), QStringLiteral("-1.234,50 €"));
    QCOMPARE(parseTypedNumber(QStringLiteral("12,5"), r), std::optional<double>(12.5));
}

void tst_Regional::currencyFormsMatchTheCodes()
{
    QCOMPARE(Regional::currencyForms().size(), 4);
    QCOMPARE(Regional::negCurrencyForms().size(), 16);
    QCOMPARE(Regional::negCurrencyForms().at(0), QStringLiteral("($1)"));
    QCOMPARE(Regional::negCurrencyForms().at(15), QStringLiteral("(1 $)"));
}

QTEST_APPLESS_MAIN(tst_Regional)
#include "tst_Regional.moc"
