#pragma once

#include <QString>

namespace kelvora {

// The to-do and important lists: the whole file is the memo's text, line breaks
// included, with nothing added.
class ListFile
{
public:
    // The file's text; empty when there is no file. A file from an older
    // installation in the Windows code page is read as such. Raises
    // KelvoraError when the file exists but cannot be read.
    static QString load(const QString& path);
    // Creates or replaces the file with `text` in UTF-8. The old file is replaced
    // only once the new one is complete. Raises KelvoraError on failure.
    static void save(const QString& path, const QString& text);
};

} // namespace kelvora
