// Reading and writing templates, the faults a reader of a broken template is told
// about, and the expressions inside texts.

#include "report/Expression.h"
#include "report/LedgerFixture.h"
#include "report/TemplateReader.h"
#include "report/TemplateWriter.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace kelvora;
using namespace kelvora::report;

namespace {

// Reads constants and fields from a fixed record.
class FixedScope : public ExpressionScope
{
public:
    QVariant field(int fieldRef) const override { return fieldRef == 0 ? QVariant(12.5) : QVariant(); }
    QVariant aggregate(int) const override { return {}; }
    int page() const override { return 3; }
    int totalPages() const override { return 7; }
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); }
    QString plainText(const QVariant& value) const override { return value.toString(); }
};

} // namespace

class tst_TemplateFormat : public QObject
{
    Q_OBJECT

private slots:
    void fixturesReadAndWriteBack_data();
    void fixturesReadAndWriteBack();
    void writerLeavesOutDefaults();
    void faultsNameFileLineAndColumn_data();
    void faultsNameFileLineAndColumn();
    void expressions_data();
    void expressions();
};

void tst_TemplateFormat::fixturesReadAndWriteBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("grouped ledger") << "GroupedLedger.xml";
    QTest::newRow("label sheet") << "LabelSheet.xml";
}

void tst_TemplateFormat::fixturesReadAndWriteBack()
{
    QFETCH(QString, file);
    const TemplateReader::Result read = TemplateReader::readFile(test::reportFixture(file));
    QVERIFY2(read.layout, qPrintable(read.errors.join('\n')));
    const QByteArray written = TemplateWriter::write(*read.layout);
    const TemplateReader::Result again = TemplateReader::read(written, file);
    QVERIFY2(again.layout, qPrintable(again.errors.join('\n')));
    QCOMPARE(TemplateWriter::write(*again.layout), written);
    QCOMPARE(again.layout->bands.size(), read.layout->bands.size());
    QCOMPARE(again.layout->page, read.layout->page);
    for (size_t b = 0; b < read.layout->bands.size(); ++b) {
        QCOMPARE(again.layout->bands[b].objects.size(), read.layout->bands[b].objects.size());
        for (size_t o = 0; o < read.layout->bands[b].objects.size(); ++o)
            QCOMPARE(again.layout->bands[b].objects[o].text, read.layout->bands[b].objects[o].text);
    }
}

void tst_TemplateFormat::writerLeavesOutDefaults()
{
    const TemplateReader::Result read = TemplateReader::read(R"(<report version="1">
      <page width="127" height="300.4" margins="0 0 10 10"/>
      <reportTitle name="Cards" height="250">
        <slots columns="2" rows="5" pitchX="95" pitchY="50"/>
        <text name="T#" width="80" height="6.5" font="Arial" size="10" colour="clBlack">[Page]</text>
      </reportTitle>
    </report>)");
    QVERIFY2(read.layout, qPrintable(read.errors.join('\n')));
    const QString xml = QString::fromUtf8(TemplateWriter::write(*read.layout));
    QVERIFY2(xml.contains(QLatin1String("<page width=\"127\" height=\"300.4\" margins=\"0 0 10 10\"/>")), qPrintable(xml));
    QVERIFY2(xml.contains(QLatin1String("<slots columns=\"2\" rows=\"5\" pitchX=\"95\" pitchY=\"50\"/>")), qPrintable(xml));
    QVERIFY2(xml.contains(QLatin1String("<text name=\"T#\" width=\"80\" height=\"6.5\">[Page]</text>")), qPrintable(xml));
    QVERIFY(xml.contains(QLatin1String("<report version=\"1\">")));
}

void tst_TemplateFormat::faultsNameFileLineAndColumn_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("what");

    QTest::newRow("broken XML") << QByteArray("<report version=\"1\">\n  <masterData name=\"A\" dataset=\"D\">\n</report>")
                                << "Bad.xml:3:" << "";
    QTest::newRow("text after the report") << QByteArray("<report version=\"1\"/>\n<page/>") << "Bad.xml:2:" << "";
    QTest::newRow("no version") << QByteArray("<report>\n</report>") << "Bad.xml:1:" << "version";
    QTest::newRow("newer version") << QByteArray("<report version=\"9\"/>") << "Bad.xml:1:" << "newer";
    QTest::newRow("unknown attribute") << QByteArray("<report version=\"1\">\n  <pageHeader hieght=\"5\"/>\n</report>")
                                       << "Bad.xml:2:" << "hieght";
    QTest::newRow("unknown element") << QByteArray("<report version=\"1\">\n\n  <chart/>\n</report>") << "Bad.xml:3:"
                                     << "<chart>";
    QTest::newRow("bad number") << QByteArray("<report version=\"1\"><pageHeader height=\"5mm\"/></report>")
                                << "Bad.xml:1:" << "5mm";
    QTest::newRow("not a finite number") << QByteArray("<report version=\"1\"><pageHeader height=\"nan\"/></report>")
                                         << "Bad.xml:1:" << "nan";
    QTest::newRow("bad colour") << QByteArray("<report version=\"1\"><pageHeader><text colour=\"clBlu\"/></pageHeader></report>")
                                << "Bad.xml:1:" << "clBlu";
    QTest::newRow("unclosed bracket")
        << QByteArray("<report version=\"1\">\n<pageHeader>\n  <text name=\"Info\">Page [Page</text>\n</pageHeader></report>")
        << "Bad.xml:3:" << "Info";
    QTest::newRow("unknown function")
        << QByteArray("<report version=\"1\"><pageHeader><text>[TOTAL(D.X, B)]</text></pageHeader></report>")
        << "Bad.xml:1:" << "TOTAL";
    QTest::newRow("total over a band that is not there")
        << QByteArray("<report version=\"1\"><pageHeader><text>[SUM(D.X, Band6)]</text></pageHeader></report>")
        << "Bad.xml:1:" << "Band6";
    QTest::newRow("page number with a field")
        << QByteArray("<report version=\"1\"><pageHeader><text>[Page + D.X]</text></pageHeader></report>")
        << "Bad.xml:1:" << "Page";
    QTest::newRow("name used twice")
        << QByteArray("<report version=\"1\">\n<pageHeader name=\"Info\"/>\n<pageFooter>\n<text name=\"info\"/></pageFooter></report>")
        << "Bad.xml:4:" << "twice";
    QTest::newRow("footer without header")
        << QByteArray("<report version=\"1\"><masterData name=\"M\" dataset=\"D\"/>\n<groupFooter name=\"F\"/></report>")
        << "Bad.xml:2:" << "no group header";
    QTest::newRow("slot copies need a number")
        << QByteArray("<report version=\"1\"><reportTitle><slots columns=\"2\" rows=\"1\"/>\n<text name=\"Logo\"/></reportTitle></report>")
        << "Bad.xml:2:" << "#";
}

void tst_TemplateFormat::faultsNameFileLineAndColumn()
{
    QFETCH(QByteArray, xml);
    QFETCH(QString, where);
    QFETCH(QString, what);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Bad.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(xml);
    file.close();
    const TemplateReader::Result read = TemplateReader::readFile(path);
    QVERIFY(!read.layout);
    QVERIFY(!read.errors.isEmpty());
    const QString first = read.errors.first();
    QVERIFY2(first.startsWith(where), qPrintable(first));
    QVERIFY2(first.contains(what), qPrintable(first));
}

void tst_TemplateFormat::expressions_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QVariant>("expected");
    QTest::newRow("precedence") << "2 + 3 * 4 - -1" << QVariant(15.0);
    QTest::newRow("NULL counts as 0 beside a number") << "D.Missing + D.\"Amount\"" << QVariant(12.5);
    QTest::newRow("NULL and NULL stay NULL") << "D.Missing + D.Missing" << QVariant();
    QTest::newRow("texts join") << "'Page ' + Page + ' of ' + TotalPages" << QVariant(QStringLiteral("Page 3 of 7"));
    QTest::newRow("quote inside a text") << "'O''Brien'" << QVariant(QStringLiteral("O'Brien"));
    QTest::newRow("division by zero") << "D.\"Amount\" / 0" << QVariant();
    QTest::newRow("date of the run") << "date" << QVariant(QDate(2026, 12, 11));
}

void tst_TemplateFormat::expressions()
{
    QFETCH(QString, source);
    QFETCH(QVariant, expected);
    QString error;
    auto expression = Expression::parse(source, &error, nullptr);
    QVERIFY2(expression, qPrintable(error));
    // Field references are numbered when a template is checked; here "Amount" is 0.
    expression->visit([](ExprNode& node) {
        if (node.kind == ExprKind::Field)
            node.fieldRef = node.field == QLatin1String("Amount") ? 0 : 1;
    });
    const QVariant value = expression->evaluate(FixedScope());
    QCOMPARE(value.isValid(), expected.isValid());
    if (expected.isValid())
        QCOMPARE(value, expected);
}

QTEST_MAIN(tst_TemplateFormat)
#include "tst_TemplateFormat.moc"
