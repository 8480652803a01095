#include "core/base/KelvoraError.h"
#include "core/app/MainModel.h"
#include "core/settings/IniFile.h"
#include "core/settings/ListFile.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/ScriptedUserPort.h"
#include "support/TempDataFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDataFolder;

namespace {
const QDateTime kNow = TempDataFolder::kNow;
}

class tst_MainModel : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    ScriptedUserPort m_port;

    AppFolders folders() { return m_dir->folders(); }
    std::unique_ptr<MainModel> model() { return m_dir->model(m_port); }

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
        QCOMPARE(m->lastExpenseRef(), 0);
        QCOMPARE(m->diaryHeading(QDate(2012, 3, 5)), QStringLiteral("Diary for Monday 5 March 2012"));
        // An empty owner name leaves the three blanks before the date.
        QCOMPARE(m->windowCaption(),
                 QStringLiteral(" Kelvora   -   Registered Owner :    Friday 11 December 2026"));
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
        QFile junk(f.databaseFile());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        m_port.queueButton(answer);
        auto m = model();
        QCOMPARE(m->startUp(), outcome);
        QCOMPARE(m_port.log(), QStringList({QStringLiteral("ShowMessage: Sorry, Nobody Home"),
                                            QStringLiteral("MessageDlg(Confirmation): Do you wish to Quit ?")}));
        QVERIFY(!m->hasDatabase());
        // The user's file is left exactly as it was.
        QFile check(f.databaseFile());
        QVERIFY(check.open(QIODevice::ReadOnly));
        QCOMPARE(check.readAll(), QByteArray(4096, 'x'));
    }

    void closeSavesSettingsListsAndPendingEdits()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        QVERIFY(m->show({}));
        m->setToDoText(QStringLiteral("Ring the bank\r\nPay rates"));
        m->settings().setValue(QStringLiteral("ABN"), QStringLiteral("51 824 753 556"));
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
        m->closeSequence();
        QVERIFY(m->destroy());

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

    void anUnreadableListFileIsNotOverwrittenAtClose()
    {
        const AppFolders f = folders();
        QVERIFY(QDir().mkpath(f.toDoFile())); // a folder where the file should be
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        QCOMPARE(m_port.log().size(), 1);
        QVERIFY(m_port.log().first().startsWith(QStringLiteral("MessageDlg(Error): ")));
        QVERIFY(m->hasDatabase());
        m->setImportantText(QStringLiteral("kept"));
        m->closeSequence();
        QVERIFY(QFileInfo(f.toDoFile()).isDir());
        QCOMPARE(ListFile::load(f.importantFile()), QStringLiteral("kept"));
        QFile log(f.errorLogFile());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().startsWith("11/12/2026 09:30:00:"));
    }

    void startupPassword()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        m->settings().setStartupPassword(QStringLiteral("Secret"));
        int asked = 0;
        QVERIFY(!m->show([&] {
            ++asked;
            return m->acceptStartupPassword(QStringLiteral("secret"));
        }));
        QCOMPARE(asked, 1);
        QCOMPARE(m_port.log(), QStringList{QStringLiteral("MessageDlg(Warning): You MUST enter the correct PASSWORD.")});
        QVERIFY(m->acceptStartupPassword(QStringLiteral("Secret")));
        QVERIFY(!m->acceptStartupPassword(QString()));
        m_port.clearLog();
        m->refuseStartupPassword();
        m->startupPasswordAltF4();
        QCOMPARE(m_port.log(), QStringList({QStringLiteral("MessageDlg(Information): Login Failed"),
                                            QStringLiteral("MessageDlg(Error): You are NOT permitted to close the "
                                                           "form this way.")}));
    }

    void changePassword_data()
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
    void changePassword()
    {
        QFETCH(QString, current);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, message);
        QFETCH(QString, nowAccepted);
        auto m = model();
        m->settings().setStartupPassword(QStringLiteral("Old"));
        m_port.queueText(current);
        if (message.contains(QLatin1String("incorrect")) == false) {
            m_port.queueText(first);
            m_port.queueText(second);
        }
        m->changePassword();
        QCOMPARE(m_port.lastLine(), message);
        QCOMPARE(m->settings().hasStartupPassword(), !nowAccepted.isEmpty());
        if (!nowAccepted.isEmpty())
            QVERIFY(m->settings().startupPasswordMatches(nowAccepted));
    }

    void gridClipboardCommands()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        View& names = *m->names();
        names.append();
        names.setField(u"Surname", QStringLiteral("Bailey"));
        names.post();
        m->gridCopy(names, QStringLiteral("Surname"));
        QCOMPARE(m_port.clipboard, QStringLiteral("Bailey"));
        m->gridCut(names, QStringLiteral("Surname"));
        QVERIFY(names.isNull(u"Surname"));
        QCOMPARE(names.state(), View::State::Browse);
        m_port.clipboard = QStringLiteral("Carmody");
        m->gridPaste(names, QStringLiteral("Surname"));
        QCOMPARE(names.asText(u"Surname"), QStringLiteral("Carmody"));
        // A clipboard text longer than the field is refused and the record stays as it was.
        m_port.clipboard = QString(40, QLatin1Char('z'));
        QVERIFY_THROWS_EXCEPTION(KelvoraError, m->gridPaste(names, QStringLiteral("Surname")));
        QCOMPARE(names.asText(u"Surname"), QStringLiteral("Carmody"));
        QCOMPARE(names.state(), View::State::Browse);
        // A refused paste into a record the user is already editing keeps what was typed.
        names.edit();
        names.setField(u"FirstName", QStringLiteral("Joyce"));
        QVERIFY_THROWS_EXCEPTION(KelvoraError, m->gridPaste(names, QStringLiteral("Surname")));
        QCOMPARE(names.state(), View::State::Edit);
        QCOMPARE(names.asText(u"FirstName"), QStringLiteral("Joyce"));
    }

    void pictureClipboardCommands()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        View& names = *m->names();
        names.append();
        names.setField(u"Surname", QStringLiteral("Bailey"));
        names.post();
        const QByteArray png = QByteArray::fromHex("89504e470d0a1a0a") + QByteArray("rest of a picture\0with a nul", 28);
        m_port.clipboardImage = png;
        m->picturePaste();
        QCOMPARE(names.asBlob(u"Pix"), png);
        QCOMPARE(names.state(), View::State::Browse);
        m_port.clipboardImage.clear();
        m->pictureCut();
        QCOMPARE(m_port.clipboardImage, png);
        QVERIFY(names.isNull(u"Pix"));
        // Nothing on the clipboard: the record is left alone.
        m_port.clipboardImage.clear();
        m->picturePaste();
        QVERIFY(names.isNull(u"Pix"));
    }

    void setPeriodAndYearActsOnTheActiveLedgerPage()
    {
        auto m = model();
        QCOMPARE(m->startUp(), MainModel::StartUp::Ready);
        m->settings().setValue(QStringLiteral("Period"), QStringLiteral("3"));
        m->settings().setValue(QStringLiteral("FiscalYr"), QStringLiteral("Fin"));
        View& e = *m->expend();
        e.append();
        e.setField(u"Date", QDate(2004, 8, 20));
        // Being inserted: never given codes.
        m->setActivePage(MainModel::Page::Expenses);
        m->SetPeriodAndYear();
        QCOMPARE(e.state(), View::State::Insert);
        e.post();
        // Another page: nothing written.
        m->setActivePage(MainModel::Page::Clients);
        m->SetPeriodAndYear();
        QVERIFY(e.isNull(u"Period"));
        m->setActivePage(MainModel::Page::Expenses);
        m->SetPeriodAndYear();
        QCOMPARE(e.state(), View::State::Browse);
        QCOMPARE(e.asText(u"Period"), QStringLiteral("0403"));
        QCOMPARE(e.asText(u"Year"), QStringLiteral("0405"));
        // 2001: nothing written, no message.
        e.edit();
        e.setField(u"Date", QDate(2001, 3, 10));
        e.post();
        m->SetPeriodAndYear();
        QCOMPARE(e.asText(u"Year"), QStringLiteral("0405"));
        QVERIFY(m_port.log().isEmpty());
        // No date on the income page: "Enter Date" and nothing written.
        View& i = *m->income();
        i.append();
        i.setField(u"Incom", QStringLiteral("Fees"));
        i.post();
        m->setActivePage(MainModel::Page::Income);
        m->SetPeriodAndYear();
        QCOMPARE(m_port.log(), QStringList{QStringLiteral("MessageDlg(Information): Enter Date")});
        QVERIFY(i.isNull(u"Period"));
    }

    void scaledWidthRoundsHalvesAwayFromZero_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("newWidth");
        QTest::addColumn<int>("reference");
        QTest::addColumn<int>("expected");
        QTest::newRow("grow") << 100 << 1500 << 1000 << 150;
        QTest::newRow("half up") << 3 << 1500 << 1000 << 5; // 4.5
        QTest::newRow("shrink") << 98 << 672 << 1344 << 49;
        QTest::newRow("no reference yet") << 80 << 1200 << 0 << 80;
    }
    void scaledWidthRoundsHalvesAwayFromZero()
    {
        QFETCH(int, width);
        QFETCH(int, newWidth);
        QFETCH(int, reference);
        QFETCH(int, expected);
        QCOMPARE(MainModel::scaledWidth(width, newWidth, reference), expected);
    }
};

QTEST_GUILESS_MAIN(tst_MainModel)
#include "tst_MainModel.moc"
