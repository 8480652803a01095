#include <QtTest>

#include <cmath>

#include "core/format/Cents.h"
#include "core/format/NumberText.h"

using namespace kelvora;

class tst_Cents : public QObject
{
    Q_OBJECT

private slots:
    void roundCents_data();
    void roundCents();
    void twoDecimalText_data();
    void twoDecimalText();
    void storedValueIsTheText();
};

void tst_Cents::roundCents_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    // Each of these lies just below the half in binary: x * 100 + 0.5 truncates the wrong way.
    QTest::newRow("1.005") << 1.005 << 1.01;
    QTest::newRow("2.675") << 2.675 << 2.68;
    QTest::newRow("1.115") << 1.115 << 1.12;
    QTest::newRow("8.345") << 8.345 << 8.35;
    QTest::newRow("-1.005") << -1.005 << -1.01;
    QTest::newRow("-0.125") << -0.125 << -0.13;
    QTest::newRow("0.125") << 0.125 << 0.13;
    QTest::newRow("below the half") << 1.00499 << 1.0;
    QTest::newRow("a hair below the half") << 1.0049999999999 << 1.0;
    QTest::newRow("split of 50") << 50 * 100.0 / 110 << 45.45;
    QTest::newRow("tax in 80") << 10 * 80.0 / 110 << 7.27;
    QTest::newRow("split twice") << 100.0 * 100 / 110 << 90.91;
    QTest::newRow("carries to a whole") << 9.995 << 10.0;
    QTest::newRow("large") << 123456789.125 << 123456789.13;
    QTest::newRow("zero") << 0.0 << 0.0;
    QTest::newRow("already cents") << 79.99 << 79.99;
}

void tst_Cents::roundCents()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    const double got = kelvora::roundCents(value);
    // Exact, not fuzzy: the result must be the very double the two-decimal text reads as.
    QCOMPARE(QString::number(got, 'g', 17), QString::number(expected, 'g', 17));
}

void tst_Cents::twoDecimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("whole") << 100.0 << "100.00";
    QTest::newRow("cents") << 7.27 << "7.27";
    QTest::newRow("negative") << -1.0 << "-1.00";
    QTest::newRow("binary trap") << 1.005 << "1.01";
    QTest::newRow("binary noise") << 0.1 + 0.2 << "0.30";
    QTest::newRow("no thousands separators") << 1234567.891 << "1234567.89";
    QTest::newRow("tiny negative is zero") << -0.001 << "0.00";
    QTest::newRow("eleven digits") << 999999999.994 << "999999999.99";
    QTest::newRow("eleven digits round first") << 1.0049999999999 << "1.01";
    QTest::newRow("beyond eleven digits") << 123456789012.34 << "1.2345678901E+011";
}

void tst_Cents::twoDecimalText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(kelvora::twoDecimalText(value), expected);
}

// What the ledger stores is the number its two-decimal text reads as, with any
// regional decimal separator, and a rounded zero is never a negative zero.
void tst_Cents::storedValueIsTheText()
{
    Regional comma = Regional::australian();
    comma.decimalSeparator = QLatin1Char(',');
    for (const double v : {45.4545, 1.005, 1.0049999999999, -0.125, 2.675, 123456789012.34, -0.001, 99.999}) {
        for (const Regional& r : {Regional::australian(), comma}) {
            const QString text = kelvora::twoDecimalText(v, r);
            const std::optional<double> read = parseTypedNumber(text, r);
            QVERIFY2(read.has_value(), qPrintable(text));
            QCOMPARE(QString::number(twoDecimalValue(v), 'g', 17), QString::number(*read, 'g', 17));
        }
    }
    QVERIFY(!std::signbit(kelvora::roundCents(-0.001)));
    QVERIFY(!std::signbit(twoDecimalValue(-0.001)));
}

QTEST_APPLESS_MAIN(tst_Cents)
#include "tst_Cents.moc"
