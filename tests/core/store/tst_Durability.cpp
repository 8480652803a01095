#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/store/TempDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <set>
#include <sys/types.h>

using namespace kelvora;
using kelvora::test::TempDatabase;

namespace {

constexpr const char* kChildSwitch = "--post-until-killed";

// The child: posts expense records one after another and reports each one the
// moment post() returns. It stops by itself after a while in case nobody kills it.
int postUntilKilled(const QString& path)
{
    Database db(path);
    View expend(db, TableId::Expense);
    QElapsedTimer clock;
    clock.start();
    for (qint64 ref = 1; clock.elapsed() < 60000; ++ref) {
        expend.append();
        expend.setField(u"Ref", Value::integer(ref));
        expend.setField(u"Expense", QStringLiteral("posted %1").arg(ref));
        expend.setField(u"Bank", 1.25 * double(ref));
        expend.post();
        std::printf("posted %lld\n", static_cast<long long>(ref));
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestDurability : public QObject
{
    Q_OBJECT

private slots:
    void postedRecordsSurviveSigkill_data();
    void postedRecordsSurviveSigkill();
};

void TestDurability::postedRecordsSurviveSigkill_data()
{
    QTest::addColumn<int>("killAfter");
    QTest::newRow("after the first post") << 1;
    QTest::newRow("in a run of posts") << 40;
}

void TestDurability::postedRecordsSurviveSigkill()
{
    QFETCH(int, killAfter);
    TempDatabase temp;
    temp.open(); // the file exists before the child starts

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildSwitch), temp.path()});
    QVERIFY2(child.waitForStarted(10000), qPrintable(child.errorString()));

    std::set<qint64> reported;
    QElapsedTimer clock;
    clock.start();
    while (int(reported.size()) < killAfter && clock.elapsed() < 60000) {
        if (!child.canReadLine() && !child.waitForReadyRead(1000)) {
            QVERIFY2(child.state() == QProcess::Running, "the child stopped before it was killed");
            continue;
        }
        while (child.canReadLine()) {
            const QByteArray line = child.readLine().trimmed();
            QVERIFY2(line.startsWith("posted "), line.constData());
            reported.insert(line.mid(7).toLongLong());
        }
    }
    QVERIFY(int(reported.size()) >= killAfter);
    // No goodbye: the process is gone between two instructions.
    QCOMPARE(::kill(pid_t(child.processId()), SIGKILL), 0);
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    // Lines written before the kill are still in the pipe.
    for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
        if (line.startsWith("posted "))
            reported.insert(line.mid(7).toLongLong());
    }

    auto db = temp.open();
    View expend(*db, TableId::Expense);
    std::set<qint64> found;
    for (int r = 0; r < expend.rowCount(); ++r)
        found.insert(expend.integerAt(r, expend.fieldIndex(u"Ref")));
    for (qint64 ref : reported) {
        QVERIFY2(found.count(ref), qPrintable(QStringLiteral("posted record %1 was lost").arg(ref)));
        const int row = expend.rowOfRecord(ref);
        QCOMPARE(expend.textAt(row, expend.fieldIndex(u"Expense")), QStringLiteral("posted %1").arg(ref));
        QCOMPARE(expend.floatAt(row, expend.fieldIndex(u"Bank")), 1.25 * double(ref));
    }
    // At most the one post in flight when the kill came is there unreported.
    QVERIFY(found.size() <= reported.size() + 1);
    QCOMPARE(temp.scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kChildSwitch) == 0)
        return postUntilKilled(QString::fromLocal8Bit(argv[2]));
    TestDurability test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_Durability.moc"
