#include "core/app/MainModel.h"
#include "core/settings/IniFile.h"
#include "core/settings/ListFile.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "gui/app/TMainForm.h"
#include "gui/dialogs/security/TPasswordDlg.h"
#include "gui/widgets/DataGrid.h"
#include "support/ScriptedUserPort.h"
#include "support/TempDataFolder.h"

#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

using namespace kelvora;
using kelvora::test::ScriptedUserPort;
using kelvora::test::TempDataFolder;

class tst_TMainForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_dir;
    ScriptedUserPort m_port;
    std::unique_ptr<MainModel> m_model;
    std::unique_ptr<TMainForm> m_form;

    AppFolders folders() { return m_dir->folders(); }

    // Creates and shows the window; false when start-up ended the program.
    bool start()
    {
        m_model = m_dir->model(m_port);
        m_form = std::make_unique<TMainForm>(*m_model, m_port);
        if (!m_form->FormCreate())
            return false;
        m_form->show();
        return QTest::qWaitForWindowExposed(m_form.get());
    }

    void addExpenses(int count)
    {
        Database db(folders().databaseFile());
        View e(db, TableId::Expense);
        for (int i = 1; i <= count; ++i) {
            e.append();
            e.setField(u"Ref", double(i));
            e.setField(u"Date", QDate(2009, 1, i));
            e.setField(u"Expense", QStringLiteral("Item %1").arg(i));
            e.post();
        }
    }

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
    void init()
    {
        m_dir = std::make_unique<TempDataFolder>();
        m_port = ScriptedUserPort();
    }
    void cleanup()
    {
        m_form.reset();
        m_model.reset();
    }

    void pagesAndCaption()
    {
        QVERIFY(start());
        QStringList captions;
        for (int i = 0; i < m_form->PageControl->count(); ++i)
            captions << m_form->PageControl->tabText(i);
        QCOMPARE(captions, QStringList({"Diary", "Clients", "Expenses", "Income", "Office"}));
        QCOMPARE(m_form->PageControl->currentWidget(), m_form->TabDiary);
        QCOMPARE(m_form->windowTitle(), QStringLiteral(" Kelvora   -   Registered Owner :    Friday 11 December 2026"));
        for (const char* name : {"DiaryGrid", "NamesGrid", "ExpendGrid", "IncomeGrid", "Daytime", "ClientNotes",
                                 "NoteExp", "NoteInc", "ToDo", "Impt", "Calendar", "NowBtn", "Pix", "OwnerName"})
            QVERIFY2(m_form->findChild<QWidget*>(QString::fromLatin1(name)), name);
        QCOMPARE(m_form->ExpendGrid->horizontalHeader()->count(), 24);
        QCOMPARE(m_form->ExpendGrid->model()->headerData(16, Qt::Horizontal).toString(), QStringLiteral("100%"));
        QCOMPARE(m_form->ExpendGrid->model()->headerData(12, Qt::Horizontal).toString(), QStringLiteral("VatStr"));
        QCOMPARE(m_form->NamesGrid->horizontalHeader()->count(), 42);
        QCOMPARE(m_form->IncomeGrid->horizontalHeader()->count(), 23);
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
        QVERIFY(start());
        m_form->ToDo->setPlainText(QStringLiteral("Lodge the BAS"));
        m_form->Impt->setPlainText(QStringLiteral("BSB 732-557"));
        QLineEdit* abn = m_form->officeBoxes.value(QStringLiteral("ABN"));
        QTest::keyClicks(abn, QStringLiteral("53 004"));
        if (viaExit)
            m_form->Exit1Click();
        else
            m_form->close();
        QVERIFY(!m_form->isVisible());
        const AppFolders f = folders();
        QCOMPARE(ListFile::load(f.toDoFile()), QStringLiteral("Lodge the BAS"));
        QCOMPARE(ListFile::load(f.importantFile()), QStringLiteral("BSB 732-557"));
        IniFile ini(f.settingsFile());
        QCOMPARE(ini.value(QStringLiteral("Detail"), QStringLiteral("ABN")), QStringLiteral("53 004"));
        QVERIFY(QFile::exists(AppFolders::settingsKeyFile()));
    }

    void anExpenseEditedInTheGridIsPostedWhenThePageIsLeft()
    {
        addExpenses(2);
        QVERIFY(start());
        m_form->PageControl->setCurrentWidget(m_form->TabExpenses);
        DataGrid* grid = m_form->ExpendGrid;
        const int column = 6; // Supplier
        QCOMPARE(grid->fieldAtPosition(column), QStringLiteral("Supplier"));
        m_model->expend()->first();
        const QModelIndex cell = grid->model()->index(0, column);
        QVERIFY(grid->model()->setData(cell, QStringLiteral("Bunnings")));
        QCOMPARE(m_model->expend()->state(), View::State::Edit);
        m_form->PageControl->setCurrentWidget(m_form->TabIncome);
        QCOMPARE(m_model->expend()->state(), View::State::Browse);
        Database db(folders().databaseFile());
        View check(db, TableId::Expense);
        QVERIFY(check.locate(u"Supplier", Value::text(QStringLiteral("Bunnings"))));
    }

    void textStillInAnOpenCellIsSavedOnClose()
    {
        addExpenses(1);
        QVERIFY(start());
        m_form->PageControl->setCurrentWidget(m_form->TabExpenses);
        DataGrid* grid = m_form->ExpendGrid;
        m_model->expend()->first();
        QVERIFY(grid->setCurrentField(QStringLiteral("Supplier")));
        grid->setFocus();
        grid->edit(grid->currentIndex());
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor));
        QTest::keyClicks(editor, QStringLiteral("Caltex"));
        m_form->close();
        QVERIFY(!m_form->isVisible());
        Database db(folders().databaseFile());
        View check(db, TableId::Expense);
        QCOMPARE(check.asText(u"Supplier"), QStringLiteral("Caltex"));
    }

    void enterFromTheLastColumnGoesToTheNextRecord()
    {
        addExpenses(3);
        QVERIFY(start());
        m_form->PageControl->setCurrentWidget(m_form->TabExpenses);
        DataGrid* grid = m_form->ExpendGrid;
        m_model->expend()->first();
        QVERIFY(grid->setCurrentField(QStringLiteral("Ref")));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(m_model->expend()->currentRow(), 1);
        QCOMPARE(grid->currentField(), QStringLiteral("Tag"));
        QTest::keyClick(grid, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(m_model->expend()->currentRow(), 0);
        QCOMPARE(grid->currentField(), QStringLiteral("Ref"));
    }

    void aSecondResizeScalesFromTheFirst()
    {
        QVERIFY(start());
        QHeaderView* header = m_form->ExpendGrid->horizontalHeader();
        const int reference = m_form->width();
        const int before = header->sectionSize(5);
        const int w1 = reference + 200;
        const int w2 = reference + 500;
        m_form->resize(w1, m_form->height());
        QTRY_COMPARE(m_form->width(), w1);
        const int afterFirst = header->sectionSize(5);
        QCOMPARE(afterFirst, MainModel::scaledWidth(before, w1, reference));
        m_form->resize(w2, m_form->height());
        QTRY_COMPARE(m_form->width(), w2);
        QCOMPARE(header->sectionSize(5), MainModel::scaledWidth(afterFirst, w2, w1));
    }

    void aFileThatIsNotADatabase()
    {
        QFile junk(folders().databaseFile());
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write("this is not a database at all, just a text file with some words in it");
        junk.close();
        m_port.queueButton(MsgButton::No);
        QVERIFY(start());
        QCOMPARE(m_port.log().first(), QStringLiteral("ShowMessage: Sorry, Nobody Home"));
        QCOMPARE(m_form->PageControl->count(), 5);
        QVERIFY(!m_form->ExpendGrid);
        m_form->close();

        m_port = ScriptedUserPort();
        m_port.queueButton(MsgButton::Yes);
        m_form.reset();
        QVERIFY(!start());
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
            auto seed = m_dir->model(m_port);
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
        QVERIFY(start());
        QCOMPARE(m_form->refused(), !allowed);
        QCOMPARE(m_port.lastLine(), message);
        if (!allowed) {
            // Refusing ends the program without the close steps: nothing is written but the settings key.
            m_form->close();
            QVERIFY(!QFile::exists(folders().settingsFile()));
            QVERIFY(!QFile::exists(folders().toDoFile()));
        }
    }
};

QTEST_MAIN(tst_TMainForm)
#include "tst_TMainForm.moc"
