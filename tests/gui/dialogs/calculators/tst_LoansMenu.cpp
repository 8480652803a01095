// The "Loans" menu: its items in order, each opening its calculator over the main
// window, and the alternate repayment outliving the loan schedule's window.

#include "core/app/MainModel.h"
#include "gui/widgets/HandlerGuard.h"
#include "gui/dialogs/calculators/LoansMenu.h"
#include "support/ScriptedUserPort.h"
#include "support/TempDataFolder.h"
#include "support/calculators/CalculatorFixture.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QtTest>

using namespace kelvora;

namespace {

// What exec() does before the user acts: the window shows and becomes active.
void showActive(QDialog& form)
{
    form.show();
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activation);
}

} // namespace

class tst_LoansMenu : public QObject
{
    Q_OBJECT

private slots:
    void itemsOpenTheirCalculators();
    void alternateRepaymentOutlivesTheWindow();
};

void tst_LoansMenu::itemsOpenTheirCalculators()
{
    test::TempDataFolder folder;
    test::CalculatorFixture f;
    HandlerGuard guard(f.port, [](const QString&) {});
    QMainWindow window;
    LoansMenu* menu = addLoansMenu(window.menuBar(), f.settings, Regional::australian(), folder.folders(),
                                   guard, &window, [] { return test::CalculatorFixture::kToday; });
    QCOMPARE(menu->title(), QStringLiteral("Loans"));
    QCOMPARE(window.menuBar()->actions().last()->menu(), menu);

    QStringList opened;
    menu->setShow([&](QDialog& form) {
        showActive(form);
        opened.append(form.objectName() + QLatin1Char('|') + form.windowTitle());
        QCOMPARE(form.parentWidget(), &window);
        QVERIFY(form.isModal());
        form.close();
    });
    QStringList captions;
    for (QAction* action : menu->actions()) {
        captions.append(action->text());
        action->trigger();
    }
    QCOMPARE(captions,
             QStringList({"Borrow", "Borrow Detail", "Invest", "Rising Annuity", "Sinking Annuity"}));
    QCOMPARE(opened, QStringList({"TBorrowForm| Borrowings", "TBorrowDetailForm| Borrowings",
                                  "TInvestForm| Investments", "TAnnRForm| Annuity - Rising",
                                  "TAnnSForm| Annuity - Sinking"}));
    QVERIFY(menu->findChild<QAction*>(QStringLiteral("SinkingAnnuity1")));
    QCOMPARE(f.port.log(), QStringList());
    // Closing each window kept its inputs: the schedule filled in its defaults.
    QCOMPARE(f.settings.value(QStringLiteral("BAmtStr")), QStringLiteral("10000"));
}

void tst_LoansMenu::alternateRepaymentOutlivesTheWindow()
{
    test::TempDataFolder folder;
    test::CalculatorFixture f;
    HandlerGuard guard(f.port, [](const QString&) {});
    QMainWindow window;
    LoansMenu* menu =
        addLoansMenu(window.menuBar(), f.settings, Regional::australian(), folder.folders(), guard, &window);
    QString seen;
    menu->setShow([&](QDialog& form) {
        showActive(form);
        auto* alternate = form.findChild<QLineEdit*>(QStringLiteral("AltRepayment"));
        QTest::mouseClick(alternate, Qt::LeftButton);
        seen = alternate->text();
        alternate->selectAll();
        QTest::keyClicks(alternate, QStringLiteral("820"));
        form.close();
    });
    menu->BorrowDetail1Click();
    QCOMPARE(seen, QStringLiteral("700"));
    QCOMPARE(menu->alternateRepayment(), QStringLiteral("820"));
    menu->BorrowDetail1Click();
    QCOMPARE(seen, QStringLiteral("820"));
}

QTEST_MAIN(tst_LoansMenu)
#include "tst_LoansMenu.moc"
