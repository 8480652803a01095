#include "core/settings/Settings.h"

#include "core/base/KelvoraError.h"
#include "core/dates/DateText.h"
#include "core/format/ColourText.h"
#include "core/interaction/UserPort.h"
#include "core/settings/IniFile.h"
#include "core/settings/PasswordHash.h"
#include "core/settings/SettingCatalogue.h"
#include "core/settings/UserStore.h"

namespace kelvora {

const QString Settings::kReadErrorMessage = QStringLiteral("Exception 01: Registry Read Error.");
const QString Settings::kWriteErrorMessage = QStringLiteral("Registry Exception 02: Information Saving Failed.");

namespace {

const QString kDetail = QStringLiteral("Detail");
const QString kFont = QStringLiteral("Font");
const QString kPix = QStringLiteral("Pix");
const QString kPixStr = QStringLiteral("PixStr");
const QString kEntryStr = QStringLiteral("EntryStr");

const SettingDef& definition(const QString& key)
{
    const SettingDef* def = findSetting(key);
    if (!def)
        throw KelvoraError(QStringLiteral("There is no setting named %1.").arg(key));
    return *def;
}

// Pix (settings file) and PixStr (settings key) are one value held under PixStr.
QString canonicalName(const QString& key)
{
    const SettingDef& def = definition(key);
    return def.name == kPix ? kPixStr : def.name;
}

struct FontKeys
{
    QString name, size, colour, style;
};

FontKeys fontKeys(FontRole role)
{
    switch (role) {
    case FontRole::Company:
        return {QStringLiteral("CompanyFont"), QStringLiteral("CompanySize"), QStringLiteral("CompanyColor"),
                QStringLiteral("CompanyFontStyle")};
    case FontRole::Others:
        return {QStringLiteral("OthersFont"), QStringLiteral("OthersSize"), QStringLiteral("OthersColor"),
                QStringLiteral("OthersFontStyle")};
    case FontRole::OwnerName:
        return {QStringLiteral("OwnerNameFontStr"), QStringLiteral("OwnerNameSizeStr"),
                QStringLiteral("OwnerNameColorStr"), QStringLiteral("OwnerNameFontStyleStr")};
    case FontRole::Services:
        return {QStringLiteral("ServicesFontStr"), QStringLiteral("ServicesSizeStr"),
                QStringLiteral("ServicesColorStr"), QStringLiteral("ServicesFontStyleStr")};
    }
    return {};
}

int wholeNumber(const QString& text, int fallback)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return ok ? n : fallback;
}

// A value that means nothing as that setting's number takes its default.
int fontNumber(const QString& key, const QString& text, bool positive)
{
    const int fallback = definition(key).text.toInt();
    const int n = wholeNumber(text, fallback);
    return positive && n <= 0 ? fallback : n;
}

} // namespace

Settings::Settings(SettingsLocations locations, Regional regional, Clock today, QObject* parent)
    : QObject(parent), m_locations(std::move(locations)), m_regional(std::move(regional)), m_today(std::move(today))
{
    if (!m_today)
        m_today = [] { return QDate::currentDate(); };
    for (const SettingDef& def : settingCatalogue()) {
        if (def.name == kPix)
            continue; // held under PixStr, which starts as the file's default
        const QString start = def.home == SettingHome::Key ? def.text : detailDefault(def);
        m_values.insert(def.name.toLower(), def.name == kPixStr ? definition(kPix).text : start);
    }
}

QString Settings::todayText() const
{
    return shortDateText(m_today(), m_regional);
}

QString Settings::detailDefault(const SettingDef& def) const
{
    switch (def.kind) {
    case SettingDefault::Text: return def.text;
    case SettingDefault::Today: return todayText();
    case SettingDefault::Held: return m_values.value(def.name.toLower());
    case SettingDefault::LikeE5: return m_values.value(QStringLiteral("e5"));
    }
    return {};
}

bool Settings::isSetting(const QString& key)
{
    return findSetting(key) != nullptr;
}

QString Settings::value(const QString& key) const
{
    return m_values.value(canonicalName(key).toLower());
}

void Settings::setValue(const QString& key, const QString& value)
{
    assign(canonicalName(key), value);
}

void Settings::assign(const QString& canonical, const QString& value)
{
    QString held = value;
    if (canonical == kEntryStr && passwordForm(held) == PasswordForm::Plain) {
        try {
            held = hashPassword(held);
        } catch (const KelvoraError&) {
            // Held as the older key had it; a matching start-up hashes it again.
        }
    }
    QString& slot = m_values[canonical.toLower()];
    if (slot == held)
        return;
    slot = held;
    emit valueChanged(canonical, held);
}

// ---- settings file ----------------------------------------------------------

void Settings::loadSettingsFile()
{
    const IniFile ini(m_locations.settingsFile);
    m_settingsFileProblem = ini.status() == IniFile::Status::Unreadable ? ini.errorText() : QString();
    loadIniSettings(ini);
    loadReportFonts(ini);
}

void Settings::loadIniSettings(const IniFile& ini)
{
    for (const SettingDef& def : settingCatalogue()) {
        if (def.home != SettingHome::Detail)
            continue;
        QString v = ini.value(kDetail, def.name, detailDefault(def));
        if (v.isEmpty() && def.name == QLatin1String("StartDateStr"))
            v = todayText();
        if (v.isEmpty() && frequencyKeys().contains(def.name))
            v = QStringLiteral("1");
        assign(canonicalName(def.name), v);
    }
}

void Settings::loadReportFonts(const IniFile& ini)
{
    for (const FontRole role : {FontRole::Company, FontRole::Others}) {
        const FontKeys k = fontKeys(role);
        for (const QString& key : {k.name, k.colour})
            assign(key, ini.value(kFont, key, definition(key).text));
        for (const QString& key : {k.size, k.style})
            assign(key, QString::number(ini.intValue(kFont, key, definition(key).text.toInt())));
        normaliseFonts(role);
    }
}

void Settings::saveSettingsFile()
{
    IniFile ini(m_locations.settingsFile);
    saveReportFonts(ini);
    saveIniSettings(ini);
    ini.save();
}

void Settings::saveReportFonts(IniFile& ini) const
{
    for (const FontRole role : {FontRole::Company, FontRole::Others}) {
        const FontKeys k = fontKeys(role);
        const FontSetting f = font(role);
        ini.setValue(kFont, k.name, f.name);
        ini.setIntValue(kFont, k.size, f.size);
        ini.setValue(kFont, k.colour, storedForm(k.colour));
        ini.setIntValue(kFont, k.style, f.style);
    }
}

void Settings::saveIniSettings(IniFile& ini)
{
    for (const QString& key : detailWriteOrder()) {
        QString v = value(key);
        if (v.isEmpty() && frequencyKeys().contains(key))
            v = QStringLiteral("1");
        ini.setValue(kDetail, key, v);
        if (v.isEmpty() && key == QLatin1String("StartDateStr"))
            assign(key, todayText());
    }
}

// ---- settings key -----------------------------------------------------------

void Settings::readSettingsKey(UserPort& port)
{
    UserStore key(m_locations.settingsKey);
    readSettingsKey(key, port);
}

void Settings::readSettingsKey(KeyStore& key, UserPort& port)
{
    QList<std::pair<QString, QString>> read;
    try {
        for (const SettingDef& def : settingCatalogue()) {
            if (def.home != SettingHome::Key)
                continue;
            const QString v = key.readValue(def.name);
            read.append({def.name, v.isEmpty() ? def.text : v});
        }
    } catch (const KelvoraError&) {
        port.messageDlg(kReadErrorMessage, MsgType::Error, MsgButton::OK);
        applyKeyFallbacks();
        return;
    }
    for (const auto& [name, v] : read)
        assign(name, v);
    normaliseFonts(FontRole::OwnerName);
    normaliseFonts(FontRole::Services);
}

void Settings::applyKeyFallbacks()
{
    for (const SettingDef& def : settingCatalogue()) {
        if (def.home != SettingHome::Key || def.name == kPixStr)
            continue; // the picture setting keeps what the settings file gave it
        if (def.name == QLatin1String("MateStr"))
            assign(def.name, m_locations.programFolder + QStringLiteral("Letters/Bas.Xls"));
        else
            assign(def.name, def.fallback);
    }
}

bool Settings::writeSettingsKey(UserPort& port)
{
    UserStore key(m_locations.settingsKey);
    return writeSettingsKey(key, port);
}

bool Settings::writeSettingsKey(KeyStore& key, UserPort& port)
{
    // Values written before a failure are kept, as each value of the key is
    // stored on its own; the ones after it are not attempted.
    bool failed = false;
    try {
        for (const QString& name : keyWriteOrder())
            key.writeValue(name, storedForm(name));
    } catch (const KelvoraError&) {
        failed = true;
    }
    try {
        key.commit();
    } catch (const KelvoraError&) {
        failed = true;
    }
    if (failed)
        port.messageDlg(kWriteErrorMessage, MsgType::Error, MsgButton::OK);
    return !failed;
}

// ---- writes of the dialogs --------------------------------------------------

void Settings::storeInSettingsFile(const Values& values)
{
    for (const auto& entry : values) {
        if (definition(entry.first).home == SettingHome::Key)
            throw KelvoraError(QStringLiteral("The setting %1 is not kept in the settings file.").arg(entry.first));
    }
    for (const auto& [key, v] : values)
        setValue(key, v);
    IniFile ini(m_locations.settingsFile);
    for (const auto& entry : values) {
        const QString& key = entry.first;
        ini.setValue(definition(key).home == SettingHome::Font ? kFont : kDetail, key, storedForm(key));
    }
    ini.save();
}

void Settings::storeInSettingsKey(const Values& values)
{
    UserStore key(m_locations.settingsKey);
    storeInSettingsKey(key, values);
}

void Settings::storeInSettingsKey(KeyStore& key, const Values& values)
{
    for (const auto& entry : values) {
        if (definition(entry.first).home != SettingHome::Key)
            throw KelvoraError(QStringLiteral("The setting %1 is not kept in the settings key.").arg(entry.first));
    }
    for (const auto& [name, v] : values)
        setValue(name, v);
    for (const auto& entry : values)
        key.writeValue(entry.first, storedForm(entry.first));
    key.commit();
}

// ---- typed views ------------------------------------------------------------

int Settings::frequencyIndex(const QString& key) const
{
    return wholeNumber(value(key), 1);
}

FontSetting Settings::font(FontRole role) const
{
    const FontKeys k = fontKeys(role);
    FontSetting f;
    f.name = value(k.name);
    f.size = fontNumber(k.size, value(k.size), true);
    f.colour = value(k.colour);
    f.style = fontNumber(k.style, value(k.style), false) & FontSetting::StyleMask;
    return f;
}

void Settings::setFont(FontRole role, const FontSetting& font)
{
    const FontKeys k = fontKeys(role);
    assign(k.name, font.name);
    assign(k.size, QString::number(font.size));
    assign(k.colour, font.colour);
    assign(k.style, QString::number(font.style & FontSetting::StyleMask));
}

// Only the four style bits and a usable size are held, so what is written back
// is what the boxes showed.
void Settings::normaliseFonts(FontRole role)
{
    setFont(role, font(role));
}

// Colours are written back by name when they have one ("255" becomes "clRed"),
// else in the "$00BBGGRR" form; a text that is no colour is kept as it is.
QString Settings::storedForm(const QString& key) const
{
    static const QStringList colourKeys = {
        settingName(SettingKey::Grad1Str),          settingName(SettingKey::Grad2Str),
        settingName(SettingKey::Grad3Str),          settingName(SettingKey::Grad4Str),
        settingName(SettingKey::StartColStr),       settingName(SettingKey::OwnerNameColorStr),
        settingName(SettingKey::ServicesColorStr),  settingName(SettingKey::CompanyColor),
        settingName(SettingKey::OthersColor),
    };
    const QString held = value(key);
    if (!colourKeys.contains(canonicalName(key), Qt::CaseInsensitive))
        return held;
    const std::optional<quint32> colour = parseColourText(held);
    return colour ? colourText(*colour) : held;
}

bool Settings::pictureAutoDisplay() const
{
    return value(kPixStr) == QLatin1String("Yes");
}

void Settings::setTempDate1(const QDate& date)
{
    if (date.isValid())
        assign(QStringLiteral("TempDate1Str"), shortDateText(date, m_regional));
}

void Settings::setTempDate2(const QDate& date)
{
    if (date.isValid())
        assign(QStringLiteral("TempDate2Str"), shortDateText(date, m_regional));
}

void Settings::normaliseDateFormat()
{
    const QString format = value(QStringLiteral("DateFormat"));
    if (format != QLatin1String("mm/dd/yyyy"))
        assign(QStringLiteral("DateFormat"), QStringLiteral("dd/mm/yyyy"));
}

bool Settings::hasStartupPassword() const
{
    return !value(kEntryStr).isEmpty();
}

bool Settings::startupPasswordMatches(const QString& typed)
{
    const QString stored = value(kEntryStr);
    if (stored.isEmpty())
        return typed.isEmpty();
    if (!passwordMatches(typed, stored))
        return false;
    // Only now is the password itself at hand, so a value in an older form or
    // with older limits can be made afresh; the key gets it at the next save.
    if (passwordNeedsRehash(stored)) {
        try {
            assign(kEntryStr, hashPassword(typed));
        } catch (const KelvoraError&) {
            // The old value still opens the program; the next start tries again.
        }
    }
    return true;
}

void Settings::setStartupPassword(const QString& password)
{
    assign(kEntryStr, password.isEmpty() ? QString() : hashPassword(password));
}

} // namespace kelvora
