#pragma once

#include "report/ReportDocument.h"

#include <QString>

namespace kelvora::report {

// One row per master record, its texts in the band's left-to-right order, separated
// by commas and quoted as RFC 4180 has it (a value with a comma, quote or line break
// goes in double quotes, its quotes doubled); rows end in CR LF. The file starts with
// a UTF-8 byte order mark so spreadsheets read accented names right.
class CsvExporter
{
public:
    static QString text(const ReportDocument& document);
    static bool write(const ReportDocument& document, const QString& path, QString* error = nullptr);
    static QString quoted(const QString& value);
};

} // namespace kelvora::report
