#include "report/export/ReportExporter.h"

#include "report/export/CsvExporter.h"
#include "report/export/HtmlExporter.h"
#include "report/export/ImageExporter.h"
#include "report/export/PdfExporter.h"
#include "report/export/RtfExporter.h"

namespace kelvora::report {

bool ReportExporter::write(const ReportDocument& document, ExportFormat format, const QString& path, QString* error)
{
    switch (format) {
    case ExportFormat::Pdf: return PdfExporter::write(document, path, error);
    case ExportFormat::Html: return HtmlExporter::write(document, path, error);
    case ExportFormat::Csv: return CsvExporter::write(document, path, error);
    case ExportFormat::Rtf: return RtfExporter::write(document, path, error);
    case ExportFormat::Png: return ImageExporter::writePng(document, path, kPngDpi, nullptr, error);
    }
    return false;
}

QString ReportExporter::suffix(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf: return QStringLiteral("pdf");
    case ExportFormat::Html: return QStringLiteral("html");
    case ExportFormat::Csv: return QStringLiteral("csv");
    case ExportFormat::Rtf: return QStringLiteral("rtf");
    case ExportFormat::Png: return QStringLiteral("png");
    }
    return {};
}

QString ReportExporter::fileFilter(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Pdf: return QStringLiteral("PDF files (*.pdf)");
    case ExportFormat::Html: return QStringLiteral("HTML files (*.html *.htm)");
    case ExportFormat::Csv: return QStringLiteral("CSV files (*.csv)");
    case ExportFormat::Rtf: return QStringLiteral("Rich text files (*.rtf)");
    case ExportFormat::Png: return QStringLiteral("PNG pictures (*.png)");
    }
    return {};
}

} // namespace kelvora::report
