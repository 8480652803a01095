#include "gui/widgets/MonthCalendar.h"

#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using namespace kelvora;

class tst_MonthCalendar : public QObject
{
    Q_OBJECT

private slots:
    void sundayIsTheFirstColumn();
    void everyProgramSettingIsReported();
    void userPickIsReported();
    void invalidDateChangesNothing();
};

void tst_MonthCalendar::sundayIsTheFirstColumn()
{
    MonthCalendar calendar;
    QCOMPARE(calendar.firstDayOfWeek(), Qt::Sunday);
    // The header of the first column really is Sunday, not only the property.
    auto* view = calendar.findChild<QTableView*>();
    QVERIFY(view);
    const QString firstHeader = view->model()->data(view->model()->index(0, 0)).toString();
    QCOMPARE(firstHeader, QLocale().dayName(7, QLocale::ShortFormat));
}

void tst_MonthCalendar::everyProgramSettingIsReported()
{
    MonthCalendar calendar;
    QSignalSpy changes(&calendar, &MonthCalendar::dateChanged);
    const QDate day(2012, 3, 5);

    calendar.setCurrentDate(day);
    QCOMPARE(calendar.currentDate(), day);
    QCOMPARE(calendar.monthShown(), 3);
    QCOMPARE(calendar.yearShown(), 2012);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toDate(), day);

    // Setting the same date again still reaches the listener, once.
    calendar.setCurrentDate(day);
    QCOMPARE(changes.count(), 2);
}

void tst_MonthCalendar::userPickIsReported()
{
    MonthCalendar calendar;
    calendar.setCurrentDate(QDate(2012, 3, 5));
    calendar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&calendar));
    QSignalSpy changes(&calendar, &MonthCalendar::dateChanged);

    auto* view = calendar.findChild<QTableView*>();
    QVERIFY(view);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Right);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toDate(), QDate(2012, 3, 6));
}

void tst_MonthCalendar::invalidDateChangesNothing()
{
    MonthCalendar calendar;
    calendar.setCurrentDate(QDate(2012, 3, 5));
    QSignalSpy changes(&calendar, &MonthCalendar::dateChanged);
    calendar.setCurrentDate(QDate());
    QCOMPARE(calendar.currentDate(), QDate(2012, 3, 5));
    QCOMPARE(changes.count(), 0);
}

QTEST_MAIN(tst_MonthCalendar)
#include "tst_MonthCalendar.moc"
