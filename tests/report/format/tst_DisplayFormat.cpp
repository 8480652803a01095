// The display formats templates use, on numbers, dates and texts.

#include "report/DisplayFormat.h"

#include <QtTest>

using namespace kelvora;
using namespace kelvora::report;

class tst_DisplayFormat : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void checkRefusesPatternsWithoutParts();
};

namespace {

Regional european()
{
    Regional r = Regional::australian();
    r.decimalSeparator = u',';
    r.thousandSeparator = u'.';
    r.currencyString = QStringLiteral("€");
    r.currencyFormat = 3;     // "1 €"
    r.negCurrencyFormat = 8;  // "-1 €"
    return r;
}

} // namespace

void tst_DisplayFormat::text_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("europe");
    QTest::addColumn<QString>("expected");

    const QDateTime afternoon(QDate(2026, 12, 11), QTime(15, 7, 9));
    QTest::newRow("amount") << QVariant(1234.5) << "###,###.##" << false << "1,234.5";
    QTest::newRow("zero prints nothing") << QVariant(0.0) << "###,###.##" << false << "";
    QTest::newRow("cents rounded half away") << QVariant(1234567.885) << "###,###.##" << false << "1,234,567.89";
    QTest::newRow("negative amount") << QVariant(-1234.5) << "###,###.##" << false << "-1,234.5";
    QTest::newRow("below one") << QVariant(0.5) << "###,###.##" << false << ".5";
    QTest::newRow("whole number field") << QVariant(1200) << "###,###.##" << false << "1,200";
    QTest::newRow("negative section") << QVariant(-5.0) << "#,##0.00;(#,##0.00)" << false << "(5.00)";
    QTest::newRow("dollars") << QVariant(1234.5) << "$###,###.00" << false << "$1,234.50";
    QTest::newRow("dollars zero") << QVariant(0.0) << "$###,###.00" << false << "$.00";
    QTest::newRow("regional currency") << QVariant(1234.5) << "%2.2m" << false << "$1,234.50";
    QTest::newRow("regional currency negative") << QVariant(-5.0) << "%2.2m" << false << "-$5.00";
    QTest::newRow("regional currency elsewhere") << QVariant(-1234.5) << "%2.2m" << true << "-1.234,50 €";
    QTest::newRow("value format with text") << QVariant(185.0) << "Total %.2m" << false << "Total $185.00";
    QTest::newRow("value format pads") << QVariant(7) << "%4d" << false << "   7";
    QTest::newRow("date") << QVariant(QDate(2026, 12, 11)) << "dd/mm/yyyy" << false << "11/12/2026";
    QTest::newRow("date kept as text") << QVariant(QStringLiteral("2026-12-11")) << "dd/mm/yyyy" << false
                                       << "11/12/2026";
    QTest::newRow("moment of printing") << QVariant(afternoon) << "dd/mm/yyyy  hh:mm" << false << "11/12/2026  15:07";
    QTest::newRow("twelve-hour clock") << QVariant(afternoon) << "HH:MM AM/PM DD/MM/YY" << false
                                       << "03:07 PM 11/12/26";
    QTest::newRow("null") << QVariant() << "###,###.##" << false << "";
    QTest::newRow("text under a number format") << QVariant(QStringLiteral("n/a")) << "###,###.##" << false << "n/a";
    QTest::newRow("number without format") << QVariant(1234.5) << "" << false << "1234.5";
    QTest::newRow("sum of cents without format") << QVariant(0.1 + 0.2) << "" << false << "0.3";
    QTest::newRow("date without format") << QVariant(QDate(2026, 1, 2)) << "" << false << "02/01/2026";
    QTest::newRow("midnight shows the date") << QVariant(QDateTime(QDate(2026, 1, 2), QTime(0, 0))) << "" << false
                                             << "02/01/2026";
    QTest::newRow("moment without format") << QVariant(afternoon) << "" << false << "11/12/2026 15:07:09";
}

void tst_DisplayFormat::text()
{
    QFETCH(QVariant, value);
    QFETCH(QString, format);
    QFETCH(bool, europe);
    QFETCH(QString, expected);
    QCOMPARE(DisplayFormat::text(value, format, europe ? european() : Regional::australian()), expected);
}

void tst_DisplayFormat::checkRefusesPatternsWithoutParts()
{
    QVERIFY(DisplayFormat::check(QStringLiteral("dd/mm/yyyy")).isEmpty());
    QVERIFY(DisplayFormat::check(QStringLiteral("###,###.##")).isEmpty());
    QVERIFY(DisplayFormat::check(QStringLiteral("%2.2m")).isEmpty());
    QVERIFY(!DisplayFormat::check(QStringLiteral("Total")).isEmpty());
}

QTEST_MAIN(tst_DisplayFormat)
#include "tst_DisplayFormat.moc"
