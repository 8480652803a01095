#include "gui/report/ReportPrinter.h"

#include "report/PagePainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace kelvora {

void ReportPrinter::setUpPrinter(QPrinter& printer, const report::ReportDocument& document)
{
    const report::PageSetup& page = document.page;
    const bool landscape = page.orientation == report::PageOrientation::Landscape;
    const QSizeF portrait = landscape ? page.sizeMm().transposed() : page.sizeMm();
    printer.setFullPage(true);
    printer.setPageLayout(QPageLayout(QPageSize(portrait, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    printer.setDocName(document.title);
}

bool ReportPrinter::print(QPrinter& printer, const report::ReportDocument& document, int fromPage, int toPage)
{
    const int count = document.pageCount();
    const int first = fromPage > 0 ? fromPage : 1;
    const int last = toPage > 0 ? std::min(toPage, count) : count;
    if (first > last)
        return false;
    printer.setFullPage(true);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int p = first; p <= last; ++p) {
        if (p > first)
            printer.newPage();
        painter.save();
        report::PagePainter::setUpMillimetres(painter);
        report::PagePainter::paint(painter, document, p - 1);
        painter.restore();
    }
    return painter.end();
}

} // namespace kelvora
