#pragma once

#include "report/ReportDocument.h"

#include <QString>
#include <QStringList>

namespace kelvora::report {

enum class ExportFormat { Pdf, Html, Csv, Rtf, Png };

// Every export by format, for the preview's Export button and for callers without a
// window (tests, a command line).
class ReportExporter
{
public:
    static constexpr double kPngDpi = 150;

    // False with a message when the file cannot be written.
    static bool write(const ReportDocument& document, ExportFormat format, const QString& path,
                      QString* error = nullptr);
    // "PDF files (*.pdf)" and the like, for a file chooser.
    static QString fileFilter(ExportFormat format);
    static QString suffix(ExportFormat format);
};

} // namespace kelvora::report
