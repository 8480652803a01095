#include <QtTest>

#include "core/dates/DateText.h"
#include "core/dates/DateTimeFormat.h"

using namespace kelvora;

class tst_DateTimeFormat : public QObject
{
    Q_OBJECT

private slots:
    void patterns_data();
    void patterns();
    void regionalSeparatorsAndNames();
    void invalidDateOrTime();
    void shortDateAndLongTime();
    void parseShortDate_data();
    void parseShortDate();
};

void tst_DateTimeFormat::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<QString>("expected");

    const QDateTime friday(QDate(2026, 12, 11), QTime(15, 7, 9, 45));
    const QDateTime earlyMonday(QDate(2012, 3, 5), QTime(0, 5, 3));
    const QDateTime noon(QDate(2004, 2, 14), QTime(12, 0));

    QTest::newRow("short date") << "dd/mm/yyyy" << friday << "11/12/2026";
    QTest::newRow("long time") << "hh:mm:ss" << friday << "15:07:09";
    QTest::newRow("heading") << "dddd d mmmm yyyy" << friday << "Friday 11 December 2026";
    QTest::newRow("heading upper case") << "dddd d MMMM YYYY" << friday << "Friday 11 December 2026";
    QTest::newRow("heading single digits") << "dddd d MMMM YYYY" << earlyMonday << "Monday 5 March 2012";
    QTest::newRow("calendar head") << "dddd, d MMMM , YYYY" << friday << "Friday, 11 December , 2026";
    QTest::newRow("trailing comma") << "dddd, d mmmm, yyyy," << friday << "Friday, 11 December, 2026,";
    QTest::newRow("report footer") << "dd/mm/yyyy  hh:mm" << friday << "11/12/2026  15:07";
    QTest::newRow("spare report footer") << "HH:MM AM/PM DD/MM/YY" << friday << "03:07 PM 11/12/26";
    QTest::newRow("midnight on 12-hour clock") << "h:nn AM/PM" << earlyMonday << "12:05 AM";
    QTest::newRow("noon on 12-hour clock") << "h:nn AM/PM" << noon << "12:00 PM";
    QTest::newRow("am/pm keeps its case") << "h:nn am/pm" << friday << "3:07 pm";
    QTest::newRow("a/p") << "h:nn a/p" << friday << "3:07 p";
    QTest::newRow("ampm is regional") << "h:nn ampm" << earlyMonday << "12:05 AM";
    QTest::newRow("24-hour without am/pm") << "h:n:s" << earlyMonday << "0:5:3";
    QTest::newRow("short names") << "ddd d mmm yy" << friday << "Fri 11 Dec 26";
    QTest::newRow("single letters") << "d/m/y" << earlyMonday << "5/3/12";
    QTest::newRow("iso order") << "yyyy-mm-dd" << earlyMonday << "2012-03-05";
    QTest::newRow("month alone") << "mm" << friday << "12";
    QTest::newRow("minutes after hour") << "hh mm" << friday << "15 07";
    QTest::newRow("month after day again") << "hh:mm dd/mm" << friday << "15:07 11/12";
    QTest::newRow("milliseconds") << "s.zzz" << friday << "9.045";
    QTest::newRow("quoted text") << "'Printed' dd/mm/yyyy" << friday << "Printed 11/12/2026";
    QTest::newRow("double-quoted specifiers") << "\"dd mm\" yyyy" << friday << "dd mm 2026";
    QTest::newRow("other letters kept") << "dd/mm/yyyy 'at' hh:nn x" << friday << "11/12/2026 at 15:07 x";
}

void tst_DateTimeFormat::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QDateTime, moment);
    QFETCH(QString, expected);
    QCOMPARE(formatDateTime(pattern, moment.date(), moment.time()), expected);
}

void tst_DateTimeFormat::regionalSeparatorsAndNames()
{
    Regional r = Regional::australian();
    r.dateSeparator = QLatin1Char('.');
    r.timeSeparator = QLatin1Char('-');
    r.longDayNames[5] = QStringLiteral("Freitag");
    r.longMonthNames[11] = QStringLiteral("Dezember");
    r.timePMString = QStringLiteral("nachm.");
    const QDate date(2026, 12, 11);
    const QTime time(15, 7, 9);
    QCOMPARE(formatDateTime(QStringLiteral("dd/mm/yyyy hh:mm:ss"), date, time, r), QStringLiteral("11.12.2026 15-07-09"));
    QCOMPARE(formatDateTime(QStringLiteral("dddd d mmmm ampm"), date, time, r), QStringLiteral("Freitag 11 Dezember nachm."));
    QCOMPARE(shortDateText(date, r), QStringLiteral("11.12.2026"));
    QCOMPARE(longTimeText(time, r), QStringLiteral("15-07-09"));
}

// A text is never built from a date or time that does not exist.
void tst_DateTimeFormat::invalidDateOrTime()
{
    QCOMPARE(formatDate(QStringLiteral("dddd d mmmm yyyy"), QDate()), QString());
    QCOMPARE(formatDateTime(QStringLiteral("dd/mm/yyyy hh:mm"), QDate(2026, 1, 1), QTime()), QString());
    QCOMPARE(formatDateTime(QStringLiteral("hh:mm"), QDate(), QTime(8, 30)), QStringLiteral("08:30"));
    QCOMPARE(formatDate(QStringLiteral("hh:nn"), QDate(2026, 1, 1)), QStringLiteral("00:00"));
    QCOMPARE(shortDateText(QDate()), QString());
}

void tst_DateTimeFormat::shortDateAndLongTime()
{
    QCOMPARE(shortDateText(QDate(1899, 12, 30)), QStringLiteral("30/12/1899"));
    QCOMPARE(longTimeText(QTime(9, 5, 3)), QStringLiteral("09:05:03"));
    QCOMPARE(dateTimeText(QDateTime(QDate(2026, 1, 2), QTime(23, 59, 59))), QStringLiteral("02/01/2026 23:59:59"));
    for (const QDate d : {QDate(2026, 12, 11), QDate(1899, 12, 30), QDate(2000, 2, 29), QDate(2098, 1, 1)})
        QCOMPARE(kelvora::parseShortDate(shortDateText(d)), d);
}

void tst_DateTimeFormat::parseShortDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("short date") << "11/12/2026" << QDate(2026, 12, 11);
    QTest::newRow("single digits and spaces") << " 5/3/2012 " << QDate(2012, 3, 5);
    QTest::newRow("two-digit year this century") << "5/3/12" << QDate(2012, 3, 5);
    QTest::newRow("two-digit year last century") << "5/3/99" << QDate(1999, 3, 5);
    QTest::newRow("no such day") << "31/02/2026" << QDate();
    QTest::newRow("month 13") << "01/13/2026" << QDate();
    QTest::newRow("other separator") << "11-12-2026" << QDate();
    QTest::newRow("no year") << "11/12" << QDate();
    QTest::newRow("four parts") << "11/12/2026/1" << QDate();
    QTest::newRow("empty") << "" << QDate();
    QTest::newRow("negative year") << "11/12/-5" << QDate();
    QTest::newRow("signed day") << "+1/12/2026" << QDate();
    QTest::newRow("letters") << "a/b/c" << QDate();
    QTest::newRow("five-digit year") << "1/1/20260" << QDate();
}

void tst_DateTimeFormat::parseShortDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(kelvora::parseShortDate(text), expected);
}

QTEST_APPLESS_MAIN(tst_DateTimeFormat)
#include "tst_DateTimeFormat.moc"
