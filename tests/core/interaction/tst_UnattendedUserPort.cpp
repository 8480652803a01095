#include <QtTest>

#include "core/interaction/UnattendedUserPort.h"

using namespace kelvora;

class tst_UnattendedUserPort : public QObject
{
    Q_OBJECT

private slots:
    void boxAnsweredAsClosed_data();
    void boxAnsweredAsClosed();
    void keepsEveryTextAndCancelsChoices();
};

void tst_UnattendedUserPort::boxAnsweredAsClosed_data()
{
    QTest::addColumn<MsgButton>("buttons");
    QTest::addColumn<MsgButton>("answer");
    QTest::newRow("OK") << MsgButton::OK << MsgButton::OK;
    QTest::newRow("no buttons given") << MsgButton::None << MsgButton::OK;
    // "Do you wish to Quit ?" closed is No: the program does not act on a question nobody read.
    QTest::newRow("Yes No") << (MsgButton::Yes | MsgButton::No) << MsgButton::No;
    QTest::newRow("Yes No Cancel") << (MsgButton::Yes | MsgButton::No | MsgButton::Cancel)
                                   << MsgButton::Cancel;
    QTest::newRow("OK Cancel") << (MsgButton::OK | MsgButton::Cancel) << MsgButton::Cancel;
    QTest::newRow("Abort Retry Ignore")
        << (MsgButton::Abort | MsgButton::Retry | MsgButton::Ignore) << MsgButton::Ignore;
    QTest::newRow("Yes YesToAll") << (MsgButton::Yes | MsgButton::YesToAll) << MsgButton::YesToAll;
}

void tst_UnattendedUserPort::boxAnsweredAsClosed()
{
    QFETCH(MsgButton, buttons);
    QFETCH(MsgButton, answer);
    UnattendedUserPort port;
    QCOMPARE(port.messageDlg("Sure?", MsgType::Confirmation, buttons), answer);
    QCOMPARE(port.messages(), QStringList{"Sure?"});
}

void tst_UnattendedUserPort::keepsEveryTextAndCancelsChoices()
{
    UnattendedUserPort port;
    port.showMessage("Saved.");
    QCOMPARE(port.inputBox("Ref", "Enter a Ref", "12"), "12");
    QCOMPARE(port.chooseOpenFile("Open", "/tmp", "All|*.*"), "");
    QCOMPARE(port.chooseFolder("Backup", "/tmp"), "");
    QVERIFY(!port.openUrl("https://example.com"));
    QVERIFY(!port.startProgram("true", {}));
    QCOMPARE(port.messages(), (QStringList{"Saved.", "Ref: Enter a Ref"}));
}

QTEST_GUILESS_MAIN(tst_UnattendedUserPort)
#include "tst_UnattendedUserPort.moc"
