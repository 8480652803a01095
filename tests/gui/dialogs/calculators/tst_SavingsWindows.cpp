// The investment and annuity windows: their controls by name, a calculation
// through the controls and the print button handing the report over.

#include "gui/widgets/HandlerGuard.h"
#include "gui/dialogs/calculators/TAnnRForm.h"
#include "gui/dialogs/calculators/TAnnSForm.h"
#include "gui/dialogs/calculators/TInvestForm.h"
#include "gui/widgets/GradientButton.h"
#include "support/calculators/CalculatorFixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest>
#include <memory>

using namespace kelvora;

class tst_SavingsWindows : public QObject
{
    Q_OBJECT

private slots:
    void calculateAndPrint_data();
    void calculateAndPrint();
};

void tst_SavingsWindows::calculateAndPrint_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("inputs"); // name=text
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QStringList>("outputs"); // name=text
    QTest::addColumn<QString>("report");

    QTest::newRow("invest") << "TInvestForm"
                            << " Investments" << QStringList{"EdPrinc=1000", "EdRate=5", "EdTime=10"}
                            << "Period" << QStringList{"EdTot=1,647.01", "EdInt=647.01", "EdPays=120"}
                            << "RptInvest";
    QTest::newRow("rising") << "TAnnRForm"
                            << " Annuity - Rising" << QStringList{"EdPMT=100", "EdRate=5", "EdTime=10"}
                            << "EdPeriod"
                            << QStringList{"EdFV=15,528", "EdInputs=12,000", "EdIR=3,528", "EdAI=1,200"}
                            << "RptAnnR";
    QTest::newRow("sinking") << "TAnnSForm"
                             << " Annuity - Sinking" << QStringList{"EdFV=10000", "EdRate=5", "EdTime=10"}
                             << "EdPeriod" << QStringList{"EdPMT=64.40", "EdPays=120"} << "RptAnnS";
}

void tst_SavingsWindows::calculateAndPrint()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QStringList, inputs);
    QFETCH(QString, frequency);
    QFETCH(QStringList, outputs);
    QFETCH(QString, report);

    test::CalculatorFixture f;
    f.settings.setValue(window == QLatin1String("TInvestForm") ? QStringLiteral("IIntStr")
                                                               : QStringLiteral("RIntStr"),
                        QStringLiteral("2"));
    f.settings.setValue(QStringLiteral("SIntStr"), QStringLiteral("2"));
    HandlerGuard guard(f.port, [](const QString&) {});
    std::unique_ptr<SavingsWindow> form;
    if (window == QLatin1String("TInvestForm"))
        form = std::make_unique<TInvestForm>(f.context(), guard);
    else if (window == QLatin1String("TAnnRForm"))
        form = std::make_unique<TAnnRForm>(f.context(), guard);
    else
        form = std::make_unique<TAnnSForm>(f.context(), guard);
    form->show();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(form.get(), &activation);

    QCOMPARE(form->objectName(), window);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(form->findChild<QComboBox*>(frequency)->currentText(), QStringLiteral("Monthly"));
    auto* print = form->findChild<GradientButton*>(QStringLiteral("PrintBtn"));
    QVERIFY(!print->isEnabled());
    for (const QString& input : inputs) {
        auto* box = form->findChild<QLineEdit*>(input.section(QLatin1Char('='), 0, 0));
        QVERIFY2(box, qPrintable(input));
        QTest::keyClicks(box, input.section(QLatin1Char('='), 1));
    }
    QTest::mouseClick(form->findChild<GradientButton*>(QStringLiteral("CalcBtn")), Qt::LeftButton);
    QCOMPARE(f.port.log(), QStringList());
    for (const QString& output : outputs) {
        auto* box = form->findChild<QLineEdit*>(output.section(QLatin1Char('='), 0, 0));
        QVERIFY2(box, qPrintable(output));
        QCOMPARE(box->text(), output.section(QLatin1Char('='), 1));
    }
    QVERIFY(print->isEnabled());
    QTest::mouseClick(print, Qt::LeftButton);
    QCOMPARE(f.reports.shown.size(), 1);
    QCOMPARE(f.reports.shown.first().name, report);
    QCOMPARE(print->startColour(), QColor(0, 0xFF, 0));
}

QTEST_MAIN(tst_SavingsWindows)
#include "tst_SavingsWindows.moc"
