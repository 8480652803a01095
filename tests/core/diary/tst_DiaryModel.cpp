#include "DiaryFixture.h"


#include <QSignalSpy>
#include <QTest>

using namespace kelvora;
using kelvora::test::DiaryFixture;

// Day navigation: one record per date, made when the diary first moves there.
class tst_DiaryModel : public QObject
{
    Q_OBJECT

private slots:
    void anEmptyDiaryGetsTodayThenOneRecordPerWeekStep()
    {
        DiaryFixture f;
        DiaryModel& m = f.start();
        m.NowBtnClick();
        QCOMPARE(f.storedDates(), QStringList{"20/3/2012"});
        QVERIFY(!m.headingBlinks());
        m.NextWeekBtnClick();
        m.NextWeekBtnClick();
        QCOMPARE(f.storedDates(), (QStringList{"20/3/2012", "27/3/2012", "3/4/2012"}));
        QCOMPARE(m.diaryHeading(), QStringLiteral("Diary for Tuesday 3 April 2012"));
        QVERIFY(m.headingBlinks());
        m.Prev2WeekBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
        QVERIFY(!m.headingBlinks());
        QCOMPARE(f.storedDates().size(), 3);
    }

    void headings()
    {
        DiaryFixture f;
        f.now = QDateTime(QDate(2012, 3, 5), QTime(8, 0));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        QCOMPARE(m.diaryHeading(), QStringLiteral("Diary for Monday 5 March 2012"));
        QCOMPARE(m.calendarHeading(), QStringLiteral("Todays Date Monday 5 March 2012"));
    }

    void calendarSteps_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("made");
        QTest::newRow("31 Jan, Month, leap year") << QDate(2012, 1, 31) << "NextMonth" << "29/2/2012"
                                                   << QStringList{"29/2/2012"};
        QTest::newRow("31 Jan, Month") << QDate(2013, 1, 31) << "NextMonth" << "28/2/2013" << QStringList{"28/2/2013"};
        QTest::newRow("31 Mar, Month back") << QDate(2012, 3, 31) << "PrevMonth" << "29/2/2012"
                                            << QStringList{"29/2/2012"};
        QTest::newRow("30 Dec, Month") << QDate(2012, 12, 30) << "NextMonth" << "30/1/2013" << QStringList{"30/1/2013"};
        QTest::newRow("29 Feb, Year") << QDate(2012, 2, 29) << "NextYr" << "28/2/2013"
                                      << QStringList{"28/2/2012", "28/2/2013"};
        QTest::newRow("29 Feb, Year back") << QDate(2012, 2, 29) << "PrevYr" << "28/2/2011"
                                           << QStringList{"28/2/2011", "28/2/2012"};
        QTest::newRow("15 Oct, 6 Mth") << QDate(2012, 10, 15) << "SixMth" << "15/4/2013" << QStringList{"15/4/2013"};
        QTest::newRow("15 Jun, 6 Mth") << QDate(2012, 6, 15) << "SixMth" << "15/12/2012" << QStringList{"15/12/2012"};
        // The target month lacks the day: its last day, not a failure.
        QTest::newRow("31 Aug, 6 Mth") << QDate(2012, 8, 31) << "SixMth" << "28/2/2013" << QStringList{"28/2/2013"};
        QTest::newRow("31 Aug, 6 Mth, leap year") << QDate(2011, 8, 31) << "SixMth" << "29/2/2012"
                                                  << QStringList{"29/2/2012"};
    }

    void calendarSteps()
    {
        QFETCH(QDate, from);
        QFETCH(QString, button);
        QFETCH(QString, to);
        QFETCH(QStringList, made);
        DiaryFixture f;
        f.addDay(from);
        DiaryModel& m = f.start();
        m.calendarChange(from);
        if (button == "NextMonth")
            m.NextMonthBtnClick();
        else if (button == "PrevMonth")
            m.PrevMonthBtnClick();
        else if (button == "NextYr")
            m.NextYrBtnClick();
        else if (button == "PrevYr")
            m.PrevYrBtnClick();
        else
            m.SixMthBtnClick();
        QCOMPARE(f.calendar(), to);
        QCOMPARE(f.view().asDate(u"Date").toString(QStringLiteral("d/M/yyyy")), to);
        QStringList expected = made;
        expected << from.toString(QStringLiteral("d/M/yyyy"));
        QStringList stored = f.storedDates();
        std::sort(expected.begin(), expected.end());
        std::sort(stored.begin(), stored.end());
        QCOMPARE(stored, expected);
    }

    void sixMonthStepKeepsItsDateForTheNextStart()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 10, 15));
        DiaryModel& m = f.start();
        m.calendarChange(QDate(2012, 10, 15));
        m.SixMthBtnClick();
        QCOMPARE(f.settings.value(SettingKey::TempDate1Str), QStringLiteral("15/04/2013"));
        // The prompt's default is still the last date typed.
        QCOMPARE(m.lastTypedDate(), QStringLiteral("20/03/2012"));
    }

    void weekStepsCountFromTheRowUnderTheCursor()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 1));
        f.addDay(QDate(2012, 3, 20));
        DiaryModel& m = f.start();
        m.calendarChange(QDate(2012, 3, 1));
        f.view().next(); // the arrow key moves the grid, not the calendar
        QCOMPARE(f.calendar(), QStringLiteral("1/3/2012"));
        m.NextWeekBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("27/3/2012"));
    }

    void typedDate_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("calendar");
        QTest::addColumn<QString>("lastTyped");
        QTest::addColumn<QStringList>("log");
        const QString prompt = "InputBox: Search for a Date | Enter SPECIFIC DATE dd/mm/yyyy | 01/01/2011";
        QTest::newRow("typed") << false << "9/3/12" << "9/3/2012" << "09/03/2012" << QStringList{prompt};
        QTest::newRow("cancel goes to the last typed date")
            << true << "" << "1/1/2011" << "01/01/2011" << QStringList{prompt};
        QTest::newRow("not a date") << false << "31/2/2012" << "20/3/2012" << "01/01/2011"
                                    << QStringList{prompt, "MessageDlg(Error): '31/2/2012' is not a valid date."};
    }

    void typedDate()
    {
        QFETCH(bool, cancel);
        QFETCH(QString, answer);
        QFETCH(QString, calendar);
        QFETCH(QString, lastTyped);
        QFETCH(QStringList, log);
        DiaryFixture f;
        f.settings.setValue(SettingKey::TempDate1Str, QStringLiteral("01/01/2011"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        if (cancel)
            f.port.queueCancel();
        else
            f.port.queueText(answer);
        m.DateBtnClick();
        QCOMPARE(f.port.log(), log);
        QCOMPARE(f.calendar(), calendar);
        QCOMPARE(m.lastTypedDate(), lastTyped);
        QCOMPARE(f.settings.value(SettingKey::TempDate1Str), lastTyped);
    }

    void aDateEditedInTheGridMovesTheCalendarWhenAnotherColumnIsEntered()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 1), QStringLiteral("first"));
        DiaryModel& m = f.start();
        m.calendarChange(QDate(2012, 3, 1));
        f.view().edit();
        f.view().setField(u"Date", QDate(2012, 3, 10));
        m.columnEntered(QStringLiteral("Tag"));
        QCOMPARE(f.calendar(), QStringLiteral("10/3/2012"));
        QCOMPARE(f.storedDates(), QStringList{"10/3/2012"});
        QCOMPARE(f.storedText(QDate(2012, 3, 10)), QStringLiteral("first"));
    }

    void theTodayActionShowsAllAndTheGridClickFollowsTheRow()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 1));
        f.addDay(QDate(2012, 3, 2));
        DiaryModel& m = f.start();
        QSignalSpy shown(&m, &DiaryModel::selectionShownChanged);
        m.showSelection(1);
        m.NowBtnClick();
        QCOMPARE(m.selectionShown(), 0);
        QCOMPARE(shown.size(), 2);
        f.view().first();
        f.view().next();
        m.DiaryGridMouseUp();
        QCOMPARE(f.calendar(), QStringLiteral("2/3/2012"));
    }

    void dateStamps()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 20), QStringLiteral("Rang the bank"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        m.DaytimeDblClick();
        QCOMPARE(f.storedText(QDate(2012, 3, 20)), QStringLiteral("Rang the bank\r\n20/03/2012 09:30:00\r\n"));
        QCOMPARE(f.view().state(), View::State::Browse);
        f.toDo.setText(QStringLiteral("Call Bob"));
        m.ToDoDblClick();
        m.ToDoDblClick();
        QCOMPARE(f.toDo.text(), QStringLiteral("Call Bob\n20/03/2012 09:30:00  \n20/03/2012 09:30:00  "));
        f.toDo.setText(QStringLiteral("From an old file\r\n"));
        m.ToDoDblClick();
        QCOMPARE(f.toDo.text(), QStringLiteral("From an old file\r\n20/03/2012 09:30:00  "));
    }

    void copyAllNotes()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 20), QStringLiteral("one\r\ntwo"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        m.DiaryCopyNotesBtnClick();
        QCOMPARE(f.port.clipboard, QStringLiteral("one\r\ntwo"));
        m.NextWeekBtnClick();
        m.DiaryCopyNotesBtnClick();
        QCOMPARE(f.port.clipboard, QString());
    }

    void mateOpensTheChosenFileWithTheDesktop()
    {
        DiaryFixture f;
        DiaryModel& m = f.start();
        f.port.queueText(QString());
        m.MateBtnClick();
        QCOMPARE(f.port.log(), QStringList{"ChooseOpenFile: Open"});
        QCOMPARE(f.settings.value(SettingKey::MateStr), QString());

        f.port.clearLog();
        f.port.queueText(QStringLiteral("/tmp/Letters/Bas.Xls"));
        m.MateBtnClick();
        QCOMPARE(f.settings.value(SettingKey::MateStr), QStringLiteral("/tmp/Letters/Bas.Xls"));
        QCOMPARE(f.port.log(), (QStringList{"ChooseOpenFile: Open", "OpenUrl: /tmp/Letters/Bas.Xls"}));

        f.port.clearLog();
        f.port.shellSucceeds = false;
        f.port.queueText(QStringLiteral("/tmp/odd.zzz"));
        m.MateBtnClick();
        QCOMPARE(f.port.lastLine(), QStringLiteral("MessageDlg(Warning): The desktop has no program to open /tmp/odd.zzz."));
        QCOMPARE(f.settings.value(SettingKey::MateStr), QStringLiteral("/tmp/odd.zzz"));
    }
};

QTEST_GUILESS_MAIN(tst_DiaryModel)
#include "tst_DiaryModel.moc"
