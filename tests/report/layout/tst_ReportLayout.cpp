// Pagination, groups, growing and splitting bands, columns and slots, and what the
// program's before-print step can do, each on a small synthetic template.

#include "report/DocumentProbe.h"
#include "report/LedgerFixture.h"
#include "report/MemoryDataset.h"
#include "report/Report.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::report;
using kelvora::test::findText;
using kelvora::test::findTexts;
using kelvora::test::pageTexts;

namespace {

constexpr double kEps = 1e-6;

std::unique_ptr<MemoryDataset> numbers(int count)
{
    auto rows = std::make_unique<MemoryDataset>(QStringList{QStringLiteral("N"), QStringLiteral("Amount")});
    for (int i = 1; i <= count; ++i)
        rows->appendRow({i, i * 10.0});
    return rows;
}

// A4, 10 mm margins: 277 mm of room, less a 10 mm header and a 15 mm footer, holds
// exactly 25 records of 10 mm.
const QByteArray kPagesTemplate = R"(<report version="1" name="Pages">
  <page paper="A4" margins="10"/>
  <pageHeader name="PageHeader1" height="10"><text left="0" top="0" width="100" height="10">Header</text></pageHeader>
  <masterData name="Detail" dataset="Rows" height="10">
    <text name="Value" left="0" top="0" width="100" height="10">Row [Rows."N"]</text>
  </masterData>
  <pageFooter name="PageFooter1" height="15">
    <text left="0" top="5" width="100" height="10">Page [Page] of [TotalPages]</text>
    <text left="100" top="5" width="80" height="10">[SUM(Rows."Amount", Detail)]</text>
  </pageFooter>
</report>)";

} // namespace

class tst_ReportLayout : public QObject
{
    Q_OBJECT

private slots:
    void paginationAroundPageBoundary_data();
    void paginationAroundPageBoundary();
    void pageFooterTotalsCountRecordsWherePlaced();
    void groupFooterShowsTheGroupThatEnded();
    void groupHeaderStaysWithItsFirstRecord();
    void growingTextPushesObjectsBelow();
    void childBandHiddenByProgram_data();
    void childBandHiddenByProgram();
    void bandTallerThanPageSplitsAtLineBoundaries();
    void pageWithoutRoomStillEnds();
    void labelColumnsFillDownBeforeAcross();
    void columnsFilledAcrossRowByRow();
    void tenCardsAtTheirPositions();
    void newPagePerRecordFilledFromItsRecord();
    void twoDatasetNamesShareOneCursor();
    void missingTemplateGivesEmptyReport();
    void missingObjectIsReported();
    void unreadablePictureLeavesItsAreaEmpty_data();
    void unreadablePictureLeavesItsAreaEmpty();
    void unboundDataStopsTheRun_data();
    void unboundDataStopsTheRun();
};

void tst_ReportLayout::paginationAroundPageBoundary_data()
{
    QTest::addColumn<int>("records");
    QTest::addColumn<int>("pages");
    QTest::newRow("one short of a full page") << 24 << 1;
    QTest::newRow("exactly a full page") << 25 << 1;
    QTest::newRow("one over") << 26 << 2;
}

void tst_ReportLayout::paginationAroundPageBoundary()
{
    QFETCH(int, records);
    QFETCH(int, pages);
    auto rows = numbers(records);
    Report report;
    QVERIFY2(report.loadText(kPagesTemplate, QStringLiteral("Pages.xml")), qPrintable(report.loadErrors().join('\n')));
    report.setDataset(QStringLiteral("Rows"), rows.get());
    const ReportResult result = report.prepare();
    QVERIFY2(result.ok(), qPrintable(result.errors.join('\n')));
    const ReportDocument& doc = report.document();
    QCOMPARE(doc.pageCount(), pages);

    const double footerTop = 297 - 10 - 15;
    for (int p = 0; p < pages; ++p) {
        const auto headers = findTexts(doc, QStringLiteral("Header"));
        QCOMPARE(int(headers.size()), pages);
        QCOMPARE(headers[size_t(p)].page, p);
        QCOMPARE(headers[size_t(p)].item->rect.top(), 10.0);
        const auto footer = findText(doc, QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages));
        QVERIFY(footer);
        QCOMPARE(footer.page, p);
        QCOMPARE(footer.item->rect.top(), footerTop + 5);
        for (const DisplayItem& item : doc.pages[size_t(p)].items) {
            if (item.text.startsWith(QLatin1String("Row ")))
                QVERIFY2(item.rect.bottom() <= footerTop + kEps, qPrintable(item.text));
        }
    }
    const auto last = findText(doc, QStringLiteral("Row %1").arg(records));
    QCOMPARE(last.page, pages - 1);
    QCOMPARE(last.item->rect.top(), records == 26 ? 20.0 : 20.0 + (records - 1) * 10);
}

void tst_ReportLayout::pageFooterTotalsCountRecordsWherePlaced()
{
    // 30 records: 25 on the first page (10 + ... + 250) and 5 on the second.
    auto rows = numbers(30);
    Report report;
    QVERIFY(report.loadText(kPagesTemplate));
    report.setDataset(QStringLiteral("Rows"), rows.get());
    QVERIFY(report.prepare().ok());
    QCOMPARE(report.document().pageCount(), 2);
    QCOMPARE(findText(report.document(), QStringLiteral("3250")).page, 0);
    QCOMPARE(findText(report.document(), QStringLiteral("1400")).page, 1);
}

void tst_ReportLayout::groupFooterShowsTheGroupThatEnded()
{
    MemoryDataset rows({QStringLiteral("Cat"), QStringLiteral("Amount")});
    for (const auto& [cat, amount] : std::vector<std::pair<QString, double>>{
             {"Fuel", 10}, {"Fuel", 20}, {"Rent", 100}, {"Rent", 200}, {"Rent", 300}, {"Tools", 0}})
        rows.appendRow({cat, amount});
    Report report;
    QVERIFY2(report.loadText(R"(<report version="1">
      <groupHeader name="GroupHeader1" height="6" condition="Rows.&quot;Cat&quot;">
        <text left="0" width="80" height="6">Group [Rows."Cat"]</text>
      </groupHeader>
      <masterData name="Band6" dataset="Rows" height="6">
        <text left="0" width="80" height="6">[Rows."Cat"] [Rows."Amount"]</text>
      </masterData>
      <groupFooter name="GroupFooter1" height="6">
        <text left="0" width="150" height="6" format="###,###.##"># [COUNT(Band6)] [Rows."Cat"] [SUM(Rows."Amount", Band6)]</text>
      </groupFooter>
      <reportSummary height="6"><text left="0" width="150" height="6">[COUNT(Band6)] Records [SUM(Rows."Amount", Band6)]</text></reportSummary>
    </report>)"),
             qPrintable(report.loadErrors().join('\n')));
    report.setDataset(QStringLiteral("Rows"), &rows);
    QVERIFY(report.prepare().ok());
    const QStringList texts = pageTexts(report.document(), 0);
    const QStringList expected = {
        "Group Fuel", "Fuel 10",  "Fuel 20",  "# 2 Fuel 30",  "Group Rent", "Rent 100", "Rent 200", "Rent 300",
        "# 3 Rent 600", "Group Tools", "Tools 0", "# 1 Tools ", "6 Records 630"};
    QCOMPARE(texts, expected);
}

void tst_ReportLayout::groupHeaderStaysWithItsFirstRecord()
{
    // Group A's 6 mm header and 26 records of 10 mm leave 11 of the 277 mm: room for
    // group B's header, but not for the header with its first record.
    MemoryDataset rows({QStringLiteral("Cat"), QStringLiteral("N")});
    for (int i = 0; i < 27; ++i)
        rows.appendRow({i < 26 ? QStringLiteral("A") : QStringLiteral("B"), i});
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <groupHeader name="GroupHeader1" height="6" condition="Rows.Cat"><text width="80" height="6">Group [Rows.Cat]</text></groupHeader>
      <masterData name="Detail" dataset="Rows" height="10"><text width="80" height="10">[Rows.N]</text></masterData>
    </report>)"));
    report.setDataset(QStringLiteral("Rows"), &rows);
    QVERIFY(report.prepare().ok());
    QCOMPARE(findText(report.document(), QStringLiteral("25")).page, 0);
    const auto header = findText(report.document(), QStringLiteral("Group B"));
    QCOMPARE(header.page, 1);
    QCOMPARE(header.item->rect.top(), 10.0);
    QCOMPARE(findText(report.document(), QStringLiteral("26")).page, 1);
}

void tst_ReportLayout::growingTextPushesObjectsBelow()
{
    MemoryDataset rows({QStringLiteral("Text")});
    rows.appendRow({QStringLiteral("A long description that cannot fit on one line of a box only thirty "
                                   "millimetres wide, so it wraps onto several lines")});
    rows.appendRow({QStringLiteral("Short")});
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <masterData name="Detail" dataset="Rows" height="12" canGrow="true">
        <text name="Grows" left="0" top="0" width="30" height="5" canGrow="true">[Rows.Text]</text>
        <text name="Beside" left="40" top="0" width="30" height="5">beside</text>
        <text name="Below" left="0" top="6" width="30" height="5">below</text>
        <gradient name="Background" left="0" top="0" width="80" height="12" stretch="band"/>
      </masterData>
    </report>)"));
    report.setDataset(QStringLiteral("Rows"), &rows);
    QVERIFY(report.prepare().ok());
    const ReportDocument& doc = report.document();
    const auto grown = findText(doc, rows.value(0, 0).toString());
    QVERIFY(grown.item->lineCount() >= 3);
    const double growth = grown.item->rect.height() - 5;
    QVERIFY(growth > 5);

    const auto below = findTexts(doc, QStringLiteral("below"));
    const auto beside = findTexts(doc, QStringLiteral("beside"));
    QCOMPARE(below[0].item->rect.top(), 10 + 6 + growth);
    QCOMPARE(beside[0].item->rect.top(), 10.0);
    // The band grew by as much, and the gradient stretched with it.
    const double firstBandBottom = 10 + 12 + growth;
    QCOMPARE(beside[1].item->rect.top(), firstBandBottom);
    QCOMPARE(below[1].item->rect.top(), firstBandBottom + 6);
    const DisplayItem* gradient = nullptr;
    for (const DisplayItem& item : doc.pages[0].items) {
        if (item.kind == ItemKind::Gradient && !gradient)
            gradient = &item;
    }
    QVERIFY(gradient);
    QCOMPARE(gradient->rect.height(), 12 + growth);
}

void tst_ReportLayout::childBandHiddenByProgram_data()
{
    QTest::addColumn<bool>("omitNotes");
    QTest::newRow("notes printed") << false;
    QTest::newRow("notes omitted") << true;
}

void tst_ReportLayout::childBandHiddenByProgram()
{
    QFETCH(bool, omitNotes);
    auto rows = kelvora::test::ledgerRows(30, 2);
    Report report;
    QVERIFY(report.load(kelvora::test::reportFixture(QStringLiteral("GroupedLedger.xml"))));
    report.setDataset(QStringLiteral("Ledger"), rows.get());
    report.setBeforePrint([&](ReportFill& fill) { fill.setVisible(QStringLiteral("Child1"), !omitNotes); });
    const ReportResult result = report.prepare();
    QVERIFY2(result.ok(), qPrintable(result.errors.join('\n')));
    int notes = 0;
    for (int p = 0; p < report.document().pageCount(); ++p) {
        for (const QString& text : pageTexts(report.document(), p))
            notes += text.startsWith(QLatin1String("Paid by card")) ? 1 : 0;
    }
    QCOMPARE(notes, omitNotes ? 0 : 4); // records 3, 10, 17 and 24 carry a note
}

void tst_ReportLayout::bandTallerThanPageSplitsAtLineBoundaries()
{
    QStringList paragraphs;
    for (int i = 1; i <= 150; ++i)
        paragraphs.append(QStringLiteral("Line %1").arg(i));
    MemoryDataset rows({QStringLiteral("Day")});
    rows.appendRow({paragraphs.join(QLatin1String("\r\n"))});
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <masterData name="Detail" dataset="Rows" height="8" canGrow="true">
        <text left="10" top="0" width="150" height="8" canGrow="true">[Rows.Day]</text>
      </masterData>
      <pageFooter height="10"><text width="50" height="10">Page [Page]</text></pageFooter>
    </report>)"));
    report.setDataset(QStringLiteral("Rows"), &rows);
    QVERIFY(report.prepare().ok());
    const ReportDocument& doc = report.document();
    QVERIFY(doc.pageCount() >= 2);
    QStringList printed;
    for (int p = 0; p < doc.pageCount(); ++p) {
        for (const DisplayItem& item : doc.pages[size_t(p)].items) {
            if (item.kind != ItemKind::Text || item.text.startsWith(QLatin1String("Page")))
                continue;
            const double line = doc.textStyles[size_t(item.style)].lineHeight;
            QVERIFY(item.rect.bottom() <= 297 - 10 - 10 + kEps);
            // Every piece holds whole lines.
            QVERIFY(item.lineCount() * line <= item.rect.height() + kEps);
            for (int i = 0; i < item.lineCount(); ++i)
                printed.append(item.line(i));
        }
    }
    QCOMPARE(printed, paragraphs);
}

void tst_ReportLayout::pageWithoutRoomStillEnds()
{
    auto rows = numbers(3);
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <pageHeader height="140"><text width="50" height="10">Head</text></pageHeader>
      <masterData name="Detail" dataset="Rows" height="10"><text width="50" height="10">[Rows.N]</text></masterData>
      <pageFooter height="140"><text width="50" height="10">Foot</text></pageFooter>
    </report>)"));
    report.setDataset(QStringLiteral("Rows"), rows.get());
    const ReportResult result = report.prepare();
    QVERIFY(result.ok());
    QCOMPARE(report.document().pageCount(), 3);
    QCOMPARE(result.warnings.size(), 3);
}

void tst_ReportLayout::labelColumnsFillDownBeforeAcross()
{
    auto rows = kelvora::test::nameRows(21);
    Report report;
    QVERIFY(report.load(kelvora::test::reportFixture(QStringLiteral("LabelSheet.xml"))));
    report.setDataset(QStringLiteral("Names"), rows.get());
    QVERIFY(report.prepare().ok());
    const ReportDocument& doc = report.document();
    QCOMPARE(doc.pageCount(), 2);
    for (int i = 0; i < 21; ++i) {
        const auto label = findText(doc, QStringLiteral("%1 Harbour Road").arg(10 + i));
        QVERIFY(label);
        const int onPage = i % 16;
        QCOMPARE(label.page, i / 16);
        QCOMPARE(label.item->rect.left(), (onPage < 8 ? 5.0 : 105.0) + 4);
        QCOMPARE(label.item->rect.top(), 14 + (onPage % 8) * 34 + 9.5);
    }
}

void tst_ReportLayout::columnsFilledAcrossRowByRow()
{
    // Three columns of 60 mm across, rows of 100 mm: two rows a page.
    auto rows = numbers(8);
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <page margins="10" columns="3" columnWidth="60" columnGap="5" fill="across"/>
      <masterData name="Detail" dataset="Rows" height="100"><text width="50" height="10">[Rows.N]</text></masterData>
    </report>)"));
    report.setDataset(QStringLiteral("Rows"), rows.get());
    QVERIFY(report.prepare().ok());
    QCOMPARE(report.document().pageCount(), 2);
    for (int n = 1; n <= 8; ++n) {
        const auto cell = findText(report.document(), QString::number(n));
        const int slot = (n - 1) % 6;
        QCOMPARE(cell.page, (n - 1) / 6);
        QCOMPARE(cell.item->rect.topLeft(), QPointF(10 + (slot % 3) * 65, 10 + (slot / 3) * 100));
    }
}

void tst_ReportLayout::tenCardsAtTheirPositions()
{
    QTemporaryDir folder;
    Report report;
    QVERIFY2(report.loadText(R"(<report version="1" name="Cards">
      <page paper="A4" margins="10 25 10 10"/>
      <reportTitle name="Cards" height="250">
        <slots columns="2" rows="5" pitchX="95" pitchY="50"/>
        <frame name="Cut#" left="-5" top="0" width="90" height="50"/>
        <text name="T#" left="0" top="2" width="80" height="6.5" align="right">Company</text>
        <picture name="L#" left="0" top="10" width="40" height="30" file="Logo.Jpg"/>
      </reportTitle>
    </report>)"),
             qPrintable(report.loadErrors().join('\n')));
    report.setPictureFolder(folder.path()); // no logo there: the ten logo areas stay empty
    FontSpec chosen;
    chosen.family = QStringLiteral("Georgia");
    chosen.size = 12;
    chosen.italic = true;
    report.setBeforePrint([&](ReportFill& fill) {
        for (int n = 1; n <= 10; ++n)
            fill.setText(QStringLiteral("T%1").arg(n), QStringLiteral("Card %1").arg(n));
        fill.setFont(QStringLiteral("T1"), chosen, Qt::red);
    });
    const ReportResult result = report.prepare();
    QVERIFY2(result.ok(), qPrintable(result.errors.join('\n')));
    QCOMPARE(report.document().pageCount(), 1);
    for (int n = 1; n <= 10; ++n) {
        const auto card = findText(report.document(), QStringLiteral("Card %1").arg(n));
        QVERIFY(card);
        const int column = (n - 1) % 2;
        const int row = (n - 1) / 2;
        QCOMPARE(card.item->rect.topLeft(), QPointF(10 + column * 95, 25 + row * 50 + 2));
    }
    // A font given by the program replaces the whole font, colour included, of that copy only.
    const TextStyle& first = report.document().textStyles[size_t(findText(report.document(), "Card 1").item->style)];
    const TextStyle& second = report.document().textStyles[size_t(findText(report.document(), "Card 2").item->style)];
    QCOMPARE(first.font, chosen);
    QCOMPARE(first.colour, QColor(Qt::red));
    QCOMPARE(second.font, FontSpec());
    QCOMPARE(second.colour, QColor(Qt::black));
    int frames = 0;
    for (const DisplayItem& item : report.document().pages[0].items) {
        QVERIFY(item.kind != ItemKind::Image);
        frames += item.kind == ItemKind::Frame ? 1 : 0;
    }
    QCOMPARE(frames, 10);
}

void tst_ReportLayout::newPagePerRecordFilledFromItsRecord()
{
    MemoryDataset clients({QStringLiteral("FirstName"), QStringLiteral("Company")});
    for (const char* name : {"Ava", "Noah", "Isla", "Jack"})
        clients.appendRow({QString::fromLatin1(name), QStringLiteral("Co of %1").arg(QLatin1String(name))});
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <masterData name="MasterData1" dataset="NamesDset1" height="40" startNewPage="true">
        <text name="NameLab" width="80" height="6"/>
        <text name="CompLab" top="6" width="80" height="6">[NamesDset2."Company"]</text>
      </masterData>
    </report>)"));
    report.setDataset(QStringLiteral("NamesDset1"), &clients);
    report.setDataset(QStringLiteral("NamesDset2"), &clients);
    report.setBeforePrint([](ReportFill& fill) {
        fill.setText(QStringLiteral("NameLab"), QStringLiteral("Dear ") + fill.value("NamesDset1", "FirstName").toString());
    });
    QVERIFY(report.prepare().ok());
    QCOMPARE(report.document().pageCount(), 4);
    const QStringList names = {"Ava", "Noah", "Isla", "Jack"};
    for (int p = 0; p < 4; ++p)
        QCOMPARE(pageTexts(report.document(), p),
                 (QStringList{QStringLiteral("Dear ") + names[p], QStringLiteral("Co of ") + names[p]}));
}

void tst_ReportLayout::twoDatasetNamesShareOneCursor()
{
    auto rows = numbers(3);
    Report report;
    QVERIFY(report.loadText(R"(<report version="1">
      <masterData name="Detail" dataset="ExpDataset1" height="6">
        <text width="80" height="6">[ExpDataset1.N]/[ExpDataset2.N]</text>
      </masterData>
    </report>)"));
    report.setDataset(QStringLiteral("ExpDataset1"), rows.get());
    report.setDataset(QStringLiteral("ExpDataset2"), rows.get());
    QVERIFY(report.prepare().ok());
    QCOMPARE(pageTexts(report.document(), 0), (QStringList{"1/1", "2/2", "3/3"}));
}

void tst_ReportLayout::missingTemplateGivesEmptyReport()
{
    QTemporaryDir folder;
    Report report;
    QVERIFY(report.load(folder.filePath(QStringLiteral("RptDiary.xml"))));
    QVERIFY(!report.hasLayout());
    report.setBeforePrint([](ReportFill& fill) { fill.setPicture(QStringLiteral("Picture1"), QStringLiteral("Logo.Jpg")); });
    const ReportResult result = report.prepare();
    QVERIFY(result.ok());
    QVERIFY(result.warnings.isEmpty());
    QCOMPARE(report.document().pageCount(), 0);
}

void tst_ReportLayout::missingObjectIsReported()
{
    auto rows = numbers(2);
    Report report;
    QVERIFY(report.loadText(kPagesTemplate, QStringLiteral("RptExp.xml")));
    report.setDataset(QStringLiteral("Rows"), rows.get());
    report.setBeforePrint([](ReportFill& fill) {
        fill.setText(QStringLiteral("Value"), QStringLiteral("set"));
        fill.setText(QStringLiteral("Info2"), QStringLiteral("subtitle"));
        fill.setVisible(QStringLiteral("RptGrad2"), false);
    });
    const ReportResult result = report.prepare();
    QVERIFY(!result.ok());
    QCOMPARE(result.missingNames, (QStringList{"Info2", "RptGrad2"}));
    QCOMPARE(result.errors.size(), 2);
    QVERIFY(result.errors[0].contains(QLatin1String("RptExp.xml")));
    QVERIFY(result.errors[0].contains(QLatin1String("\"Info2\"")));
    // The names that exist are still filled and the pages are there.
    QCOMPARE(findTexts(report.document(), QStringLiteral("set")).size(), size_t(2));
}

void tst_ReportLayout::unreadablePictureLeavesItsAreaEmpty_data()
{
    QTest::addColumn<QByteArray>("fileContent"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a picture") << QByteArray("this is not a JPEG");
}

void tst_ReportLayout::unreadablePictureLeavesItsAreaEmpty()
{
    QFETCH(QByteArray, fileContent);
    QTemporaryDir folder;
    const QString logo = folder.filePath(QStringLiteral("Logo.Jpg"));
    if (!fileContent.isEmpty()) {
        QFile file(logo);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileContent);
    }
    auto rows = kelvora::test::ledgerRows(5, 1);
    Report report;
    QVERIFY(report.load(kelvora::test::reportFixture(QStringLiteral("GroupedLedger.xml"))));
    report.setDataset(QStringLiteral("Ledger"), rows.get());
    report.setBeforePrint([&](ReportFill& fill) { fill.setPicture(QStringLiteral("Picture1"), logo); });
    const ReportResult result = report.prepare();
    QVERIFY(result.ok());
    QCOMPARE(result.warnings.size(), 1);
    QCOMPARE(report.document().pageCount(), 1);
    QVERIFY(findText(report.document(), QStringLiteral("Grouped Ledger Report")));
    for (const DisplayItem& item : report.document().pages[0].items)
        QVERIFY(item.kind != ItemKind::Image);

    QVERIFY(kelvora::test::writeLogo(logo));
    QVERIFY(report.prepare().ok());
    QCOMPARE(report.document().images.size(), size_t(1));
}

void tst_ReportLayout::unboundDataStopsTheRun_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("dataset") << "[Other.N]" << "dataset \"Other\"";
    QTest::newRow("field") << "[Rows.Missing]" << "no field \"Missing\"";
}

void tst_ReportLayout::unboundDataStopsTheRun()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    auto rows = numbers(2);
    Report report;
    QVERIFY(report.loadText(QStringLiteral(R"(<report version="1">
      <masterData name="Detail" dataset="Rows" height="6"><text width="80" height="6">%1</text></masterData>
    </report>)")
                                .arg(text)
                                .toUtf8()));
    report.setDataset(QStringLiteral("Rows"), rows.get());
    const ReportResult result = report.prepare();
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors[0].contains(message), qPrintable(result.errors[0]));
    QCOMPARE(report.document().pageCount(), 0);
}

QTEST_MAIN(tst_ReportLayout)
#include "tst_ReportLayout.moc"
