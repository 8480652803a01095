#include "DiaryFixture.h"

#include "core/diary/DiarySearch.h"

#include <QSignalSpy>
#include <QTest>

using namespace kelvora;
using kelvora::test::DiaryFixture;

namespace {
const QString kNoEntries = QStringLiteral("MessageDlg(Information): No entries were found in Diary.\r\n\r\nReturning to Today");
const QString kNoMore = QStringLiteral("MessageDlg(Information): No more entries were found in Diary.\r\n\r\nReturning to Today");
const QString kAsk = QStringLiteral("InputBox: CASE SENSITIVE Search | Enter Text to find | ");
const QString kReplace = QStringLiteral("MessageDlg(Confirmation): REPLACE ?");
} // namespace

// The text searches and the replace pass.
class tst_DiarySearch : public QObject
{
    Q_OBJECT

    // Days of March 2012; today is the 20th.
    static void marchWithBob(DiaryFixture& f)
    {
        f.addDay(QDate(2012, 3, 1), QStringLiteral("quiet"));
        f.addDay(QDate(2012, 3, 3), QStringLiteral("lunch with Bob"));
        f.addDay(QDate(2012, 3, 5), QStringLiteral("bob is away"));
        f.addDay(QDate(2012, 3, 9), QStringLiteral("rang Bob"));
        f.addDay(QDate(2012, 3, 12), QStringLiteral("quiet"));
    }

private slots:
    void searchThenNextThenNext()
    {
        DiaryFixture f;
        marchWithBob(f);
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.port.queueText(QStringLiteral("Bob"));
        m.search().SearchBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("3/3/2012"));
        QCOMPARE(f.pauses, QList<int>{1000});
        m.search().NextBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("9/3/2012"));
        QVERIFY(m.headingBlinks());
        m.search().NextBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
        QCOMPARE(f.port.log(), (QStringList{kAsk, kNoMore}));
        QCOMPARE(f.pauses, (QList<int>{1000, 1000}));
        // Next and Prior go on with the text of the last search.
        m.search().PriorBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("9/3/2012"));
        m.search().PriorBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("3/3/2012"));
        m.search().PriorBtnClick();
        QCOMPARE(f.port.lastLine(), kNoMore);
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
    }

    void theSearchIsCaseSensitive()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 2), QStringLiteral("xAbc"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.port.queueText(QStringLiteral("abc"));
        m.search().SearchBtnClick();
        QCOMPARE(f.port.log(), (QStringList{kAsk, kNoEntries}));
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
        QVERIFY(f.pauses.isEmpty());
    }

    void everyLineWithTheTextIsShownInTurn()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 2), QStringLiteral("a\r\nfind me\r\nb\r\nc\r\nfind find"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        QSignalSpy shown(&m, &DiaryModel::occurrenceSelected);
        QSignalSpy moved(&m, &DiaryModel::calendarDateChanged);
        f.port.queueText(QStringLiteral("find"));
        m.search().ScanBtnClick(); // from today: nothing later
        QCOMPARE(shown.size(), 0);
        f.port.queueText(QStringLiteral("find"));
        m.search().SearchBtnClick();
        QCOMPARE(shown.size(), 2);
        QCOMPARE(shown.at(0).at(0).value<qsizetype>(), 3);
        QCOMPARE(shown.at(1).at(0).value<qsizetype>(), 18);
        QCOMPARE(shown.at(1).at(1).value<qsizetype>(), 4);
        QCOMPARE(f.pauses, (QList<int>{1000, 1000}));
        // Scan's end and Today, then the two occurrences.
        QCOMPARE(moved.size(), 1 + 2);
        QCOMPARE(f.calendar(), QStringLiteral("2/3/2012"));
    }

    void scansIncludeTheCalendarDate()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 5, 1), QStringLiteral("hit"));
        f.addDay(QDate(2012, 5, 10), QStringLiteral("hit"));
        f.addDay(QDate(2012, 5, 20), QStringLiteral("hit"));
        DiaryModel& m = f.start();
        m.calendarChange(QDate(2012, 5, 10));
        f.port.queueText(QStringLiteral("hit"));
        m.search().RevScanBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("10/5/2012"));
        QVERIFY(f.pauses.isEmpty()); // Reverse scan does not pause
        QCOMPARE(f.port.busyCount, 1);
        f.port.queueCancel(); // the default: the last search text
        m.search().ScanBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("10/5/2012"));
        QCOMPARE(f.port.log().size(), 2);
    }

    void nextFromTheLastRecordExaminesItAgain()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 1), QStringLiteral("hit"));
        f.addDay(QDate(2012, 3, 25), QStringLiteral("hit"));
        DiaryModel& m = f.start();
        m.calendarChange(QDate(2012, 3, 25));
        f.port.queueText(QStringLiteral("hit"));
        m.search().ScanBtnClick();
        QCOMPARE(f.calendar(), QStringLiteral("25/3/2012"));
        m.search().NextBtnClick();
        QCOMPARE(f.pauses, (QList<int>{1000, 1000}));
        QCOMPARE(f.port.lastLine(), kNoMore);
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
    }

    void anEmptyViewEndsAtOnceAndTodayIsMade()
    {
        DiaryFixture f;
        DiaryModel& m = f.start();
        f.port.queueText(QStringLiteral("x"));
        m.search().SearchBtnClick();
        QCOMPARE(f.port.log(), (QStringList{kAsk, kNoEntries}));
        QCOMPARE(f.storedDates(), QStringList{"20/3/2012"});
    }

    void replaceOffersTheFirstOccurrenceOfEachLine()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 2), QStringLiteral("cat and cat\r\nno\r\na cat"));
        f.addDay(QDate(2012, 3, 4), QStringLiteral("catalogue"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.port.queueText(QStringLiteral("cat"));
        f.port.queueText(QStringLiteral("dog"));
        f.port.queueButton(MsgButton::Yes);
        f.port.queueButton(MsgButton::No);
        f.port.queueButton(MsgButton::Yes);
        m.search().ReplaceBtnClick();
        QCOMPARE(f.storedText(QDate(2012, 3, 2)), QStringLiteral("dog and cat\r\nno\r\na cat"));
        QCOMPARE(f.storedText(QDate(2012, 3, 4)), QStringLiteral("dogalogue"));
        QCOMPARE(f.port.log(), (QStringList{"InputBox: CASE SENSITIVE Search | Enter Text to find | ",
                                            "InputBox: CASE SENSITIVE Search | Enter REPLACMENT Text | ", kReplace,
                                            kReplace, kReplace, kNoEntries}));
        QCOMPARE(f.port.clipboard, QStringLiteral("dog"));
        QCOMPARE(f.settings.value(SettingKey::Finda), QStringLiteral("cat"));
        QCOMPARE(f.settings.value(SettingKey::Replaca), QStringLiteral("dog"));
        QCOMPARE(f.pauses, (QList<int>{1000, 1000, 1000}));
        QCOMPARE(f.calendar(), QStringLiteral("20/3/2012"));
        QCOMPARE(f.port.busyDepth, 0);
    }

    void cancelEndsThePassWithoutTheEndMessage()
    {
        DiaryFixture f;
        f.addDay(QDate(2012, 3, 2), QStringLiteral("cat\r\ncat"));
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.settings.setValue(SettingKey::Finda, QStringLiteral("cat"));
        f.settings.setValue(SettingKey::Replaca, QStringLiteral("cats"));
        f.port.queueCancel();
        f.port.queueCancel();
        f.port.queueButton(MsgButton::Yes);
        f.port.queueButton(MsgButton::Cancel);
        m.search().ReplaceBtnClick();
        // A replacement that holds the text is not offered again.
        QCOMPARE(f.storedText(QDate(2012, 3, 2)), QStringLiteral("cats\r\ncat"));
        QCOMPARE(f.port.lastLine(), kReplace);
        QCOMPARE(f.port.clipboard, QStringLiteral("cats"));
        QCOMPARE(f.calendar(), QStringLiteral("2/3/2012"));
        QCOMPARE(f.view().state(), View::State::Browse);
    }

    void replaceKeepsWhatWasBeingTyped()
    {
        DiaryFixture f;
        DiaryModel& m = f.start();
        m.NowBtnClick();
        f.view().edit();
        f.view().setField(u"Day", QStringLiteral("typed: cat"));
        f.port.queueText(QStringLiteral("cat"));
        f.port.queueText(QStringLiteral("dog"));
        f.port.queueButton(MsgButton::Yes);
        m.search().ReplaceBtnClick();
        QCOMPARE(f.storedText(QDate(2012, 3, 20)), QStringLiteral("typed: dog"));
    }
};

QTEST_GUILESS_MAIN(tst_DiarySearch)
#include "tst_DiarySearch.moc"
