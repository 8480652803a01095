#pragma once

#include "report/ReportDocument.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace kelvora::report {

class ImageExporter
{
public:
    // One page on white at `dpi` dots per inch.
    static QImage pageImage(const ReportDocument& document, int page, double dpi);

    // PNG files: `path` itself for a single page, else "name-1.png", "name-2.png", ...
    // beside it. The files written are listed in `written`.
    static bool writePng(const ReportDocument& document, const QString& path, double dpi, QStringList* written,
                         QString* error = nullptr);
};

} // namespace kelvora::report
