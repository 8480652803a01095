#include "core/charts/FieldChart.h"
#include "core/ledger/LedgerModel.h"
#include "core/settings/Settings.h"
#include "gui/MainFormFixture.h"
#include "gui/dialogs/charts/TGraphForm.h"
#include "gui/dialogs/charts/TGraphForm2.h"
#include "gui/widgets/GradientButton.h"

#include <QBarSet>
#include <QChartView>
#include <QChart>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QImage>
#include <QPieSeries>
#include <QPieSlice>
#include <QStackedBarSeries>
#include <QTemporaryDir>

using namespace kelvora;
using kelvora::test::MainFormFixture;

class tst_ChartWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainFormFixture> f;

    FieldChart chartOf(ChartStyle style)
    {
        return FieldChart::open(*f->model->expensesModel(), style);
    }

private slots:
    void init()
    {
        f = std::make_unique<MainFormFixture>();
        f->addAmounts(TableId::Expense, 1, QDate(2026, 3, 2), {{u"Office", 30}, {u"F1", 90}, {u"Bank", 120}});
        QVERIFY(f->start());
        f->model->settings().setValue(SettingKey::E1, QStringLiteral("Rent"));
    }
    void cleanup() { f.reset(); }

    void thePie()
    {
        TGraphForm form(chartOf(ChartStyle::Pie), f->form->guard(), Qt::blue, Qt::green);
        QCOMPARE(form.objectName(), QStringLiteral("TGraphForm"));
        QCOMPARE(form.windowTitle(), QStringLiteral(" Graph of Totals"));
        QCOMPARE(form.size(), QSize(1008, 729));
        QCOMPARE(form.chart()->title(), QStringLiteral("Expense"));
        QVERIFY(!form.chart()->legend()->isVisible());
        QCOMPARE(form.PrintBtn->statusTip(), QStringLiteral("Print Graph"));
        auto* top = form.chart()->findChild<QPieSeries*>(QStringLiteral("Series1"));
        QVERIFY(top);
        QCOMPARE(top->count(), 10);
        QCOMPARE(top->slices().at(0)->label(), QStringLiteral("Office  25%"));
        QCOMPARE(top->slices().at(3)->label(), QStringLiteral("Rent  75%"));
        QVERIFY(top->slices().at(3)->isLabelVisible());
        QVERIFY(!top->slices().at(1)->isLabelVisible()); // Other has no amount
    }

    void theBars()
    {
        TGraphForm2 form(chartOf(ChartStyle::Bars), f->form->guard(), Qt::blue, Qt::green);
        QCOMPARE(form.objectName(), QStringLiteral("TGraphForm2"));
        QCOMPARE(form.windowTitle(), QStringLiteral(" Expenses - Field Totals"));
        QCOMPARE(form.PrintBtn->statusTip(), QStringLiteral("Print the graph"));
        auto* bars = form.chart()->findChild<QStackedBarSeries*>(QStringLiteral("Series1"));
        QVERIFY(bars);
        QCOMPARE(bars->count(), 10);
        QCOMPARE(bars->barSets().at(3)->label(), QStringLiteral("Rent"));
        QCOMPARE(bars->barSets().at(3)->at(3), 90.0);
        QCOMPARE(bars->barSets().at(3)->at(0), 0.0);
        QStringList marks;
        for (const QGraphicsSimpleTextItem* m : form.marks())
            marks << m->text();
        QCOMPARE(marks, (QStringList{"25%", "0%", "0%", "75%", "0%", "0%", "0%", "0%", "0%", "0%"}));
    }

    void savedAsPngOrPdf()
    {
        TGraphForm form(chartOf(ChartStyle::Pie), f->form->guard(), Qt::blue, Qt::green);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTemporaryDir dir;
        const QString png = dir.filePath(QStringLiteral("pie.png"));
        f->port.queueText(png);
        form.SaveBtnClick();
        QCOMPARE(QImage(png).size(), form.ChartView->size());
        const QString pdf = dir.filePath(QStringLiteral("pie.pdf"));
        QVERIFY(form.saveTo(pdf));
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.read(4) == "%PDF");
        // A name without either ending is saved as a picture.
        f->port.queueText(dir.filePath(QStringLiteral("chart")));
        form.SaveBtnClick();
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("chart.png"))));
        // A folder that is not there: said so, nothing else happens.
        f->port.clearLog();
        f->port.queueText(dir.filePath(QStringLiteral("missing/pie.png")));
        form.SaveBtnClick();
        QCOMPARE(f->port.log().size(), 2);
        QVERIFY(f->port.lastLine().startsWith(QStringLiteral("MessageDlg(Error): The graph could not be saved as ")));
        // Cancelled: nothing.
        f->port.clearLog();
        f->port.queueText(QString());
        form.SaveBtnClick();
        QCOMPARE(f->port.log(), QStringList{"ChooseSaveFile: Save Graph"});
    }
};

QTEST_MAIN(tst_ChartWindow)
#include "tst_ChartWindow.moc"
