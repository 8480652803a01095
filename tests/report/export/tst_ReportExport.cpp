// PDF at the exact paper size, line breaks that survive into the PDF, and the CSV,
// HTML, RTF and PNG files written from prepared pages.

#include "report/DocumentProbe.h"
#include "report/LedgerFixture.h"
#include "report/Report.h"
#include "report/export/CsvExporter.h"
#include "report/export/HtmlExporter.h"
#include "report/export/ImageExporter.h"
#include "report/export/PdfExporter.h"
#include "report/export/RtfExporter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::report;

namespace {

// Output of a poppler tool, or nullopt when it is not installed.
std::optional<QString> poppler(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return std::nullopt;
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

const QByteArray kLabelTemplate = R"(<report version="1" name="Return Labels">
  <page width="127" height="300.4" margins="10"/>
  <masterData name="MasterData1" dataset="Names" height="37">
    <frame left="0" top="0" width="102" height="33"/>
    <text name="Zip" left="60" top="20" width="40" height="6">[Names."Zip"]</text>
    <text name="NameLab" left="0" top="5" width="100" height="6">[Names."FirstName"] [Names."Surname"]</text>
    <text name="Addr" left="0" top="12" width="60" height="6">[Names."Address"]</text>
  </masterData>
</report>)";

} // namespace

class tst_ReportExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void customPageKeepsItsExactSizeInPdf();
    void pdfKeepsTheMeasuredLineBreaks();
    void csvHasOneQuotedRowPerRecord();
    void htmlPositionsEveryPageBlock();
    void rtfPositionsFramesOnSizedPages();
    void pngOnePerPage();
    void failedWriteLeavesNothingBehind();

private:
    QTemporaryDir m_folder;
};

void tst_ReportExport::initTestCase()
{
    QVERIFY(m_folder.isValid());
}

void tst_ReportExport::customPageKeepsItsExactSizeInPdf()
{
    auto rows = test::nameRows(3);
    Report report;
    QVERIFY(report.loadText(kLabelTemplate));
    report.setDataset(QStringLiteral("Names"), rows.get());
    QVERIFY(report.prepare().ok());
    const QString path = m_folder.filePath(QStringLiteral("labels.pdf"));
    QString error;
    QVERIFY2(PdfExporter::write(report.document(), path, &error), qPrintable(error));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    // 127 x 300.4 mm is 360 x 851.5276 points.
    QVERIFY(pdf.contains("/MediaBox [0 0 360.000000 851.527559]"));
    QVERIFY(!pdf.contains("852.000000"));

    const auto info = poppler(QStringLiteral("pdfinfo"), {path});
    if (!info)
        QSKIP("pdfinfo is not installed (package poppler-utils); the page box was checked in the file itself");
    QVERIFY2(info->contains(QRegularExpression(QStringLiteral("Page size:\\s+360 x 851.528 pts"))), qPrintable(*info));

    // The drawing sits where the template puts it on the exact page: the first name
    // line 10 mm + 5 mm down, 10 mm + 0.5 mm padding in.
    const auto boxes = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    const QRegularExpression word(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>Ava</word>"));
    const QRegularExpressionMatch m = word.match(*boxes);
    QVERIFY2(m.hasMatch(), qPrintable(*boxes));
    const double mmPerPoint = 25.4 / 72;
    QVERIFY(std::abs(m.captured(1).toDouble() * mmPerPoint - 10.5) < 0.5);
    QVERIFY(std::abs(m.captured(2).toDouble() * mmPerPoint - 15.0) < 0.5);
}

void tst_ReportExport::pdfKeepsTheMeasuredLineBreaks()
{
    MemoryDataset rows({QStringLiteral("Notes")});
    rows.appendRow({QStringLiteral("Quarterly account covering several deliveries, fuel surcharges and the "
                                   "replacement of a damaged pallet, paid by card and filed")});
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <masterData name="Detail" dataset="Rows" height="5" canGrow="true">
        <text left="0" width="45" height="5" canGrow="true">[Rows.Notes]</text>
      </masterData>
    </report>)"));
    report.setDataset(QStringLiteral("Rows"), &rows);
    QVERIFY(report.prepare().ok());
    const auto item = test::findText(report.document(), rows.value(0, 0).toString());
    QVERIFY(item.item->lineCount() >= 3);
    QStringList measured;
    for (int i = 0; i < item.item->lineCount(); ++i)
        measured.append(item.item->line(i));

    const QString path = m_folder.filePath(QStringLiteral("breaks.pdf"));
    QVERIFY(PdfExporter::write(report.document(), path));
    const auto text = poppler(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), path, QStringLiteral("-")});
    if (!text)
        QSKIP("pdftotext is not installed (package poppler-utils)");
    // Compatibility forms: the PDF may draw "fi" as one ligature glyph.
    QStringList printed = text->normalized(QString::NormalizationForm_KC).split(u'\n', Qt::SkipEmptyParts);
    printed.removeIf([](const QString& line) { return line.trimmed().isEmpty() || line.startsWith(u'\f'); });
    QCOMPARE(printed, measured);
}

void tst_ReportExport::csvHasOneQuotedRowPerRecord()
{
    MemoryDataset rows({QStringLiteral("FirstName"), QStringLiteral("Surname"), QStringLiteral("Address"),
                        QStringLiteral("Zip")});
    rows.appendRow({QStringLiteral("John"), QStringLiteral("Smith, Jr"), QStringLiteral("Unit 4\r\n12 Main St"), 2000});
    rows.appendRow({QStringLiteral("Ann"), QStringLiteral("O'Neil"), QStringLiteral("The \"Old\" Mill"), QVariant()});
    Report report;
    QVERIFY(report.loadText(kLabelTemplate));
    report.setDataset(QStringLiteral("Names"), &rows);
    QVERIFY(report.prepare().ok());
    // Columns left to right (name, address, zip), whatever order the template lists them in.
    const QString expected = QStringLiteral("\"John Smith, Jr\",\"Unit 4\r\n12 Main St\",2000\r\n"
                                            "Ann O'Neil,\"The \"\"Old\"\" Mill\",\r\n");
    QCOMPARE(CsvExporter::text(report.document()), expected);

    const QString path = m_folder.filePath(QStringLiteral("names.csv"));
    QVERIFY(CsvExporter::write(report.document(), path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF") + expected.toUtf8());
}

void tst_ReportExport::htmlPositionsEveryPageBlock()
{
    const QString logo = m_folder.filePath(QStringLiteral("Logo.Jpg"));
    QVERIFY(test::writeLogo(logo));
    auto rows = test::ledgerRows(80, 3);
    Report report;
    QVERIFY(report.load(test::reportFixture(QStringLiteral("GroupedLedger.xml"))));
    report.setPictureFolder(m_folder.path());
    report.setDataset(QStringLiteral("Ledger"), rows.get());
    QVERIFY(report.prepare().ok());
    const int pages = report.document().pageCount();
    QVERIFY(pages >= 2);
    const QString html = HtmlExporter::text(report.document());
    QCOMPARE(int(html.count(QLatin1String("<div class=\"page\""))), pages);
    QVERIFY(html.contains(QLatin1String("width:210.00mm;height:297.00mm;")));
    QVERIFY(html.contains(QLatin1String(".page > * { position: absolute;")));
    QVERIFY(html.contains(QLatin1String("data:image/png;base64,")));
    QCOMPARE(int(html.count(QLatin1String("data:image/png;base64,"))), 1); // one logo, written once
    QVERIFY(html.contains(QStringLiteral(">Page 2 of %1<").arg(pages)));
}

void tst_ReportExport::rtfPositionsFramesOnSizedPages()
{
    MemoryDataset rows({QStringLiteral("FirstName"), QStringLiteral("Surname"), QStringLiteral("Address"),
                        QStringLiteral("Zip")});
    for (int i = 0; i < 9; ++i)
        rows.appendRow({QStringLiteral("Zoë"), QStringLiteral("{Braces}"), QStringLiteral("C:\\Path"), i});
    Report report;
    QVERIFY(report.loadText(kLabelTemplate));
    report.setDataset(QStringLiteral("Names"), &rows);
    QVERIFY(report.prepare().ok());
    const int pages = report.document().pageCount();
    QCOMPARE(pages, 2); // 7 labels of 37 mm on 280.4 mm
    const QByteArray rtf = RtfExporter::text(report.document());
    QVERIFY(rtf.startsWith("{\\rtf1"));
    QVERIFY(rtf.contains("\\paperw7200\\paperh17031"));
    QCOMPARE(int(rtf.count("\\page\n")), pages - 1);
    QVERIFY(rtf.contains("\\pvpg\\phpg\\posx567\\posy850")); // first name line: 10 mm, 15 mm
    QVERIFY(rtf.contains("Zo\\u235? \\{Braces\\}"));
    QVERIFY(rtf.contains("C:\\\\Path"));
    int depth = 0;
    for (int i = 0; i < rtf.size(); ++i) {
        if (rtf[i] == '\\') {
            ++i;
            continue;
        }
        depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
        QVERIFY(depth >= 0);
    }
    QCOMPARE(depth, 0);
}

void tst_ReportExport::pngOnePerPage()
{
    auto rows = test::nameRows(9);
    Report report;
    QVERIFY(report.loadText(kLabelTemplate));
    report.setDataset(QStringLiteral("Names"), rows.get());
    QVERIFY(report.prepare().ok());
    QCOMPARE(report.document().pageCount(), 2);
    const QImage page = ImageExporter::pageImage(report.document(), 0, 100);
    QCOMPARE(page.size(), QSize(500, 1183));
    QVERIFY(page.pixelColor(250, 5) == QColor(Qt::white));

    QStringList written;
    QVERIFY(ImageExporter::writePng(report.document(), m_folder.filePath(QStringLiteral("labels.png")), 60, &written));
    QCOMPARE(written, (QStringList{m_folder.filePath(QStringLiteral("labels-1.png")),
                                   m_folder.filePath(QStringLiteral("labels-2.png"))}));
    QCOMPARE(QImage(written[1]).size(), QSize(300, 710));
}

void tst_ReportExport::failedWriteLeavesNothingBehind()
{
    auto rows = test::nameRows(1);
    Report report;
    QVERIFY(report.loadText(kLabelTemplate));
    report.setDataset(QStringLiteral("Names"), rows.get());
    QVERIFY(report.prepare().ok());
    const QString path = m_folder.filePath(QStringLiteral("no such folder/out.pdf"));
    QString error;
    QVERIFY(!PdfExporter::write(report.document(), path, &error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(tst_ReportExport)
#include "tst_ReportExport.moc"
