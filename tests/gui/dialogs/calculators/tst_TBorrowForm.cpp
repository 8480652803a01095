// The borrowing calculator window: controls by name, typing and choosing the
// frequency reach the model, Calculate shows the outputs and the calculated look,
// hints reach the status bar, Close keeps the inputs.

#include "gui/widgets/HandlerGuard.h"
#include "gui/dialogs/calculators/TBorrowForm.h"
#include "gui/widgets/GradientButton.h"
#include "support/calculators/CalculatorFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QtTest>

using namespace kelvora;

class tst_TBorrowForm : public QObject
{
    Q_OBJECT

private slots:
    void calculatesThroughTheControls();
    void hintsReachTheStatusBar();
    void closeKeepsTheInputs();

private:
    static void activate(QWidget& window)
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&window, &activation);
    }
};

void tst_TBorrowForm::calculatesThroughTheControls()
{
    test::CalculatorFixture f;
    HandlerGuard guard(f.port, [](const QString&) {});
    f.settings.setValue(QStringLiteral("BAmtStr"), QStringLiteral("10000"));
    TBorrowForm form(f.context(), guard);
    form.show();
    activate(form);

    auto* princ = form.findChild<QLineEdit*>(QStringLiteral("EdPrinc"));
    auto* period = form.findChild<QComboBox*>(QStringLiteral("Period"));
    auto* calc = form.findChild<GradientButton*>(QStringLiteral("CalcBtn"));
    auto* specifics = form.findChild<GradientButton*>(QStringLiteral("LoanSpecsBtn"));
    QVERIFY(princ && period && calc && specifics);
    QCOMPARE(form.windowTitle(), QStringLiteral(" Borrowings"));
    QCOMPARE(princ->text(), QStringLiteral("10000"));
    QCOMPARE(period->currentText(), QStringLiteral("Select"));
    QCOMPARE(period->lineEdit()->palette().color(QPalette::Text), QColor(Qt::red));
    QVERIFY(!calc->isEnabled());
    QVERIFY(!specifics->isEnabled());

    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("EdRate")), QStringLiteral("5"));
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("EdTime")), QStringLiteral("10"));
    QCOMPARE(form.model().text(QStringLiteral("EdTime")), QStringLiteral("10"));
    period->setFocus();
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(period, Qt::Key_Down); // Daily, Weekly, Fortnightly, Monthly
    QCOMPARE(form.model().frequencyIndex(), 3);
    QVERIFY(calc->isEnabled());
    QCOMPARE(calc->captionColour(), QColor(Qt::red));

    QTest::mouseClick(calc, Qt::LeftButton);
    QCOMPARE(f.port.log(), QStringList());
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("EdPays"))->text(), QStringLiteral("120.00"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("EdR"))->text(), QStringLiteral("$106.07"));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("EdTot"))->text(), QStringLiteral("$12,727.86"));
    QVERIFY(form.findChild<QLineEdit*>(QStringLiteral("EdTot"))->isReadOnly());
    QCOMPARE(calc->startColour(), QColor(0, 0xFF, 0));
    QCOMPARE(calc->captionColour(), QColor(Qt::blue));
    QCOMPARE(period->lineEdit()->palette().color(QPalette::Text), QColor(Qt::black));
    QVERIFY(specifics->isEnabled());

    QTest::mouseClick(specifics, Qt::LeftButton);
    QVERIFY(f.port.clipboard.startsWith(QStringLiteral("Reducing Interest\r\n")));
    QCOMPARE(specifics->startColour(), QColor(0, 0xFF, 0));
    QCOMPARE(calc->captionColour(), QColor(Qt::red));

    // A text that is no number: the error box, and the window stays.
    princ->selectAll();
    QTest::keyClicks(princ, QStringLiteral("ten"));
    f.port.queueButton(MsgButton::Retry);
    QTest::mouseClick(calc, Qt::LeftButton);
    QCOMPARE(f.port.lastLine(), QStringLiteral("MessageDlg(Error): ERROR : Check your Requirements"));
    QVERIFY(form.isVisible());
}

void tst_TBorrowForm::hintsReachTheStatusBar()
{
    test::CalculatorFixture f;
    HandlerGuard guard(f.port, [](const QString&) {});
    TBorrowForm form(f.context(), guard);
    form.show();
    auto* specifics = form.findChild<GradientButton*>(QStringLiteral("LoanSpecsBtn"));
    QCOMPARE(specifics->toolTip(),
             QStringLiteral("Copy Loan Specifics to ClipBoard\nEnabled after Calculated"));
    QStatusTipEvent tip(specifics->statusTip());
    QApplication::sendEvent(specifics, &tip);
    QCOMPARE(form.findChild<QStatusBar*>(QStringLiteral("StatusBar"))->currentMessage(),
             QStringLiteral("Copy Loan Specifics to ClipBoard  -  Enabled after Calculated"));
}

void tst_TBorrowForm::closeKeepsTheInputs()
{
    test::CalculatorFixture f;
    HandlerGuard guard(f.port, [](const QString&) {});
    TBorrowForm form(f.context(), guard);
    form.show();
    activate(form);
    QTest::keyClicks(form.findChild<QLineEdit*>(QStringLiteral("EdPrinc")), QStringLiteral("4500"));
    QTest::mouseClick(form.findChild<GradientButton*>(QStringLiteral("CloseBtn")), Qt::LeftButton);
    QVERIFY(!form.isVisible());
    QCOMPARE(f.settings.value(QStringLiteral("BAmtStr")), QStringLiteral("4500"));
    QCOMPARE(f.settings.value(QStringLiteral("BRateStr")), QString());
}

QTEST_MAIN(tst_TBorrowForm)
#include "tst_TBorrowForm.moc"
