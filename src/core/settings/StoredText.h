#pragma once

#include <QByteArray>
#include <QString>

namespace kelvora {

// Files written by this program are UTF-8. Files carried over from an earlier
// installation were written in the Windows code page (1252), so their accented
// letters, euro signs and curly quotes would otherwise turn into replacement
// characters and be lost at the next save.

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped),
// otherwise Windows-1252. `wasUtf8` tells which one it was.
QString decodeStoredText(const QByteArray& bytes, bool* wasUtf8 = nullptr);

// Reads a whole file into `bytes`. False, with the reason in `error`, when the
// file cannot be opened or read (a missing file is not the caller's question here).
bool readStoredFile(const QString& path, QByteArray* bytes, QString* error);

// Creates or replaces a file with `bytes`: they go to a temporary file beside it
// that takes the file's place only once complete, so a crash or a full disk never
// leaves half a file. The folder is created when missing. Bytes that begin with
// a byte-order mark get a second one, so decodeStoredText() gives them back
// whole. Raises KelvoraError.
void writeStoredFile(const QString& path, const QByteArray& bytes);

} // namespace kelvora
