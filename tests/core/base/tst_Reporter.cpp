#include "core/base/KelvoraError.h"
#include "core/base/Reporter.h"
#include "support/ScriptedUserPort.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;

class tst_Reporter : public QObject
{
    Q_OBJECT

private slots:
    void logThenBox()
    {
        ScriptedUserPort port;
        QStringList logged;
        Reporter reporter(port, [&](const QString& message, QString*) {
            logged << message;
            return port.log().isEmpty(); // the line is written before the box appears
        });
        QVERIFY(!reporter.guarded([] { throw KelvoraError(QStringLiteral("Post refused.")); }));
        QCOMPARE(logged, QStringList{QStringLiteral("Post refused.")});
        QCOMPARE(port.log(), QStringList{QStringLiteral("MessageDlg(Error): Post refused.")});
    }

    void aLogThatCannotBeWrittenPutsTheReasonInTheBox()
    {
        ScriptedUserPort port;
        Reporter reporter(port, [](const QString&, QString* reason) {
            *reason = QStringLiteral("the error log /data/Kelvora.Log could not be written: Permission denied");
            return false;
        });
        reporter.report(QStringLiteral("Post refused."));
        QCOMPARE(port.log(), QStringList{QStringLiteral("MessageDlg(Error): Post refused.\r\n(the error log "
                                                        "/data/Kelvora.Log could not be written: Permission denied)")});
        QString reason;
        QVERIFY(!reporter.log(QStringLiteral("quiet"), &reason));
        QVERIFY(reason.endsWith(QStringLiteral("Permission denied")));
    }

    void collectedFailuresAreLoggedWithoutABox()
    {
        ScriptedUserPort port;
        QStringList logged;
        Reporter reporter(port, [&](const QString& message, QString*) {
            logged << message;
            return true;
        });
        QCOMPARE(reporter.collected([] {}), QString());
        QCOMPARE(reporter.collected([] { throw std::runtime_error("disk full"); }), QStringLiteral("disk full"));
        QCOMPARE(logged, QStringList{QStringLiteral("disk full")});
        QVERIFY(port.log().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Reporter)
#include "tst_Reporter.moc"
