#pragma once

#include "report/ReportDocument.h"

class QPrinter;

namespace kelvora {

// Sends prepared pages to a printer set up for the report's paper: the printer is
// given the page size and orientation, and pages are drawn from the sheet's corner.
class ReportPrinter
{
public:
    // The report's paper on the printer (before a print or page setup dialog).
    static void setUpPrinter(QPrinter& printer, const report::ReportDocument& document);
    // Prints the pages from..to (1-based, both 0 for all); false when the printer
    // could not start or the range holds no page.
    static bool print(QPrinter& printer, const report::ReportDocument& document, int fromPage = 0, int toPage = 0);
};

} // namespace kelvora
