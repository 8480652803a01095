#pragma once

#include "report/ReportTemplate.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace kelvora::report {

// Reads the XML template format (docs/report-templates.md). Every fault names the
// file, line and column; a template with faults is not returned.
class TemplateReader
{
public:
    struct Result
    {
        std::optional<ReportTemplate> layout;
        QStringList errors;
    };

    static Result readFile(const QString& path);
    // `sourcePath` names the text in messages and resolves relative picture files.
    static Result read(const QByteArray& xml, const QString& sourcePath = QString());
};

} // namespace kelvora::report
