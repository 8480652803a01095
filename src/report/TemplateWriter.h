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
};

} // namespace kelvora::report
