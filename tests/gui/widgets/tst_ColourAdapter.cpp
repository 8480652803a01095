#include "gui/widgets/ColourAdapter.h"

#include <QTest>

using namespace kelvora;

class tst_ColourAdapter : public QObject
{
    Q_OBJECT

private slots:
    void settingsColoursBecomeToolkitColours_data();
    void settingsColoursBecomeToolkitColours();
    void textThatIsNoColourGivesTheFallback_data();
    void textThatIsNoColourGivesTheFallback();
};

void tst_ColourAdapter::settingsColoursBecomeToolkitColours_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("expected");
    // The defaults of the colour scheme, in each of the forms a setting may take.
    QTest::newRow("Grad1Str decimal blue") << "16711680" << QColor(0, 0, 255);
    QTest::newRow("Grad2Str decimal lime") << "65280" << QColor(0, 255, 0);
    QTest::newRow("Grad3Str hex 00BBGGRR") << "$00BBFFFF" << QColor(0xFF, 0xFF, 0xBB);
    QTest::newRow("Grad4Str hex") << "$00FF9191" << QColor(0x91, 0x91, 0xFF);
    QTest::newRow("StartColStr name") << "clLime" << QColor(0, 255, 0);
    QTest::newRow("red is the low byte") << "255" << QColor(255, 0, 0);
}

void tst_ColourAdapter::settingsColoursBecomeToolkitColours()
{
    QFETCH(QString, text);
    QFETCH(QColor, expected);
    const QColor colour = colourFromText(text, Qt::magenta);
    QCOMPARE(colour, expected);
    // And back to the value the settings would store.
    QCOMPARE(toQColor(fromQColor(colour)), colour);
}

void tst_ColourAdapter::textThatIsNoColourGivesTheFallback_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("unknown name") << "clNoSuchColour";
    QTest::newRow("out of range") << "$01000000";
    QTest::newRow("negative") << "-1";
}

void tst_ColourAdapter::textThatIsNoColourGivesTheFallback()
{
    QFETCH(QString, text);
    QCOMPARE(colourFromText(text, QColor(1, 2, 3)), QColor(1, 2, 3));
}

QTEST_MAIN(tst_ColourAdapter)
#include "tst_ColourAdapter.moc"
