#include "core/diary/SpareCalendar.h"

#include <QTest>

using namespace kelvora;
using Button = SpareCalendar::Button;

// The spare calendar window's dates, headings and highlight.
class tst_SpareCalendar : public QObject
{
    Q_OBJECT

    Regional m_regional = Regional::australian();
    QDate m_today{2012, 3, 5};

private slots:
    void headingsOnFiveMarch2012()
    {
        SpareCalendar c(m_regional, [this] { return m_today; });
        QCOMPARE(c.heading(), QStringLiteral("Monday, 5 March, 2012,"));
        QVERIFY(c.blinking());
        c.FormShow();
        QVERIFY(!c.blinking());
        QCOMPARE(c.highlighted(), Button::None);
        c.NextWeekBtnClick();
        QCOMPARE(c.heading(), QStringLiteral("Monday, 12 March , 2012"));
        QVERIFY(c.blinking());
        QCOMPARE(c.highlighted(), Button::NextWeek);
        c.PrevMonthBtnClick();
        c.NowBtnClick();
        QCOMPARE(c.date(), m_today);
        QCOMPARE(c.heading(), QStringLiteral("Monday, 5 March , 2012"));
        QVERIFY(!c.blinking());
        QCOMPARE(c.highlighted(), Button::Now);
    }

    void steps_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("button");
        QTest::addColumn<QDate>("to");
        QTest::newRow("week") << QDate(2012, 3, 5) << int(Button::PrevWeek) << QDate(2012, 2, 27);
        QTest::newRow("two weeks") << QDate(2012, 3, 5) << int(Button::Next2Week) << QDate(2012, 3, 19);
        QTest::newRow("31 Jan, Month") << QDate(2012, 1, 31) << int(Button::NextMonth) << QDate(2012, 2, 29);
        QTest::newRow("31 Mar, Month back") << QDate(2013, 3, 31) << int(Button::PrevMonth) << QDate(2013, 2, 28);
        QTest::newRow("29 Feb, Year") << QDate(2012, 2, 29) << int(Button::NextYr) << QDate(2013, 2, 28);
        QTest::newRow("Year back") << QDate(2012, 3, 5) << int(Button::PrevYr) << QDate(2011, 3, 5);
    }

    void steps()
    {
        QFETCH(QDate, from);
        QFETCH(int, button);
        QFETCH(QDate, to);
        SpareCalendar c(m_regional, [this] { return m_today; });
        c.CalendarChange(from);
        switch (Button(button)) {
        case Button::PrevWeek: c.PrevWeekBtnClick(); break;
        case Button::Next2Week: c.Next2WeekBtnClick(); break;
        case Button::NextMonth: c.NextMonthBtnClick(); break;
        case Button::PrevMonth: c.PrevMonthBtnClick(); break;
        case Button::NextYr: c.NextYrBtnClick(); break;
        case Button::PrevYr: c.PrevYrBtnClick(); break;
        default: QFAIL("no such step");
        }
        QCOMPARE(c.date(), to);
        QCOMPARE(int(c.highlighted()), button);
    }
};

QTEST_GUILESS_MAIN(tst_SpareCalendar)
#include "tst_SpareCalendar.moc"
