#include "gui/report/PreviewPageView.h"

#include "report/PagePainter.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kelvora {

PreviewPageView::PreviewPageView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PreviewPage"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPageView::setDocument(const report::ReportDocument* document)
{
    m_document = document;
    m_page = 0;
    m_highlights.clear();
    updateGeometry();
    resize(sizeHint());
    update();
}

void PreviewPageView::setPage(int page)
{
    m_page = page;
    update();
}

void PreviewPageView::setZoom(double zoom)
{
    m_zoom = std::clamp(zoom, 0.1, 8.0);
    updateGeometry();
    resize(sizeHint());
    update();
}

void PreviewPageView::setHighlights(std::vector<QRectF> rects, int current)
{
    m_highlights = std::move(rects);
    m_current = current;
    update();
}

QSizeF PreviewPageView::sheetPixels() const
{
    const QSizeF mm = m_document ? m_document->pageSizeMm() : QSizeF(210, 297);
    return QSizeF(mm.width() * logicalDpiX() / 25.4, mm.height() * logicalDpiY() / 25.4);
}

QSize PreviewPageView::sizeHint() const
{
    const QSizeF sheet = sheetPixels() * m_zoom;
    return QSize(int(std::ceil(sheet.width())) + 2 * kDeskMargin, int(std::ceil(sheet.height())) + 2 * kDeskMargin);
}

void PreviewPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(0x80, 0x80, 0x80));
    if (!m_document || m_document->pageCount() == 0)
        return;
    const QSizeF sheet = sheetPixels() * m_zoom;
    const QRectF paper(kDeskMargin, kDeskMargin, sheet.width(), sheet.height());
    painter.fillRect(paper.translated(3, 3), QColor(0x50, 0x50, 0x50));
    painter.fillRect(paper, Qt::white);
    painter.save();
    painter.setClipRect(paper);
    painter.translate(paper.topLeft());
    report::PagePainter::setUpMillimetres(painter, m_zoom);
    report::PagePainter::paint(painter, *m_document, m_page);
    for (size_t i = 0; i < m_highlights.size(); ++i) {
        const bool current = int(i) == m_current;
        painter.fillRect(m_highlights[i], current ? QColor(255, 140, 0, 110) : QColor(255, 230, 0, 90));
    }
    painter.restore();
}

} // namespace kelvora
