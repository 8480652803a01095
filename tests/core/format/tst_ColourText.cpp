#include <QtTest>

#include "core/format/ColourText.h"

using namespace kelvora;

class tst_ColourText : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void write_data();
    void write();
    void roundTrip();
    void components();
};

void tst_ColourText::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isColour");
    QTest::addColumn<quint32>("colour");

    QTest::newRow("name") << "clBlue" << true << 0xFF0000u;
    QTest::newRow("name upper case") << "CLBLUE" << true << 0xFF0000u;
    QTest::newRow("name with spaces") << " clLime " << true << 0x00FF00u;
    QTest::newRow("extended name") << "clmoneygreen" << true << 0xC0DCC0u;
    QTest::newRow("cream") << "clCream" << true << 0xF0FBFFu;
    QTest::newRow("decimal blue") << "16711680" << true << 0xFF0000u;
    QTest::newRow("decimal lime") << "65280" << true << 0x00FF00u;
    QTest::newRow("decimal zero") << "0" << true << 0u;
    QTest::newRow("decimal largest") << "16777215" << true << 0xFFFFFFu;
    QTest::newRow("hex") << "$00BBFFFF" << true << 0xBBFFFFu;
    QTest::newRow("hex lower case") << "$00ff9191" << true << 0xFF9191u;
    QTest::newRow("hex short") << "$FF" << true << 0x0000FFu;
    QTest::newRow("empty") << "" << false << 0u;
    QTest::newRow("name prefix only") << "cl" << false << 0u;
    QTest::newRow("misspelt") << "clBlu" << false << 0u;
    QTest::newRow("name without prefix") << "Blue" << false << 0u;
    QTest::newRow("system colour") << "clBtnFace" << false << 0u;
    QTest::newRow("negative") << "-1" << false << 0u;
    QTest::newRow("decimal too large") << "16777216" << false << 0u;
    QTest::newRow("hex high byte") << "$01000000" << false << 0u;
    QTest::newRow("dollar only") << "$" << false << 0u;
    QTest::newRow("nine hex digits") << "$000BBFFFF" << false << 0u;
    QTest::newRow("not hex") << "$00GG0000" << false << 0u;
    QTest::newRow("fraction") << "12.5" << false << 0u;
    QTest::newRow("c hex") << "0x00FF00" << false << 0u;
    QTest::newRow("web hex") << "#FF0000" << false << 0u;
}

void tst_ColourText::parse()
{
    QFETCH(QString, text);
    QFETCH(bool, isColour);
    QFETCH(quint32, colour);
    const std::optional<quint32> read = parseColourText(text);
    QCOMPARE(read.has_value(), isColour);
    if (isColour)
        QCOMPARE(*read, colour);
}

void tst_ColourText::write_data()
{
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<QString>("expected");

    QTest::newRow("blue") << 0xFF0000u << "clBlue";
    QTest::newRow("lime") << 0x00FF00u << "clLime";
    QTest::newRow("black") << 0u << "clBlack";
    QTest::newRow("silver") << 0xC0C0C0u << "clSilver";
    QTest::newRow("med gray") << 0xA4A0A0u << "clMedGray";
    QTest::newRow("unnamed") << 0xBBFFFFu << "$00BBFFFF";
    QTest::newRow("unnamed small") << 0x000102u << "$00000102";
}

void tst_ColourText::write()
{
    QFETCH(quint32, colour);
    QFETCH(QString, expected);
    QCOMPARE(colourText(colour), expected);
}

// Every text the program writes reads back as the same colour, and the three ways to
// write blue all come back as its name.
void tst_ColourText::roundTrip()
{
    for (quint32 c = 0; c <= 0xFFFFFFu; c += 0x010305u) {
        const std::optional<quint32> back = parseColourText(colourText(c));
        QVERIFY2(back && *back == c, qPrintable(colourText(c)));
    }
    for (const char* name : {"clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple", "clTeal", "clGray",
                             "clSilver", "clRed", "clLime", "clYellow", "clBlue", "clFuchsia", "clAqua", "clWhite",
                             "clMoneyGreen", "clSkyBlue", "clCream", "clMedGray"}) {
        const std::optional<quint32> c = parseColourText(QString::fromLatin1(name));
        QVERIFY2(c.has_value(), name);
        QCOMPARE(colourText(*c), QString::fromLatin1(name));
    }
    for (const char* blue : {"clBlue", "16711680", "$00FF0000"})
        QCOMPARE(colourText(*parseColourText(QString::fromLatin1(blue))), QStringLiteral("clBlue"));
}

void tst_ColourText::components()
{
    const quint32 c = *parseColourText(QStringLiteral("$00BBFFFF"));
    QCOMPARE(red(c), 0xFF);
    QCOMPARE(green(c), 0xFF);
    QCOMPARE(blue(c), 0xBB);
    QCOMPARE(colourFromRgb(0x91, 0x91, 0xFF), 0xFF9191u);
    QCOMPARE(colourFromRgb(red(c), green(c), blue(c)), c);
}

QTEST_APPLESS_MAIN(tst_ColourText)
#include "tst_ColourText.moc"
