#include "core/settings/IniFile.h"

#include "core/base/KelvoraError.h"
#include "core/settings/StoredText.h"

#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

// Texts are converted to and from UTF-8 here, so the library needs no converter
// of its own; its templates are built in this file alone.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <string>

namespace kelvora {

struct IniFile::Data
{
    Data() { ini.SetSpaces(false); } // "Key=Value", as the files of older installations have them
    CSimpleIniA ini{true /* UTF-8 */, false /* one value per key */, false /* no multi-line values */};
};

namespace {

const QChar kQuote = QLatin1Char('"');

std::string utf8(const QString& text)
{
    return text.toStdString();
}

// The profile functions this file format comes from drop one pair of quotes
// around a value, and the blanks at either end. A value that needs either kept
// is therefore written inside quotes of its own.
bool isQuoted(const QString& v)
{
    return v.size() >= 2 && v.front() == kQuote && v.back() == kQuote;
}

QString encodeValue(const QString& v)
{
    const bool edgeBlank = !v.isEmpty() && (v.front().isSpace() || v.back().isSpace());
    return (edgeBlank || isQuoted(v)) ? kQuote + v + kQuote : v;
}

QString decodeValue(const char* raw)
{
    // fromUtf8() would drop a leading U+FEFF as if it were a byte-order mark.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString v = utf8.decode(QByteArrayView(raw));
    return isQuoted(v) ? v.mid(1, v.size() - 2) : v;
}

} // namespace

IniFile::IniFile(const QString& path, Encoding encoding) : m_path(path), m_data(std::make_unique<Data>())
{
    if (!QFileInfo::exists(path))
        return;
    QByteArray bytes;
    if (!readStoredFile(path, &bytes, &m_error)) {
        m_status = Status::Unreadable;
        return;
    }
    // Binary content is not a settings file that got damaged a little: reading
    // what stands before the first NUL and writing that back would wipe the rest.
    for (const char c : std::as_const(bytes)) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f') {
            m_status = Status::Unreadable;
            m_error = c == 0 ? QStringLiteral("it holds a NUL byte, so it is not a text file")
                             : QStringLiteral("it holds control characters, so it is not a text file");
            return;
        }
    }
    bool wasUtf8 = true;
    const QString text = decodeStoredText(bytes, &wasUtf8);
    if (!wasUtf8 && encoding == Encoding::Strict) {
        m_status = Status::Unreadable;
        m_error = QStringLiteral("the file is not UTF-8 text");
        return;
    }
    if (m_data->ini.LoadData(utf8(text)) < 0) {
        m_data->ini.Reset();
        m_status = Status::Unreadable;
        m_error = QStringLiteral("the file could not be parsed");
        return;
    }
    if (!text.trimmed().isEmpty() && !hasAnyKey()) {
        m_data->ini.Reset();
        m_status = Status::Unreadable;
        m_error = QStringLiteral("no setting could be read from it");
        return;
    }
    m_status = Status::Loaded;
}

IniFile::~IniFile() = default;

bool IniFile::hasAnyKey() const
{
    CSimpleIniA::TNamesDepend sections;
    m_data->ini.GetAllSections(sections);
    for (const auto& section : sections) {
        if (m_data->ini.GetSectionSize(section.pItem) > 0)
            return true;
    }
    return false;
}

bool IniFile::contains(const QString& section, const QString& key) const
{
    return m_data->ini.GetValue(utf8(section).c_str(), utf8(key).c_str(), nullptr) != nullptr;
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    const char* raw = m_data->ini.GetValue(utf8(section).c_str(), utf8(key).c_str(), nullptr);
    return raw ? decodeValue(raw) : defaultValue;
}

int IniFile::intValue(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int v = value(section, key).trimmed().toInt(&ok);
    return ok ? v : defaultValue;
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    // Whatever the reader takes for binary content would make the whole file unreadable.
    for (const QChar c : value) {
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\f'))
            throw KelvoraError(QStringLiteral("The setting %1 cannot be stored in %2: it holds a line break or a control character.")
                                   .arg(key, QDir::toNativeSeparators(m_path)));
    }
    const SI_Error rc =
        m_data->ini.SetValue(utf8(section).c_str(), utf8(key).c_str(), utf8(encodeValue(value)).c_str());
    if (rc < 0)
        throw KelvoraError(QStringLiteral("The setting %1 could not be stored: out of memory.").arg(key));
}

void IniFile::setIntValue(const QString& section, const QString& key, int value)
{
    setValue(section, key, QString::number(value));
}

void IniFile::save()
{
    if (m_status == Status::Unreadable)
        throw KelvoraError(QStringLiteral("%1 could not be read (%2), so it is not overwritten.")
                               .arg(QDir::toNativeSeparators(m_path), m_error));
    std::string data;
    if (m_data->ini.Save(data) < 0)
        throw KelvoraError(QStringLiteral("%1 could not be written: the settings could not be converted.")
                               .arg(QDir::toNativeSeparators(m_path)));
    writeStoredFile(m_path, QByteArray(data.data(), qsizetype(data.size())));
    m_status = Status::Loaded;
}

} // namespace kelvora
