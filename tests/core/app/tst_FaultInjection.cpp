#include "core/app/MainModel.h"
#include "core/settings/IniFile.h"
#include "core/settings/ListFile.h"
#include "core/store/Database.h"
#include "core/store/Transaction.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/TempDataFolder.h"
#include "support/store/FaultVfs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <sqlite3.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kelvora;
using kelvora::test::FaultVfs;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDataFolder;

// Faults of the disk and of other programs, injected under the program's own
// SQLite connection by the test VFS: each must end in a clear message, keep
// what was posted before, keep what the user typed, and leave the program
// working once the fault is gone.

namespace {

constexpr const char* kHoldLockSwitch = "--hold-write-lock";
constexpr const char* kReadOnlySwitch = "--read-only-folder";

enum class Fault { DiskFull, Busy, OtherProcess };
enum class Operation { Post, BulkChange, Close };

const QString kKept = QStringLiteral("posted before");

// Another program writing the file: it holds the write lock for `milliseconds`,
// or until its standard input closes.
int holdWriteLock(const QString& path, int milliseconds)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open(path.toUtf8().constData(), &handle) != SQLITE_OK ||
        sqlite3_exec(handle, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return 2;
    std::printf("locked\n");
    std::fflush(stdout);
    if (milliseconds > 0) {
        QThread::msleep(ulong(milliseconds));
    } else {
        char buffer[16];
        while (std::fread(buffer, 1, sizeof buffer, stdin) > 0) {
        }
    }
    sqlite3_exec(handle, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
    return 0;
}

QStringList suppliers(View& view)
{
    QStringList texts;
    for (int r = 0; r < view.rowCount(); ++r)
        texts << view.textAt(r, view.fieldIndex(u"Supplier"));
    return texts;
}

// A record that passes the summary check of the Expenses page.
void typeExpense(View& e, const QString& text)
{
    e.append();
    e.setField(u"Expense", text);
    e.setField(u"Supplier", QStringLiteral("Before"));
    e.setField(u"F1", 10.0);
    e.setField(u"Tax", 1.0);
    e.setField(u"Bank", 11.0);
}

// The walk of the tag and replace tools: every record in one transaction.
void replaceSuppliers(View& view, const QString& text)
{
    Transaction walk(view.database());
    for (int r = 0; r < view.rowCount(); ++r)
        view.updateRow(r, u"Supplier", Value::text(text));
    walk.commit();
}

// A read-only data folder, seen by a process that is not allowed to write it:
// prints what the user was shown, one box a line.
int readOnlyFolder(const QString& folder)
{
    ScriptedUserPort port;
    port.queueButton(MsgButton::No); // "Do you wish to Quit ?" or "Quit anyway?"
    port.queueButton(MsgButton::No);
    MainModel m(AppFolders::resolve(folder), port, Regional::australian(), [] { return TempDataFolder::kNow; });
    if (m.startUp() == MainModel::StartUp::Ready && m.show({})) {
        m.toDo().setText(QStringLiteral("typed while read-only"));
        m.closeSequence();
    }
    for (const QString& line : port.log())
        std::printf("%s\n", line.toUtf8().constData());
    return 0;
}

} // namespace

Q_DECLARE_METATYPE(Fault)
Q_DECLARE_METATYPE(Operation)

class tst_FaultInjection : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    ScriptedUserPort m_port;
    std::unique_ptr<MainModel> m_model;
    QProcess m_otherProgram;

    void startFault(Fault fault)
    {
        switch (fault) {
        case Fault::DiskFull:
            FaultVfs::install().fillDiskAfter(0);
            break;
        case Fault::Busy:
            FaultVfs::install().setBusy(true);
            break;
        case Fault::OtherProcess:
            m_otherProgram.start(QCoreApplication::applicationFilePath(),
                                 {QString::fromLatin1(kHoldLockSwitch), m_model->folders().databaseFile()});
            QVERIFY(m_otherProgram.waitForReadyRead(10000));
            QCOMPARE(m_otherProgram.readAllStandardOutput(), QByteArray("locked\n"));
            break;
        }
        // How long the program waits for a busy file is not the question here.
        sqlite3_busy_timeout(m_model->database()->handle(), 200);
    }

    void endFault()
    {
        FaultVfs::install().heal();
        if (m_otherProgram.state() != QProcess::NotRunning) {
            m_otherProgram.closeWriteChannel();
            QVERIFY(m_otherProgram.waitForFinished(10000));
        }
    }

private slots:
    void initTestCase() { FaultVfs::install(); }

    void init()
    {
        m_dir = std::make_unique<TempDataFolder>();
        m_port = ScriptedUserPort();
        m_model = m_dir->model(m_port);
        QCOMPARE(m_model->startUp(), MainModel::StartUp::Ready);
        QVERIFY(m_model->show({}));
        View& e = *m_model->expend();
        for (int i = 0; i < 3; ++i) {
            typeExpense(e, kKept);
            e.post();
        }
    }

    void cleanup()
    {
        endFault();
        m_model.reset();
        m_dir.reset();
    }

    // The fault table: fault, operation, the message the user gets. What must
    // survive is the same for every row: the three records posted before, the
    // text typed into the record being edited, and a program that completes the
    // operation once the fault is gone.
    void faultGivesMessageAndLosesNothing_data()
    {
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("message");
        const QString full = QStringLiteral("database or disk is full");
        const QString locked = QStringLiteral("database is locked");
        const QString postFailed = QStringLiteral("MessageDlg(Error): The Expense record could not be saved: ");
        const QString closeFailed = QStringLiteral("MessageDlg(Warning): Kelvora could not save everything:\r\n\r\n"
                                                   "The Diary record could not be saved: %1\r\n\r\nQuit anyway?");
        QTest::newRow("disk full during a post") << Fault::DiskFull << Operation::Post << postFailed + full;
        QTest::newRow("disk full during a bulk change")
            << Fault::DiskFull << Operation::BulkChange << QStringLiteral("MessageDlg(Error): ") + full;
        QTest::newRow("disk full during close") << Fault::DiskFull << Operation::Close << closeFailed.arg(full);
        QTest::newRow("busy file during a post") << Fault::Busy << Operation::Post << postFailed + locked;
        QTest::newRow("busy file during close") << Fault::Busy << Operation::Close << closeFailed.arg(locked);
        QTest::newRow("another program writing, during a bulk change")
            << Fault::OtherProcess << Operation::BulkChange << QStringLiteral("MessageDlg(Error): ") + locked;
    }
    void faultGivesMessageAndLosesNothing()
    {
        QFETCH(Fault, fault);
        QFETCH(Operation, operation);
        QFETCH(QString, message);
        MainModel& m = *m_model;
        View& e = *m.expend();
        View& diary = *m.diary();
        m_port.clearLog();

        startFault(fault);
        switch (operation) {
        case Operation::Post:
            typeExpense(e, QStringLiteral("typed during the fault"));
            QVERIFY(!m.reporter().guarded([&] { e.post(); }));
            QCOMPARE(e.state(), View::State::Insert);
            QCOMPARE(e.asText(u"Expense"), QStringLiteral("typed during the fault"));
            break;
        case Operation::BulkChange:
            QVERIFY(!m.reporter().guarded([&] { replaceSuppliers(e, QStringLiteral("After")); }));
            // Memory shows what the file holds: not one record of the walk.
            QCOMPARE(suppliers(e), QStringList(3, QStringLiteral("Before")));
            break;
        case Operation::Close:
            diary.edit();
            diary.setField(u"Day", QStringLiteral("typed during the fault"));
            m.toDo().setText(QStringLiteral("to do during the fault"));
            m_port.queueButton(MsgButton::No);
            QVERIFY(!m.closeSequence());
            QCOMPARE(diary.state(), View::State::Edit);
            QCOMPARE(diary.asText(u"Day"), QStringLiteral("typed during the fault"));
            // What does not need the database is saved all the same.
            QCOMPARE(ListFile::load(m.folders().toDoFile()), QStringLiteral("to do during the fault"));
            break;
        }
        QVERIFY2(m_port.log() == QStringList{message}, qPrintable(m_port.log().join(QLatin1Char('\n'))));
        endFault();

        // The same operation again, on a healthy disk, with nobody in the way.
        m_port.clearLog();
        switch (operation) {
        case Operation::Post:
            QVERIFY(m.reporter().guarded([&] { e.post(); }));
            break;
        case Operation::BulkChange:
            QVERIFY(m.reporter().guarded([&] { replaceSuppliers(e, QStringLiteral("After")); }));
            break;
        case Operation::Close:
            QVERIFY(m.closeSequence());
            break;
        }
        QCOMPARE(m_port.log(), QStringList());

        // The next start finds everything.
        const AppFolders folders = m.folders();
        m_model.reset();
        Database db(folders.databaseFile());
        View check(db, TableId::Expense);
        QStringList expenses;
        for (int r = 0; r < check.rowCount(); ++r)
            expenses << check.textAt(r, check.fieldIndex(u"Expense"));
        const QStringList typed = operation == Operation::Post ? QStringList{QStringLiteral("typed during the fault")}
                                                               : QStringList();
        QCOMPARE(expenses, QStringList({kKept, kKept, kKept}) + typed);
        if (operation == Operation::BulkChange)
            QCOMPARE(suppliers(check).mid(0, 3), QStringList(3, QStringLiteral("After")));
        if (operation == Operation::Close) {
            View days(db, TableId::Diary);
            QCOMPARE(days.textAt(0, days.fieldIndex(u"Day")), QStringLiteral("typed during the fault"));
        }
    }

    void aShortLockByAnotherProgramIsWaitedOut()
    {
        // The program waits for a busy file: a lock that ends within the wait
        // is no failure at all.
        View& e = *m_model->expend();
        m_otherProgram.start(QCoreApplication::applicationFilePath(),
                             {QString::fromLatin1(kHoldLockSwitch), m_model->folders().databaseFile(),
                              QStringLiteral("400")});
        QVERIFY(m_otherProgram.waitForReadyRead(10000));
        QCOMPARE(m_otherProgram.readAllStandardOutput(), QByteArray("locked\n"));
        m_port.clearLog();
        typeExpense(e, QStringLiteral("waited"));
        QVERIFY(m_model->reporter().guarded([&] { e.post(); }));
        QVERIFY2(m_port.log().isEmpty(), qPrintable(m_port.log().join(QLatin1Char('\n'))));
        QCOMPARE(e.state(), View::State::Browse);
    }

    void aReadOnlyDataFolder_data()
    {
        QTest::addColumn<bool>("withJournalFiles");
        QTest::addColumn<QString>("expected");
        // Without its -wal and -shm files SQLite cannot open the file at all.
        QTest::newRow("read-only before the start")
            << false << QStringLiteral("ShowMessage: Sorry, Nobody Home\r\n");
        // With them the records work, and only the files Kelvora replaces at close cannot be written.
        QTest::newRow("read-only with the journal files there")
            << true << QStringLiteral("MessageDlg(Warning): Kelvora could not save everything:\r\n\r\n");
    }
    void aReadOnlyDataFolder()
    {
        QFETCH(bool, withJournalFiles);
        QFETCH(QString, expected);
        const AppFolders folders = m_model->folders();
        m_model->toDo().setText(QStringLiteral("kept"));
        QVERIFY(m_model->closeSequence());
        if (!withJournalFiles)
            m_model.reset(); // a clean close removes -wal and -shm
        const QString folder = folders.dataFolder();
        const QByteArray toDoBefore = ListFile::load(folders.toDoFile()).toUtf8();

        QProcess child;
        if (::geteuid() == 0) {
            // Root writes anywhere: the folder is given to an ordinary user,
            // who runs Kelvora in it.
            const passwd* nobody = ::getpwnam("nobody");
            if (!nobody)
                QSKIP("running as root without a user 'nobody': a read-only folder cannot be made");
            const uid_t uid = nobody->pw_uid;
            const gid_t gid = nobody->pw_gid;
            // Our own temporary folders on the way are opened to them; nothing above.
            const QString temp = QDir::tempPath() + QLatin1Char('/');
            for (QString path = folder; path.startsWith(temp); path = QFileInfo(path).absolutePath())
                ::chmod(QFile::encodeName(path).constData(), 0755);
            for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files))
                ::chown(QFile::encodeName(file.filePath()).constData(), uid, gid);
            ::chown(QFile::encodeName(folder).constData(), uid, gid);
            child.setChildProcessModifier([uid, gid] {
                if (::setgid(gid) != 0 || ::setuid(uid) != 0)
                    ::_exit(97);
            });
        }
        QVERIFY(::chmod(QFile::encodeName(folder).constData(), 0555) == 0);
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kReadOnlySwitch), folder});
        QVERIFY(child.waitForFinished(60000));
        ::chmod(QFile::encodeName(folder).constData(), 0755);
        if (child.exitCode() == 97 || child.exitCode() == 126 || child.exitCode() == 127)
            QSKIP("this machine does not let the test run as an ordinary user");
        QCOMPARE(child.exitCode(), 0);
        const QString shown = QString::fromUtf8(child.readAllStandardOutput());
        QVERIFY2(shown.startsWith(expected), qPrintable(shown));
        // The reason is in the box, since the error log cannot be written either.
        QVERIFY2(shown.contains(QDir::toNativeSeparators(folder)), qPrintable(shown));
        QCOMPARE(ListFile::load(folders.toDoFile()).toUtf8(), toDoBefore);
        Database db(folders.databaseFile());
        View check(db, TableId::Expense);
        QCOMPARE(check.rowCount(), 3);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], kHoldLockSwitch) == 0)
        return holdWriteLock(QString::fromLocal8Bit(argv[2]), argc > 3 ? QByteArray(argv[3]).toInt() : 0);
    if (argc == 3 && qstrcmp(argv[1], kReadOnlySwitch) == 0)
        return readOnlyFolder(QString::fromLocal8Bit(argv[2]));
    tst_FaultInjection test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_FaultInjection.moc"
