#include <QtTest>

#include "core/base/KelvoraError.h"
#include "core/settings/IniFile.h"
#include "core/settings/SettingsTestFiles.h"

using namespace kelvora;
using kelvora::test::readBytes;
using kelvora::test::writeBytes;

class tst_IniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void missingFileReadsDefaults();
    void namesMatchInAnyCase();
    void presentButEmptyIsNotAbsent();
    void intValue_data();
    void intValue();
    void writeKeepsTheRestOfTheFile();
    void valuesRoundTrip_data();
    void valuesRoundTrip();
    void quotesOfOlderFilesAreDropped();
    void lineBreakIsRefused();
    void olderCodePageIsReadAndRewrittenAsUtf8();
    void strictRefusesNonUtf8();
    void folderInPlaceOfFile();
    void saveCreatesTheFolder();

private:
    QString path(const QString& name = QStringLiteral("Kelvora.Ini")) const { return m_dir->filePath(name); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_IniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_IniFile::missingFileReadsDefaults()
{
    const IniFile ini(path());
    QCOMPARE(ini.status(), IniFile::Status::Missing);
    QCOMPARE(ini.value("Detail", "ApplyRate", "10"), QString("10"));
    QVERIFY(!ini.contains("Detail", "ApplyRate"));
}

void tst_IniFile::namesMatchInAnyCase()
{
    QVERIFY(writeBytes(path(), "[detail]\nAPPLYRATE=12.5\n"));
    const IniFile ini(path());
    QCOMPARE(ini.status(), IniFile::Status::Loaded);
    QCOMPARE(ini.value("Detail", "ApplyRate"), QString("12.5"));
    QCOMPARE(ini.value("DETAIL", "applyrate"), QString("12.5"));
}

void tst_IniFile::presentButEmptyIsNotAbsent()
{
    QVERIFY(writeBytes(path(), "[Detail]\nABN=\n"));
    const IniFile ini(path());
    QVERIFY(ini.contains("Detail", "ABN"));
    QCOMPARE(ini.value("Detail", "ABN", "default"), QString(""));
}

void tst_IniFile::intValue_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("number") << QByteArray("CompanySize=14\n") << 14;
    QTest::newRow("blanks around") << QByteArray("CompanySize=  9  \n") << 9;
    QTest::newRow("negative") << QByteArray("CompanySize=-3\n") << -3;
    QTest::newRow("not a number") << QByteArray("CompanySize=big\n") << 10;
    QTest::newRow("empty") << QByteArray("CompanySize=\n") << 10;
    QTest::newRow("absent") << QByteArray("") << 10;
}

void tst_IniFile::intValue()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, expected);
    QVERIFY(writeBytes(path(), "[Font]\n" + stored));
    QCOMPARE(IniFile(path()).intValue("Font", "CompanySize", 10), expected);
}

void tst_IniFile::writeKeepsTheRestOfTheFile()
{
    QVERIFY(writeBytes(path(), "; kept comment\n[Other]\nForeign=1\n\n[Detail]\napplyrate=10\nUnknown=keep me\n"));
    {
        IniFile ini(path());
        ini.setValue("Detail", "ApplyRate", "12");
        ini.setValue("Detail", "ABN", "51 824 753 556");
        ini.save();
    }
    const QByteArray text = readBytes(path());
    QVERIFY2(text.contains("; kept comment"), text.constData());
    QVERIFY2(text.contains("[Other]\nForeign=1\n"), text.constData());
    // The key keeps the spelling the file had, and its place.
    QVERIFY2(text.contains("applyrate=12\nUnknown=keep me\nABN=51 824 753 556\n"), text.constData());
}

void tst_IniFile::valuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "Your Company";
    QTest::newRow("inner blanks") << "Payable upon reciept of invoice  -  No Statement will be issued.";
    QTest::newRow("leading and trailing blanks") << "  teh  ";
    QTest::newRow("wrapped in quotes") << "\"quoted\"";
    QTest::newRow("one quote") << "\"";
    QTest::newRow("equals and semicolon") << "a=b; c";
    QTest::newRow("non-ASCII") << QString::fromUtf8("Zoë’s Café €5");
    QTest::newRow("backslashes") << "C:\\Program Files\\Kelvora\\Letters\\Bas.Xls";
    QTest::newRow("empty") << "";
}

void tst_IniFile::valuesRoundTrip()
{
    QFETCH(QString, value);
    {
        IniFile ini(path());
        ini.setValue("Detail", "Finda", value);
        QCOMPARE(ini.value("Detail", "Finda"), value);
        ini.save();
    }
    const IniFile again(path());
    QCOMPARE(again.value("Detail", "Finda", "absent"), value);
}

void tst_IniFile::quotesOfOlderFilesAreDropped()
{
    QVERIFY(writeBytes(path(), "[Detail]\nCompany=\"Acme\"\nABN=  51 824  \n"));
    const IniFile ini(path());
    QCOMPARE(ini.value("Detail", "Company"), QString("Acme"));
    QCOMPARE(ini.value("Detail", "ABN"), QString("51 824"));
}

void tst_IniFile::lineBreakIsRefused()
{
    QVERIFY(writeBytes(path(), "[Detail]\nEhint=before\n"));
    IniFile ini(path());
    try {
        ini.setValue("Detail", "Ehint", "two\r\nlines");
        QFAIL("a line break was accepted");
    } catch (const KelvoraError& e) {
        QVERIFY2(e.message().startsWith("The setting Ehint cannot be stored in "), qPrintable(e.message()));
        QVERIFY2(e.message().endsWith(": it holds a line break or a control character."), qPrintable(e.message()));
    }
    QCOMPARE(ini.value("Detail", "Ehint"), QString("before"));
}

void tst_IniFile::olderCodePageIsReadAndRewrittenAsUtf8()
{
    QVERIFY(writeBytes(path(), "[Detail]\nCompany=Caf\xe9 \x80 \x93quoted\x94\n"));
    IniFile ini(path());
    QCOMPARE(ini.status(), IniFile::Status::Loaded);
    const QString expected = QString::fromUtf8("Café € “quoted”");
    QCOMPARE(ini.value("Detail", "Company"), expected);
    ini.setValue("Detail", "ABN", "1");
    ini.save();
    QVERIFY(readBytes(path()).contains(expected.toUtf8()));
    QCOMPARE(IniFile(path()).value("Detail", "Company"), expected);
}

void tst_IniFile::strictRefusesNonUtf8()
{
    QVERIFY(writeBytes(path(), "[Kelvora]\nNameStr=Caf\xe9\n"));
    const IniFile ini(path(), IniFile::Encoding::Strict);
    QCOMPARE(ini.status(), IniFile::Status::Unreadable);
    QCOMPARE(ini.errorText(), QString("the file is not UTF-8 text"));
    QCOMPARE(ini.value("Kelvora", "NameStr"), QString());
}

void tst_IniFile::folderInPlaceOfFile()
{
    QVERIFY(QDir().mkpath(path()));
    IniFile ini(path());
    QCOMPARE(ini.status(), IniFile::Status::Unreadable);
    QCOMPARE(ini.value("Detail", "ApplyRate", "10"), QString("10"));
    ini.setValue("Detail", "ApplyRate", "12");
    try {
        ini.save();
        QFAIL("saving over a folder succeeded");
    } catch (const KelvoraError& e) {
        QVERIFY2(e.message().startsWith(path() + " could not be read ("), qPrintable(e.message()));
        QVERIFY2(e.message().endsWith("), so it is not overwritten."), qPrintable(e.message()));
    }
    QVERIFY(QFileInfo(path()).isDir());
}

void tst_IniFile::saveCreatesTheFolder()
{
    const QString nested = m_dir->filePath("a/b/Kelvora.ini");
    IniFile ini(nested);
    ini.setValue("Kelvora", "NameStr", "Jo");
    ini.save();
    QCOMPARE(readBytes(nested), QByteArray("[Kelvora]\nNameStr=Jo\n"));
    // Nothing of the temporary file is left beside it.
    QCOMPARE(QDir(m_dir->filePath("a/b")).entryList(QDir::Files | QDir::Hidden), QStringList{"Kelvora.ini"});
}

QTEST_GUILESS_MAIN(tst_IniFile)
#include "tst_IniFile.moc"
