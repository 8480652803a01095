#include "report/export/ExportFile.h"

#include <QSaveFile>

namespace kelvora::report {

bool ExportFile::save(const QString& path, const QByteArray& content, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Could not write %1: %2").arg(path, file.errorString());
    return false;
}

} // namespace kelvora::report
