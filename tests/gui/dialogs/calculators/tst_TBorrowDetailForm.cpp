// The loan schedule window: the clicks that fill the start date and the alternate
// repayment, the schedule shown from its first line, the computed term in red and
// the close box keeping the inputs.

#include "gui/widgets/HandlerGuard.h"
#include "gui/dialogs/calculators/TBorrowDetailForm.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "support/calculators/CalculatorFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QtTest>

using namespace kelvora;

class tst_TBorrowDetailForm : public QObject
{
    Q_OBJECT

private slots:
    void scheduleOfAnAlternateRepayment();
    void closeBoxKeepsTheInputs();
};

void tst_TBorrowDetailForm::scheduleOfAnAlternateRepayment()
{
    test::CalculatorFixture f;
    HandlerGuard guard(f.port, [](const QString&) {});
    f.settings.setValue(QStringLiteral("StartDateStr"), QStringLiteral("01/01/2020"));
    QString remembered;
    TBorrowDetailForm form(f.context(), remembered, guard);
    form.show();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activation);
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(form.HeadPanel->caption(), QStringLiteral("Friday 11 December 2026  -  Reducing Interest"));
    auto* period = form.findChild<QComboBox*>(QStringLiteral("Period"));
    QCOMPARE(period->currentText(), QStringLiteral("Weekly"));
    auto* start = form.findChild<QLineEdit*>(QStringLiteral("StartDate"));
    QCOMPARE(start->text(), QStringLiteral("01/01/2020"));
    QCOMPARE(start->focusPolicy(), Qt::ClickFocus);
    QTest::mouseClick(start, Qt::LeftButton);
    QCOMPARE(start->text(), QStringLiteral("11/12/2026"));
    auto* alternate = form.findChild<QLineEdit*>(QStringLiteral("AltRepayment"));
    QTest::mouseClick(alternate, Qt::LeftButton);
    QCOMPARE(alternate->text(), QStringLiteral("700"));

    period->setFocus();
    QTest::keyClick(period, Qt::Key_Down);
    QTest::keyClick(period, Qt::Key_Down);
    QCOMPARE(period->currentText(), QStringLiteral("Monthly"));
    QTest::mouseClick(form.findChild<GradientButton*>(QStringLiteral("CalcBtn")), Qt::LeftButton);
    QCOMPARE(f.port.log(), QStringList());

    auto* schedule = form.findChild<QPlainTextEdit*>(QStringLiteral("Borrowings"));
    QCOMPARE(schedule->document()->blockCount(), 4 + 15);
    QCOMPARE(
        schedule->document()->findBlockByNumber(4).text(),
        QStringLiteral("1      11/12/2026   $10,000.00 + $41.67    - 700          $658.33     $9,341.67    "
                       "$41.67"));
    QVERIFY(schedule->hasFocus());
    QCOMPARE(schedule->textCursor().position(), 0);
    QCOMPARE(schedule->font().family(), QStringLiteral("Arial"));
    auto* term = form.findChild<QLineEdit*>(QStringLiteral("EdTime"));
    QCOMPARE(term->text(), QStringLiteral("1.25"));
    QCOMPARE(term->palette().color(QPalette::Text), QColor(Qt::red));
    QCOMPARE(form.findChild<QLineEdit*>(QStringLiteral("LoanTerminates"))->text(),
             QStringLiteral("11/03/2028"));
    auto* copy = form.findChild<GradientButton*>(QStringLiteral("CopyBtn"));
    QVERIFY(copy->isEnabled());

    QTest::mouseClick(copy, Qt::LeftButton);
    QVERIFY(f.port.clipboard.endsWith(QStringLiteral("-$168.29     $331.71\r\n")));
    QVERIFY(!copy->isEnabled());
    QCOMPARE(term->palette().color(QPalette::Text), QColor(Qt::black));
}

void tst_TBorrowDetailForm::closeBoxKeepsTheInputs()
{
    test::CalculatorFixture f;
    HandlerGuard guard(f.port, [](const QString&) {});
    QString remembered;
    TBorrowDetailForm form(f.context(), remembered, guard);
    QVERIFY(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    form.show();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activation);
    auto* alternate = form.findChild<QLineEdit*>(QStringLiteral("AltRepayment"));
    QTest::keyClicks(alternate, QStringLiteral("650"));
    QVERIFY(form.close());
    QCOMPARE(remembered, QStringLiteral("650"));
    QCOMPARE(f.settings.value(QStringLiteral("BAmtStr")), QStringLiteral("10000"));
    QCOMPARE(f.settings.value(QStringLiteral("StartDateStr")), QStringLiteral("11/12/2026"));
}

QTEST_MAIN(tst_TBorrowDetailForm)
#include "tst_TBorrowDetailForm.moc"
