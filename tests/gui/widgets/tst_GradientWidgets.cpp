#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"

#include <QSignalSpy>
#include <QTest>

using namespace kelvora;

class tst_GradientWidgets : public QObject
{
    Q_OBJECT

private slots:
    void flipAlternatesBetweenSchemeAndNeutralLook_data();
    void flipAlternatesBetweenSchemeAndNeutralLook();
    void flipHasNoOtherEffect();
    void panelClickedOnlyWhenReleasedInside();
    void automaticCaptionReadsOnTheGradientUnderIt_data();
    void automaticCaptionReadsOnTheGradientUnderIt();
};

void tst_GradientWidgets::flipAlternatesBetweenSchemeAndNeutralLook_data()
{
    QTest::addColumn<QColor>("start");
    QTest::addColumn<QColor>("end");
    QTest::addColumn<QColor>("firstStart");
    QTest::addColumn<QColor>("firstEnd");
    QTest::addColumn<QColor>("secondStart");
    QTest::addColumn<QColor>("secondEnd");

    const QColor grad1(Qt::blue);
    const QColor grad2(Qt::green);
    const QColor silver = GradientButton::silver();
    const QColor grey = GradientButton::grey();
    QTest::newRow("scheme look") << grad2 << grad1 << silver << grey << grad2 << grad1;
    QTest::newRow("neutral look") << silver << grey << grad2 << grad1 << silver << grey;
    // Each colour is tested on its own.
    QTest::newRow("silver start, scheme end") << silver << grad1 << grad2 << grey << silver << grad1;
    // A button in some other colour goes neutral first, then takes the scheme.
    QTest::newRow("foreign colours") << QColor(Qt::red) << QColor(Qt::yellow) << silver << grey << grad2 << grad1;
}

void tst_GradientWidgets::flipAlternatesBetweenSchemeAndNeutralLook()
{
    QFETCH(QColor, start);
    QFETCH(QColor, end);
    QFETCH(QColor, firstStart);
    QFETCH(QColor, firstEnd);
    QFETCH(QColor, secondStart);
    QFETCH(QColor, secondEnd);

    GradientButton button;
    button.setColours(start, end);
    button.flipPressedLook(Qt::blue, Qt::green);
    QCOMPARE(button.startColour(), firstStart);
    QCOMPARE(button.endColour(), firstEnd);
    button.flipPressedLook(Qt::blue, Qt::green);
    QCOMPARE(button.startColour(), secondStart);
    QCOMPARE(button.endColour(), secondEnd);
}

void tst_GradientWidgets::flipHasNoOtherEffect()
{
    GradientButton button(QStringLiteral("Sum"));
    button.setColours(Qt::green, Qt::blue);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    button.flipPressedLook(Qt::blue, Qt::green);
    button.flipPressedLook(Qt::blue, Qt::green);
    QCOMPARE(button.startColour(), QColor(Qt::green));
    QCOMPARE(button.endColour(), QColor(Qt::blue));
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(button.text(), QStringLiteral("Sum"));
    QVERIFY(button.isEnabled());
}

void tst_GradientWidgets::panelClickedOnlyWhenReleasedInside()
{
    GradientPanel panel;
    panel.resize(200, 30);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QSignalSpy clicked(&panel, &GradientPanel::clicked);

    QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(clicked.count(), 1);

    QTest::mouseClick(&panel, Qt::RightButton, {}, QPoint(20, 10));
    QCOMPARE(clicked.count(), 1);

    // Pressed on the band, released off it: the user changed their mind.
    QTest::mousePress(&panel, Qt::LeftButton, {}, QPoint(20, 10));
    QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(20, 200));
    QCOMPARE(clicked.count(), 1);
}

void tst_GradientWidgets::automaticCaptionReadsOnTheGradientUnderIt_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QColor>("expected");
    // Blue to lime, left to right: white over the blue end, black over the lime end.
    QTest::newRow("left on blue") << int(Qt::AlignLeft | Qt::AlignVCenter) << QColor(Qt::white);
    QTest::newRow("right on lime") << int(Qt::AlignRight | Qt::AlignVCenter) << QColor(Qt::black);
}

void tst_GradientWidgets::automaticCaptionReadsOnTheGradientUnderIt()
{
    QFETCH(int, alignment);
    QFETCH(QColor, expected);
    GradientPanel panel;
    panel.setColours(Qt::blue, Qt::green);
    panel.setCaptionAlignment(Qt::Alignment(alignment));
    QCOMPARE(panel.effectiveCaptionColour(), expected);

    panel.setCaptionColour(Qt::yellow);
    QCOMPARE(panel.effectiveCaptionColour(), QColor(Qt::yellow));
}

QTEST_MAIN(tst_GradientWidgets)
#include "tst_GradientWidgets.moc"
