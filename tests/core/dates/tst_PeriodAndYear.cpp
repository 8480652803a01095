#include <QtTest>

#include "core/dates/PeriodAndYear.h"

using namespace kelvora;

class tst_PeriodAndYear : public QObject
{
    Q_OBJECT

private slots:
    void codes_data();
    void codes();
};

void tst_PeriodAndYear::codes_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("fiscalYr");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("periodCode");
    QTest::addColumn<QString>("yearCode");

    const QDate feb2004(2004, 2, 14);
    const QDate aug2004(2004, 8, 20);
    // The worked examples.
    QTest::newRow("Feb 1 Cal") << feb2004 << "1" << "Cal" << true << "0402" << "2004";
    QTest::newRow("Feb 1 Fin") << feb2004 << "1" << "Fin" << true << "0402" << "2004";
    QTest::newRow("Feb 3 Cal") << feb2004 << "3" << "Cal" << true << "0401" << "2004";
    QTest::newRow("Feb 3 Fin") << feb2004 << "3" << "Fin" << true << "0401" << "0304";
    QTest::newRow("Aug 3 Cal") << aug2004 << "3" << "Cal" << true << "0403" << "2004";
    QTest::newRow("Aug 3 Fin") << aug2004 << "3" << "Fin" << true << "0403" << "0405";
    QTest::newRow("Aug 6 Cal") << aug2004 << "6" << "Cal" << true << "0402" << "2004";
    QTest::newRow("Aug 6 Fin") << aug2004 << "6" << "Fin" << true << "0402" << "0405";
    QTest::newRow("30 Jun 2010 3 Fin") << QDate(2010, 6, 30) << "3" << "Fin" << true << "1002" << "0910";
    QTest::newRow("5 Nov 2011 6 Fin") << QDate(2011, 11, 5) << "6" << "Fin" << true << "1102" << "1112";
    QTest::newRow("31 Dec 2004 1 Cal") << QDate(2004, 12, 31) << "1" << "Cal" << true << "0412" << "2004";
    QTest::newRow("10 Mar 2002 3 Fin") << QDate(2002, 3, 10) << "3" << "Fin" << true << "0201" << "0102";
    QTest::newRow("10 Mar 2001") << QDate(2001, 3, 10) << "3" << "Fin" << false << "" << "";
    // Quarter and half-year edges.
    QTest::newRow("1 Jul 3 Fin") << QDate(2004, 7, 1) << "3" << "Fin" << true << "0403" << "0405";
    QTest::newRow("30 Sep 3 Cal") << QDate(2004, 9, 30) << "3" << "Cal" << true << "0403" << "2004";
    QTest::newRow("1 Oct 3 Cal") << QDate(2004, 10, 1) << "3" << "Cal" << true << "0404" << "2004";
    QTest::newRow("30 Jun 6 Cal") << QDate(2004, 6, 30) << "6" << "Cal" << true << "0401" << "2004";
    // The years the codes are made for, and those they are not.
    QTest::newRow("first year") << QDate(2002, 1, 1) << "1" << "Cal" << true << "0201" << "2002";
    QTest::newRow("last year") << QDate(2098, 12, 31) << "6" << "Fin" << true << "9802" << "9899";
    QTest::newRow("2000") << QDate(2000, 6, 1) << "1" << "Cal" << false << "" << "";
    QTest::newRow("2001 Cal") << QDate(2001, 12, 31) << "1" << "Cal" << false << "" << "";
    QTest::newRow("1999") << QDate(1999, 12, 31) << "3" << "Cal" << false << "" << "";
    QTest::newRow("2099") << QDate(2099, 7, 1) << "3" << "Fin" << false << "" << "";
    QTest::newRow("2099 Cal") << QDate(2099, 1, 1) << "1" << "Cal" << false << "" << "";
    QTest::newRow("no date") << QDate() << "3" << "Cal" << false << "" << "";
    // Settings edited by hand.
    QTest::newRow("monthly with any year type") << feb2004 << "1" << "June" << true << "0402" << "2004";
    QTest::newRow("two-month periods") << feb2004 << "2" << "Cal" << false << "" << "";
    QTest::newRow("quarters, unknown year type") << feb2004 << "3" << "Financial" << false << "" << "";
    QTest::newRow("lower-case year type") << aug2004 << "6" << "fin" << false << "" << "";
    QTest::newRow("padded period") << feb2004 << " 3" << "Cal" << false << "" << "";
    QTest::newRow("empty settings") << feb2004 << "" << "" << false << "" << "";
}

void tst_PeriodAndYear::codes()
{
    QFETCH(QDate, date);
    QFETCH(QString, period);
    QFETCH(QString, fiscalYr);
    QFETCH(bool, written);
    QFETCH(QString, periodCode);
    QFETCH(QString, yearCode);

    const std::optional<PeriodAndYear> codes = computePeriodAndYear(date, period, fiscalYr);
    QCOMPARE(codes.has_value(), written);
    if (written) {
        QCOMPARE(codes->periodCode, periodCode);
        QCOMPARE(codes->yearCode, yearCode);
    }
}

QTEST_APPLESS_MAIN(tst_PeriodAndYear)
#include "tst_PeriodAndYear.moc"
