#pragma once

#include "core/settings/SettingsLocations.h"

#include <QString>

namespace kelvora {

// The fixed locations of the program, worked out once at start-up. Folder texts
// end with "/".
class AppFolders
{
public:
    // Program folder: $KELVORA_PROGRAM_DIR, else <exe dir>/../share/kelvora/ when
    // installed, else the source tree's resources folder.
    // Data folder: `dataDirOption` (from --data-dir), else $KELVORA_DATA_DIR, else
    // $XDG_DATA_HOME/Kelvora/Data/; created when missing. Raises KelvoraError
    // when the data folder cannot be created.
    static AppFolders resolve(const QString& dataDirOption = {});

    // The folders that `locations` were worked out from: the data folder is the
    // settings file's. For windows that reach the program only through the held
    // settings.
    static AppFolders of(const SettingsLocations& locations);

    // The per-user settings file: $KELVORA_CONFIG_DIR/Kelvora.ini, else
    // $XDG_CONFIG_HOME/Marrowby/Kelvora.ini.
    static QString settingsKeyFile();

    const QString& programFolder() const { return m_programFolder; }
    const QString& dataFolder() const { return m_dataFolder; }

    QString settingsFile() const;  // Kelvora.Ini in the data folder
    QString toDoFile() const;      // ToDo.Txt in the data folder
    QString importantFile() const; // Impt.Txt in the data folder
    QString errorLogFile() const;  // Kelvora.Log in the data folder
    QString databaseFile() const;  // Kelvora.db in the data folder
    QString lettersFolder() const;   // Letters/ in the program folder
    QString templatesFolder() const; // templates/ in the program folder
    // The template a report loads: the user's edited copy in the data folder's
    // templates/ when there is one, else the program folder's.
    QString templatePath(const QString& name) const;

    SettingsLocations settingsLocations() const;

private:
    QString m_programFolder;
    QString m_dataFolder;
};

} // namespace kelvora
