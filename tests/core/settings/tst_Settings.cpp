#include <QtTest>

#include "core/base/KelvoraError.h"
#include "core/settings/IniFile.h"
#include "core/settings/KeyStore.h"
#include "core/settings/PasswordFixtures.h"
#include "core/settings/Settings.h"
#include "core/settings/SettingsTestFiles.h"
#include "core/settings/UserStore.h"
#include "support/ScriptedUserPort.h"

using namespace kelvora;
using namespace kelvora::test;

namespace {

const QDate kToday(2024, 7, 15);
const QString kTodayText = QStringLiteral("15/07/2024");
const QString kReadError = QStringLiteral("MessageDlg(Error): Exception 01: Registry Read Error.");
const QString kWriteError = QStringLiteral("MessageDlg(Error): Registry Exception 02: Information Saving Failed.");

// A settings key that records every call and fails where it is told to.
class RecordingKeyStore : public KeyStore
{
public:
    QHash<QString, QString> values;
    QStringList reads;
    QStringList writes;
    QString failReadAt;
    QString failWriteAt;
    int commits = 0;

    QString readValue(const QString& name) override
    {
        reads.append(name);
        if (name == failReadAt)
            throw KelvoraError("value of the wrong type");
        return values.value(name);
    }
    void writeValue(const QString& name, const QString& value) override
    {
        if (name == failWriteAt)
            throw KelvoraError("access denied");
        writes.append(name);
        values.insert(name, value);
    }
    void commit() override { ++commits; }
};

QStringList lines(const QByteArray& text)
{
    return QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

class tst_Settings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void defaultsWithNoFiles_data();
    void defaultsWithNoFiles();
    void e6DefaultsToE5();
    void emptyValuesThatTakeDefaults();
    void fontStyleKeepsFourLowBits_data();
    void fontStyleKeepsFourLowBits();
    void pictureSettingComesFromKey();
    void readErrorGivesFallbacks_data();
    void readErrorGivesFallbacks();
    void keyReadAndWriteOrder();
    void writeErrorStopsAtFailingValue();
    void writeErrorOfRealStore();
    void settingsFileWriteOrder();
    void settingsFileWriteFailure();
    void unusableSettingsFileIsKept_data();
    void unusableSettingsFileIsKept();
    void coloursWrittenBackByName_data();
    void coloursWrittenBackByName();
    void tempDates_data();
    void tempDates();
    void startDateWrittenEmptyThenToday();
    void frequencyIndex_data();
    void frequencyIndex();
    void dateFormatNormalised_data();
    void dateFormatNormalised();
    void everyKeyRoundTrips();
    void dialogWritesAtOnce();
    void dialogWriteFailureKeepsHeldValue();
    void startupPasswordForms_data();
    void startupPasswordForms();
    void startupPasswordChange();
    void unknownKeyIsRefused();

private:
    SettingsLocations where() const
    {
        return {m_dir->filePath("data/Kelvora.Ini"), m_dir->filePath("config/Kelvora.ini"), m_dir->filePath("prog/")};
    }
    std::unique_ptr<Settings> make() const
    {
        return std::make_unique<Settings>(where(), Regional::australian(), [] { return kToday; });
    }
    // Start-up: settings file, then settings key.
    std::unique_ptr<Settings> started(ScriptedUserPort& port) const
    {
        auto s = make();
        s->loadSettingsFile();
        s->readSettingsKey(port);
        return s;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Settings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Settings::defaultsWithNoFiles_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QStringList captions = {"100%", "80%", "60%", "40%", "20%", "20%", "Tax Free"};
    for (int i = 0; i < captions.size(); ++i)
        QTest::addRow("E%d", i + 1) << QString("E%1").arg(i + 1) << captions[i];
    QTest::newRow("VAT") << "VAT" << "VatStr";
    QTest::newRow("ApplyRate") << "ApplyRate" << "10";
    QTest::newRow("Company") << "Company" << "Your Company";
    QTest::newRow("DateFormat") << "DateFormat" << "dd/mm/yyyy";
    QTest::newRow("FiscalYr") << "FiscalYr" << "Cal";
    QTest::newRow("Period") << "Period" << "3";
    QTest::newRow("I1 held empty") << "I1" << "";
    QTest::newRow("I5") << "I5" << "Tax Free";
    QTest::newRow("Alpha") << "Alpha" << "Alpha";
    QTest::newRow("PrintAllowStr") << "PrintAllowStr" << "Yes";
    QTest::newRow("StartDateStr") << "StartDateStr" << kTodayText;
    QTest::newRow("TempDate1Str") << "TempDate1Str" << kTodayText;
    QTest::newRow("IncDateStr") << "IncDateStr" << kTodayText;
    QTest::newRow("IIntStr") << "IIntStr" << "1";
    QTest::newRow("Expense%6") << "Expense%6" << "100";
    QTest::newRow("Expense%Other") << "Expense%Other" << "50";
    QTest::newRow("Income%5") << "Income%5" << "0";
    QTest::newRow("CompanyColor") << "CompanyColor" << "clBlue";
    QTest::newRow("OthersColor") << "OthersColor" << "clBlack";
    QTest::newRow("Grad1Str") << "Grad1Str" << "16711680";
    QTest::newRow("Grad2Str") << "Grad2Str" << "65280";
    QTest::newRow("Grad3Str") << "Grad3Str" << "$00BBFFFF";
    QTest::newRow("Grad4Str") << "Grad4Str" << "$00FF9191";
    QTest::newRow("StartColStr") << "StartColStr" << "clLime";
    QTest::newRow("NameStr") << "NameStr" << "";
    QTest::newRow("ServicesColorStr") << "ServicesColorStr" << "clGreen";
}

void tst_Settings::defaultsWithNoFiles()
{
    QFETCH(QString, key);
    QFETCH(QString, expected);
    ScriptedUserPort port;
    const auto s = started(port);
    QCOMPARE(s->value(key), expected);
    QCOMPARE(port.log(), QStringList());
    if (key == "E1") { // once is enough for the fonts
        QCOMPARE(s->font(FontRole::Company), (FontSetting{"Arial", 10, "clBlue", 0}));
        QCOMPARE(s->font(FontRole::Others), (FontSetting{"Arial", 10, "clBlack", 0}));
        QCOMPARE(s->font(FontRole::OwnerName), (FontSetting{"Arial", 14, "clBlue", FontSetting::Bold}));
        QCOMPARE(s->font(FontRole::Services),
                 (FontSetting{"Arial", 10, "clGreen", FontSetting::Bold | FontSetting::Italic}));
    }
}

void tst_Settings::e6DefaultsToE5()
{
    QVERIFY(writeBytes(where().settingsFile, "[Detail]\nE5=30%\n"));
    ScriptedUserPort port;
    QCOMPARE(started(port)->value("E6"), QString("30%"));

    QVERIFY(writeBytes(where().settingsFile, "[Detail]\nE5=30%\nE6=Capital\n"));
    QCOMPARE(started(port)->value("E6"), QString("Capital"));
}

// Present but empty: most keys stay empty; these take their defaults.
void tst_Settings::emptyValuesThatTakeDefaults()
{
    QVERIFY(writeBytes(where().settingsFile,
                       "[Detail]\nStartDateStr=\nIIntStr=\nRIntStr=\nSIntStr=\nApplyRate=\nTempDate1Str=\n"));
    QVERIFY(writeBytes(where().settingsKey, "[Kelvora]\nGrad1Str=\nStartColStr=\nOwnerNameSizeStr=\nNameStr=\n"));
    ScriptedUserPort port;
    const auto s = started(port);
    QCOMPARE(s->value("StartDateStr"), kTodayText);
    QCOMPARE(s->value("IIntStr"), QString("1"));
    QCOMPARE(s->value("RIntStr"), QString("1"));
    QCOMPARE(s->value("SIntStr"), QString("1"));
    QCOMPARE(s->value("ApplyRate"), QString(""));
    QCOMPARE(s->value("TempDate1Str"), QString(""));
    QCOMPARE(s->value("Grad1Str"), QString("16711680"));
    QCOMPARE(s->value("StartColStr"), QString("clLime"));
    QCOMPARE(s->value("OwnerNameSizeStr"), QString("14"));
    QCOMPARE(s->value("NameStr"), QString(""));
}

void tst_Settings::fontStyleKeepsFourLowBits_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("style");
    QTest::newRow("17 is bold only") << "17" << 1;
    QTest::newRow("all four") << "15" << 15;
    QTest::newRow("16 is plain") << "16" << 0;
    QTest::newRow("not a number") << "bold" << 0;
}

void tst_Settings::fontStyleKeepsFourLowBits()
{
    QFETCH(QString, stored);
    QFETCH(int, style);
    QVERIFY(writeBytes(where().settingsFile, "[Font]\nCompanyFontStyle=" + stored.toUtf8() + "\n"));
    QVERIFY(writeBytes(where().settingsKey, "[Kelvora]\nServicesFontStyleStr=" + stored.toUtf8() + "\n"));
    ScriptedUserPort port;
    const auto s = started(port);
    QCOMPARE(s->font(FontRole::Company).style, style);
    // The key's default style (3) stands in for a text that is no number.
    QCOMPARE(s->font(FontRole::Services).style, stored == "bold" ? 3 : style);
    // What is written back is what the boxes show.
    s->saveSettingsFile();
    QCOMPARE(IniFile(where().settingsFile).value("Font", "CompanyFontStyle"), QString::number(style));
}

void tst_Settings::pictureSettingComesFromKey()
{
    QVERIFY(writeBytes(where().settingsFile, "[Detail]\nPix=No\n"));
    QVERIFY(writeBytes(where().settingsKey, "[Kelvora]\nPixStr=Yes\n"));
    ScriptedUserPort port;
    const auto s = started(port);
    QVERIFY(s->pictureAutoDisplay());
    QCOMPARE(s->value("Pix"), QString("Yes"));
    s->saveSettingsFile();
    QVERIFY(s->writeSettingsKey(port));
    QCOMPARE(IniFile(where().settingsFile).value("Detail", "Pix"), QString("Yes"));
    QCOMPARE(UserStore(where().settingsKey).readValue("PixStr"), QString("Yes"));

    // One value: changing either name changes both.
    s->setValue("PixStr", "No");
    QCOMPARE(s->value("Pix"), QString("No"));
    QVERIFY(!s->pictureAutoDisplay());
}

void tst_Settings::readErrorGivesFallbacks_data()
{
    QTest::addColumn<int>("cause");
    QTest::newRow("not UTF-8") << 0;
    QTest::newRow("folder in place of the file") << 1;
    QTest::newRow("a value fails part-way") << 2;
}

void tst_Settings::readErrorGivesFallbacks()
{
    QFETCH(int, cause);
    QVERIFY(writeBytes(where().settingsFile, "[Detail]\nPix=No\n"));
    ScriptedUserPort port;
    auto s = make();
    s->loadSettingsFile();
    s->setValue("EntryStr", "old"); // whatever was held before is replaced too
    RecordingKeyStore fake;
    fake.values = {{"Addr1Str", "12 Hill St"}, {"Grad1Str", "clRed"}, {"EntryStr", "pw"}};
    fake.failReadAt = "NameStr";
    if (cause == 0)
        QVERIFY(writeBytes(where().settingsKey, "[Kelvora]\nNameStr=Zo\xeb\n"));
    if (cause == 1)
        QVERIFY(QDir().mkpath(where().settingsKey));
    if (cause == 2)
        s->readSettingsKey(fake, port);
    else
        s->readSettingsKey(port);

    QCOMPARE(port.log(), QStringList{kReadError});
    const QList<std::pair<QString, QString>> expected = {
        {"Addr1Str", "Primary (Postal) Address  eg. PO Box 123,"},
        {"Addr2Str", "Secondary (St) Address, (if desired)"},
        {"Addr3Str", "Town."},
        {"Addr4Str", "State."},
        {"Addr5Str", "Nation / Postcode."},
        {"Addr6Str", "Suburb."},
        {"CoDetStr", "Trading Name and Co #  eg Marrowby Traders Pty Ltd  ACN 123 456 789"},
        {"EmailStr", "yourname@example.com"},
        {"EntryStr", ""},
        {"FaxStr", "Fax No"},
        {"Grad1Str", "clBlue"},
        {"Grad2Str", "clLime"},
        {"Grad3Str", "$00BBFFFF"},
        {"Grad4Str", "$00FF9191"},
        {"HPhoneStr", "Home Phone #"},
        {"I6Str", "Supplied"},
        {"I7Str", "Sales"},
        {"I8Str", "Sale"},
        {"I9Str", "50"},
        {"MateStr", m_dir->filePath("prog/Letters/Bas.Xls")},
        {"MPhoneStr", "Cell Phone #"},
        {"NameStr", "Your Name"},
        {"R1Str", "Payable upon reciept of invoice  -  No Statement will be issued."},
        {"R2Str", "Thankyou for this payment."},
        {"R3Str", "Payment is now overdue."},
        {"ServicesStr", "On Bus Cards : Your Business"},
        {"StartColStr", "clLime"},
        {"WebStr", "Web Address"},
        {"WPhoneStr", "Work Phone"},
        // The picture setting keeps what the settings file gave it.
        {"PixStr", "No"},
    };
    for (const auto& [key, value] : expected)
        QCOMPARE(s->value(key), value);
    QVERIFY(!s->hasStartupPassword());
    QCOMPARE(s->font(FontRole::OwnerName), (FontSetting{"Arial", 14, "clBlue", 1}));
    QCOMPARE(s->font(FontRole::Services), (FontSetting{"Arial", 10, "clGreen", 3}));
}

void tst_Settings::keyReadAndWriteOrder()
{
    ScriptedUserPort port;
    const auto s = make();
    RecordingKeyStore fake;
    s->readSettingsKey(fake, port);
    const QStringList fonts = {"OwnerNameColorStr",    "OwnerNameFontStr", "OwnerNameFontStyleStr",
                               "OwnerNameSizeStr",     "ServicesColorStr", "ServicesFontStr",
                               "ServicesFontStyleStr", "ServicesSizeStr"};
    QCOMPARE(fake.reads, QStringList({"Addr1Str", "Addr2Str", "Addr3Str", "Addr4Str", "Addr5Str", "Addr6Str",
                                      "CoDetStr", "EmailStr", "EntryStr", "FaxStr",   "Grad1Str", "Grad2Str",
                                      "Grad3Str", "Grad4Str", "HPhoneStr", "I6Str",   "I7Str",    "I8Str",
                                      "I9Str",    "MateStr",  "MPhoneStr", "NameStr", "PixStr",   "R1Str",
                                      "R2Str",    "R3Str",    "ServicesStr", "StartColStr", "WebStr", "WPhoneStr"})
                             + fonts);
    QVERIFY(s->writeSettingsKey(fake, port));
    QCOMPARE(fake.writes, QStringList({"Addr1Str", "Addr2Str", "Addr3Str", "Addr4Str", "Addr5Str", "Addr6Str",
                                       "CoDetStr", "EmailStr", "EntryStr", "FaxStr", "HPhoneStr", "MateStr",
                                       "MPhoneStr", "NameStr", "PixStr", "ServicesStr", "StartColStr", "WebStr",
                                       "WPhoneStr"})
                              + fonts);
    QCOMPARE(fake.commits, 1);
    QCOMPARE(port.log(), QStringList());
}

void tst_Settings::writeErrorStopsAtFailingValue()
{
    ScriptedUserPort port;
    const auto s = make();
    s->setValue("NameStr", "Jo Bloggs");
    s->setValue("FaxStr", "02 9999 0000");
    RecordingKeyStore fake;
    fake.failWriteAt = "MateStr";
    QVERIFY(!s->writeSettingsKey(fake, port));
    QCOMPARE(port.log(), QStringList{kWriteError});
    QCOMPARE(fake.writes.last(), QString("HPhoneStr"));
    QCOMPARE(fake.values.value("FaxStr"), QString("02 9999 0000"));
    QVERIFY(!fake.values.contains("NameStr"));
    QVERIFY(!fake.values.contains("ServicesSizeStr"));
    // What was written before the failure is kept.
    QCOMPARE(fake.commits, 1);
}

void tst_Settings::writeErrorOfRealStore()
{
    QVERIFY(QDir().mkpath(where().settingsKey));
    ScriptedUserPort port;
    const auto s = make();
    QVERIFY(!s->writeSettingsKey(port));
    QCOMPARE(port.log(), QStringList{kWriteError});
    QVERIFY(QFileInfo(where().settingsKey).isDir());
}

void tst_Settings::settingsFileWriteOrder()
{
    const auto s = make();
    s->saveSettingsFile();
    QStringList keys;
    for (const QString& line : lines(readBytes(where().settingsFile)))
        keys.append(line.section(QLatin1Char('='), 0, 0));
    QCOMPARE(keys, QStringList({"[Font]", "CompanyFont", "CompanySize", "CompanyColor", "CompanyFontStyle",
                                "OthersFont", "OthersSize", "OthersColor", "OthersFontStyle",
                                "[Detail]", "ABN", "ApplyRate", "BAmtStr", "BRateStr", "BTermStr", "StartDateStr",
                                "IAmtStr", "IRateStr", "ITermStr", "IIntStr", "RRateStr", "RTermStr", "RPMTStr",
                                "RIntStr", "SFVStr", "SRateStr", "STermStr", "SIntStr", "Company", "DateFormat",
                                "Estr", "Ehint", "Finda", "FindStr", "Pix", "PrintAllowStr", "Replaca",
                                "ReplaceStr", "TempDate1Str", "TempDate2Str", "ExpDateStr", "IncDateStr"}));
}

void tst_Settings::settingsFileWriteFailure()
{
    QVERIFY(QDir().mkpath(where().settingsFile));
    const auto s = make();
    s->loadSettingsFile(); // unreadable: defaults, no message
    QCOMPARE(s->value("ApplyRate"), QString("10"));
    try {
        s->saveSettingsFile();
        QFAIL("the settings file was written over a folder");
    } catch (const KelvoraError& e) {
        QVERIFY2(e.message().startsWith(where().settingsFile + " could not be read ("), qPrintable(e.message()));
    }
}

void tst_Settings::unusableSettingsFileIsKept_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a NUL after a good line") << QByteArray("[Detail]\r\nCompany=Kept Company\r\n\0\r\nABN=1\r\n", 38)
                                             << "it holds a NUL byte, so it is not a text file";
    QTest::newRow("binary without a NUL") << QByteArray("\x89PNG\x1a\x07junk=1\x03")
                                          << "it holds control characters, so it is not a text file";
    QTest::newRow("text without one key") << QByteArray("This is a letter to the bank,\nnot settings.\n")
                                          << "no setting could be read from it";
}

void tst_Settings::unusableSettingsFileIsKept()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    QVERIFY(writeBytes(where().settingsFile, bytes));
    const auto s = make();
    s->loadSettingsFile();
    QCOMPARE(s->settingsFileProblem(), problem);
    // Nothing of it is half read: every key is at its default.
    QCOMPARE(s->value("Company"), QString("Your Company"));
    QVERIFY_THROWS_EXCEPTION(KelvoraError, s->saveSettingsFile());
    QCOMPARE(readBytes(where().settingsFile), bytes);
}

void tst_Settings::coloursWrittenBackByName_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("written");
    QTest::newRow("decimal with a name") << "StartColStr" << "255" << "clRed";
    QTest::newRow("decimal without a name") << "OwnerNameColorStr" << "1193046" << "$00123456";
    QTest::newRow("hex form with a name") << "ServicesColorStr" << "$00FF0000" << "clBlue";
    QTest::newRow("no colour at all") << "StartColStr" << "Lime green" << "Lime green";
}

void tst_Settings::coloursWrittenBackByName()
{
    QFETCH(QString, key);
    QFETCH(QString, held);
    QFETCH(QString, written);
    ScriptedUserPort port;
    const auto s = make();
    s->setValue(key, held);
    RecordingKeyStore fake;
    QVERIFY(s->writeSettingsKey(fake, port));
    QCOMPARE(fake.values.value(key), written);
    QCOMPARE(s->value(key), held);
}

void tst_Settings::tempDates_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QDate>("set");
    QTest::addColumn<QString>("written");
    QTest::newRow("never set keeps the value read") << QByteArray("05/03/2024") << QDate() << "05/03/2024";
    QTest::newRow("never set, absent, keeps today") << QByteArray() << QDate() << kTodayText;
    QTest::newRow("set by the diary") << QByteArray("05/03/2024") << QDate(2025, 1, 2) << "02/01/2025";
}

void tst_Settings::tempDates()
{
    QFETCH(QByteArray, stored);
    QFETCH(QDate, set);
    QFETCH(QString, written);
    if (!stored.isEmpty())
        QVERIFY(writeBytes(where().settingsFile, "[Detail]\nTempDate1Str=" + stored + "\nTempDate2Str=" + stored + "\n"));
    ScriptedUserPort port;
    const auto s = started(port);
    if (set.isValid()) {
        s->setTempDate1(set);
        s->setTempDate2(set);
    }
    s->saveSettingsFile();
    const IniFile ini(where().settingsFile);
    QCOMPARE(ini.value("Detail", "TempDate1Str"), written);
    QCOMPARE(ini.value("Detail", "TempDate2Str"), written);
}

void tst_Settings::startDateWrittenEmptyThenToday()
{
    const auto s = make();
    s->setValue("StartDateStr", "");
    s->saveSettingsFile();
    QCOMPARE(IniFile(where().settingsFile).value("Detail", "StartDateStr", "absent"), QString(""));
    QCOMPARE(s->value("StartDateStr"), kTodayText);
}

void tst_Settings::frequencyIndex_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("written");
    QTest::newRow("number") << "3" << 3 << "3";
    QTest::newRow("empty") << "" << 1 << "1";
    QTest::newRow("not a number") << "weekly" << 1 << "weekly";
}

void tst_Settings::frequencyIndex()
{
    QFETCH(QString, stored);
    QFETCH(int, index);
    QFETCH(QString, written);
    const auto s = make();
    s->setValue("RIntStr", stored);
    QCOMPARE(s->frequencyIndex("RIntStr"), index);
    s->saveSettingsFile();
    QCOMPARE(IniFile(where().settingsFile).value("Detail", "RIntStr"), written);
}

void tst_Settings::dateFormatNormalised_data()
{
    QTest::addColumn<QString>("held");
    QTest::addColumn<QString>("expected");
    QTest::newRow("month first stays") << "mm/dd/yyyy" << "mm/dd/yyyy";
    QTest::newRow("day first stays") << "dd/mm/yyyy" << "dd/mm/yyyy";
    QTest::newRow("ISO") << "yyyy-mm-dd" << "dd/mm/yyyy";
    QTest::newRow("other case") << "MM/DD/YYYY" << "dd/mm/yyyy";
    QTest::newRow("empty") << "" << "dd/mm/yyyy";
}

void tst_Settings::dateFormatNormalised()
{
    QFETCH(QString, held);
    QFETCH(QString, expected);
    const auto s = make();
    s->setValue("DateFormat", held);
    s->normaliseDateFormat();
    QCOMPARE(s->value("DateFormat"), expected);
}

// Every key written at close, at destroy or by its dialog comes back as written.
void tst_Settings::everyKeyRoundTrips()
{
    const QStringList dialogFileKeys = {
        "DateFormat", "E1", "E2", "E3", "E4", "E5", "E6", "E7", "FiscalYr", "I1", "I2", "I3", "I4", "I5", "Period",
        "VAT", "Alpha", "Number", "Money", "Expense%1", "Expense%2", "Expense%3", "Expense%4", "Expense%5",
        "Expense%6", "Expense%7", "Expense%Office", "Expense%Other", "Expense%Phone", "Income%1", "Income%2",
        "Income%3", "Income%4", "Income%5", "Income%Interest", "Income%Salary"};
    const QStringList dialogKeyKeys = {"Grad1Str", "Grad2Str", "Grad3Str", "Grad4Str", "I6Str", "I7Str",
                                       "I8Str",    "I9Str",    "R1Str",    "R2Str",    "R3Str"};
    const QStringList closeKeys = {
        "ABN",      "ApplyRate", "BAmtStr", "BRateStr", "BTermStr", "StartDateStr", "IAmtStr",    "IRateStr",
        "ITermStr", "IIntStr",   "RRateStr", "RTermStr", "RPMTStr", "RIntStr",      "SFVStr",     "SRateStr",
        "STermStr", "SIntStr",   "Company",  "Estr",     "Ehint",   "Finda",        "FindStr",    "PrintAllowStr",
        "Replaca",  "ReplaceStr", "TempDate1Str", "TempDate2Str", "ExpDateStr", "IncDateStr"};
    const QStringList destroyKeys = {"Addr1Str", "Addr2Str",  "Addr3Str", "Addr4Str",  "Addr5Str", "Addr6Str",
                                     "CoDetStr", "EmailStr",  "FaxStr",   "HPhoneStr", "MateStr",  "MPhoneStr",
                                     "NameStr",  "ServicesStr", "StartColStr", "WebStr", "WPhoneStr"};
    QHash<QString, QString> expected;
    Settings::Values fileValues, keyValues;
    int n = 0;
    const auto sample = [&n](const QString& key) {
        return QString::fromUtf8("  %1 “v%2”  ").arg(key).arg(++n);
    };
    ScriptedUserPort port;
    {
        const auto s = make();
        for (const QString& key : closeKeys + destroyKeys) {
            expected.insert(key, sample(key));
            s->setValue(key, expected.value(key));
        }
        for (const QString& key : dialogFileKeys) {
            expected.insert(key, sample(key));
            fileValues.append({key, expected.value(key)});
        }
        for (const QString& key : dialogKeyKeys) {
            expected.insert(key, sample(key));
            keyValues.append({key, expected.value(key)});
        }
        s->setValue("Pix", "No");
        s->setStartupPassword("Open Sesame");
        const FontSetting fonts[] = {{"Georgia", 11, "$00112233", 5},
                                     {"Tahoma", 9, "clNavy", 2},
                                     {"Verdana", 16, "clTeal", 8},
                                     {"Courier New", 12, "clMaroon", 6}};
        for (int r = 0; r < 4; ++r)
            s->setFont(FontRole(r), fonts[r]);
        s->storeInSettingsFile(fileValues);
        s->storeInSettingsKey(keyValues);
        s->saveSettingsFile();
        QVERIFY(s->writeSettingsKey(port));
    }
    const auto again = started(port);
    QCOMPARE(port.log(), QStringList());
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QCOMPARE(again->value(it.key()), it.value());
    QCOMPARE(again->value("Pix"), QString("No"));
    QVERIFY(again->startupPasswordMatches("Open Sesame"));
    QCOMPARE(again->font(FontRole::Company), (FontSetting{"Georgia", 11, "$00112233", 5}));
    QCOMPARE(again->font(FontRole::Others), (FontSetting{"Tahoma", 9, "clNavy", 2}));
    QCOMPARE(again->font(FontRole::OwnerName), (FontSetting{"Verdana", 16, "clTeal", 8}));
    QCOMPARE(again->font(FontRole::Services), (FontSetting{"Courier New", 12, "clMaroon", 6}));
}

void tst_Settings::dialogWritesAtOnce()
{
    QVERIFY(writeBytes(where().settingsFile, "[Detail]\nABN=51 824 753 556\nE1=Old\n"));
    const auto s = make();
    QSignalSpy changed(s.get(), &Settings::valueChanged);
    s->storeInSettingsFile({{"E1", "Capital"}, {"Expense%Phone", "75"}});
    QCOMPARE(s->value("E1"), QString("Capital"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.first().at(0).toString(), QString("E1"));
    const IniFile ini(where().settingsFile);
    QCOMPARE(ini.value("Detail", "E1"), QString("Capital"));
    QCOMPARE(ini.value("Detail", "Expense%Phone"), QString("75"));
    QCOMPARE(ini.value("Detail", "ABN"), QString("51 824 753 556"));

    s->storeInSettingsKey({{"StartColStr", "clTeal"}, {"R1Str", "Net 30 days"}});
    UserStore key(where().settingsKey);
    QCOMPARE(key.readValue("StartColStr"), QString("clTeal"));
    QCOMPARE(key.readValue("R1Str"), QString("Net 30 days"));

    // Each store takes only its own keys; nothing is changed by a refused batch.
    QVERIFY_THROWS_EXCEPTION(KelvoraError, s->storeInSettingsFile({{"E2", "x"}, {"NameStr", "Jo"}}));
    QVERIFY_THROWS_EXCEPTION(KelvoraError, s->storeInSettingsKey({{"E2", "x"}}));
    QCOMPARE(s->value("E2"), QString("80%"));
}

void tst_Settings::dialogWriteFailureKeepsHeldValue()
{
    QVERIFY(QDir().mkpath(where().settingsKey));
    const auto s = make();
    QVERIFY_THROWS_EXCEPTION(KelvoraError, s->storeInSettingsKey({{"Grad1Str", "clTeal"}}));
    // The colours stay applied for the rest of the run.
    QCOMPARE(s->value("Grad1Str"), QString("clTeal"));
}

void tst_Settings::startupPasswordForms_data()
{
    // Whatever the stored form, the password is "Secret". kNewHash: a hash made
    // now, with the program's limits.
    const QString kNewHash = QStringLiteral("new hash");
    const QString kBroken = QStringLiteral("$argon2id$v=19$m=65536,t=2,p=1$broken");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("saved");
    QTest::newRow("none, empty") << "" << "" << true << "";
    QTest::newRow("none, typed") << "" << "Secret" << false << "";
    // A plain value is hashed as it is read, so it never reaches the key again.
    QTest::newRow("plain, right") << "Secret" << "Secret" << true << kNewHash;
    QTest::newRow("plain, wrong") << "Secret" << "secret" << false << kNewHash;
    QTest::newRow("plain, empty") << "Secret" << "" << false << kNewHash;
    // A SHA-256 value can be replaced only once the password is typed.
    QTest::newRow("sha256, right") << kShaSecret << "Secret" << true << kNewHash;
    QTest::newRow("sha256, wrong") << kShaSecret << "secret" << false << kShaSecret;
    QTest::newRow("sha256, empty") << kShaSecret << "" << false << kShaSecret;
    QTest::newRow("argon2id, right") << kArgonSecret << "Secret" << true << kArgonSecret;
    QTest::newRow("argon2id, wrong") << kArgonSecret << "secret" << false << kArgonSecret;
    QTest::newRow("argon2id, empty") << kArgonSecret << "" << false << kArgonSecret;
    QTest::newRow("older limits, right") << kArgonSecretWeak << "Secret" << true << kNewHash;
    QTest::newRow("older limits, wrong") << kArgonSecretWeak << "secret" << false << kArgonSecretWeak;
    QTest::newRow("garbage, itself") << kBroken << kBroken << false << kBroken;
    QTest::newRow("garbage, right") << kBroken << "Secret" << false << kBroken;
    QTest::newRow("garbage, empty") << kBroken << "" << false << kBroken;
    QTest::newRow("above our limits, right") << kArgonSecretHeavy << "Secret" << false << kArgonSecretHeavy;
}

void tst_Settings::startupPasswordForms()
{
    QFETCH(QString, stored);
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, saved);
    QVERIFY(writeBytes(where().settingsKey, "[Kelvora]\nEntryStr=" + stored.toUtf8() + "\n"));
    ScriptedUserPort port;
    const auto s = started(port);
    QCOMPARE(s->hasStartupPassword(), !stored.isEmpty());
    QCOMPARE(s->startupPasswordMatches(typed), accepted);
    QVERIFY(s->writeSettingsKey(port));
    QCOMPARE(port.log(), QStringList());

    const QString written = UserStore(where().settingsKey).readValue("EntryStr");
    if (saved != QLatin1String("new hash")) {
        QCOMPARE(written, saved);
        return;
    }
    QVERIFY2(written.startsWith(kCurrentArgonPrefix), qPrintable(written));
    QVERIFY(!readBytes(where().settingsKey).contains("Secret"));
    const auto next = started(port);
    QVERIFY(!next->startupPasswordMatches("secret"));
    QVERIFY(next->startupPasswordMatches("Secret"));
    QCOMPARE(next->value("EntryStr"), written); // nothing more to replace
}

void tst_Settings::startupPasswordChange()
{
    const auto s = make();
    s->setStartupPassword(kAccented);
    QVERIFY(s->value("EntryStr").startsWith(kCurrentArgonPrefix));
    QVERIFY(s->hasStartupPassword());
    QVERIFY(s->startupPasswordMatches(kAccented));
    QVERIFY(!s->startupPasswordMatches(""));

    // However a password is set, only its hash is held.
    s->setValue("EntryStr", "Other");
    QVERIFY(s->value("EntryStr").startsWith(kCurrentArgonPrefix));
    QVERIFY(s->startupPasswordMatches("Other"));

    s->setStartupPassword("");
    QVERIFY(!s->hasStartupPassword());
    QCOMPARE(s->value("EntryStr"), QString());
    QVERIFY(s->startupPasswordMatches(""));
    QVERIFY(!s->startupPasswordMatches("Other"));
}

void tst_Settings::unknownKeyIsRefused()
{
    const auto s = make();
    QVERIFY(Settings::isSetting("expense%office"));
    QVERIFY(!Settings::isSetting("Expense%8"));
    QCOMPARE(s->value("applyrate"), QString("10"));
    try {
        s->setValue("Expense%8", "1");
        QFAIL("an unknown setting was accepted");
    } catch (const KelvoraError& e) {
        QCOMPARE(e.message(), QString("There is no setting named Expense%8."));
    }
}

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_Settings.moc"
