#pragma once

#include "report/ReportDocument.h"

#include <QByteArray>
#include <QString>

namespace kelvora::report {

// Rich text for word processors: one section the size of the sheet with no margins,
// each text in a frame positioned on the page, lines and frames as drawing objects,
// gradients as a plain fill of their middle colour, pictures as embedded PNG; a page
// break between pages.
class RtfExporter
{
public:
    static QByteArray text(const ReportDocument& document);
    static bool write(const ReportDocument& document, const QString& path, QString* error = nullptr);
};

} // namespace kelvora::report
