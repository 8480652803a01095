#include "DiaryFixture.h"

#include "core/diary/DiarySelection.h"

#include <QTest>

using namespace kelvora;
using kelvora::test::DiaryFixture;

namespace {
const QString kNeedATag = QStringLiteral("MessageDlg(Information): At least one record must be have a Tag of y");
const QString kQueryError =
    QStringLiteral("MessageDlg(Error): Exception 03: Query Error, ensure editing is done in \"All\" records mode.");
} // namespace

// The selection list and Clear tags.
class tst_DiarySelection : public QObject
{
    Q_OBJECT

    // January 2012 and its neighbours, 3 and 15 January tagged; today is 20 March 2012.
    static void january(DiaryFixture& f)
    {
        f.addDay(QDate(2011, 12, 31), QStringLiteral("old year"));
        f.addDay(QDate(2012, 1, 1), QStringLiteral("sale 50% off"));
        f.addDay(QDate(2012, 1, 3), QStringLiteral("sold 500 units"), QStringLiteral("y"));
        f.addDay(QDate(2012, 1, 15), QStringLiteral("he said \"5 0\""), QStringLiteral("y"));
        f.addDay(QDate(2012, 1, 31), QStringLiteral("month end"));
        f.addDay(QDate(2012, 2, 1), QStringLiteral("new month"), QStringLiteral("Y"));
    }

private slots:
    void withoutATagEveryEntryIsRefused_data()
    {
        QTest::addColumn<int>("entry");
        for (int entry = 0; entry < 4; ++entry)
            QTest::newRow(qPrintable(DiarySelection::kEntries.at(entry))) << entry;
    }

    void withoutATagEveryEntryIsRefused()
    {
        QFETCH(int, entry);
        DiaryFixture f;
        f.addDay(QDate(2012, 1, 1), QStringLiteral("a"), QStringLiteral("n"));
        f.addDay(QDate(2012, 1, 2), QStringLiteral("b"));
        DiaryModel& m = f.start();
        m.calendarChange(QDate(2012, 1, 1));
        m.selection().DiarySelChange(entry);
        QCOMPARE(f.port.log(), QStringList{kNeedATag});
        QCOMPARE(f.shownDates(), (QStringList{"1/1/2012", "2/1/2012", "20/3/2012"}));
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
        QCOMPARE(m.selectionShown(), 0);
    }

    void tagSelectionStaysWhileTheStepsShowAll()
    {
        DiaryFixture f;
        january(f);
        DiaryModel& m = f.start();
        m.NowBtnClick();
        m.selection().DiarySelChange(DiarySelection::Tag);
        QCOMPARE(f.shownDates(), (QStringList{"3/1/2012", "15/1/2012"}));
        QCOMPARE(f.calendar(), QStringLiteral("3/1/2012"));
        QCOMPARE(m.gridTint(), DiaryTint::Red);
        QCOMPARE(m.selectionShown(), 1);
        m.NextWeekBtnClick();
        QCOMPARE(m.selectionShown(), 0);
        QCOMPARE(f.shownDates(), (QStringList{"3/1/2012", "10/1/2012", "15/1/2012"}));
        QVERIFY(f.storedDates().contains("10/1/2012"));
        m.NextMonthBtnClick();
        QCOMPARE(m.gridTint(), DiaryTint::Black);
        QCOMPARE(f.shownDates().size(), 4);
    }

    void findText_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("calendar");
        QTest::newRow("percent is a wildcard") << "50%" << QStringList{"1/1/2012", "3/1/2012"} << "1/1/2012";
        QTest::newRow("underscore is a wildcard") << "5_0" << QStringList{"3/1/2012", "15/1/2012"} << "3/1/2012";
        QTest::newRow("A-Z in either case") << "MONTH" << QStringList{"31/1/2012", "1/2/2012"} << "31/1/2012";
        QTest::newRow("a double quote is just a character") << "\"5 0\"" << QStringList{"15/1/2012"} << "15/1/2012";
        QTest::newRow("no record") << "zebra" << QStringList{} << "20/3/2012";
    }

    void findText()
    {
        QFETCH(QString, answer);
        QFETCH(QStringList, shown);
        QFETCH(QString, calendar);
        DiaryFixture f;
        january(f);
        DiaryModel& m = f.start();
        m.NowBtnClick();
        m.setSelectedFieldName(QStringLiteral("Bus"));
        f.port.queueText(answer);
        m.selection().DiarySelChange(DiarySelection::FindText);
        QCOMPARE(f.port.log(), QStringList{"InputBox: CASE SENSITIVE  search for | Enter Search Criteria | Bus"});
        QCOMPARE(f.shownDates(), shown);
        QCOMPARE(f.calendar(), calendar);
        QCOMPARE(m.gridTint(), DiaryTint::Blue);
        QCOMPARE(m.selectedFieldName(), answer);
        // No record is made for a day the selection leaves out.
        QCOMPARE(f.storedDates().size(), 7);
    }

    void findTextWithoutAnAnswerShowsAll()
    {
        DiaryFixture f;
        january(f);
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.port.queueText(QString());
        m.selection().DiarySelChange(DiarySelection::FindText);
        QCOMPARE(f.port.lastLine(), QStringLiteral("ShowMessage: Data was NOT specified"));
        QCOMPARE(f.shownDates().size(), 7);
        QCOMPARE(m.gridTint(), DiaryTint::Blue);
    }

    void withinDates_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("calendar");
        QTest::addColumn<QString>("kept1");
        QTest::addColumn<QString>("kept2");
        QTest::newRow("both ends included") << "1/1/12" << "31/1/12"
                                            << QStringList{"1/1/2012", "3/1/2012", "15/1/2012", "31/1/2012"}
                                            << "1/1/2012" << "01/01/2012" << "31/01/2012";
        QTest::newRow("one day") << "31/12/2011" << "31/12/2011" << QStringList{"31/12/2011"} << "31/12/2011"
                                 << "31/12/2011" << "31/12/2011";
        QTest::newRow("no record") << "4/1/12" << "14/1/12" << QStringList{} << "20/3/2012" << "04/01/2012"
                                   << "14/01/2012";
    }

    void withinDates()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QStringList, shown);
        QFETCH(QString, calendar);
        QFETCH(QString, kept1);
        QFETCH(QString, kept2);
        DiaryFixture f;
        january(f);
        f.settings.setValue(SettingKey::TempDate1Str, QStringLiteral("01/03/2012"));
        f.settings.setValue(SettingKey::TempDate2Str, QStringLiteral("02/03/2012"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.port.queueText(from);
        f.port.queueText(to);
        m.selection().DiarySelChange(DiarySelection::WithinDates);
        QCOMPARE(f.port.log(), (QStringList{"InputBox: Search for START | Enter START DATE d/m/yy | 01/03/2012",
                                            "InputBox: Search for END   | Enter END DATE d/m/yy | 02/03/2012"}));
        QCOMPARE(f.shownDates(), shown);
        QCOMPARE(f.calendar(), calendar);
        QCOMPARE(f.storedDates().size(), 7);
        QCOMPARE(m.lastTypedDate(), kept1);
        QCOMPARE(f.settings.value(SettingKey::TempDate1Str), kept1);
        QCOMPARE(f.settings.value(SettingKey::TempDate2Str), kept2);
    }

    void aRefusedSelectionLeavesThePreviousView()
    {
        DiaryFixture f;
        january(f);
        DiaryModel& m = f.start();
        m.NowBtnClick();
        m.selection().DiarySelChange(DiarySelection::Tag);
        f.port.queueText(QStringLiteral("1/1/12"));
        f.port.queueText(QStringLiteral("31/13/12"));
        m.selection().DiarySelChange(DiarySelection::WithinDates);
        QCOMPARE(f.port.lastLine(), kQueryError);
        QCOMPARE(f.shownDates(), (QStringList{"3/1/2012", "15/1/2012"}));
        QCOMPARE(m.selectionShown(), int(DiarySelection::Tag));
        QCOMPARE(m.gridTint(), DiaryTint::Red);
    }

    void allLiftsASelectionEvenWhenItHoldsNoTag()
    {
        DiaryFixture f;
        january(f);
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.port.queueText(QStringLiteral("month"));
        m.selection().DiarySelChange(DiarySelection::FindText);
        QCOMPARE(f.shownDates().size(), 2);
        m.selection().DiarySelChange(DiarySelection::All);
        QCOMPARE(f.shownDates().size(), 7);
        QCOMPARE(m.gridTint(), DiaryTint::Black);
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
    }

    void clearTagsEmptiesEveryTagOfTheView()
    {
        DiaryFixture f;
        january(f);
        DiaryModel& m = f.start();
        m.NowBtnClick();
        m.selection().DiarySelChange(DiarySelection::Tag);
        m.selection().ClearDiaryTagsBtnClick();
        // Only the records shown: 1 February's "Y" is outside the selection.
        QCOMPARE(f.temp.scalar(QStringLiteral("SELECT COUNT(*) FROM Diary WHERE Tag IS NOT NULL")).toInteger(), 1);
        // Today's record is outside the selection too: it is shown with every
        // other record rather than made a second time.
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
        QCOMPARE(f.shownDates().size(), 7);
        QCOMPARE(f.view().asDate(u"Date"), QDate(2012, 3, 20));
        QCOMPARE(m.gridTint(), DiaryTint::Black);
        m.selection().ClearDiaryTagsBtnClick();
        QCOMPARE(f.temp.scalar(QStringLiteral("SELECT COUNT(*) FROM Diary WHERE Tag IS NOT NULL")).toInteger(), 0);
        QCOMPARE(f.port.busyDepth, 0);
    }
};

QTEST_GUILESS_MAIN(tst_DiarySelection)
#include "tst_DiarySelection.moc"
