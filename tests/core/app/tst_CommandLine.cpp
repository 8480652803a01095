#include <QtTest>

#include "core/app/CommandLine.h"

using namespace kelvora;
using Action = CommandLine::Action;

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void helpNamesEveryOption();
    void refusalMessage_data();
    void refusalMessage();
};

void tst_CommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program name
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("dataDir");
    QTest::addColumn<bool>("demo");
    QTest::addColumn<bool>("selfTest");
    QTest::addColumn<bool>("mayHoldToolkitOptions");

    const int run = int(Action::Run);
    const int print = int(Action::Print);
    const int refuse = int(Action::Refuse);
    QTest::newRow("nothing") << QStringList{} << run << "" << false << false << false;
    QTest::newRow("data folder") << QStringList{"--data-dir", "/srv/books"} << run << "/srv/books" << false
                                 << false << false;
    QTest::newRow("data folder with =")
        << QStringList{"--data-dir=/srv/my books"} << run << "/srv/my books" << false << false << false;
    QTest::newRow("demo and self-test")
        << QStringList{"--demo", "--self-test"} << run << "" << true << true << false;
    QTest::newRow("help wins over the rest")
        << QStringList{"--demo", "--help"} << print << "" << false << false << false;
    QTest::newRow("short help") << QStringList{"-h"} << print << "" << false << false << false;
    QTest::newRow("version") << QStringList{"--version"} << print << "" << false << false << false;
    QTest::newRow("unknown long option") << QStringList{"--bogus"} << refuse << "" << false << false << false;
    QTest::newRow("unknown short option") << QStringList{"-x"} << refuse << "" << false << false << false;
    QTest::newRow("data folder without its value")
        << QStringList{"--data-dir"} << refuse << "" << false << false << false;
    QTest::newRow("empty data folder")
        << QStringList{"--data-dir", " "} << refuse << "" << false << false << false;
    QTest::newRow("a file name") << QStringList{"Kelvora.db"} << refuse << "" << false << false << false;
    QTest::newRow("after --") << QStringList{"--", "--demo"} << refuse << "" << false << false << false;
    // Qt's own options reach the parser only when they are still in argv.
    QTest::newRow("Qt option still in argv")
        << QStringList{"-platform", "offscreen"} << refuse << "" << false << false << true;
    QTest::newRow("Qt flag among ours")
        << QStringList{"--demo", "-reverse"} << refuse << "" << false << false << true;
}

void tst_CommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QString, dataDir);
    QFETCH(bool, demo);
    QFETCH(bool, selfTest);
    QFETCH(bool, mayHoldToolkitOptions);

    const CommandLine line = CommandLine::parse(QStringList{"/usr/bin/kelvora"} + arguments);
    QCOMPARE(int(line.action), action);
    QCOMPARE(line.dataDir, dataDir);
    QCOMPARE(line.demo, demo);
    QCOMPARE(line.selfTest, selfTest);
    QCOMPARE(line.mayHoldToolkitOptions, mayHoldToolkitOptions);
    QCOMPARE(line.text.isEmpty(), action == int(Action::Run));
}

void tst_CommandLine::helpNamesEveryOption()
{
    const QString help = CommandLine::parse({"./build/src/kelvora", "--help"}).text;
    QVERIFY2(help.startsWith("Usage: kelvora [options]\n"), qPrintable(help));
    for (const char* option : {"--help", "--version", "--data-dir <DIR>", "--demo", "--self-test",
                               "KELVORA_DATA_DIR", "KELVORA_CONFIG_DIR", "KELVORA_PROGRAM_DIR"})
        QVERIFY2(help.contains(QLatin1String(option)), option);
    const QString version = CommandLine::parse({"kelvora", "-v"}).text;
    QVERIFY2(QRegularExpression("^Kelvora \\d+\\.\\d+\\.\\d+\n$").match(version).hasMatch(),
             qPrintable(version));
}

void tst_CommandLine::refusalMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown option")
        << QStringList{"--bogus"}
        << "kelvora: Unknown option 'bogus'.\nTry 'kelvora --help' for more information.\n";
    QTest::newRow("missing value") << QStringList{"--data-dir"}
                                   << "kelvora: Missing value after '--data-dir'.\n"
                                      "Try 'kelvora --help' for more information.\n";
    QTest::newRow("a file name") << QStringList{"books.db", "more"}
                                 << "kelvora: Unexpected argument 'books.db'.\n"
                                    "Try 'kelvora --help' for more information.\n";
}

void tst_CommandLine::refusalMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CommandLine line = CommandLine::parse(QStringList{"kelvora"} + arguments);
    QCOMPARE(int(line.action), int(Action::Refuse));
    QCOMPARE(line.text, message);
    QCOMPARE(CommandLine::kUsageStatus, 2);
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_CommandLine.moc"
