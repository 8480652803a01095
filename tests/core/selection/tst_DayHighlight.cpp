#include "core/selection/DayHighlight.h"
#include "support/ScriptedUserPort.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;

class tst_DayHighlight : public QObject
{
    Q_OBJECT

private slots:
    void occurrencesGoOnAfterEachMatch_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qsizetype>>("hits");
        QTest::newRow("three") << "pay\r\nto pay, pay" << "pay" << QList<qsizetype>{0, 8, 13};
        QTest::newRow("no overlap") << "aaaa" << "aa" << QList<qsizetype>{0, 2};
        QTest::newRow("case matters") << "Pay" << "pay" << QList<qsizetype>{};
        QTest::newRow("empty text") << "pay" << "" << QList<qsizetype>{};
    }
    void occurrencesGoOnAfterEachMatch()
    {
        QFETCH(QString, day);
        QFETCH(QString, text);
        QFETCH(QList<qsizetype>, hits);
        QCOMPARE(DayHighlight::occurrences(day, text), hits);
    }

    void threeOccurrencesOneStepApartThenAnEmptyStep()
    {
        ScriptedUserPort port;
        QString shared;
        DayHighlight highlight(port, [&] { return shared; }, [&](const QString& t) { shared = t; });
        highlight.setInterval(50);
        QSignalSpy shown(&highlight, &DayHighlight::occurrenceShown);
        QSignalSpy finished(&highlight, &DayHighlight::finished);
        port.queueText(QStringLiteral("pay"));
        QElapsedTimer clock;
        clock.start();
        highlight.start(QStringLiteral("pay\r\nto pay, pay"));
        // The first occurrence at once; the rest come from the event loop.
        QCOMPARE(shown.count(), 1);
        QCOMPARE(port.busyDepth, 1);
        QVERIFY(finished.wait(2000));
        QVERIFY(clock.elapsed() >= 4 * 50 - 10);
        QCOMPARE(shown.count(), 3);
        QCOMPARE(shown.last(), (QList<QVariant>{qsizetype(13), qsizetype(3)}));
        QCOMPARE(port.busyDepth, 0);
        QCOMPARE(port.log(), QStringList{QStringLiteral("InputBox: CASE SENSITIVE Search | Enter Text to find | ")});
        // With a search text already there, no question.
        highlight.start(QStringLiteral("x"));
        QVERIFY(finished.wait(2000));
        QCOMPARE(port.log().size(), 1);
    }
};

QTEST_GUILESS_MAIN(tst_DayHighlight)
#include "tst_DayHighlight.moc"
