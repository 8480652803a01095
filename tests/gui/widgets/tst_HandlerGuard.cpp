#include "gui/widgets/HandlerGuard.h"

#include "core/base/KelvoraError.h"
#include "support/ScriptedUserPort.h"

#include <QPushButton>
#include <QTest>
#include <functional>
#include <stdexcept>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;

using Thrower = std::function<void()>;
Q_DECLARE_METATYPE(Thrower)

class tst_HandlerGuard : public QObject
{
    Q_OBJECT

private slots:
    void failureIsLoggedThenShownAndSwallowed_data();
    void failureIsLoggedThenShownAndSwallowed();
    void completedHandlerShowsNothing();
    void failingLogStillShowsTheError();
    void wrappedHandlerKeepsTheEventLoopGoing();
};

void tst_HandlerGuard::failureIsLoggedThenShownAndSwallowed_data()
{
    QTest::addColumn<Thrower>("thrower");
    QTest::addColumn<QString>("message");
    QTest::newRow("core failure") << Thrower([] { throw KelvoraError(QStringLiteral("Database refused the post.")); })
                                  << QStringLiteral("Database refused the post.");
    QTest::newRow("multi-line message kept whole")
        << Thrower([] { throw KelvoraError(QStringLiteral("Line one\r\nLine two")); }) << QStringLiteral("Line one\r\nLine two");
    QTest::newRow("library failure") << Thrower([] { throw std::out_of_range("index out of range"); })
                                     << QStringLiteral("index out of range");
    QTest::newRow("anything else") << Thrower([] { throw 42; }) << QStringLiteral("An unexpected error occurred.");
}

void tst_HandlerGuard::failureIsLoggedThenShownAndSwallowed()
{
    QFETCH(Thrower, thrower);
    QFETCH(QString, message);
    ScriptedUserPort port;
    QStringList events;
    HandlerGuard guard(port, [&](const QString& line) {
        events << QStringLiteral("log: ") + line;
        QVERIFY(port.log().isEmpty()); // the log line is written before the box appears
    });

    bool after = false;
    const bool completed = guard.run([&] {
        thrower();
        after = true;
    });

    QVERIFY(!completed);
    QVERIFY(!after); // the handler stops where it stood
    QCOMPARE(events, QStringList{QStringLiteral("log: ") + message});
    QCOMPARE(port.log(), QStringList{QStringLiteral("MessageDlg(Error): ") + message});
}

void tst_HandlerGuard::completedHandlerShowsNothing()
{
    ScriptedUserPort port;
    int logged = 0;
    HandlerGuard guard(port, [&](const QString&) { ++logged; });
    int ran = 0;
    QVERIFY(guard.run([&] { ++ran; }));
    QCOMPARE(ran, 1);
    QCOMPARE(logged, 0);
    QVERIFY(port.log().isEmpty());
}

void tst_HandlerGuard::failingLogStillShowsTheError()
{
    const QString failure = QStringLiteral("MessageDlg(Error): Post failed.");
    auto fail = [] { throw KelvoraError(QStringLiteral("Post failed.")); };
    {
        ScriptedUserPort port;
        HandlerGuard guard(port, [](const QString&) { throw KelvoraError(QStringLiteral("disk full")); });
        QVERIFY(!guard.run(fail));
        QCOMPARE(port.log().size(), 1);
        QVERIFY(port.lastLine().startsWith(failure + QStringLiteral("\r\n")));
        QVERIFY(port.lastLine().contains(QStringLiteral("disk full")));
    }
    {
        // A logger that reports failure instead of throwing is heard as well.
        ScriptedUserPort port;
        HandlerGuard guard(port, [](const QString&) { return false; });
        QVERIFY(!guard.run(fail));
        QVERIFY(port.lastLine().startsWith(failure + QStringLiteral("\r\n")));
        QVERIFY(port.lastLine().contains(QStringLiteral("error log")));
    }
    {
        ScriptedUserPort port;
        HandlerGuard guard(port, [](const QString&) { return true; });
        QVERIFY(!guard.run(fail));
        QCOMPARE(port.lastLine(), failure);
    }
}

void tst_HandlerGuard::wrappedHandlerKeepsTheEventLoopGoing()
{
    ScriptedUserPort port;
    QStringList logged;
    HandlerGuard guard(port, [&](const QString& line) { logged << line; });
    QPushButton button;
    QObject::connect(&button, &QPushButton::clicked, guard.wrap([] { throw KelvoraError(QStringLiteral("boom")); }));

    button.click();
    button.click();
    QCOMPARE(logged, (QStringList{QStringLiteral("boom"), QStringLiteral("boom")}));
    QCOMPARE(port.log().size(), 2);
}

QTEST_MAIN(tst_HandlerGuard)
#include "tst_HandlerGuard.moc"
