#include "core/app/DemoData.h"
#include "core/format/Cents.h"
#include "core/settings/AppFolders.h"
#include "core/store/Database.h"
#include "core/store/Selection.h"
#include "core/store/View.h"

#include <QTemporaryDir>
#include <QTest>

using namespace kelvora;

class tst_DemoData : public QObject
{
    Q_OBJECT

private slots:
    void theDemoFolderBalancesAndHoldsWhatTheDemonstrationsLookFor()
    {
        QTemporaryDir dir;
        const AppFolders folders = AppFolders::resolve(dir.filePath(QStringLiteral("data")));
        const QString key = dir.filePath(QStringLiteral("config/Kelvora.ini"));
        QVERIFY(DemoData::writeFolder(folders, key, QDate(2026, 12, 11)));
        // A folder that already holds a database is never overwritten.
        QVERIFY(!DemoData::writeFolder(folders, key, QDate(2026, 12, 11)));

        Database db(folders.databaseFile());
        View expenses(db, TableId::Expense);
        View income(db, TableId::Income);
        View names(db, TableId::Names);
        View diary(db, TableId::Diary);
        QCOMPARE(expenses.rowCount(), 300);
        QCOMPARE(income.rowCount(), 150);
        QCOMPARE(names.rowCount(), 40);
        QCOMPARE(diary.rowCount(), 60);

        // Every ledger record balances to the cent: Summary = the columns + GST.
        const QStringList expenseColumns = {"Office", "Other", "Phone", "F1", "F2", "F3", "F4", "F5", "F6", "F7", "Tax"};
        const QStringList incomeColumns = {"Interest", "Sales", "F1", "F2", "F3", "F4", "F5", "Tax"};
        for (auto [view, columns] : {std::pair{&expenses, expenseColumns}, std::pair{&income, incomeColumns}}) {
            for (int row = 0; row < view->rowCount(); ++row) {
                double sum = 0;
                for (const QString& c : columns)
                    sum += view->floatAt(row, view->fieldIndex(c));
                const double bank = view->floatAt(row, view->fieldIndex(u"Bank"));
                QCOMPARE(roundCents(sum), bank);
                QVERIFY(!view->isNullAt(row, view->fieldIndex(u"Year")));
            }
        }

        auto count = [](View& view, const Selection& selection) {
            view.setSelection(selection);
            return view.rowCount();
        };
        QVERIFY(count(names, Selection::contains(QStringLiteral("Surname"), QStringLiteral("y"))) > 0);
        QVERIFY(count(names, Selection::like(QStringLiteral("Code"), QStringLiteral("b"))) > 0);
        QVERIFY(count(names, Selection::contains(QStringLiteral("Company"), QStringLiteral("Ea"))) > 0);
        QVERIFY(count(names, Selection::like(QStringLiteral("Wcity"), QStringLiteral("South Grafton"))) > 0);
        QVERIFY(count(expenses, Selection::like(QStringLiteral("Code"), QStringLiteral("Material"))) > 0);
        QVERIFY(count(expenses, Selection::contains(QStringLiteral("Cat"), QStringLiteral("To"))) > 0);
        QVERIFY(count(expenses, Selection::like(QStringLiteral("Year"), QStringLiteral("0809"))) > 0);
    }
};

QTEST_GUILESS_MAIN(tst_DemoData)
#include "tst_DemoData.moc"
