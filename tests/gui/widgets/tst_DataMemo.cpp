#include "gui/widgets/DataMemo.h"

#include "ExpenseViewFixture.h"

#include <QTest>
#include <QTextBlock>

using namespace kelvora;
using kelvora::test::ExpenseViewFixture;
using kelvora::test::TempDatabase;

namespace {

struct Fixture : ExpenseViewFixture
{
    Fixture()
        : ExpenseViewFixture([](const TempDatabase& files) {
              files.exec(QStringLiteral("INSERT INTO Expense (Ref, Notes) VALUES (1, ?)"),
                         {Value::text(QStringLiteral("First line\r\nSecond\u00A0line"))});
              files.exec(QStringLiteral("INSERT INTO Expense (Ref, Notes) VALUES (2, NULL)"));
          })
    {
        memo = std::make_unique<DataMemo>(*view, QStringLiteral("Notes"), guard);
    }
    QString fileNotes(int ref) const { return fileValue("Notes", ref).toString(); }

    std::unique_ptr<DataMemo> memo;
};

} // namespace

class tst_DataMemo : public QObject
{
    Q_OBJECT

private slots:
    void showsTheCurrentRecord();
    void typingEditsTheRecordAtOnce();
    void untouchedTextIsNeverRewritten();
    void cancelShowsTheStoredTextAgain();
};

void tst_DataMemo::showsTheCurrentRecord()
{
    Fixture f;
    QCOMPARE(f.memo->blockCount(), 2); // "\r\n" is one line break
    QCOMPARE(f.memo->toPlainText(), QStringLiteral("First line\nSecond line"));
    f.view->next();
    QCOMPARE(f.memo->toPlainText(), QString());
    f.view->first();
    QCOMPARE(f.memo->document()->findBlockByNumber(1).text(), QStringLiteral("Second\u00A0line"));
}

void tst_DataMemo::typingEditsTheRecordAtOnce()
{
    Fixture f;
    f.view->next(); // the record without notes
    f.memo->show();
    f.memo->setFocus();
    QTest::keyClicks(f.memo.get(), QStringLiteral("Paid cash"));
    QTest::keyClick(f.memo.get(), Qt::Key_Return);
    QTest::keyClicks(f.memo.get(), QStringLiteral("Receipt kept"));

    // In the record as typed, before anybody posts or the box loses the focus.
    QCOMPARE(f.view->state(), View::State::Edit);
    QCOMPARE(f.view->asText(u"Notes"), QStringLiteral("Paid cash\r\nReceipt kept"));

    // Whatever moves the cursor next posts it: nothing typed is lost.
    f.view->first();
    QCOMPARE(f.fileNotes(2), QStringLiteral("Paid cash\r\nReceipt kept"));
    QCOMPARE(f.memo->toPlainText(), QStringLiteral("First line\nSecond line"));
    QVERIFY(f.port.log().isEmpty());
}

void tst_DataMemo::untouchedTextIsNeverRewritten()
{
    Fixture f;
    // A change that is undone leaves the stored form exactly as it was (the
    // non-breaking space is not turned into a blank).
    f.memo->moveCursor(QTextCursor::End);
    f.memo->insertPlainText(QStringLiteral("!"));
    f.memo->textCursor().deletePreviousChar();
    QCOMPARE(f.view->asText(u"Notes"), QStringLiteral("First line\r\nSecond\u00A0line"));
    f.view->next();
    QCOMPARE(f.fileNotes(1), QStringLiteral("First line\r\nSecond\u00A0line"));
}

void tst_DataMemo::cancelShowsTheStoredTextAgain()
{
    Fixture f;
    f.memo->moveCursor(QTextCursor::End);
    f.memo->insertPlainText(QStringLiteral(" more"));
    QCOMPARE(f.view->state(), View::State::Edit);
    f.view->cancel();
    QCOMPARE(f.memo->toPlainText(), QStringLiteral("First line\nSecond line"));
    QCOMPARE(f.fileNotes(1), QStringLiteral("First line\r\nSecond\u00A0line"));
}

QTEST_MAIN(tst_DataMemo)
#include "tst_DataMemo.moc"
