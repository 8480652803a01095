#include "report/export/ImageExporter.h"

#include "report/PagePainter.h"
#include "report/export/ExportFile.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <cmath>

namespace kelvora::report {

QImage ImageExporter::pageImage(const ReportDocument& document, int page, double dpi)
{
    const QSizeF mm = document.pageSizeMm();
    const QSize pixels(std::max(1, int(std::lround(mm.width() / 25.4 * dpi))),
                       std::max(1, int(std::lround(mm.height() / 25.4 * dpi))));
    QImage image(pixels, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    PagePainter::setUpMillimetres(painter);
    PagePainter::paint(painter, document, page);
    painter.end();
    return image;
}

bool ImageExporter::writePng(const ReportDocument& document, const QString& path, double dpi, QStringList* written,
                             QString* error)
{
    const int pages = std::max(1, document.pageCount());
    const QFileInfo info(path);
    for (int p = 0; p < pages; ++p) {
        const QString target = pages == 1
            ? path
            : info.dir().filePath(QStringLiteral("%1-%2.%3")
                                      .arg(info.completeBaseName())
                                      .arg(p + 1)
                                      .arg(info.suffix().isEmpty() ? QStringLiteral("png") : info.suffix()));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        pageImage(document, p, dpi).save(&buffer, "PNG");
        if (!ExportFile::save(target, bytes, error))
            return false;
        if (written)
            written->append(target);
    }
    return true;
}

} // namespace kelvora::report
