#include "FuzzChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtTest>

using namespace kelvora::fuzz;

// The fuzz checks on a normal build: every committed seed, and every input that
// once broke a check (one row each, with what it broke), so a fault the fuzzer
// found stays fixed without clang.
class tst_FuzzRegressions : public QObject
{
    Q_OBJECT

private slots:
    void seedCorpus_data()
    {
        QTest::addColumn<QString>("target");
        for (const FuzzTarget& t : fuzzTargets())
            QTest::newRow(t.name) << QString::fromLatin1(t.name);
    }
    void seedCorpus()
    {
        QFETCH(QString, target);
        const QDir folder(QStringLiteral(KELVORA_FUZZ_CORPUS "/") + target);
        const QStringList seeds = folder.entryList(QDir::Files);
        QVERIFY2(!seeds.isEmpty(), qPrintable(folder.path() + QStringLiteral(" holds no seeds")));
        for (const QString& seed : seeds) {
            QFile file(folder.filePath(seed));
            QVERIFY(file.open(QIODevice::ReadOnly));
            findFuzzTarget(target)->check(file.readAll());
        }
    }

    void foundByFuzzing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QByteArray>("input");
        // A typed value with a control character was written, and the reader then
        // refused the whole settings file as binary.
        QTest::newRow("ini_file: control character in a value")
            << "ini_file" << QByteArray("\x03i\x02\x89Pe", 6);
        // A list beginning with U+FEFF lost it at every save: the reader took it
        // for a byte-order mark.
        QTest::newRow("list_file: a text beginning with U+FEFF")
            << "list_file" << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF");
        // A setting typed as U+FEFF (pasted text may begin with one) read back empty.
        QTest::newRow("ini_file: a value beginning with U+FEFF")
            << "ini_file" << QByteArray("\0\xEF\xBB\xBF\xEF\xBB\xBF", 7);
        // A display format with a width of two thousand million characters asked
        // for 4 GB of blanks.
        QTest::newRow("report_expression: a huge width in a display format")
            << "report_expression" << QByteArray("'it''' \0'i%02002139078s\0", 24);
        // Brackets nested a few thousand deep overflowed the parser's stack.
        QTest::newRow("report_expression: brackets nested too deeply")
            << "report_expression" << QByteArray("-") + QByteArray(3000, '(') + "1" + QByteArray(3000, ')');
        // So did a chain of signs.
        QTest::newRow("report_expression: signs nested too deeply")
            << "report_expression" << QByteArray(4000, '-') + "1";
    }
    void foundByFuzzing()
    {
        QFETCH(QString, target);
        QFETCH(QByteArray, input);
        findFuzzTarget(target)->check(input);
    }
};

QTEST_GUILESS_MAIN(tst_FuzzRegressions)

#include "tst_FuzzRegressions.moc"
