#include "core/security/StartupPassword.h"
#include "core/settings/Settings.h"
#include "support/ScriptedUserPort.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;

class tst_StartupPassword : public QObject
{
    Q_OBJECT

private slots:
    void promptEndings()
    {
        ScriptedUserPort port;
        Settings settings;
        StartupPassword password(settings, port);
        QVERIFY(!password.isSet());
        settings.setStartupPassword(QStringLiteral("Secret"));
        QVERIFY(password.isSet());
        QVERIFY(!password.accept(QStringLiteral("secret")));
        QVERIFY(!password.accept(QString()));
        QVERIFY(password.accept(QStringLiteral("Secret")));
        password.refuse();
        password.altF4();
        QCOMPARE(port.log(), QStringList({QStringLiteral("MessageDlg(Warning): You MUST enter the correct PASSWORD."),
                                          QStringLiteral("MessageDlg(Warning): You MUST enter the correct PASSWORD."),
                                          QStringLiteral("MessageDlg(Information): Login Failed"),
                                          QStringLiteral("MessageDlg(Error): You are NOT permitted to close the "
                                                         "form this way.")}));
        // The check of a slow hash shows the busy pointer, and gives it back.
        QVERIFY(port.busyCount >= 3);
        QCOMPARE(port.busyDepth, 0);
    }

    void change_data()
    {
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("nowAccepted");
        const QString changed = QStringLiteral(
            "MessageDlg(Information): The Password has been changed.\r\n\r\nAn empty or a non-existant password stops "
            "the software startup prompt from appearing.\r\nie NO Password is set.");
        QTest::newRow("changed") << "Old" << "New1" << "New1" << changed << "New1";
        QTest::newRow("removed") << "Old" << "" << "" << changed << "";
        QTest::newRow("mismatch") << "Old" << "New1" << "New2"
                                  << "MessageDlg(Information): The Password Was NOT changed " << "Old";
        QTest::newRow("wrong current") << "old" << "" << ""
                                       << "MessageDlg(Information): The Password given is incorrect" << "Old";
    }
    void change()
    {
        QFETCH(QString, current);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        QFETCH(QString, nowAccepted);
        ScriptedUserPort port;
        Settings settings;
        settings.setStartupPassword(QStringLiteral("Old"));
        StartupPassword password(settings, port);
        port.queueText(current);
        if (!message.contains(QLatin1String("incorrect"))) {
            port.queueText(first);
            port.queueText(second);
        }
        password.Change1Click();
        QCOMPARE(port.lastLine(), message);
        QCOMPARE(settings.hasStartupPassword(), !nowAccepted.isEmpty());
        if (!nowAccepted.isEmpty())
            QVERIFY(settings.startupPasswordMatches(nowAccepted));
    }
};

QTEST_GUILESS_MAIN(tst_StartupPassword)
#include "tst_StartupPassword.moc"
