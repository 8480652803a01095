#pragma once

#include "report/ReportDocument.h"

class QPainter;

namespace kelvora::report {

// Paints prepared pages on any device: screen, printer, PDF, image.
class PagePainter
{
public:
    // Paints one page with the painter's coordinates in millimetres from the sheet's
    // top-left corner (the caller scales the painter; see setUpMillimetres()).
    static void paint(QPainter& painter, const ReportDocument& document, int page);

    // Scales the painter from device pixels to millimetres, with `zoom` on top.
    static void setUpMillimetres(QPainter& painter, double zoom = 1.0);
};

} // namespace kelvora::report
