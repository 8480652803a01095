#include "core/ledger/LedgerModel.h"
#include "core/settings/Settings.h"
#include "gui/MainFormFixture.h"
#include "gui/dialogs/taxation/TTaxnForm.h"
#include "gui/pages/LedgerPage.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/GradientPanel.h"
#include "report/Report.h"

#include <QLabel>
#include <QLineEdit>

using namespace kelvora;
using kelvora::test::MainFormFixture;

class tst_TTaxnForm : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainFormFixture> f;

    void addRecords()
    {
        f->addAmounts(TableId::Expense, 1, QDate(2026, 3, 2), {{u"Phone", 1200}, {u"Tax", 120}, {u"Bank", 1320}});
        f->addAmounts(TableId::Income, 1, QDate(2026, 3, 4), {{u"Sales", 1000}, {u"Tax", 100}, {u"Bank", 1100}});
    }

    std::unique_ptr<TTaxnForm> openForm()
    {
        LedgerModel& e = *f->model->expensesModel();
        LedgerModel& i = *f->model->incomeModel();
        TaxnController::sumBoth(e, i);
        return std::make_unique<TTaxnForm>(e, i, f->form->guard(), nullptr, f->form.get());
    }

    QString boxText(TTaxnForm& form, const char* name)
    {
        auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(name));
        return edit ? edit->text() : QStringLiteral("<missing>");
    }

    void retype(TTaxnForm& form, const char* name, const QString& text)
    {
        auto* edit = form.findChild<QLineEdit*>(QString::fromLatin1(name));
        QVERIFY(edit);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

private slots:
    void init()
    {
        f = std::make_unique<MainFormFixture>();
        addRecords();
        QVERIFY(f->start());
    }
    void cleanup() { f.reset(); }

    void theLedgerPagesHaveTheButtons()
    {
        for (const char* name : {"TaxnBtn1", "GraphExpBtn", "GraphExpBtn2"})
            QVERIFY2(f->form->expensesPage()->findChild<GradientButton*>(QString::fromLatin1(name)), name);
        for (const char* name : {"TaxnBtn2", "GraphIncBtn", "GraphIncBtn2"})
            QVERIFY2(f->form->incomePage()->findChild<GradientButton*>(QString::fromLatin1(name)), name);
        auto* taxn = f->form->incomePage()->findChild<GradientButton*>(QStringLiteral("TaxnBtn2"));
        QCOMPARE(taxn->text(), QStringLiteral("Taxation"));
        QCOMPARE(taxn->statusTip(), QStringLiteral("Filter Expenses and Income before clicking to show tax Breakdown."));
    }

    void showsTheBreakdown()
    {
        auto form = openForm();
        QCOMPARE(form->windowTitle(), QStringLiteral(" Taxation Breakdown"));
        QCOMPARE(form->HeadPanel->caption(), QStringLiteral("Taxation Breakdown for All"));
        QCOMPARE(boxText(*form, "PhoneExp"), QStringLiteral("$1,200.00"));
        QCOMPARE(boxText(*form, "Pho"), QStringLiteral("80"));
        QCOMPARE(boxText(*form, "PhoneTot"), QStringLiteral("$960.00"));
        QCOMPARE(boxText(*form, "NoF"), QStringLiteral("1"));
        QCOMPARE(boxText(*form, "SalesTot"), QStringLiteral("$1,000.00"));
        QCOMPARE(boxText(*form, "Balance"), QStringLiteral("-$200.00"));
        QCOMPARE(boxText(*form, "GSTBal"), QStringLiteral("$20.00"));
        auto* balance = form->findChild<QLineEdit*>(QStringLiteral("Balance"));
        QCOMPARE(balance->palette().color(QPalette::Text), QColor(Qt::red));
        QVERIFY(balance->isReadOnly());
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("GSTBal"))->palette().color(QPalette::Text),
                 QColor(Qt::blue));
        QVERIFY(!form->findChild<QLineEdit*>(QStringLiteral("Pho"))->isReadOnly());
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("LabE1"))->text(), QStringLiteral("100%"));
        QCOMPARE(form->findChild<QLabel*>(QStringLiteral("TaxBalance"))->text(), QStringLiteral("VatStr Balance"));
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("PhoneTot"))->statusTip(),
                 QStringLiteral("Amount claimed for Taxation."));
        QCOMPARE(form->findChild<QLineEdit*>(QStringLiteral("Sal"))->statusTip(), QStringLiteral("Percentage Taxable."));
        QCOMPARE(form->PrintBtn->statusTip(), QStringLiteral("Preview and Print Taxation Summary."));
        QCOMPARE(form->DoneBtn->text(), QStringLiteral("Done"));
    }

    void typingRecomputesAndDoneKeepsThePercentages()
    {
        auto form = openForm();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        retype(*form, "Pho", "");
        QCOMPARE(boxText(*form, "PhoneTot"), QStringLiteral("0"));
        retype(*form, "E1", "");
        QCOMPARE(boxText(*form, "E1Tot"), QString());
        retype(*form, "Pho", "5x");
        QVERIFY(form->Problem->isVisible());
        QCOMPARE(form->Problem->text(), QStringLiteral("The percentage for Phone, \"5x\", is not a number."));
        QCOMPARE(boxText(*form, "PhoneTot"), QStringLiteral("$60.00")); // "5" was a number
        QTest::keyClick(form->findChild<QLineEdit*>(QStringLiteral("Pho")), Qt::Key_Backspace);
        QVERIFY(!form->Problem->isVisible());
        QTest::mouseClick(form->DoneBtn, Qt::LeftButton);
        QVERIFY(!form->isVisible());
        QCOMPARE(f->model->settings().value(SettingKey::ExpensePctPhone), QStringLiteral("5"));
        QCOMPARE(f->model->settings().value(SettingKey::ExpensePct1), QString());
        QVERIFY(f->port.log().isEmpty());
    }

    // The print button's page: the template takes every text the window gives it.
    void theSummaryTemplate()
    {
        auto form = openForm();
        const CalculatorReport request = form->model().RptTaxnBeforePrint();
        report::Report report;
        QVERIFY2(report.load(QStringLiteral(KELVORA_SOURCE_RESOURCES "/templates/RptTaxn.xml")),
                 qPrintable(report.loadErrors().join('\n')));
        report.setBeforePrint([&](report::ReportFill& fill) {
            for (const auto& [object, text] : request.texts)
                fill.setText(object, text);
            fill.setPicture(QStringLiteral("Picture1"), QString());
        });
        const report::ReportResult result = report.prepare();
        QVERIFY2(result.ok(), qPrintable(result.errors.join('\n')));
        QCOMPARE(result.missingNames, QStringList());
        QCOMPARE(report.document().pages.size(), 1);
        QStringList printed;
        for (const report::DisplayItem& item : report.document().pages.front().items)
            printed << (item.lines.isEmpty() ? item.text : item.lines.join(' '));
        for (const char* text : {"Taxation Breakdown for All", "$1,200.00", "$960.00", "-$200.00", "$20.00",
                                 "VatStr Balance", "Page  1 of 1"})
            QVERIFY2(printed.contains(QString::fromLatin1(text)), text);
    }
};

QTEST_MAIN(tst_TTaxnForm)
#include "tst_TTaxnForm.moc"
