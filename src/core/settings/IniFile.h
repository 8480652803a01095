#pragma once

#include <QString>

#include <memory>

namespace kelvora {

// One INI file, read into memory when the object is made and written back whole
// by save(). An object is one batch of reads or writes: make it, use it, let it go.
// Section and key names match whatever their case; a written key keeps the
// spelling the file already had, and everything else in the file (other
// sections, unknown keys, comments) is written back as it was.
class IniFile
{
public:
    enum class Status {
        Missing,    // no file yet: every value is absent
        Loaded,
        Unreadable, // the file is there but cannot be used (see errorText()): not
                    // readable, binary, or text that yields no setting at all
    };
    // Strict refuses a file that is not UTF-8 (it is then Unreadable); Lenient
    // reads such a file as Windows-1252, the code page of older installations.
    enum class Encoding { Lenient, Strict };

    explicit IniFile(const QString& path, Encoding encoding = Encoding::Lenient);
    ~IniFile();
    IniFile(const IniFile&) = delete;
    IniFile& operator=(const IniFile&) = delete;

    const QString& path() const { return m_path; }
    Status status() const { return m_status; }
    // Why the file could not be read; empty otherwise.
    const QString& errorText() const { return m_error; }

    bool contains(const QString& section, const QString& key) const;
    // The value, or `defaultValue` when the key is absent. A key that is present
    // with nothing after "=" gives the empty text.
    QString value(const QString& section, const QString& key, const QString& defaultValue = {}) const;
    // A whole number; `defaultValue` when absent or not a whole number.
    int intValue(const QString& section, const QString& key, int defaultValue) const;

    // Changes the value in memory. A value holding a line break or a NUL cannot
    // live on one INI line: it raises KelvoraError and nothing is changed.
    void setValue(const QString& section, const QString& key, const QString& value);
    void setIntValue(const QString& section, const QString& key, int value);

    // Writes the whole file through a temporary file that replaces the old one
    // only when it is complete, creating the folder when needed. Raises
    // KelvoraError when it cannot be written; a file that could not be read is
    // never overwritten.
    void save();

private:
    bool hasAnyKey() const;

    struct Data;
    QString m_path;
    Status m_status = Status::Missing;
    QString m_error;
    std::unique_ptr<Data> m_data;
};

} // namespace kelvora
