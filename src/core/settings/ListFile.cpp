#include "core/settings/ListFile.h"

#include "core/base/KelvoraError.h"
#include "core/settings/StoredText.h"

#include <QDir>
#include <QFileInfo>

namespace kelvora {

QString ListFile::load(const QString& path)
{
    if (!QFileInfo::exists(path))
        return {};
    QByteArray bytes;
    QString error;
    if (!readStoredFile(path, &bytes, &error))
        throw KelvoraError(QStringLiteral("%1 could not be read: %2.").arg(QDir::toNativeSeparators(path), error));
    return decodeStoredText(bytes);
}

void ListFile::save(const QString& path, const QString& text)
{
    writeStoredFile(path, text.toUtf8());
}

} // namespace kelvora
