#include "core/settings/AppFolders.h"

#include "core/app/AppInfo.h"
#include "core/base/KelvoraError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kelvora {

namespace {

QString asFolder(const QString& path)
{
    QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString environmentFolder(const char* name)
{
    return qEnvironmentVariable(name).trimmed();
}

QString findProgramFolder()
{
    const QString fromEnvironment = environmentFolder("KELVORA_PROGRAM_DIR");
    if (!fromEnvironment.isEmpty())
        return asFolder(fromEnvironment);
    if (QCoreApplication::instance()) {
        const QString installed = QCoreApplication::applicationDirPath() + QStringLiteral("/../share/kelvora");
        if (QFileInfo(installed).isDir())
            return asFolder(installed);
    }
    return asFolder(QStringLiteral(KELVORA_SOURCE_RESOURCES));
}

QString findDataFolder(const QString& option)
{
    if (!option.trimmed().isEmpty())
        return asFolder(option.trimmed());
    const QString fromEnvironment = environmentFolder("KELVORA_DATA_DIR");
    if (!fromEnvironment.isEmpty())
        return asFolder(fromEnvironment);
    return asFolder(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/')
                    + QLatin1String(kApplicationTitle) + QStringLiteral("/Data"));
}

} // namespace

AppFolders AppFolders::resolve(const QString& dataDirOption)
{
    AppFolders folders;
    folders.m_programFolder = findProgramFolder();
    folders.m_dataFolder = findDataFolder(dataDirOption);
    if (!QDir().mkpath(folders.m_dataFolder))
        throw KelvoraError(QStringLiteral("The data folder %1 could not be created.")
                               .arg(QDir::toNativeSeparators(folders.m_dataFolder)));
    return folders;
}

AppFolders AppFolders::of(const SettingsLocations& locations)
{
    AppFolders folders;
    folders.m_programFolder = asFolder(locations.programFolder);
    folders.m_dataFolder = asFolder(QFileInfo(locations.settingsFile).absolutePath());
    return folders;
}

QString AppFolders::settingsKeyFile()
{
    const QString fromEnvironment = environmentFolder("KELVORA_CONFIG_DIR");
    const QString folder = !fromEnvironment.isEmpty()
                               ? asFolder(fromEnvironment)
                               : asFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                          + QLatin1Char('/') + QLatin1String(kOrganisation));
    return folder + QLatin1String(kApplicationTitle) + QStringLiteral(".ini");
}

QString AppFolders::settingsFile() const
{
    return m_dataFolder + QLatin1String(kApplicationTitle) + QStringLiteral(".Ini");
}

QString AppFolders::toDoFile() const
{
    return m_dataFolder + QStringLiteral("ToDo.Txt");
}

QString AppFolders::importantFile() const
{
    return m_dataFolder + QStringLiteral("Impt.Txt");
}

QString AppFolders::errorLogFile() const
{
    return m_dataFolder + QLatin1String(kApplicationTitle) + QStringLiteral(".Log");
}

QString AppFolders::databaseFile() const
{
    return m_dataFolder + QLatin1String(kApplicationTitle) + QStringLiteral(".db");
}

QString AppFolders::lettersFolder() const
{
    return m_programFolder + QStringLiteral("Letters/");
}

QString AppFolders::templatesFolder() const
{
    return m_programFolder + QStringLiteral("templates/");
}

QString AppFolders::templatePath(const QString& name) const
{
    const QString edited = m_dataFolder + QStringLiteral("templates/") + name;
    return QFileInfo(edited).isFile() ? edited : templatesFolder() + name;
}

SettingsLocations AppFolders::settingsLocations() const
{
    return {settingsFile(), settingsKeyFile(), m_programFolder};
}

} // namespace kelvora
