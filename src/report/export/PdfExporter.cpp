#include "report/export/PdfExporter.h"

#include "report/PagePainter.h"
#include "report/export/ExportFile.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cmath>

namespace kelvora::report {

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

QString pointsText(double points)
{
    return QString::number(points, 'f', 6);
}

// QPdfWriter keeps page sizes in whole points, so 300.4 mm (851.53 pt) would come out
// as 852 pt. The page box is written back with the exact size, padded to the same
// length so the file's cross-reference offsets stay right.
void exactMediaBox(QByteArray& pdf, const QSizeF& exactPoints)
{
    const QSize rounded(qRound(exactPoints.width()), qRound(exactPoints.height()));
    const QByteArray written = "/MediaBox [0 0 " + pointsText(rounded.width()).toLatin1() + ' '
        + pointsText(rounded.height()).toLatin1() + ']';
    QByteArray exact = "/MediaBox [0 0 " + pointsText(exactPoints.width()).toLatin1() + ' '
        + pointsText(exactPoints.height()).toLatin1() + ']';
    if (exact.size() > written.size())
        return; // cannot happen: rounding never shortens the digits
    exact.append(QByteArray(written.size() - exact.size(), ' '));
    pdf.replace(written, exact);
}

} // namespace

QByteArray PdfExporter::render(const ReportDocument& document)
{
    const QSizeF sizeMm = document.pageSizeMm();
    const QSizeF exactPoints = sizeMm * kPointsPerMm;
    QByteArray pdf;
    size_t items = 0;
    for (const ReportPage& page : document.pages)
        items += page.items.size();
    pdf.reserve(qsizetype(64 * 1024 + items * 64));
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("Kelvora"));
        writer.setTitle(document.title);
        writer.setPageLayout(QPageLayout(QPageSize(sizeMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF()));
        QPainter painter(&writer);
        // The writer places the top of the page at the rounded height; the exact page
        // box is lower by the difference, so the drawing moves down by it.
        const double shiftMm = (qRound(exactPoints.height()) - exactPoints.height()) / kPointsPerMm;
        const int pages = std::max(1, document.pageCount());
        for (int p = 0; p < pages; ++p) {
            if (p > 0)
                writer.newPage();
            painter.save();
            PagePainter::setUpMillimetres(painter);
            painter.translate(0, shiftMm);
            PagePainter::paint(painter, document, p);
            painter.restore();
        }
        painter.end();
    }
    buffer.close();
    exactMediaBox(pdf, exactPoints);
    return pdf;
}

bool PdfExporter::write(const ReportDocument& document, const QString& path, QString* error)
{
    return ExportFile::save(path, render(document), error);
}

} // namespace kelvora::report
