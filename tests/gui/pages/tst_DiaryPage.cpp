#include "core/diary/DiaryModel.h"
#include "gui/MainFormFixture.h"
#include "gui/app/MainMenu.h"
#include "gui/pages/DiaryPage.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/BlinkLabel.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "gui/widgets/MonthCalendar.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>

using namespace kelvora;
using kelvora::test::MainFormFixture;

// The Diary page on a main window whose clock stands at Friday 11 December 2026, 9:30.
class tst_DiaryPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainFormFixture> f;
    QStringList m_selectedAtPause;

    void addDays(const QList<std::tuple<QDate, QString, QString>>& days)
    {
        Database db(f->folders().databaseFile());
        View diary(db, TableId::Diary);
        for (const auto& [date, text, tag] : days) {
            diary.append();
            diary.setField(u"Date", date);
            diary.setField(u"Day", text);
            if (!tag.isEmpty())
                diary.setField(u"Tag", tag);
            diary.post();
        }
    }

    DiaryPage* open()
    {
        if (!f->start())
            return nullptr;
        DiaryPage* page = f->form->diaryPage();
        // What the day's text shows while a search pauses.
        f->model->diaryModel()->setPause(
            [this, page](int) { m_selectedAtPause << page->Daytime->textCursor().selectedText(); });
        return page;
    }

    static void click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

private slots:
    void init()
    {
        f = std::make_unique<MainFormFixture>();
        m_selectedAtPause.clear();
    }
    void cleanup() { f.reset(); }

    void buttonsAndHints_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::newRow("NextWeekBtn") << "NextWeekBtn" << "Week " << "Next Week (from current Calendar date)";
        QTest::newRow("Next2WeekBtn") << "Next2WeekBtn" << "+2 Wk" << "Next Week (from current Calendar date)";
        QTest::newRow("NextMonthBtn") << "NextMonthBtn" << "Month" << "Next Month (from current Calendar date)";
        QTest::newRow("SixMthBtn") << "SixMthBtn" << "6 Mth" << "Next Month (from current Calendar date)";
        QTest::newRow("NextYrBtn") << "NextYrBtn" << "Year " << "Next Year (from current Calendar date)";
        QTest::newRow("PrevWeekBtn") << "PrevWeekBtn" << "Week" << "Prior Week (from current Calendar date)";
        QTest::newRow("Prev2WeekBtn") << "Prev2WeekBtn" << "-2 Wk" << "Prior Week (from current Calendar date)";
        QTest::newRow("PrevMonthBtn") << "PrevMonthBtn" << "Month" << "Prior Month (from current Calendar date)";
        QTest::newRow("DateBtn") << "DateBtn" << "Date " << "Find a specific date";
        QTest::newRow("PrevYrBtn") << "PrevYrBtn" << " Year" << "Prior Year (from current Calendar date)";
        QTest::newRow("NowBtn") << "NowBtn" << "Today" << "Return to Today";
        QTest::newRow("MateBtn") << "MateBtn" << "Mate" << "Start another program file.";
        QTest::newRow("SearchBtn") << "SearchBtn" << "" << "Search from beginning of Diary for some text.";
        QTest::newRow("ScanBtn") << "ScanBtn" << "" << "Scan from current calendar date for some text.";
        QTest::newRow("NextBtn") << "NextBtn" << "" << "Search for next.";
        QTest::newRow("RevScanBtn") << "RevScanBtn" << "" << "Scan BACKWARDS from current calendar date for some text.";
        QTest::newRow("PriorBtn") << "PriorBtn" << "" << "Search for prior entry.";
        QTest::newRow("ReplaceBtn") << "ReplaceBtn" << "" << "Search and Replace throughout ENTIRE diary database";
        QTest::newRow("ClearDiaryTagsBtn") << "ClearDiaryTagsBtn" << "" << "Turn Filter off and Clear Tags from all Records.";
        QTest::newRow("DayPos") << "DayPos" << "" << "Toggle top to bottom of current Diary Note ";
        QTest::newRow("DiaryCopyNotesBtn") << "DiaryCopyNotesBtn" << "" << "Copy all notes to Clipboard";
    }

    void buttonsAndHints()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        DiaryPage* page = open();
        QVERIFY(page);
        auto* button = page->findChild<GradientButton*>(name);
        QVERIFY(button);
        if (!caption.isEmpty())
            QCOMPARE(button->text(), caption);
        QCOMPARE(button->statusTip(), hint);
    }

    void theShowSequenceLeavesTheDiaryOnToday()
    {
        DiaryPage* page = open();
        QVERIFY(page);
        QCOMPARE(page->DiaryHead->text(), QStringLiteral("Diary for Friday 11 December 2026"));
        QVERIFY(!page->DiaryHead->isBlinking());
        QCOMPARE(page->CalHead->caption(), QStringLiteral("Todays Date Friday 11 December 2026"));
        QCOMPARE(page->Calendar->currentDate(), QDate(2026, 12, 11));
        QCOMPARE(page->Calendar->firstDayOfWeek(), Qt::Sunday);
        QCOMPARE(page->DiarySel->currentText(), QStringLiteral("All"));
        QCOMPARE(page->DiarySel->count(), 4);
        QCOMPARE(f->model->diary()->rowCount(), 1);
        // The event line: a first run starts the event today and keeps its caption.
        QCOMPARE(page->Event->text(), QStringLiteral("Event"));
        QCOMPARE(f->model->settings().value(SettingKey::Estr), QStringLiteral("11/12/2026"));
        QTest::mouseClick(page->Event, Qt::LeftButton);
        QCOMPARE(page->Event->text(), QStringLiteral("11/12/2026 - In 0 Days"));
        QCOMPARE(f->form->MainMenu1->Calendar1->text(), QStringLiteral("Calendar"));
    }

    void stepsMoveTheCalendarAndTheHeadingBlinks()
    {
        DiaryPage* page = open();
        QVERIFY(page);
        click(page->NextWeekBtn);
        QCOMPARE(page->Calendar->currentDate(), QDate(2026, 12, 18));
        QCOMPARE(page->DiaryHead->text(), QStringLiteral("Diary for Friday 18 December 2026"));
        QVERIFY(page->DiaryHead->isBlinking());
        click(page->NextMonthBtn);
        QCOMPARE(page->Calendar->currentDate(), QDate(2027, 1, 18));
        click(page->NowBtn);
        QVERIFY(!page->DiaryHead->isBlinking());
        QCOMPARE(f->model->diary()->rowCount(), 3);
        // A day picked on the calendar gets its record too.
        page->Calendar->setSelectedDate(QDate(2026, 12, 24));
        QCOMPARE(page->DiaryHead->text(), QStringLiteral("Diary for Thursday 24 December 2026"));
        QCOMPARE(f->model->diary()->asDate(u"Date"), QDate(2026, 12, 24));
    }

    void aTagSelectionIsRedAndStaysWhileStepping()
    {
        addDays({{QDate(2026, 12, 1), "one", "y"}, {QDate(2026, 12, 2), "two", ""}});
        DiaryPage* page = open();
        QVERIFY(page);
        page->DiarySel->setCurrentIndex(1);
        emit page->DiarySel->activated(1);
        QCOMPARE(f->model->diary()->rowCount(), 1);
        QCOMPARE(page->DiaryGrid->viewModel().textColour(), QColor(Qt::red));
        QCOMPARE(page->Calendar->currentDate(), QDate(2026, 12, 1));
        click(page->NextWeekBtn);
        QCOMPARE(page->DiarySel->currentIndex(), 0);
        QCOMPARE(f->model->diary()->rowCount(), 2);
        click(page->NextMonthBtn);
        QCOMPARE(page->DiaryGrid->viewModel().textColour(), QColor(Qt::black));
    }

    void aSearchShowsEachOccurrenceInTheDaysText()
    {
        addDays({{QDate(2026, 12, 3), "first\r\nlunch with Bob\r\nBob again", ""}});
        DiaryPage* page = open();
        QVERIFY(page);
        f->port.queueText(QStringLiteral("Bob"));
        click(page->SearchBtn);
        QCOMPARE(m_selectedAtPause, (QStringList{"Bob", "Bob"}));
        QCOMPARE(page->Calendar->currentDate(), QDate(2026, 12, 3));
        QCOMPARE(page->DiaryHead->text(), QStringLiteral("Diary for Thursday 3 December 2026"));
        // The caret ends at the end of the text once the search is over.
        QVERIFY(!page->Daytime->textCursor().hasSelection());
        QVERIFY(page->Daytime->textCursor().atEnd());
        // The press flipped the button to the silver look.
        QCOMPARE(page->SearchBtn->startColour(), GradientButton::silver());
    }

    void replaceShowsTheOccurrenceItAsksAbout()
    {
        addDays({{QDate(2026, 12, 3), "a cat\r\nno", ""}});
        DiaryPage* page = open();
        QVERIFY(page);
        f->port.queueText(QStringLiteral("cat"));
        f->port.queueText(QStringLiteral("dog"));
        f->port.queueButton(MsgButton::Yes);
        click(page->ReplaceBtn);
        QCOMPARE(m_selectedAtPause, QStringList{"cat"});
        click(page->PrevWeekBtn);
        QCOMPARE(page->Calendar->currentDate(), QDate(2026, 12, 4));
        f->model->diaryModel()->calendarChange(QDate(2026, 12, 3));
        QCOMPARE(page->Daytime->toPlainText(), QStringLiteral("a dog\nno"));
    }

    void doubleClickStampsAndTheCaretToggles()
    {
        DiaryPage* page = open();
        QVERIFY(page);
        page->Daytime->setPlainText(QStringLiteral("Rang the bank"));
        QTest::mouseDClick(page->Daytime->viewport(), Qt::LeftButton);
        QCOMPARE(page->Daytime->toPlainText(), QStringLiteral("Rang the bank\n11/12/2026 09:30:00\n"));
        QCOMPARE(f->model->diary()->state(), View::State::Browse);
        QVERIFY(page->Daytime->textCursor().atEnd());
        click(page->DayPos);
        QVERIFY(page->Daytime->textCursor().atStart());
        click(page->DayPos);
        QVERIFY(page->Daytime->textCursor().atEnd());

        page->ToDo->setPlainText(QStringLiteral("Lodge the BAS"));
        QTest::mouseDClick(page->ToDo->viewport(), Qt::LeftButton);
        QCOMPARE(page->ToDo->toPlainText(), QStringLiteral("Lodge the BAS\n11/12/2026 09:30:00  "));
        QCOMPARE(f->model->toDo().text(), QStringLiteral("Lodge the BAS\n11/12/2026 09:30:00  "));
    }

    void copyAllNotesSelectsTheText()
    {
        DiaryPage* page = open();
        QVERIFY(page);
        page->Daytime->setPlainText(QStringLiteral("one\ntwo"));
        click(page->DiaryCopyNotesBtn);
        QCOMPARE(f->port.clipboard, QStringLiteral("one\r\ntwo"));
        QCOMPARE(page->Daytime->textCursor().selectedText().size(), 7);
    }
};

QTEST_MAIN(tst_DiaryPage)
#include "tst_DiaryPage.moc"
