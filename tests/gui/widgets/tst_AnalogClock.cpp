#include "gui/widgets/AnalogClock.h"

#include <QTest>

using namespace kelvora;

class tst_AnalogClock : public QObject
{
    Q_OBJECT

private slots:
    void ticksWhileShownAndRestsWhileHidden();
};

void tst_AnalogClock::ticksWhileShownAndRestsWhileHidden()
{
    AnalogClock clock;
    clock.show();
    QVERIFY(QTest::qWaitForWindowExposed(&clock));
    const int gap = std::abs(clock.shownTime().secsTo(QTime::currentTime()));
    QVERIFY(gap <= 1 || gap >= 86399); // across midnight the difference wraps
    const QTime first = clock.shownTime();
    QTRY_VERIFY_WITH_TIMEOUT(clock.shownTime() != first, 2500);

    clock.hide();
    const QTime rested = clock.shownTime();
    QTest::qWait(1200);
    QCOMPARE(clock.shownTime(), rested);
}

QTEST_MAIN(tst_AnalogClock)
#include "tst_AnalogClock.moc"
