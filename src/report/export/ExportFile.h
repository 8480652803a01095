#pragma once

#include <QByteArray>
#include <QString>

namespace kelvora::report {

// Every export ends here: the whole file is written beside the target and moved over
// it only when complete, so a failed export never leaves half a file behind.
class ExportFile
{
public:
    static bool save(const QString& path, const QByteArray& content, QString* error);
};

} // namespace kelvora::report
