// The preview window: navigation, zoom, find, page setup, export, printing a page
// range and editing the template, on the synthetic grouped ledger.

#include "gui/report/PreviewPageView.h"
#include "gui/report/ReportPreview.h"
#include "gui/report/ReportPrinter.h"
#include "gui/report/TemplateEditor.h"
#include "report/DocumentProbe.h"
#include "report/LedgerFixture.h"
#include "support/ScriptedUserPort.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::report;

namespace {

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
    return int(QString::fromLatin1(file.readAll()).count(page));
}

} // namespace

class tst_ReportPreview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void navigatesPages();
    void zoomFitsAndScales();
    void findMovesThroughMatches();
    void pageSetupLaysTheReportOutAgain();
    void exportsThroughTheWindow_data();
    void exportsThroughTheWindow();
    void printsAPageRange();
    void editedTemplateRunsFromTheSavedFile();
    void failedRunOpensNoPreview();
    void missingTemplateShowsNoPages();

private:
    std::unique_ptr<ReportPreview> openLedger(int records);

    QTemporaryDir m_folder;
    std::unique_ptr<MemoryDataset> m_rows;
    Report m_report;
    test::ScriptedUserPort m_port;
};

void tst_ReportPreview::init()
{
    m_port.clearLog();
}

std::unique_ptr<ReportPreview> tst_ReportPreview::openLedger(int records)
{
    m_rows = test::ledgerRows(records, 3);
    m_report.load(test::reportFixture(QStringLiteral("GroupedLedger.xml")));
    m_report.setPictureFolder(m_folder.path());
    m_report.setDataset(QStringLiteral("Ledger"), m_rows.get());
    auto window = std::make_unique<ReportPreview>(m_report, m_port);
    window->rerun();
    window->resize(900, 700);
    window->show();
    return window;
}

void tst_ReportPreview::navigatesPages()
{
    auto window = openLedger(120);
    const int pages = window->pageCount();
    QVERIFY(pages >= 3);
    auto* next = window->findChild<QAction*>(QStringLiteral("NextPageAction"));
    auto* last = window->findChild<QAction*>(QStringLiteral("LastPageAction"));
    auto* prior = window->findChild<QAction*>(QStringLiteral("PriorPageAction"));
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("PageLabel"))->text(), QStringLiteral(" of %1 ").arg(pages));
    QVERIFY(!prior->isEnabled());
    next->trigger();
    QCOMPARE(window->currentPage(), 1);
    last->trigger();
    QCOMPARE(window->currentPage(), pages - 1);
    QVERIFY(!next->isEnabled());
    QCOMPARE(window->findChild<QSpinBox*>(QStringLiteral("PageSpin"))->value(), pages);
    window->findChild<QSpinBox*>(QStringLiteral("PageSpin"))->setValue(2);
    QCOMPARE(window->currentPage(), 1);
    QCOMPARE(window->findChild<PreviewPageView*>()->page(), 1);
}

void tst_ReportPreview::zoomFitsAndScales()
{
    auto window = openLedger(30);
    auto* view = window->findChild<PreviewPageView*>();
    auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("PreviewScroll"));
    const QSizeF sheet = view->sheetPixels();

    window->setZoom(ReportPreview::ZoomMode::Percent, 200);
    QCOMPARE(window->zoomFactor(), 2.0);
    QCOMPARE(view->width(), int(std::ceil(sheet.width() * 2)) + 2 * PreviewPageView::kDeskMargin);

    window->setZoom(ReportPreview::ZoomMode::FitPage);
    QVERIFY(view->width() <= scroll->viewport()->width());
    QVERIFY(view->height() <= scroll->viewport()->height());

    window->setZoom(ReportPreview::ZoomMode::FitWidth);
    QVERIFY(std::abs(view->width() - scroll->viewport()->width()) <= 1);
    // Fit width follows the window.
    const double before = window->zoomFactor();
    window->resize(1200, 700);
    QApplication::processEvents();
    QVERIFY(window->zoomFactor() > before);
}

void tst_ReportPreview::findMovesThroughMatches()
{
    auto window = openLedger(120);
    const auto expected = test::findTexts(m_report.document(), QStringLiteral("Telco Direct"));
    QVERIFY(expected.size() > 2);
    window->goToPage(1);
    const int matches = window->findNext(QStringLiteral("telco"));
    QCOMPARE(matches, int(expected.size()));
    // The search starts on the page shown.
    auto* view = window->findChild<PreviewPageView*>();
    QCOMPARE(window->currentPage(), 1);
    QVERIFY(!view->highlights().empty());
    const int firstOnPage = window->currentMatch();
    window->findNext(QStringLiteral("telco"));
    QCOMPARE(window->currentMatch(), firstOnPage + 1);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("FindStatus"))->text(),
             QStringLiteral(" %1 of %2 ").arg(firstOnPage + 2).arg(matches));

    QCOMPARE(window->findNext(QStringLiteral("no such supplier")), 0);
    QCOMPARE(window->findChild<QLabel*>(QStringLiteral("FindStatus"))->text(), QStringLiteral(" Not found "));
    QVERIFY(view->highlights().empty());
}

void tst_ReportPreview::pageSetupLaysTheReportOutAgain()
{
    auto window = openLedger(120);
    const int portraitPages = window->pageCount();
    window->applyPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QCOMPARE(m_report.document().page.orientation, PageOrientation::Landscape);
    QCOMPARE(m_report.document().page.paper, QStringLiteral("A4"));
    QCOMPARE(m_report.document().pageSizeMm(), QSizeF(297, 210));
    QVERIFY(window->pageCount() > portraitPages);
    // The footer moved to the foot of the shorter sheet.
    const auto footer = test::findText(m_report.document(), QStringLiteral("Page 1 of %1").arg(window->pageCount()));
    QVERIFY(footer);
    QVERIFY(footer.item->rect.bottom() <= 200 + 1e-6);
}

void tst_ReportPreview::exportsThroughTheWindow_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("written");
    QTest::newRow("pdf") << "ExportPdf" << "ledger" << "ledger.pdf";
    QTest::newRow("rtf") << "ExportRtf" << "ledger.rtf" << "ledger.rtf";
    QTest::newRow("html") << "ExportHtml" << "ledger.html" << "ledger.html";
    QTest::newRow("csv") << "ExportCsv" << "ledger.csv" << "ledger.csv";
    QTest::newRow("png") << "ExportPng" << "ledger.png" << "ledger-2.png";
}

void tst_ReportPreview::exportsThroughTheWindow()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, written);
    auto window = openLedger(60);
    QVERIFY(window->pageCount() >= 2);
    QTemporaryDir out;
    m_port.queueText(out.filePath(file));
    window->findChild<QAction*>(action)->trigger();
    QVERIFY2(QFileInfo(out.filePath(written)).size() > 0, qPrintable(m_port.log().join('\n')));

    // Cancelling the file chooser writes nothing.
    m_port.queueText(QString());
    window->findChild<QAction*>(action)->trigger();
    QCOMPARE(m_port.pendingAnswers(), 0);
}

void tst_ReportPreview::printsAPageRange()
{
    auto window = openLedger(120);
    QVERIFY(window->pageCount() >= 3);
    QPrinter printer(QPrinter::HighResolution);
    ReportPrinter::setUpPrinter(printer, m_report.document());
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = m_folder.filePath(QStringLiteral("printed.pdf"));
    printer.setOutputFileName(path);
    QVERIFY(ReportPrinter::print(printer, m_report.document(), 2, 3));
    QCOMPARE(pdfPages(path), 2);
    QCOMPARE(printer.pageLayout().fullRect(QPageLayout::Millimeter).size().toSize(), QSize(210, 297));
}

void tst_ReportPreview::editedTemplateRunsFromTheSavedFile()
{
    QTemporaryDir program;
    QTemporaryDir user;
    const QString original = program.filePath(QStringLiteral("RptLedger.xml"));
    QVERIFY(QFile::copy(test::reportFixture(QStringLiteral("GroupedLedger.xml")), original));
    auto window = openLedger(20);
    m_report.load(original);
    window->rerun();
    const QString userCopy = user.filePath(QStringLiteral("RptLedger.xml"));
    window->setTemplateSavePath(userCopy);

    QString fault;
    QTimer::singleShot(0, this, [&] {
        auto* editor = qobject_cast<TemplateEditor*>(QApplication::activeModalWidget());
        QVERIFY(editor);
        const QString text = editor->text();
        // A broken edit is refused with its place, and nothing typed is lost.
        editor->setText(text + QStringLiteral("<broken"));
        QVERIFY(!editor->save());
        fault = editor->fault();
        QVERIFY(editor->isVisible());
        editor->setText(QString(text).replace(QStringLiteral("Grouped Ledger Report"), QStringLiteral("Edited Report")));
        editor->findChild<QPushButton*>(QStringLiteral("SaveTemplateBtn"))->click();
    });
    window->findChild<QAction*>(QStringLiteral("EditTemplateAction"))->trigger();

    QVERIFY2(fault.startsWith(QStringLiteral("RptLedger.xml:")), qPrintable(fault));
    QVERIFY(QFile::exists(userCopy));
    QCOMPARE(m_report.templatePath(), userCopy);
    QVERIFY(test::findText(m_report.document(), QStringLiteral("Edited Report")));
    QVERIFY(!test::findText(m_report.document(), QStringLiteral("Grouped Ledger Report")));
    // The program's own template is untouched.
    QFile kept(original);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().contains("Grouped Ledger Report"));
}

void tst_ReportPreview::failedRunOpensNoPreview()
{
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <masterData name="Detail" dataset="Rows" height="6"><text width="80" height="6">[Rows.N]</text></masterData>
    </report>)"));
    QVERIFY(!ReportPreview::preview(report, m_port));
    QCOMPARE(m_port.log().size(), 1);
    QVERIFY2(m_port.lastLine().startsWith(QStringLiteral("MessageDlg(Error): Band \"Detail\" reads dataset \"Rows\"")),
             qPrintable(m_port.lastLine()));
}

void tst_ReportPreview::missingTemplateShowsNoPages()
{
    Report report;
    QVERIFY(report.load(m_folder.filePath(QStringLiteral("RptToDo.xml"))));
    ReportPreview window(report, m_port);
    QVERIFY(window.rerun().ok());
    QCOMPARE(window.pageCount(), 0);
    QVERIFY(m_port.log().isEmpty());
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("PrintAction"))->isEnabled());
    QVERIFY(!window.findChild<QAction*>(QStringLiteral("ExportPdf"))->isEnabled());
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("PageLabel"))->text(), QStringLiteral(" No pages "));
}

QTEST_MAIN(tst_ReportPreview)
#include "tst_ReportPreview.moc"
