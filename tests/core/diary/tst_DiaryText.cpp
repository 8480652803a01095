#include "core/diary/DiaryText.h"

#include <QTest>

using namespace kelvora;

// How a day's text is searched: line by line, the first exact occurrence of each.
class tst_DiaryText : public QObject
{
    Q_OBJECT

private slots:
    void lineHits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("fromLine");
        QTest::addColumn<QList<qsizetype>>("starts");
        QTest::newRow("first of two in a line") << "cat cat" << "cat" << 0 << QList<qsizetype>{0};
        QTest::newRow("lines 2 and 5") << "a\r\nfind\r\nb\r\nc\r\nxfind" << "find" << 0 << QList<qsizetype>{3, 16};
        QTest::newRow("from a later line") << "a\r\nfind\r\nb\r\nc\r\nxfind" << "find" << 2 << QList<qsizetype>{16};
        QTest::newRow("case-sensitive") << "xAbc" << "abc" << 0 << QList<qsizetype>{};
        QTest::newRow("not across a line break") << "ab\r\ncd" << "b\r\nc" << 0 << QList<qsizetype>{};
        QTest::newRow("empty text to find") << "abc" << "" << 0 << QList<qsizetype>{};
        QTest::newRow("a lone line feed is no break") << "a\nfind" << "find" << 0 << QList<qsizetype>{2};
        QTest::newRow("last line empty") << "find\r\n" << "find" << 0 << QList<qsizetype>{0};
    }

    void lineHits()
    {
        QFETCH(QString, text);
        QFETCH(QString, needle);
        QFETCH(int, fromLine);
        QFETCH(QList<qsizetype>, starts);
        QList<qsizetype> found;
        for (const TextHit& hit : DiaryText::lineHits(text, needle, fromLine)) {
            QCOMPARE(hit.length, needle.size());
            found << hit.start;
        }
        QCOMPARE(found, starts);
    }

    void replaced()
    {
        const QString text = QStringLiteral("a\r\ncat and cat");
        const TextHit hit = DiaryText::lineHits(text, QStringLiteral("cat")).first();
        QCOMPARE(hit.line, 1);
        QCOMPARE(DiaryText::replaced(text, hit, QStringLiteral("dog\r\n")), QStringLiteral("a\r\ndog\r\n and cat"));
        QCOMPARE(DiaryText::extraLines(QStringLiteral("dog\r\n")), 1);
    }
};

QTEST_GUILESS_MAIN(tst_DiaryText)
#include "tst_DiaryText.moc"
