#include "core/settings/IniFile.h"
#include "core/settings/ListFile.h"
#include "gui/dialogs/security/TPasswordDlg.h"
#include "gui/pages/ClientsPage.h"
#include "gui/pages/DiaryPage.h"
#include "gui/pages/LedgerPage.h"
#include "gui/pages/OfficePage.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/MainFormFixture.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace kelvora;
using kelvora::test::MainFormFixture;
using kelvora::test::ScriptedUserPort;

class tst_TMainForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainFormFixture> f;

    // Answers the password dialog as soon as it is up.
    void answerPassword(const std::function<void(TPasswordDlg&)>& answer)
    {
        QTimer::singleShot(0, this, [answer] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dlg = qobject_cast<TPasswordDlg*>(w); dlg && dlg->isVisible()) {
                    answer(*dlg);
                    return;
                }
        });
    }

private slots:
    void init() { f = std::make_unique<MainFormFixture>(); }
    void cleanup() { f.reset(); }

    void pagesAndCaption()
    {
        QVERIFY(f->start());
        TMainForm& form = *f->form;
        QStringList captions;
        for (int i = 0; i < form.PageControl->count(); ++i)
            captions << form.PageControl->tabText(i);
        QCOMPARE(captions, QStringList({"Diary", "Clients", "Expenses", "Income", "Office"}));
        QCOMPARE(form.PageControl->currentWidget(), form.TabDiary);
        QCOMPARE(form.windowTitle(), QStringLiteral(" Kelvora   -   Registered Owner :    Friday 11 December 2026"));
        for (const char* name : {"DiaryGrid", "NamesGrid", "ExpendGrid", "IncomeGrid", "Daytime", "ClientNotes",
                                 "NoteExp", "NoteInc", "ToDo", "Impt", "Calendar", "NowBtn", "Pix", "OwnerName",
                                 "TealPanel", "Panel2", "ClientHead", "ExpHeadPanel", "IncHeadPanel", "LocalHead"})
            QVERIFY2(form.findChild<QWidget*>(QString::fromLatin1(name)), name);
        // The show sequence's widths of the client grid.
        QHeaderView* names = form.clientsPage()->NamesGrid->horizontalHeader();
        QCOMPARE(names->sectionSize(7), 90);
        QCOMPARE(names->sectionSize(11), 98);
        QCOMPARE(names->sectionSize(13), 98);
    }

    void aClickOnAHeadingGoesToTheDiary_data()
    {
        QTest::addColumn<QString>("band");
        QTest::newRow("clients") << "ClientHead";
        QTest::newRow("expenses") << "ExpHeadPanel";
        QTest::newRow("income") << "IncHeadPanel";
        QTest::newRow("office") << "LocalHead";
    }
    void aClickOnAHeadingGoesToTheDiary()
    {
        QFETCH(QString, band);
        QVERIFY(f->start());
        auto* panel = f->form->findChild<GradientPanel*>(band);
        QVERIFY(panel);
        f->form->PageControl->setCurrentWidget(panel->parentWidget());
        QTest::mouseClick(panel, Qt::LeftButton);
        QCOMPARE(f->form->PageControl->currentWidget(), f->form->TabDiary);
    }

    void closingAndExitSaveEverything_data()
    {
        QTest::addColumn<bool>("viaExit");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }
    void closingAndExitSaveEverything()
    {
        QFETCH(bool, viaExit);
        QVERIFY(f->start());
        TMainForm& form = *f->form;
        form.diaryPage()->ToDo->setPlainText(QStringLiteral("Lodge the BAS"));
        form.officePage()->Impt->setPlainText(QStringLiteral("BSB 732-557"));
        QTest::keyClicks(form.officePage()->box(QStringLiteral("ABN")), QStringLiteral("53 004"));
        if (viaExit)
            form.Exit1Click();
        else
            form.close();
        QVERIFY(!form.isVisible());
        const AppFolders folders = f->folders();
        QCOMPARE(ListFile::load(folders.toDoFile()), QStringLiteral("Lodge the BAS"));
        QCOMPARE(ListFile::load(folders.importantFile()), QStringLiteral("BSB 732-557"));
        IniFile ini(folders.settingsFile());
        QCOMPARE(ini.value(QStringLiteral("Detail"), QStringLiteral("ABN")), QStringLiteral("53 004"));
        QVERIFY(QFile::exists(AppFolders::settingsKeyFile()));
    }

    void aCloseThatCannotSaveAsksBeforeQuitting_data()
    {
        QTest::addColumn<MsgButton>("answer");
        QTest::addColumn<bool>("closed");
        QTest::newRow("quit anyway") << MsgButton::Yes << true;
        QTest::newRow("stay") << MsgButton::No << false;
    }
    void aCloseThatCannotSaveAsksBeforeQuitting()
    {
        QFETCH(MsgButton, answer);
        QFETCH(bool, closed);
        QVERIFY(f->start());
        QVERIFY(QDir().mkpath(f->folders().settingsFile()));
        f->form->diaryPage()->ToDo->setPlainText(QStringLiteral("Still saved"));
        f->port.queueButton(answer);
        f->form->Exit1Click();
        QCOMPARE(!f->form->isVisible(), closed);
        QVERIFY(f->port.lastLine().endsWith(QStringLiteral("Quit anyway?")));
        QCOMPARE(ListFile::load(f->folders().toDoFile()), QStringLiteral("Still saved"));
    }

    void aSecondResizeScalesFromTheFirst()
    {
        QVERIFY(f->start([](TMainForm& form) { form.resize(1300, 600); }));
        QHeaderView* header = f->form->expensesPage()->Grid->horizontalHeader();
        QCOMPARE(header->sectionSize(5), 190);
        f->form->resize(1560, 600);
        QTRY_COMPARE(f->form->width(), 1560);
        QCOMPARE(header->sectionSize(5), 228);
        f->form->resize(1950, 600);
        QTRY_COMPARE(f->form->width(), 1950);
        QCOMPARE(header->sectionSize(5), 285);
        // The diary's dates keep their width.
        QCOMPARE(f->form->diaryPage()->DiaryGrid->width(), 178);
    }

    void aFileThatIsNotADatabase()
    {
        QFile junk(f->folders().databaseFile());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a database at all, just a text file with some words in it");
        junk.close();
        f->port.queueButton(MsgButton::No);
        QVERIFY(f->start());
        QCOMPARE(f->port.log().first(), QStringLiteral("ShowMessage: Sorry, Nobody Home"));
        QCOMPARE(f->form->PageControl->count(), 5);
        QVERIFY(!f->form->expensesPage());
        QVERIFY(f->form->officePage());
        f->form->close();

        f->form.reset();
        f->port = ScriptedUserPort();
        f->port.queueButton(MsgButton::Yes);
        QVERIFY(!f->start());
    }

    void passwordDialogEndings_data()
    {
        QTest::addColumn<QString>("ending");
        QTest::addColumn<bool>("allowed");
        QTest::addColumn<QString>("message");
        QTest::newRow("right password") << "Secret" << true << "";
        QTest::newRow("wrong password") << "secret" << false
                                        << "MessageDlg(Warning): You MUST enter the correct PASSWORD.";
        QTest::newRow("cancel") << "<cancel>" << false << "MessageDlg(Information): Login Failed";
        QTest::newRow("alt+f4") << "<alt+f4>" << false
                                << "MessageDlg(Error): You are NOT permitted to close the form this way.";
    }
    void passwordDialogEndings()
    {
        QFETCH(QString, ending);
        QFETCH(bool, allowed);
        QFETCH(QString, message);
        {
            auto seed = f->dir->model(f->port);
            seed->settings().setStartupPassword(QStringLiteral("Secret"));
            QVERIFY(seed->destroy());
        }
        answerPassword([ending](TPasswordDlg& dlg) {
            if (ending == QLatin1String("<cancel>")) {
                QTest::mouseClick(dlg.CancelBtn, Qt::LeftButton);
            } else if (ending == QLatin1String("<alt+f4>")) {
                QTest::keyClick(&dlg, Qt::Key_F4, Qt::AltModifier);
            } else {
                QTest::keyClicks(dlg.PasswordInfo, ending);
                QTest::mouseClick(dlg.OKBtn, Qt::LeftButton);
            }
        });
        QVERIFY(f->start());
        QCOMPARE(f->form->refused(), !allowed);
        QCOMPARE(f->port.lastLine(), message);
        if (!allowed) {
            // Refusing ends the program without the close steps: nothing is written but the settings key.
            f->form->close();
            QVERIFY(!QFile::exists(f->folders().settingsFile()));
            QVERIFY(!QFile::exists(f->folders().toDoFile()));
        }
    }
};

QTEST_MAIN(tst_TMainForm)
#include "tst_TMainForm.moc"
