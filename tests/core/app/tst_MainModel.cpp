#include "core/app/MainModel.h"
#include "core/diary/DiaryModel.h"
#include "core/settings/IniFile.h"
#include "core/settings/ListFile.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <sqlite3.h>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDataFolder;

namespace {

const QDateTime kNow = TempDataFolder::kNow;
const QString kNobodyHome = QStringLiteral("ShowMessage: Sorry, Nobody Home");
const QString kQuit = QStringLiteral("MessageDlg(Confirmation): Do you wish to Quit ?");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class tst_MainModel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    ScriptedUserPort m_port;

    AppFolders folders() { return m_dir->folders(); }
    std::unique_ptr<MainModel> model() { return m_dir->model(m_port); }

    void addExpenses(const QList<int>& refs)
    {
        Database db(folders().databaseFile());
        View e(db, TableId::Expense);
        for (int ref : refs) {
            e.append();
            e.setField(u"Ref", double(ref));
            e.post();
        }
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<TempDataFolder>();
        m_port = ScriptedUserPort();
    }

    void firstStartCreatesTheDatabaseAndTodaysDiaryRecord()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        QVERIFY(m->show({}));
        QCOMPARE(m->diary()->rowCount(), 1);
        QCOMPARE(m->diary()->asDate(u"Date"), kNow.date());
        QCOMPARE(m->diaryModel()->calendarDate(), kNow.date());
        // An empty owner name leaves the three blanks before the date.
        QCOMPARE(m->windowCaption(), QStringLiteral(" Kelvora   -   Registered Owner :    Friday 11 December 2026"));
        QVERIFY(m_port.log().isEmpty());
    }

    void aFileThatIsNotADatabaseGivesNobodyHome_data()
    {
        QTest::addColumn<MsgButton>("answer");
        QTest::addColumn<MainModel::StartUp>("outcome");
        QTest::newRow("quit") << MsgButton::Yes << MainModel::StartUp::Quit;
        QTest::newRow("stay") << MsgButton::No << MainModel::StartUp::NoDatabase;
    }
    void aFileThatIsNotADatabaseGivesNobodyHome()
    {
        QFETCH(MsgButton, answer);
        QFETCH(MainModel::StartUp, outcome);
        const AppFolders f = folders();
        QVERIFY(writeAll(f.databaseFile(), QByteArray(4096, 'x')));
        m_port.queueButton(answer);
        auto m = model();
        QCOMPARE(m->startUp(), outcome);
        QCOMPARE(m_port.log(), QStringList({kNobodyHome, kQuit}));
        QVERIFY(!m->hasDatabase());
        // The user's file is left exactly as it was.
        QCOMPARE(readAll(f.databaseFile()), QByteArray(4096, 'x'));
    }

    void aSqliteFileWithoutTheTablesIsLeftUntouched()
    {
        const AppFolders f = folders();
        sqlite3* handle = nullptr;
        QCOMPARE(sqlite3_open(f.databaseFile().toUtf8().constData(), &handle), SQLITE_OK);
        QCOMPARE(sqlite3_exec(handle, "CREATE TABLE Recipes (Name TEXT); INSERT INTO Recipes VALUES ('Scones');",
                              nullptr, nullptr, nullptr),
                 SQLITE_OK);
        sqlite3_close(handle);
        const QByteArray before = readAll(f.databaseFile());
        m_port.queueButton(MsgButton::No);
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::NoDatabase);
        QCOMPARE(m_port.log(), QStringList({kNobodyHome, kQuit}));
        m.reset();
        QCOMPARE(readAll(f.databaseFile()), before);
        QVERIFY(!QFile::exists(f.databaseFile() + QStringLiteral("-wal")));
    }

    void aFolderWithOurFilesButNoDatabaseAsks_data()
    {
        QTest::addColumn<MsgButton>("answer");
        QTest::newRow("create it") << MsgButton::Yes;
        QTest::newRow("do not") << MsgButton::No;
    }
    void aFolderWithOurFilesButNoDatabaseAsks()
    {
        QFETCH(MsgButton, answer);
        const AppFolders f = folders();
        QVERIFY(writeAll(f.settingsFile(), "[Detail]\r\nCompany=Kept Company\r\n"));
        m_port.queueButton(answer);
        m_port.queueButton(MsgButton::No);
        auto m = model();
        const QString question = QStringLiteral("MessageDlg(Confirmation): No database was found in %1. Create a new, "
                                                "empty one?")
                                     .arg(QDir::toNativeSeparators(QDir::cleanPath(f.dataFolder())));
        if (answer == MsgButton::Yes) {
            QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
            QCOMPARE(m_port.log(), QStringList{question});
            QVERIFY(QFile::exists(f.databaseFile()));
        } else {
            QCOMPARE(m->startUp(), MainModel::StartUp::NoDatabase);
            QCOMPARE(m_port.log(), QStringList({question, kNobodyHome, kQuit}));
            QVERIFY(!QFile::exists(f.databaseFile()));
        }
    }

    void whenTheLogCannotBeWrittenTheReasonIsShown()
    {
        // The data folder cannot take the log nor hold a database: the user must
        // still learn why nothing opens.
        const AppFolders f = folders();
        QVERIFY(QDir().mkpath(f.errorLogFile()));
        QVERIFY(QDir().mkpath(f.databaseFile()));
        m_port.queueButton(MsgButton::No);
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::NoDatabase);
        QCOMPARE(m_port.log(), QStringList({kNobodyHome + QStringLiteral("\r\n") + f.databaseFile() +
                                                QStringLiteral(" is not a database file."),
                                            kQuit}));
    }

    void anUnusableSettingsFileIsWarnedAboutAndKept_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a NUL byte") << "nul";
        QTest::newRow("random bytes") << "random";
    }
    void anUnusableSettingsFileIsWarnedAboutAndKept()
    {
        QFETCH(QString, kind);
        const AppFolders f = folders();
        addExpenses({});
        QByteArray bytes;
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(f.settingsFile()));
        } else {
            if (kind == QLatin1String("nul")) {
                bytes = QByteArray("[Detail]\r\nCompany=Kept Company\r\n\0\r\n", 35);
            } else {
                QRandomGenerator random(20261211);
                for (int i = 0; i < 512; ++i)
                    bytes.append(char(random.bounded(256)));
            }
            QVERIFY(writeAll(f.settingsFile(), bytes));
        }
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        QCOMPARE(m_port.log().size(), 1);
        const QString warning = m_port.log().first();
        QVERIFY2(warning.startsWith(QStringLiteral("MessageDlg(Warning): The settings file ") + f.settingsFile() +
                                    QStringLiteral(" cannot be used: ")),
                 qPrintable(warning));
        QVERIFY(warning.endsWith(QStringLiteral("Kelvora starts with the default settings and will not overwrite "
                                                "that file. Repair or move it to keep your settings.")));
        QVERIFY(m->show({}));
        m->settings().setValue(SettingKey::Company, QStringLiteral("Typed Today"));
        m_port.queueButton(MsgButton::Yes);
        QVERIFY(m->closeSequence());
        if (kind == QLatin1String("folder"))
            QVERIFY(QFileInfo(f.settingsFile()).isDir());
        else
            QCOMPARE(readAll(f.settingsFile()), bytes);
    }

    void closeSavesSettingsListsAndPendingEdits()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        QVERIFY(m->show({}));
        m->toDo().setText(QStringLiteral("Ring the bank\r\nPay rates"));
        m->settings().setValue(SettingKey::ABN, QStringLiteral("51 824 753 556"));
        // An edited expense and a new one the user typed into are both kept.
        View& e = *m->expend();
        e.append();
        e.setField(u"Expense", QStringLiteral("Toner"));
        e.post();
        e.edit();
        e.setField(u"Supplier", QStringLiteral("Officeworks"));
        View& income = *m->income();
        income.append();
        income.setField(u"Incom", QStringLiteral("Consulting"));
        QVERIFY(m->closeSequence());
        QVERIFY(m->destroy());
        QVERIFY(m_port.log().isEmpty());

        QCOMPARE(ListFile::load(m->folders().toDoFile()), QStringLiteral("Ring the bank\r\nPay rates"));
        IniFile ini(m->folders().settingsFile());
        QCOMPARE(ini.value(QStringLiteral("Detail"), QStringLiteral("ABN")), QStringLiteral("51 824 753 556"));
        const QString dbPath = m->folders().databaseFile();
        m.reset();
        Database db(dbPath);
        View check(db, TableId::Expense);
        QCOMPARE(check.rowCount(), 1);
        QCOMPARE(check.asText(u"Supplier"), QStringLiteral("Officeworks"));
        QCOMPARE(check.asText(u"Invoice"), QStringLiteral("1"));
        View checkIncome(db, TableId::Income);
        QCOMPARE(checkIncome.rowCount(), 1);
        QCOMPARE(checkIncome.asText(u"Incom"), QStringLiteral("Consulting"));
    }

    void aSettingsFileThatCannotBeWrittenStopsNothingElse_data()
    {
        QTest::addColumn<MsgButton>("answer");
        QTest::addColumn<bool>("mayClose");
        QTest::newRow("quit anyway") << MsgButton::Yes << true;
        QTest::newRow("stay") << MsgButton::No << false;
    }
    void aSettingsFileThatCannotBeWrittenStopsNothingElse()
    {
        QFETCH(MsgButton, answer);
        QFETCH(bool, mayClose);
        const AppFolders f = folders();
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        QVERIFY(m->show({}));
        // Something takes the settings file's place while Kelvora runs.
        QVERIFY(QDir().mkpath(f.settingsFile()));
        View& diary = *m->diary();
        diary.edit();
        diary.setField(u"Day", QStringLiteral("Met the accountant"));
        m->toDo().setText(QStringLiteral("File the BAS"));
        m->important().setText(QStringLiteral("Safe code 1234"));
        m_port.queueButton(answer);
        QCOMPARE(m->closeSequence(), mayClose);

        QCOMPARE(m_port.log().size(), 1);
        const QString question = m_port.log().first();
        QVERIFY2(question.startsWith(QStringLiteral("MessageDlg(Warning): Kelvora could not save everything:\r\n\r\n") +
                                     f.settingsFile() + QStringLiteral(" could not be read (")),
                 qPrintable(question));
        QVERIFY(question.endsWith(QStringLiteral("\r\n\r\nQuit anyway?")));
        // The typed text and the lists are saved whatever the answer.
        QCOMPARE(diary.state(), View::State::Browse);
        QCOMPARE(ListFile::load(f.toDoFile()), QStringLiteral("File the BAS"));
        QCOMPARE(ListFile::load(f.importantFile()), QStringLiteral("Safe code 1234"));
        Database db(f.databaseFile());
        View check(db, TableId::Diary);
        QCOMPARE(check.asText(u"Day"), QStringLiteral("Met the accountant"));
        // The failure is in the log for whoever looks later.
        QVERIFY(readAll(f.errorLogFile()).contains("could not be read"));
    }

    void anUnreadableListFileIsNotOverwrittenAtClose()
    {
        const AppFolders f = folders();
        addExpenses({});
        QVERIFY(QDir().mkpath(f.toDoFile())); // a folder where the file should be
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        QCOMPARE(m_port.log().size(), 1);
        QVERIFY(m_port.log().first().startsWith(QStringLiteral("MessageDlg(Error): ")));
        QVERIFY(m->hasDatabase());
        m->important().setText(QStringLiteral("kept"));
        QVERIFY(m->closeSequence());
        QVERIFY(QFileInfo(f.toDoFile()).isDir());
        QCOMPARE(ListFile::load(f.importantFile()), QStringLiteral("kept"));
        QVERIFY(readAll(f.errorLogFile()).startsWith("11/12/2026 09:30:00:"));
    }

    void theStartupPasswordIsAskedWhateverFailsBeforeIt()
    {
        addExpenses({1, 2});
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        m->settings().setStartupPassword(QStringLiteral("Secret"));
        // A pending edit the database refuses makes finding the last Ref fail.
        View& e = *m->expend();
        QVERIFY(e.locate(u"Ref", Value::integer(1)));
        e.edit();
        e.setField(u"Ref", Value::integer(2));
        m_port.clearLog();
        int asked = 0;
        QVERIFY(!m->show([&] {
            ++asked;
            return false;
        }));
        QCOMPARE(asked, 1);
        QCOMPARE(m_port.log().size(), 1);
        QVERIFY(m_port.log().first().startsWith(QStringLiteral("MessageDlg(Error): ")));
    }

    void setPeriodAndYearActsOnTheActivePageOnly()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        m->settings().setValue(SettingKey::FiscalYr, QStringLiteral("Fin"));
        View& e = *m->expend();
        e.append();
        e.setField(u"Date", QDate(2004, 8, 20));
        e.post();
        m->setActivePage(PageId::Clients);
        m->SetPeriodAndYear();
        QVERIFY(e.isNull(u"Period"));
        m->setActivePage(PageId::Expenses);
        m->SetPeriodAndYear();
        QCOMPARE(e.asText(u"Period"), QStringLiteral("0403"));
    }

    void theBirthdayQuestionComesOnTheFirstPageChangeOfTheFirst_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("questions");
        QTest::newRow("first of the month") << QDate(2026, 11, 1) << 2;
        QTest::newRow("second of the month") << QDate(2026, 11, 2) << 0;
    }
    void theBirthdayQuestionComesOnTheFirstPageChangeOfTheFirst()
    {
        QFETCH(QDate, today);
        QFETCH(int, questions);
        auto m = m_dir->model(m_port, QDateTime(today, QTime(9, 0)));
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        View& names = *m->names();
        for (const auto& [surname, dob] : {std::pair{"Near", QDate(1980, 11, 20)}, {"Far", QDate(1980, 12, 5)}}) {
            names.append();
            names.setField(u"Surname", QString::fromLatin1(surname));
            names.setField(u"DOB", dob);
            names.post();
        }
        const QString question = QStringLiteral("MessageDlg(Confirmation): Check for Birthdays within next Month ?");
        m_port.queueButton(MsgButton::Yes);
        QCOMPARE(m->pageChanged(), questions > 0);
        QCOMPARE(m->pageChanged(), false); // asked once per activation
        if (questions > 0) {
            QCOMPARE(names.rowCount(), 1);
            QCOMPARE(names.asText(u"Surname"), QStringLiteral("Near"));
        }
        // A modal window closed: the main window is active again and asks anew.
        m->FormActivate();
        m_port.queueButton(MsgButton::No);
        QCOMPARE(m->pageChanged(), false);
        QCOMPARE(m_port.log().count(question), questions);
        QCOMPARE(m_port.pendingAnswers(), questions ? 0 : 2); // unasked, unanswered
    }
};

QTEST_GUILESS_MAIN(tst_MainModel)
#include "tst_MainModel.moc"
