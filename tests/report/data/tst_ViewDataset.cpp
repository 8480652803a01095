// A report over the program's own view: its order and selection, typed values, and
// the user's cursor left where it was.

#include "core/store/Database.h"
#include "core/store/View.h"
#include "report/DocumentProbe.h"
#include "report/Report.h"
#include "report/ViewDataset.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::report;

class tst_ViewDataset : public QObject
{
    Q_OBJECT

private slots:
    void groupedReportFollowsTheViewsOrder();
};

void tst_ViewDataset::groupedReportFollowsTheViewsOrder()
{
    QTemporaryDir folder;
    Database db(folder.filePath(QStringLiteral("Kelvora.db")));
    View expend(db, TableId::Expense);
    const struct
    {
        int ref;
        const char* cat;
        const char* expense;
        QDate date;
        double bank;
    } records[] = {{1, "Rent", "March rent", QDate(2026, 3, 1), 1200},
                   {2, "Fuel", "Diesel", QDate(2026, 3, 4), 80.5},
                   {3, "Rent", "April rent", QDate(2026, 4, 1), 1200},
                   {4, "Fuel", "Petrol", QDate(2026, 3, 2), 60}};
    for (const auto& r : records) {
        expend.append();
        expend.setField(u"Ref", Value::integer(r.ref));
        expend.setField(u"Cat", r.cat);
        expend.setField(u"Expense", r.expense);
        expend.setField(u"Date", r.date);
        expend.setField(u"Bank", r.bank);
        expend.post();
    }
    expend.setOrder(QStringLiteral("Cat;Date"));
    expend.setCurrentRow(2);

    ViewDataset rows(expend);
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <groupHeader name="GroupHeader1" height="6" condition="ExpDataset1.&quot;Cat&quot;"><text width="60" height="6">[ExpDataset1."Cat"]</text></groupHeader>
      <masterData name="Band6" dataset="ExpDataset1" height="6">
        <text width="120" height="6" format="dd/mm/yyyy">[ExpDataset2."Date"] [ExpDataset2."Expense"]</text>
      </masterData>
      <groupFooter name="GroupFooter1" height="6"><text width="60" height="6" format="$###,###.00">[SUM(ExpDataset1."Bank", Band6)]</text></groupFooter>
    </report>)"));
    report.setDataset(QStringLiteral("ExpDataset1"), &rows);
    report.setDataset(QStringLiteral("ExpDataset2"), &rows);
    const ReportResult result = report.prepare();
    QVERIFY2(result.ok(), qPrintable(result.errors.join('\n')));
    QCOMPARE(test::pageTexts(report.document(), 0),
             (QStringList{"Fuel", "02/03/2026 Petrol", "04/03/2026 Diesel", "$140.50", "Rent", "01/03/2026 March rent",
                          "01/04/2026 April rent", "$2,400.00"}));
    QCOMPARE(expend.currentRow(), 2);
}

QTEST_MAIN(tst_ViewDataset)
#include "tst_ViewDataset.moc"
