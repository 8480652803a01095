#include "core/clients/ClientsModel.h"
#include "core/ledger/LedgerModel.h"
#include "gui/MainFormFixture.h"
#include "gui/pages/ClientsPage.h"
#include "gui/pages/LedgerPage.h"
#include "gui/pages/PageGrid.h"
#include "gui/widgets/DataMemo.h"
#include "gui/widgets/GradientButton.h"

#include <QApplication>
#include <QTabWidget>

using namespace kelvora;
using kelvora::test::MainFormFixture;

class tst_TagToolsBar : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainFormFixture> f;

private slots:
    void init() { f = std::make_unique<MainFormFixture>(); }
    void cleanup() { f.reset(); }

    void everyPageHasItsButtons_data()
    {
        QTest::addColumn<QString>("tab");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("hint");
        QTest::newRow("TagNamesBtn") << "TabClients" << "TagNamesBtn" << "Tag All CURRENT Records";
        QTest::newRow("ClrNamesTagsBtn") << "TabClients" << "ClrNamesTagsBtn"
                                         << "Clear Tags from CURRENTLY FILTERED Records.";
        QTest::newRow("PaidBtn") << "TabClients" << "PaidBtn" << "Show only paid entries,  ordered by PaidDate.";
        QTest::newRow("UnpaidBtn") << "TabClients" << "UnpaidBtn" << "Show outstanding amounts.";
        QTest::newRow("DOBbtn") << "TabClients" << "DOBbtn" << "Show clients with Birthdays within a month";
        QTest::newRow("ChekBtn") << "TabClients" << "ChekBtn"
                                 << "Filter to hide records with duplicate Names and Company.";
        QTest::newRow("LocateAsurname") << "TabClients" << "LocateAsurname" << "Locate Surname.";
        QTest::newRow("NamesNextNoteBtn") << "TabClients" << "NamesNextNoteBtn"
                                          << "NEXT button, search for next record containing same text.";
        QTest::newRow("SwapExpBtn") << "TabExpenses" << "SwapExpBtn"
                                    << "Reverse the Tags on all Records and Filter on newly tagged records.";
        QTest::newRow("ExpNoteSrchBtn") << "TabExpenses" << "ExpNoteSrchBtn" << "Search all Record NOTES for some text.";
        QTest::newRow("TagIncomeBtn") << "TabIncome" << "TagIncomeBtn" << "Tags all CURRENT records.";
        QTest::newRow("ClrIncomeTagsBtn") << "TabIncome" << "ClrIncomeTagsBtn" << "Clear Tags from all CURRENT records.";
        QTest::newRow("IncNoteSrchBtn") << "TabIncome" << "IncNoteSrchBtn" << "Search all Record Notes for some text.";
    }
    void everyPageHasItsButtons()
    {
        QFETCH(QString, tab);
        QFETCH(QString, button);
        QFETCH(QString, hint);
        QVERIFY(f->start());
        auto* page = f->form->findChild<QWidget*>(tab);
        QVERIFY(page);
        auto* b = page->findChild<GradientButton*>(button);
        QVERIFY(b);
        QCOMPARE(b->statusTip(), hint);
        // The ledger pages have none of the client tools.
        if (tab != QLatin1String("TabClients"))
            QVERIFY(!page->findChild<QWidget*>(QStringLiteral("PaidBtn")));
    }

    void theWindowStillFitsItsWidth()
    {
        QVERIFY(f->start());
        for (QWidget* page : {f->form->TabClients, f->form->TabExpenses, f->form->TabIncome})
            QVERIFY2(page->minimumSizeHint().width() <= 1344, qPrintable(page->objectName()));
    }

    void tagAllOnExpensesTagsAndShowsTheTagSelection()
    {
        f->addRecords(TableId::Expense, 3);
        QVERIFY(f->start());
        LedgerPage* page = f->form->expensesPage();
        f->form->PageControl->setCurrentWidget(page);
        QTest::mouseClick(page->findChild<GradientButton*>(QStringLiteral("TagExpendBtn")), Qt::LeftButton);
        Database db(f->folders().databaseFile());
        View check(db, TableId::Expense);
        check.setSelection(Selection::equals(QStringLiteral("Tag"), Value::text(QStringLiteral("y"))));
        QCOMPARE(check.rowCount(), 3);
        QCOMPARE(f->model->expensesModel()->selection().fieldIndex(), 1);
        QCOMPARE(page->Grid->view().currentRow(), 2);
        QCOMPARE(QApplication::focusWidget(), page->Grid);
        QVERIFY(f->port.log().isEmpty());
    }

    void aNotesSearchSelectsTheHitInTheNotesBox()
    {
        f->addRecords(TableId::Income, 2);
        {
            Database db(f->folders().databaseFile());
            View v(db, TableId::Income);
            v.last();
            v.edit();
            v.setField(u"Notes", QStringLiteral("first\r\nsecond pay"));
            v.post();
        }
        QVERIFY(f->start());
        LedgerPage* page = f->form->incomePage();
        f->form->PageControl->setCurrentWidget(page);
        f->port.queueText(QStringLiteral("pay"));
        QTest::mouseClick(page->findChild<GradientButton*>(QStringLiteral("IncNoteSrchBtn")), Qt::LeftButton);
        QCOMPARE(page->Grid->view().currentRow(), 1);
        QCOMPARE(page->Notes->textCursor().selectedText(), QStringLiteral("pay"));
        QCOMPARE(QApplication::focusWidget(), page->Notes);
    }
};

QTEST_MAIN(tst_TagToolsBar)
#include "tst_TagToolsBar.moc"
