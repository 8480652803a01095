#pragma once

#include "report/ReportDocument.h"

#include <QString>

namespace kelvora::report {

// Writes prepared pages as a PDF with QPdfWriter, each page exactly the report's
// paper size (custom sizes such as 127 x 300.4 mm included).
class PdfExporter
{
public:
    // False with a message when the file cannot be written; an existing file is
    // replaced only once the new one is complete.
    static bool write(const ReportDocument& document, const QString& path, QString* error = nullptr);
    static QByteArray render(const ReportDocument& document);
};

} // namespace kelvora::report
