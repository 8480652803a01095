#pragma once

#include "core/settings/IniFile.h"
#include "core/settings/KeyStore.h"

#include <QString>

#include <memory>

namespace kelvora {

// The settings key kept as a per-user INI file, all values in section
// [Kelvora]. The file is read when first needed; an object is one batch.
class UserStore : public KeyStore
{
public:
    static const QString kSection;

    explicit UserStore(const QString& path);
    ~UserStore() override;

    const QString& path() const { return m_path; }

    // A file that exists but cannot be read, or is not UTF-8 text, raises KelvoraError.
    QString readValue(const QString& name) override;
    void writeValue(const QString& name, const QString& value) override;
    // Writes the file atomically. A file that could not be read is read leniently
    // for writing, so values this batch does not touch are kept.
    void commit() override;

private:
    IniFile& forReading();
    IniFile& forWriting();

    QString m_path;
    std::unique_ptr<IniFile> m_reader;
    std::unique_ptr<IniFile> m_writer;
};

} // namespace kelvora
