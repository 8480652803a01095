#pragma once

#include "report/ReportTemplate.h"

#include <QByteArray>
#include <QString>

namespace kelvora::report {

// Writes a template in the format TemplateReader reads, leaving out every value that
// is the default, so a written template reads back to the same layout.
class TemplateWriter
{
public:
    static QByteArray write(const ReportTemplate& layout);
    // False with a message when the file cannot be written; an existing file is only
    // replaced once the new text is completely on disk.
    static bool writeFile(const ReportTemplate& layout, const QString& path, QString* error);
};

} // namespace kelvora::report
