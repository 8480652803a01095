// The calculators' report templates and the runner that previews them: every
// template takes every text its calculator fills, the long listings run over
// pages, and the preview opens over the calculator with "Edit template" saving
// into the data folder.

#include "core/calculators/AnnRController.h"
#include "core/calculators/AnnSController.h"
#include "core/calculators/BorrowController.h"
#include "core/calculators/BorrowDetailController.h"
#include "core/calculators/InvestController.h"
#include "gui/dialogs/calculators/PreviewReportRunner.h"
#include "gui/report/ReportPreview.h"
#include "report/Report.h"
#include "support/TempDataFolder.h"
#include "support/calculators/CalculatorFixture.h"

#include <QApplication>
#include <QTimer>
#include <QtTest>

using namespace kelvora;

namespace {

QString templateFile(const QString& report)
{
    return QStringLiteral(KELVORA_SOURCE_RESOURCES "/templates/") + report + QStringLiteral(".xml");
}

// Everything the page list shows, in order.
QStringList printedTexts(const report::ReportDocument& document)
{
    QStringList texts;
    for (const report::ReportPage& page : document.pages)
        for (const report::DisplayItem& item : page.items)
            if (!item.lines.isEmpty())
                texts.append(item.lines.join(QLatin1Char('\n')));
            else if (!item.text.isEmpty())
                texts.append(item.text);
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(kelvora::CalculatorReport)

class tst_PreviewReportRunner : public QObject
{
    Q_OBJECT

private slots:
    void templatesTakeEveryText_data();
    void templatesTakeEveryText();
    void previewOpensOverTheCalculator();
};

void tst_PreviewReportRunner::templatesTakeEveryText_data()
{
    QTest::addColumn<CalculatorReport>("request");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("printed");

    test::CalculatorFixture f;
    QString remembered;
    {
        BorrowController c(f.context());
        c.FormActivate();
        for (const auto& [box, text] : {std::pair{"EdPrinc", "10000"}, {"EdRate", "5"}, {"EdTime", "10"}})
            c.typeText(QString::fromLatin1(box), QString::fromLatin1(text));
        c.chooseFrequency(1);
        c.CalcBtnClick();
        QTest::newRow("RptBorrow") << c.RptBorrowBeforePrint() << 1 << "$12,712.17";
        c.BorrowingsPrintBtnClick();
        // 521 weekly lines run over several pages.
        QTest::newRow("RptBorrowings") << f.reports.shown.last() << 9 << "  521         $8.22";
    }
    {
        BorrowDetailController c(f.context(), remembered);
        c.FormActivate();
        c.chooseFrequency(3);
        c.CalcBtnClick();
        QTest::newRow("RptBorrowDetail") << c.RptBorrowDetailBeforePrint() << 2 << "$12,727.86";
    }
    const auto savings = [&](SavingsController& c, const QStringList& inputs) {
        c.FormActivate();
        for (const QString& input : inputs)
            c.typeText(input.section(QLatin1Char('='), 0, 0), input.section(QLatin1Char('='), 1));
        c.chooseFrequency(2);
        c.CalcBtnClick();
        return c.beforePrint();
    };
    InvestController invest(f.context());
    QTest::newRow("RptInvest") << savings(invest, {"EdPrinc=1000", "EdRate=5", "EdTime=10"}) << 1
                               << "$1,647.01";
    AnnRController rising(f.context());
    QTest::newRow("RptAnnR") << savings(rising, {"EdPMT=100", "EdRate=5", "EdTime=10"}) << 1 << "$15,528";
    AnnSController sinking(f.context());
    QTest::newRow("RptAnnS") << savings(sinking, {"EdFV=10000", "EdRate=5", "EdTime=10"}) << 1 << "$64.40";
}

void tst_PreviewReportRunner::templatesTakeEveryText()
{
    QFETCH(CalculatorReport, request);
    QFETCH(int, pages);
    QFETCH(QString, printed);
    report::Report report;
    QVERIFY2(report.load(templateFile(request.name)), qPrintable(report.loadErrors().join('\n')));
    report.setBeforePrint([&](report::ReportFill& fill) {
        for (const auto& [object, text] : request.texts)
            fill.setText(object, text);
        fill.setPicture(QStringLiteral("Picture1"), QString());
    });
    const report::ReportResult result = report.prepare();
    QVERIFY2(result.ok(), qPrintable(result.errors.join('\n')));
    QCOMPARE(result.missingNames, QStringList());
    QCOMPARE(report.document().pages.size(), pages);
    const QStringList texts = printedTexts(report.document());
    QVERIFY2(texts.join('\n').contains(printed), qPrintable(texts.join('\n').left(2000)));
    QVERIFY(texts.contains(QStringLiteral("Page  1 of %1").arg(pages)));
}

void tst_PreviewReportRunner::previewOpensOverTheCalculator()
{
    test::TempDataFolder folder;
    test::ScriptedUserPort port;
    PreviewReportRunner runner(folder.folders(), Regional::australian(), port);
    QDialog calculator;
    runner.setParentWindow(&calculator);

    int pages = -1;
    QString savePath;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<ReportPreview*>(QApplication::activeModalWidget());
        QVERIFY(preview);
        pages = preview->pageCount();
        savePath = preview->templateSavePath();
        parent = preview->parentWidget();
        preview->close();
    });
    runner.showReport({QStringLiteral("RptInvest"), {{QStringLiteral("Bpays"), QStringLiteral("120")}}});
    QCOMPARE(pages, 1);
    QCOMPARE(parent, &calculator);
    QCOMPARE(savePath, folder.folders().dataFolder() + QStringLiteral("templates/RptInvest.xml"));
    QCOMPARE(port.log(), QStringList());
}

QTEST_MAIN(tst_PreviewReportRunner)
#include "tst_PreviewReportRunner.moc"
