#pragma once

#include "report/ReportDocument.h"

#include <QString>

namespace kelvora::report {

// One block per page, the size of the sheet, with every text, line, frame and
// gradient absolutely positioned in millimetres; pictures are inline data, each
// picture written once. Printing the file from a browser gives one sheet per page.
class HtmlExporter
{
public:
    static QString text(const ReportDocument& document);
    static bool write(const ReportDocument& document, const QString& path, QString* error = nullptr);
};

} // namespace kelvora::report
