#pragma once

#include <QString>

namespace kelvora {

// The text of one list file (the to-do or the important list) held for the run.
// A file that could not be read at start-up is never written at close, so its
// text is not replaced by an empty memo.
class ListText
{
public:
    explicit ListText(QString path) : m_path(std::move(path)) {}

    const QString& path() const { return m_path; }
    const QString& text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }

    // Reads the file (empty text when there is none). Raises KelvoraError when
    // it exists but cannot be read; it is then left alone at save().
    void load();
    // Writes the text; does nothing for a file that could not be read. Raises
    // KelvoraError when it cannot be written.
    void save() const;

private:
    QString m_path;
    QString m_text;
    bool m_loaded = true;
};

} // namespace kelvora
