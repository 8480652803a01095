#include "core/ledger/LedgerModel.h"
#include "gui/MainFormFixture.h"
#include "gui/pages/LedgerPage.h"
#include "gui/pages/PageGrid.h"
#include "gui/pages/parts/TotalsFooter.h"
#include "gui/widgets/GradientButton.h"
#include "gui/widgets/DataMemo.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>

using namespace kelvora;
using kelvora::test::MainFormFixture;

Q_DECLARE_METATYPE(LedgerKind)

// The Expenses and Income pages are one class; every case runs on both.
class tst_LedgerPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainFormFixture> f;

    static TableId tableOf(LedgerKind kind) { return kind == LedgerKind::Expenses ? TableId::Expense : TableId::Income; }

    LedgerPage* open(LedgerKind kind, int records)
    {
        f->addRecords(tableOf(kind), records);
        if (!f->start())
            return nullptr;
        LedgerPage* page = kind == LedgerKind::Expenses ? f->form->expensesPage() : f->form->incomePage();
        f->form->PageControl->setCurrentWidget(page);
        page->Grid->view().first();
        return page;
    }

    // The record as another program would read it from the file.
    QString stored(LedgerKind kind, QStringView field)
    {
        Database db(f->folders().databaseFile());
        View check(db, tableOf(kind));
        check.setOrder(QStringLiteral("Ref"));
        check.first();
        return check.asText(field);
    }

    static void addKinds()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::newRow("expenses") << LedgerKind::Expenses;
        QTest::newRow("income") << LedgerKind::Income;
    }

private slots:
    void init() { f = std::make_unique<MainFormFixture>(); }
    void cleanup() { f.reset(); }

    void controlsAndColumns_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<QString>("grid");
        QTest::addColumn<QString>("notes");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("firstUserColumn");
        QTest::addColumn<QString>("firstUserTitle");
        QTest::addColumn<int>("taxColumn");
        QTest::newRow("expenses") << LedgerKind::Expenses << "ExpendGrid" << "NoteExp" << 24 << 16 << "100%" << 12;
        QTest::newRow("income") << LedgerKind::Income << "IncomeGrid" << "NoteInc" << 23 << 18 << "F1" << 15;
    }
    void controlsAndColumns()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(QString, grid);
        QFETCH(QString, notes);
        QFETCH(int, columns);
        QFETCH(int, firstUserColumn);
        QFETCH(QString, firstUserTitle);
        QFETCH(int, taxColumn);
        LedgerPage* page = open(kind, 0);
        QVERIFY(page);
        QCOMPARE(page->Grid->objectName(), grid);
        QCOMPARE(page->Notes->objectName(), notes);
        QCOMPARE(page->Grid->horizontalHeader()->count(), columns);
        QCOMPARE(page->Grid->model()->headerData(firstUserColumn, Qt::Horizontal).toString(), firstUserTitle);
        QCOMPARE(page->Grid->model()->headerData(taxColumn, Qt::Horizontal).toString(), QStringLiteral("VatStr"));
    }

    void anEditIsPostedWhenThePageIsLeft_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("field");
        QTest::newRow("expenses") << LedgerKind::Expenses << 6 << "Supplier";
        QTest::newRow("income") << LedgerKind::Income << 11 << "Sourc";
    }
    void anEditIsPostedWhenThePageIsLeft()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(int, column);
        QFETCH(QString, field);
        LedgerPage* page = open(kind, 2);
        QVERIFY(page);
        QCOMPARE(page->Grid->fieldAtPosition(column), field);
        QVERIFY(page->Grid->model()->setData(page->Grid->model()->index(0, column), QStringLiteral("Bunnings")));
        QCOMPARE(page->Grid->view().state(), View::State::Edit);
        f->form->PageControl->setCurrentWidget(f->form->TabOffice);
        QCOMPARE(page->Grid->view().state(), View::State::Browse);
        QCOMPARE(stored(kind, field), QStringLiteral("Bunnings"));
    }

    void aNotesEditIsPostedWhenTheFocusLeavesIt_data() { addKinds(); }
    void aNotesEditIsPostedWhenTheFocusLeavesIt()
    {
        QFETCH(LedgerKind, kind);
        LedgerPage* page = open(kind, 1);
        QVERIFY(page);
        f->form->activateWindow();
        page->Notes->setFocus();
        QTRY_VERIFY(page->Notes->hasFocus());
        QTest::keyClicks(page->Notes, QStringLiteral("Paid in cash"));
        QCOMPARE(page->Grid->view().state(), View::State::Edit);
        page->Grid->setFocus();
        QTRY_COMPARE(page->Grid->view().state(), View::State::Browse);
        QCOMPARE(stored(kind, u"Notes"), QStringLiteral("Paid in cash"));
    }

    void textStillInAnOpenCellIsSavedOnClose_data() { addKinds(); }
    void textStillInAnOpenCellIsSavedOnClose()
    {
        QFETCH(LedgerKind, kind);
        LedgerPage* page = open(kind, 1);
        QVERIFY(page);
        QVERIFY(page->Grid->setCurrentField(QStringLiteral("PaidBy")));
        page->Grid->setFocus();
        page->Grid->edit(page->Grid->currentIndex());
        QWidget* editor = QApplication::focusWidget();
        QVERIFY(qobject_cast<QLineEdit*>(editor));
        QTest::keyClicks(editor, QStringLiteral("Visa"));
        f->form->close();
        QVERIFY(!f->form->isVisible());
        QCOMPARE(stored(kind, u"PaidBy"), QStringLiteral("Visa"));
    }

    void enterFromTheLastColumnGoesToTheNextRecord_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<QString>("lastField");
        QTest::newRow("expenses") << LedgerKind::Expenses << "Ref";
        QTest::newRow("income") << LedgerKind::Income << "F5";
    }
    void enterFromTheLastColumnGoesToTheNextRecord()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(QString, lastField);
        LedgerPage* page = open(kind, 3);
        QVERIFY(page);
        PageGrid* grid = page->Grid;
        QVERIFY(grid->setCurrentField(lastField));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Return);
        QCOMPARE(grid->view().currentRow(), 1);
        QCOMPARE(grid->currentField(), QStringLiteral("Tag"));
        QTest::keyClick(grid, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(grid->view().currentRow(), 0);
        QCOMPARE(grid->currentField(), lastField);
    }

    void splitThenSumFillsTheFooter_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<QString>("amountField");
        QTest::addColumn<QString>("splitButton");
        QTest::addColumn<QString>("sumButton");
        QTest::addColumn<QString>("taxBox");
        QTest::addColumn<QString>("bankBox");
        QTest::newRow("expenses") << LedgerKind::Expenses << "F2" << "GSTBtn" << "TotExpBtn" << "GSTExp" << "BankExp";
        QTest::newRow("income") << LedgerKind::Income << "Sales" << "SplitIncGSTBtn" << "TotIncBtn" << "IncGST"
                                << "BankInc";
    }
    void splitThenSumFillsTheFooter()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(QString, amountField);
        QFETCH(QString, splitButton);
        QFETCH(QString, sumButton);
        QFETCH(QString, taxBox);
        QFETCH(QString, bankBox);
        LedgerPage* page = open(kind, 1);
        QVERIFY(page);
        View& view = page->Grid->view();
        view.edit();
        view.setField(amountField, 110.0);
        auto* split = page->findChild<GradientButton*>(splitButton);
        auto* sum = page->findChild<GradientButton*>(sumButton);
        QVERIFY(split && sum);
        QTest::mouseClick(split, Qt::LeftButton);
        QCOMPARE(view.asFloat(u"Bank"), 110.0);
        QCOMPARE(page->Grid->currentField(), QStringLiteral("Tag"));
        QCOMPARE(sum->captionColour(), QColor(Qt::red));
        QTest::mouseClick(sum, Qt::LeftButton);
        QCOMPARE(sum->captionColour(), QColor(Qt::white));
        QCOMPARE(page->Footer->box(taxBox)->text(), QStringLiteral("$10.00"));
        QCOMPARE(page->Footer->box(bankBox)->text(), QStringLiteral("$110.00"));
    }

    void theRateIsTypedOnTheExpensesPageOnly()
    {
        QVERIFY(f->start());
        QLineEdit* apply = f->form->expensesPage()->RateBox;
        QLineEdit* applyInc = f->form->incomePage()->RateBox;
        QCOMPARE(apply->objectName(), QStringLiteral("Apply"));
        QCOMPARE(applyInc->objectName(), QStringLiteral("ApplyInc"));
        apply->selectAll();
        QTest::keyClicks(apply, QStringLiteral("12.5"));
        QCOMPARE(applyInc->text(), QStringLiteral("12.5"));
        QTest::keyClicks(applyInc, QStringLiteral("9"));
        QCOMPARE(applyInc->text(), QStringLiteral("12.5"));
        QCOMPARE(f->model->settings().gstRate(), QStringLiteral("12.5"));
    }

    void notesAreStampedAndCopied_data()
    {
        QTest::addColumn<LedgerKind>("kind");
        QTest::addColumn<QString>("stamped");
        QTest::newRow("expenses") << LedgerKind::Expenses << "Paid\r\n11/12/2026 09:30:00  ";
        QTest::newRow("income") << LedgerKind::Income << "Paid\r\n11/12/2026 09:30:00 ";
    }
    void notesAreStampedAndCopied()
    {
        QFETCH(LedgerKind, kind);
        QFETCH(QString, stamped);
        LedgerPage* page = open(kind, 1);
        QVERIFY(page);
        View& view = page->Grid->view();
        view.edit();
        view.setField(u"Notes", QStringLiteral("Paid"));
        view.post();
        QTest::mouseDClick(page->Notes->viewport(), Qt::LeftButton);
        QCOMPARE(view.state(), View::State::Browse);
        QCOMPARE(stored(kind, u"Notes"), stamped);
        QTest::mouseClick(page->CopyNotesBtn, Qt::LeftButton);
        QCOMPARE(f->port.clipboard, stamped);
    }
};

QTEST_MAIN(tst_LedgerPage)
#include "tst_LedgerPage.moc"
