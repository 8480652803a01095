#include "core/pages/NoteStamp.h"
#include "core/store/Database.h"
#include "core/store/View.h"
#include "support/store/TempDatabase.h"

#include <QTest>

using namespace kelvora;

// The date stamps a double click appends to a notes box.
class tst_NoteStamp : public QObject
{
    Q_OBJECT

    const QDateTime m_now{QDate(2012, 3, 5), QTime(14, 7, 9)};

private slots:
    void stamps_data()
    {
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("stamp");
        QTest::newRow("Daytime") << int(NoteBox::Daytime) << "05/03/2012 14:07:09\r\n";
        QTest::newRow("ClientNotes") << int(NoteBox::ClientNotes) << "05/03/2012 14:07:09  ";
        QTest::newRow("NoteExp") << int(NoteBox::NoteExp) << "05/03/2012 14:07:09  ";
        QTest::newRow("NoteInc") << int(NoteBox::NoteInc) << "05/03/2012 14:07:09 ";
        QTest::newRow("ToDo") << int(NoteBox::ToDo) << "05/03/2012 14:07:09  ";
        QTest::newRow("Impt") << int(NoteBox::Impt) << "05/03/2012 14:07:09  ";
    }

    void stamps()
    {
        QFETCH(int, box);
        QFETCH(QString, stamp);
        QCOMPARE(NoteStamp::stamp(NoteBox(box), m_now, Regional::australian()), stamp);
    }

    void appendedAsANewLastLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty") << "" << "S";
        QTest::newRow("a line") << "paid" << "paid\r\nS";
        QTest::newRow("ends with a break") << "paid\r\n" << "paid\r\nS";
    }

    void appendedAsANewLastLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, result);
        QCOMPARE(NoteStamp::appended(text, QStringLiteral("S")), result);
    }

    void aStampedRecordIsPostedAtOnce()
    {
        test::TempDatabase temp;
        const auto db = temp.open();
        View names(*db, TableId::Names);
        names.append();
        names.setField(u"Surname", QStringLiteral("Bailey"));
        names.setField(u"Notes", QStringLiteral("rang"));
        names.post();
        names.edit();
        names.setField(u"FirstName", QStringLiteral("Joyce")); // typed before the double click
        NoteStamp::stampRecord(names, QStringLiteral("Notes"), QStringLiteral("05/03/2012 14:07:09  "));
        QCOMPARE(names.state(), View::State::Browse);
        QCOMPARE(temp.scalar(QStringLiteral("SELECT Notes FROM Names")).toString(),
                 QStringLiteral("rang\r\n05/03/2012 14:07:09  "));
        QCOMPARE(temp.scalar(QStringLiteral("SELECT FirstName FROM Names")).toString(), QStringLiteral("Joyce"));
    }
};

QTEST_GUILESS_MAIN(tst_NoteStamp)
#include "tst_NoteStamp.moc"
