#include "gui/widgets/BlinkLabel.h"

#include <QImage>
#include <QTest>

using namespace kelvora;

class tst_BlinkLabel : public QObject
{
    Q_OBJECT

private slots:
    void blinksByItselfAndStopsSteady();
    void offPhaseDrawsBlinkColourOrNothing();
};

void tst_BlinkLabel::blinksByItselfAndStopsSteady()
{
    BlinkLabel label(QStringLiteral("Diary for Monday"));
    label.setInterval(20);
    label.startBlinking();
    QVERIFY(label.isBlinking());
    QTRY_VERIFY_WITH_TIMEOUT(!label.isLit(), 2000);
    QTRY_VERIFY_WITH_TIMEOUT(label.isLit(), 2000);

    QTRY_VERIFY_WITH_TIMEOUT(!label.isLit(), 2000);
    label.stopBlinking();
    QVERIFY(label.isLit()); // stopping in the dark phase must not leave the text hidden
    QTest::qWait(80);
    QVERIFY(label.isLit());
}

namespace {
bool containsColour(const QImage& image, QRgb colour)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF))
                return true;
    return false;
}
} // namespace

void tst_BlinkLabel::offPhaseDrawsBlinkColourOrNothing()
{
    BlinkLabel label(QStringLiteral("MMMM"));
    QFont big = label.font();
    big.setPixelSize(24);
    label.setFont(big);
    QPalette palette = label.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::red);
    label.setPalette(palette);
    label.setAutoFillBackground(true);
    label.resize(label.sizeHint());
    label.setInterval(10);

    QVERIFY(containsColour(label.grab().toImage(), qRgb(255, 0, 0)));

    label.startBlinking();
    QTRY_VERIFY_WITH_TIMEOUT(!label.isLit(), 2000);
    label.setInterval(100000); // hold the dark phase while looking at it
    label.setBlinkColour(Qt::black);
    QImage off = label.grab().toImage();
    QVERIFY(!containsColour(off, qRgb(255, 0, 0)));
    QVERIFY(containsColour(off, qRgb(0, 0, 0)));

    label.setBlinkColour(QColor());
    off = label.grab().toImage();
    QVERIFY(!containsColour(off, qRgb(255, 0, 0)));
    QVERIFY(!containsColour(off, qRgb(0, 0, 0)));
}

QTEST_MAIN(tst_BlinkLabel)
#include "tst_BlinkLabel.moc"
