#pragma once

#include "core/format/Regional.h"
#include "core/settings/FontSetting.h"
#include "core/settings/SettingKey.h"
#include "core/settings/SettingsLocations.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <utility>

namespace kelvora {

class IniFile;
class KeyStore;
class UserPort;
struct SettingDef;

// Every setting of the settings file (sections Detail and Font) and of the
// settings key, held as texts for the whole run. Keys are the stored names and
// match in any case. Loaded at start-up, written at close (settings file) and
// at destroy (settings key); the dialogs that own a key write it at once.
class Settings : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDate()>;
    using Values = QList<std::pair<QString, QString>>;

    static const QString kReadErrorMessage;  // "Exception 01: Registry Read Error."
    static const QString kWriteErrorMessage; // "Registry Exception 02: Information Saving Failed."

    // Every value starts at its default. `today` defaults to the system date.
    explicit Settings(SettingsLocations locations = {}, Regional regional = Regional::australian(), Clock today = {},
                      QObject* parent = nullptr);

    const SettingsLocations& locations() const { return m_locations; }

    // ---- held values --------------------------------------------------------
    static bool isSetting(const QString& key);
    // The held text. Raises KelvoraError for a name that is no setting.
    QString value(const QString& key) const;
    // Changes the held text (written with its store later). `Pix` and `PixStr`
    // are one value. A start-up password given in plain text is held hashed
    // (which takes a few tenths of a second).
    void setValue(const QString& key, const QString& value);
    QString value(SettingKey key) const { return value(settingName(key)); }
    void setValue(SettingKey key, const QString& text) { setValue(settingName(key), text); }

    // ---- settings file ------------------------------------------------------
    // Opens the settings file, reads Detail then Font, releases it. A missing
    // or unusable file leaves every key at its default.
    void loadSettingsFile();
    // Why the settings file read at start-up cannot be used (it will not be
    // overwritten); empty when it was read or is simply not there yet.
    const QString& settingsFileProblem() const { return m_settingsFileProblem; }
    void loadIniSettings(const IniFile& ini);
    void loadReportFonts(const IniFile& ini);
    // Opens the settings file, writes Font then Detail, releases it. Raises
    // KelvoraError when it cannot be written (the file is then unchanged).
    void saveSettingsFile();
    void saveReportFonts(IniFile& ini) const;
    void saveIniSettings(IniFile& ini);

    // ---- settings key -------------------------------------------------------
    // Reads every value. When the key cannot be read, shows kReadErrorMessage
    // and every settings-key value takes its fallback.
    void readSettingsKey(UserPort& port);
    void readSettingsKey(KeyStore& key, UserPort& port);
    // Writes the values kept at destroy. On a failure shows kWriteErrorMessage;
    // the values after the failing one are not written. False on failure.
    bool writeSettingsKey(UserPort& port);
    bool writeSettingsKey(KeyStore& key, UserPort& port);

    // ---- writes of the dialogs ----------------------------------------------
    // Each changes the held values, then writes them to their store at once.
    // Raise KelvoraError when the store cannot be written (or a key does not
    // belong to that store); the held values keep the change.
    void storeInSettingsFile(const Values& values);
    void storeInSettingsKey(const Values& values);
    void storeInSettingsKey(KeyStore& key, const Values& values);

    // ---- typed views --------------------------------------------------------
    QString gstRate() const { return value(SettingKey::ApplyRate); }
    void setGstRate(const QString& rate) { setValue(SettingKey::ApplyRate, rate); }
    // IIntStr, RIntStr or SIntStr as a whole number; 1 when it is not one.
    int frequencyIndex(const QString& key) const;
    FontSetting font(FontRole role) const;
    void setFont(FontRole role, const FontSetting& font);
    // Pictures are shown automatically only when the picture setting is "Yes".
    bool pictureAutoDisplay() const;
    // The diary's last computed dates, written under TempDate1Str and
    // TempDate2Str. Until the diary sets one, the value read at start-up stays.
    void setTempDate1(const QDate& date);
    void setTempDate2(const QDate& date);
    // Anything but exactly "mm/dd/yyyy" becomes "dd/mm/yyyy".
    void normaliseDateFormat();

    // Start-up password (EntryStr, held as an Argon2id string; a plain value
    // read from an older key is hashed as it is read).
    bool hasStartupPassword() const;
    // With no password set, only the empty text matches. A match against a
    // value in an older form or with older limits replaces the held value by a
    // new hash, written with the settings key. Takes a few tenths of a second.
    bool startupPasswordMatches(const QString& typed);
    // An empty text removes the password. Raises KelvoraError, keeping the old
    // password, when the new one cannot be hashed.
    void setStartupPassword(const QString& password);

signals:
    void valueChanged(const QString& key, const QString& value);

private:
    QString todayText() const;
    QString detailDefault(const SettingDef& def) const;
    void assign(const QString& canonical, const QString& value);
    void applyKeyFallbacks();
    void normaliseFonts(FontRole role);
    QString storedForm(const QString& key) const;

    SettingsLocations m_locations;
    Regional m_regional;
    Clock m_today;
    QHash<QString, QString> m_values; // by lower-case canonical name
    QString m_settingsFileProblem;
};

} // namespace kelvora
