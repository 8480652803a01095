// The power function every calculator raises (1 + r) with.

#include "core/calculators/RaiseToPower.h"

#include <QtTest>
#include <cmath>

using namespace kelvora;

class tst_RaiseToPower : public QObject
{
    Q_OBJECT

private slots:
    void cases_data();
    void cases();
};

void tst_RaiseToPower::cases_data()
{
    QTest::addColumn<double>("base");
    QTest::addColumn<double>("exponent");
    QTest::addColumn<double>("expected");

    QTest::newRow("x^0 is 1") << 7.5 << 0.0 << 1.0;
    QTest::newRow("0^0 is 1") << 0.0 << 0.0 << 1.0;
    QTest::newRow("negative base ^0 is 1") << -3.0 << 0.0 << 1.0;
    QTest::newRow("0^x is 0") << 0.0 << 2.5 << 0.0;
    QTest::newRow("0^-x is 0, not a division by zero") << 0.0 << -1.0 << 0.0;
    QTest::newRow("positive base") << 2.0 << 10.0 << 1024.0;
    QTest::newRow("fractional exponent") << 9.0 << 0.5 << 3.0;
    QTest::newRow("negative exponent") << 4.0 << -0.5 << 0.5;
    QTest::newRow("-2^3 odd") << -2.0 << 3.0 << -8.0;
    QTest::newRow("-2^2 even") << -2.0 << 2.0 << 4.0;
    QTest::newRow("-2^-1 odd") << -2.0 << -1.0 << -0.5;
    // The sign comes from the rounded exponent, the size from the exponent as given.
    QTest::newRow("-4^0.5 rounds to 0, even") << -4.0 << 0.5 << 2.0;
    QTest::newRow("-4^1.5 rounds to 2, even") << -4.0 << 1.5 << 8.0;
    QTest::newRow("-4^2.5 rounds to 2, even") << -4.0 << 2.5 << 32.0;
    QTest::newRow("-4^1.4 rounds to 1, odd") << -4.0 << 1.4 << -6.964404506368992;
    QTest::newRow("overflow gives 0") << 10.0 << 1e6 << 0.0;
    QTest::newRow("negative overflow gives 0") << -10.0 << 1e6 << 0.0;
    QTest::newRow("monthly growth over ten years") << 1.0 + 0.05 / 12 << 120.0 << 1.6470094976902801;
}

void tst_RaiseToPower::cases()
{
    QFETCH(double, base);
    QFETCH(double, exponent);
    QFETCH(double, expected);
    const double result = double(RaiseToPower(base, exponent));
    if (expected == 0)
        QCOMPARE(result, 0.0);
    else
        QVERIFY2(
            std::fabs(result - expected) <= 1e-12 * std::fabs(expected),
            qPrintable(QStringLiteral("%1 instead of %2").arg(result, 0, 'g', 17).arg(expected, 0, 'g', 17)));
}

QTEST_GUILESS_MAIN(tst_RaiseToPower)
#include "tst_RaiseToPower.moc"
