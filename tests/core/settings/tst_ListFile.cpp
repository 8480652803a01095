#include <QtTest>

#include "core/base/KelvoraError.h"
#include "core/settings/ListFile.h"
#include "core/settings/SettingsTestFiles.h"

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::writeBytes;

class tst_ListFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void missingFileIsEmpty();
    void textRoundTripsExactly_data();
    void textRoundTripsExactly();
    void olderCodePageIsRead();
    void folderInPlaceOfFile();

private:
    QString path() const { return m_dir->filePath("ToDo.Txt"); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_ListFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_ListFile::missingFileIsEmpty()
{
    QCOMPARE(ListFile::load(path()), QString());
}

void tst_ListFile::textRoundTripsExactly_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("lines with CR LF, no terminator") << "Ring bank\r\nPay GST\r\n\r\n  indented";
    QTest::newRow("trailing line break kept") << "one\r\n";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë’s café: €20");
    QTest::newRow("empty") << "";
}

void tst_ListFile::textRoundTripsExactly()
{
    QFETCH(QString, text);
    QVERIFY(writeBytes(path(), "an older, longer list that must be replaced entirely\r\n"));
    ListFile::save(path(), text);
    QCOMPARE(readBytes(path()), text.toUtf8());
    QCOMPARE(ListFile::load(path()), text);
}

void tst_ListFile::olderCodePageIsRead()
{
    QVERIFY(writeBytes(path(), "Caf\xe9 \x80" "5\r\n"));
    QCOMPARE(ListFile::load(path()), QString::fromUtf8("Café €5\r\n"));
}

void tst_ListFile::folderInPlaceOfFile()
{
    QVERIFY(QDir().mkpath(path()));
    try {
        ListFile::load(path());
        QFAIL("a folder was read as a list");
    } catch (const KelvoraError& e) {
        QVERIFY2(e.message().startsWith(path() + " could not be read: "), qPrintable(e.message()));
    }
    try {
        ListFile::save(path(), "text");
        QFAIL("a list was written over a folder");
    } catch (const KelvoraError& e) {
        QVERIFY2(e.message().startsWith(path() + " could not be written: "), qPrintable(e.message()));
    }
    QVERIFY(QFileInfo(path()).isDir());
}

QTEST_GUILESS_MAIN(tst_ListFile)
#include "tst_ListFile.moc"
