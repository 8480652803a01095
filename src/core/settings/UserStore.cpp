#include "core/settings/UserStore.h"

#include "core/base/KelvoraError.h"

#include <QDir>

namespace kelvora {

const QString UserStore::kSection = QStringLiteral("Kelvora");

UserStore::UserStore(const QString& path) : m_path(path) {}

UserStore::~UserStore() = default;

IniFile& UserStore::forReading()
{
    if (!m_reader)
        m_reader = std::make_unique<IniFile>(m_path, IniFile::Encoding::Strict);
    if (m_reader->status() == IniFile::Status::Unreadable)
        throw KelvoraError(QStringLiteral("The user settings %1 could not be read: %2.")
                               .arg(QDir::toNativeSeparators(m_path), m_reader->errorText()));
    return *m_reader;
}

IniFile& UserStore::forWriting()
{
    if (!m_writer)
        m_writer = std::make_unique<IniFile>(m_path, IniFile::Encoding::Lenient);
    return *m_writer;
}

QString UserStore::readValue(const QString& name)
{
    return forReading().value(kSection, name);
}

void UserStore::writeValue(const QString& name, const QString& value)
{
    forWriting().setValue(kSection, name, value);
}

void UserStore::commit()
{
    forWriting().save();
}

} // namespace kelvora
