#include "core/app/MainModel.h"
#include "core/settings/IniFile.h"
#include "core/settings/ListFile.h"
#include "core/store/Database.h"
#include "core/store/SqliteStatement.h"
#include "core/store/Transaction.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/store/FaultVfs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <algorithm>
#include <csignal>
#include <limits>
#include <cstdio>
#include <set>
#include <sys/types.h>

using namespace kelvora;
using kelvora::test::FaultVfs;
using kelvora::test::ScriptedUserPort;

// Kelvora killed at any moment: in the middle of a post, of a walk that changes
// many records in one transaction, of the close sequence, of a settings write.
// A child process (this program, started again) does the work over and over and
// says on standard output what it has finished; the test kills it and then looks
// at what the next start finds. The kill comes either after a seeded random
// delay or, deterministically, at the n-th write of SQLite's files (the test
// VFS raises SIGKILL there, so the kill lands between two writes of a commit).

namespace {

constexpr const char* kChildSwitch = "--crash-child";
constexpr int kWalkRecords = 24;
const QDateTime kNow{QDate(2026, 12, 11), QTime(9, 30, 0)};

// The tag a walk of generation g leaves on every record: three marks, so the
// state of two successive walks differs.
QString tagOf(qint64 generation)
{
    static const QString marks[3] = {QString(), QStringLiteral("y"), QStringLiteral("X")};
    return marks[generation % 3];
}

QString supplierOf(qint64 generation)
{
    return QStringLiteral("Supplier %1").arg(generation);
}

void say(const char* what, qint64 generation = 0)
{
    std::printf("%s %lld\n", what, static_cast<long long>(generation));
    std::fflush(stdout);
}

std::unique_ptr<MainModel> mainModel(const QString& folder, ScriptedUserPort& port)
{
    return std::make_unique<MainModel>(AppFolders::resolve(folder), port, Regional::australian(),
                                       [] { return kNow; });
}

// ---- the child's work; each says "ready" once set up, then loops ------------

void postRecords(const QString& folder, int killAt)
{
    Database db(AppFolders::resolve(folder).databaseFile());
    View expend(db, TableId::Expense);
    if (killAt > 0)
        FaultVfs::install().killAtWrite(killAt);
    say("ready");
    for (qint64 ref = 1;; ++ref) {
        expend.append();
        expend.setField(u"Ref", Value::integer(ref));
        expend.setField(u"Expense", QStringLiteral("posted %1").arg(ref));
        expend.setField(u"Bank", 1.25 * double(ref));
        expend.post();
        say("done", ref);
    }
}

// The walk of the tag tools and of the field replace: every record changed in
// one transaction, so the walk is whole or absent.
void walkRecords(const QString& folder, int killAt, bool replaceField)
{
    Database db(AppFolders::resolve(folder).databaseFile());
    View expend(db, TableId::Expense);
    if (killAt > 0)
        FaultVfs::install().killAtWrite(killAt);
    say("ready");
    const int field = expend.fieldIndex(replaceField ? u"Supplier" : u"Tag");
    for (qint64 generation = 1;; ++generation) {
        const Value value = Value::text(replaceField ? supplierOf(generation) : tagOf(generation));
        Transaction walk(db);
        for (int row = 0; row < expend.rowCount(); ++row)
            expend.updateRow(row, {{field, value}});
        walk.commit();
        say("done", generation);
    }
}

// What the user typed in generation g: a diary text still in edit, the lists
// and a setting. The close sequence saves them all.
void closeAgainAndAgain(const QString& folder, int killAt)
{
    ScriptedUserPort port;
    auto m = mainModel(folder, port);
    if (m->startUp() != MainModel::StartUp::Ready || !m->show({}))
        qFatal("the child could not start");
    if (killAt > 0)
        FaultVfs::install().killAtWrite(killAt);
    say("ready");
    for (qint64 generation = 1;; ++generation) {
        View& diary = *m->diary();
        diary.edit();
        diary.setField(u"Day", QStringLiteral("Day %1").arg(generation));
        m->toDo().setText(QStringLiteral("To do %1").arg(generation));
        m->important().setText(QStringLiteral("Important %1").arg(generation));
        m->settings().setValue(SettingKey::Company, QStringLiteral("Company %1").arg(generation));
        if (!m->closeSequence())
            qFatal("the close sequence asked: %s", qPrintable(port.lastLine()));
        say("done", generation);
    }
}

void writeSettingsAgainAndAgain(const QString& folder)
{
    ScriptedUserPort port;
    auto m = mainModel(folder, port);
    if (m->startUp() != MainModel::StartUp::Ready)
        qFatal("the child could not start");
    say("ready");
    for (qint64 generation = 1;; ++generation) {
        m->settings().setValue(SettingKey::Company, QStringLiteral("Company %1").arg(generation));
        m->settings().setValue(SettingKey::ABN, QStringLiteral("ABN %1").arg(generation));
        m->settings().saveSettingsFile();
        say("done", generation);
    }
}

int runChild(const QString& operation, const QString& folder, int killAt)
{
    // A connection keeps the VFS it was opened with: this one comes first.
    FaultVfs::install();
    if (operation == QLatin1String("post"))
        postRecords(folder, killAt);
    else if (operation == QLatin1String("tag walk"))
        walkRecords(folder, killAt, false);
    else if (operation == QLatin1String("field replace"))
        walkRecords(folder, killAt, true);
    else if (operation == QLatin1String("close sequence"))
        closeAgainAndAgain(folder, killAt);
    else if (operation == QLatin1String("settings write"))
        writeSettingsAgainAndAgain(folder);
    return 3;
}

// ---- the parent --------------------------------------------------------------

QString textOf(const QString& path)
{
    return QFile::exists(path) ? ListFile::load(path) : QStringLiteral("<none>");
}

// The one generation a value may show after generation `done` was reported:
// that one, or the next one that was under way.
bool doneOrNext(const QString& found, qint64 done, const std::function<QString(qint64)>& of)
{
    return found == of(done) || found == of(done + 1);
}

} // namespace

class tst_CrashConsistency : public QObject
{
    Q_OBJECT

    // Sets the folder up the way the child expects it before the first kill.
    void prepare(const QString& operation, const QString& folder)
    {
        const AppFolders folders = AppFolders::resolve(folder);
        if (operation == QLatin1String("tag walk") || operation == QLatin1String("field replace")) {
            Database db(folders.databaseFile());
            View expend(db, TableId::Expense);
            Transaction all(db);
            for (int ref = 1; ref <= kWalkRecords; ++ref) {
                expend.append();
                expend.setField(u"Ref", Value::integer(ref));
                expend.setField(u"Supplier", supplierOf(0));
                expend.post();
            }
            all.commit();
        }
    }

    // Starts the child and kills it; returns the last generation it reported done.
    qint64 runAndKill(const QString& operation, const QString& folder, bool atWrite, int point)
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kChildSwitch), operation, folder, QString::number(atWrite ? point : 0)});
        if (!child.waitForStarted(10000))
            qFatal("the child did not start: %s", qPrintable(child.errorString()));
        QByteArray out;
        QElapsedTimer clock;
        clock.start();
        while (!out.contains("ready") && child.state() == QProcess::Running && clock.elapsed() < 60000) {
            child.waitForReadyRead(100);
            out += child.readAllStandardOutput();
        }
        if (!atWrite) {
            QThread::usleep(ulong(point));
            ::kill(pid_t(child.processId()), SIGKILL);
        }
        // A kill at a write comes by itself; a child that runs on is stopped.
        if (!child.waitForFinished(60000)) {
            ::kill(pid_t(child.processId()), SIGKILL);
            child.waitForFinished(10000);
        }
        out += child.readAllStandardOutput();
        // Anything but our SIGKILL (a failed step aborts) is the child's own fault.
        if (child.exitStatus() != QProcess::CrashExit || child.exitCode() != SIGKILL)
            qFatal("the child ended by itself (%d): %s", child.exitCode(), out.constData());
        qint64 done = 0;
        for (const QByteArray& line : out.split('\n')) {
            if (line.startsWith("done "))
                done = line.mid(5).toLongLong();
        }
        return done;
    }

    // What must hold after the kill, checked as the next start would find it.
    void verify(const QString& operation, const QString& folder, qint64 done, const QString& run)
    {
        const AppFolders folders = AppFolders::resolve(folder);
        if (operation == QLatin1String("settings write")) {
            const IniFile ini(folders.settingsFile());
            QVERIFY2(ini.status() == IniFile::Status::Loaded || (done == 0 && ini.status() == IniFile::Status::Missing),
                     qPrintable(run + ini.errorText()));
            if (ini.status() == IniFile::Status::Missing)
                return;
            const QString company = ini.value(QStringLiteral("Detail"), QStringLiteral("Company"));
            const QString abn = ini.value(QStringLiteral("Detail"), QStringLiteral("ABN"));
            // One whole file: both values of the same write.
            QVERIFY2(company.mid(8) == abn.mid(4), qPrintable(run + company + QStringLiteral(" / ") + abn));
            QVERIFY2(doneOrNext(company, done, [](qint64 g) { return QStringLiteral("Company %1").arg(g); }),
                     qPrintable(run + company));
            return;
        }

        Database db(folders.databaseFile());
        {
            SqliteStatement check(db.handle(), "PRAGMA integrity_check");
            QVERIFY(check.step());
            QCOMPARE(check.value(0).toString(), QStringLiteral("ok"));
        }
        if (operation == QLatin1String("post")) {
            View expend(db, TableId::Expense);
            std::set<qint64> found;
            for (int r = 0; r < expend.rowCount(); ++r) {
                const qint64 ref = expend.integerAt(r, expend.fieldIndex(u"Ref"));
                found.insert(ref);
                QCOMPARE(expend.textAt(r, expend.fieldIndex(u"Expense")), QStringLiteral("posted %1").arg(ref));
                QCOMPARE(expend.floatAt(r, expend.fieldIndex(u"Bank")), 1.25 * double(ref));
            }
            for (qint64 ref = 1; ref <= done; ++ref)
                QVERIFY2(found.count(ref), qPrintable(run + QStringLiteral("posted record %1 was lost").arg(ref)));
            QVERIFY2(qint64(found.size()) <= done + 1, qPrintable(run));
        } else if (operation == QLatin1String("tag walk") || operation == QLatin1String("field replace")) {
            const bool replace = operation == QLatin1String("field replace");
            View expend(db, TableId::Expense);
            QCOMPARE(expend.rowCount(), kWalkRecords);
            const int field = expend.fieldIndex(replace ? u"Supplier" : u"Tag");
            const QString first = expend.textAt(0, field);
            for (int r = 1; r < expend.rowCount(); ++r)
                QVERIFY2(expend.textAt(r, field) == first,
                         qPrintable(run + QStringLiteral("half a walk: %1 and %2").arg(first, expend.textAt(r, field))));
            QVERIFY2(doneOrNext(first, done, replace ? supplierOf : tagOf), qPrintable(run + first));
        } else if (operation == QLatin1String("close sequence")) {
            View diary(db, TableId::Diary);
            QCOMPARE(diary.rowCount(), 1);
            const QString day = diary.textAt(0, diary.fieldIndex(u"Day"));
            QVERIFY2(doneOrNext(day, done, [](qint64 g) { return g ? QStringLiteral("Day %1").arg(g) : QString(); }),
                     qPrintable(run + day));
            const auto listOf = [](const QString& what) {
                return [what](qint64 g) { return g ? what + QStringLiteral(" %1").arg(g) : QStringLiteral("<none>"); };
            };
            const QString toDo = textOf(folders.toDoFile());
            QVERIFY2(doneOrNext(toDo, done, listOf(QStringLiteral("To do"))), qPrintable(run + toDo));
            const QString important = textOf(folders.importantFile());
            QVERIFY2(doneOrNext(important, done, listOf(QStringLiteral("Important"))), qPrintable(run + important));
            const IniFile ini(folders.settingsFile());
            QVERIFY2(ini.status() != IniFile::Status::Unreadable, qPrintable(run + ini.errorText()));
            const QString company = ini.value(QStringLiteral("Detail"), QStringLiteral("Company"), QStringLiteral("<none>"));
            QVERIFY2(doneOrNext(company, done, listOf(QStringLiteral("Company"))), qPrintable(run + company));
        }
    }

private slots:
    void killedAtAnyMoment_data()
    {
        // The kill table: operation, kill points (the n-th SQLite write, or a
        // random moment up to `spread` microseconds after the child is ready),
        // runs and seed. 216 runs in all.
        QTest::addColumn<QString>("operation");
        QTest::addColumn<bool>("atWrite");
        QTest::addColumn<int>("spread");
        QTest::addColumn<int>("runs");
        QTest::addColumn<quint32>("seed");
        QTest::newRow("post, at a write") << "post" << true << 40 << 24 << 1u;
        QTest::newRow("post, at a moment") << "post" << false << 60000 << 24 << 2u;
        QTest::newRow("tag walk, at a write") << "tag walk" << true << 150 << 24 << 3u;
        QTest::newRow("tag walk, at a moment") << "tag walk" << false << 80000 << 24 << 4u;
        QTest::newRow("field replace, at a write") << "field replace" << true << 150 << 24 << 5u;
        QTest::newRow("field replace, at a moment") << "field replace" << false << 80000 << 24 << 6u;
        QTest::newRow("close sequence, at a write") << "close sequence" << true << 30 << 24 << 7u;
        QTest::newRow("close sequence, at a moment") << "close sequence" << false << 60000 << 24 << 8u;
        QTest::newRow("settings write, at a moment") << "settings write" << false << 60000 << 24 << 9u;
    }
    void killedAtAnyMoment()
    {
        QFETCH(QString, operation);
        QFETCH(bool, atWrite);
        QFETCH(int, spread);
        QFETCH(int, runs);
        QFETCH(quint32, seed);
        QRandomGenerator random(seed);
        qint64 least = std::numeric_limits<qint64>::max();
        qint64 most = 0;
        for (int run = 0; run < runs; ++run) {
            QTemporaryDir folder;
            QVERIFY(folder.isValid());
            qputenv("KELVORA_CONFIG_DIR", folder.filePath(QStringLiteral("config")).toUtf8());
            prepare(operation, folder.path());
            const int point = 1 + int(random.bounded(quint32(spread)));
            const qint64 done = runAndKill(operation, folder.path(), atWrite, point);
            verify(operation, folder.path(),
                   done, QStringLiteral("run %1 (kill point %2, %3 done): ").arg(run).arg(point).arg(done));
            if (QTest::currentTestFailed())
                return;
            least = std::min(least, done);
            most = std::max(most, done);
        }
        qInfo("%d kills, each after %lld to %lld finished steps", runs, least, most);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], kChildSwitch) == 0)
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), QByteArray(argv[4]).toInt());
    tst_CrashConsistency test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_CrashConsistency.moc"
