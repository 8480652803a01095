#include <QtTest>

#include "core/settings/AppFolders.h"
#include "core/settings/SettingsTestFiles.h"

using namespace kelvora;
using kelvora::test::writeBytes;

class tst_AppFolders : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void dataFolderChoice_data();
    void dataFolderChoice();
    void derivedPaths();
    void programFolderFromEnvironmentOrSource();
    void editedTemplateWins();
    void settingsKeyFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {
const char* const kVariables[] = {"KELVORA_PROGRAM_DIR", "KELVORA_DATA_DIR", "KELVORA_CONFIG_DIR", "XDG_DATA_HOME",
                                  "XDG_CONFIG_HOME"};
}

void tst_AppFolders::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    for (const char* name : kVariables)
        qunsetenv(name);
    // Nothing may reach the real home folder.
    qputenv("XDG_DATA_HOME", m_dir->filePath("xdg-data").toUtf8());
    qputenv("XDG_CONFIG_HOME", m_dir->filePath("xdg-config").toUtf8());
}

void tst_AppFolders::cleanup()
{
    for (const char* name : kVariables)
        qunsetenv(name);
}

void tst_AppFolders::dataFolderChoice_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QString>("expected"); // below the temporary folder
    QTest::newRow("option wins") << "opt" << "env" << "opt/";
    QTest::newRow("environment") << "" << "env" << "env/";
    QTest::newRow("XDG data home") << "" << "" << "xdg-data/Kelvora/Data/";
    QTest::newRow("option with trailing slash and dots") << "opt/sub/../data/" << "" << "opt/data/";
}

void tst_AppFolders::dataFolderChoice()
{
    QFETCH(QString, option);
    QFETCH(QString, environment);
    QFETCH(QString, expected);
    if (!environment.isEmpty())
        qputenv("KELVORA_DATA_DIR", m_dir->filePath(environment).toUtf8());
    const AppFolders folders = AppFolders::resolve(option.isEmpty() ? QString() : m_dir->filePath(option));
    QCOMPARE(folders.dataFolder(), m_dir->filePath(expected));
    QVERIFY2(QFileInfo(folders.dataFolder()).isDir(), "the data folder was not created");
}

void tst_AppFolders::derivedPaths()
{
    qputenv("KELVORA_PROGRAM_DIR", m_dir->filePath("prog").toUtf8());
    const AppFolders f = AppFolders::resolve(m_dir->filePath("data"));
    const QString data = m_dir->filePath("data/");
    const QString prog = m_dir->filePath("prog/");
    QCOMPARE(f.programFolder(), prog);
    QCOMPARE(f.settingsFile(), data + "Kelvora.Ini");
    QCOMPARE(f.toDoFile(), data + "ToDo.Txt");
    QCOMPARE(f.importantFile(), data + "Impt.Txt");
    QCOMPARE(f.errorLogFile(), data + "Kelvora.Log");
    QCOMPARE(f.databaseFile(), data + "Kelvora.db");
    QCOMPARE(f.lettersFolder(), prog + "Letters/");
    QCOMPARE(f.templatesFolder(), prog + "templates/");
    const SettingsLocations where = f.settingsLocations();
    QCOMPARE(where.settingsFile, f.settingsFile());
    QCOMPARE(where.settingsKey, AppFolders::settingsKeyFile());
    QCOMPARE(where.programFolder, prog);
    // Back from the settings' locations to the same folders.
    const AppFolders again = AppFolders::of(where);
    QCOMPARE(again.dataFolder(), data);
    QCOMPARE(again.programFolder(), prog);
}

void tst_AppFolders::programFolderFromEnvironmentOrSource()
{
    const QString source = QDir::cleanPath(QStringLiteral(KELVORA_SOURCE_RESOURCES)) + "/";
    QCOMPARE(AppFolders::resolve(m_dir->filePath("data")).programFolder(), source);
    qputenv("KELVORA_PROGRAM_DIR", m_dir->filePath("prog").toUtf8());
    QCOMPARE(AppFolders::resolve(m_dir->filePath("data")).programFolder(), m_dir->filePath("prog/"));
}

void tst_AppFolders::editedTemplateWins()
{
    qputenv("KELVORA_PROGRAM_DIR", m_dir->filePath("prog").toUtf8());
    const AppFolders f = AppFolders::resolve(m_dir->filePath("data"));
    QCOMPARE(f.templatePath("RptExp.xml"), m_dir->filePath("prog/templates/RptExp.xml"));
    QVERIFY(writeBytes(m_dir->filePath("data/templates/RptExp.xml"), "<report/>"));
    QCOMPARE(f.templatePath("RptExp.xml"), m_dir->filePath("data/templates/RptExp.xml"));
    QCOMPARE(f.templatePath("RptInvoice.xml"), m_dir->filePath("prog/templates/RptInvoice.xml"));
}

void tst_AppFolders::settingsKeyFile()
{
    QCOMPARE(AppFolders::settingsKeyFile(), m_dir->filePath("xdg-config/Marrowby/Kelvora.ini"));
    qputenv("KELVORA_CONFIG_DIR", m_dir->filePath("cfg").toUtf8());
    QCOMPARE(AppFolders::settingsKeyFile(), m_dir->filePath("cfg/Kelvora.ini"));
}

QTEST_GUILESS_MAIN(tst_AppFolders)
#include "tst_AppFolders.moc"
