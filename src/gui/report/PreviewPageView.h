#pragma once

#include "report/ReportDocument.h"

#include <QRectF>
#include <QWidget>
#include <vector>

namespace kelvora {

// One page of a prepared report drawn as a sheet on a grey desk, at a zoom factor
// (1.0 is the sheet's real size on the screen), with the matches of a search marked.
class PreviewPageView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDeskMargin = 16; // pixels around the sheet

    explicit PreviewPageView(QWidget* parent = nullptr);

    void setDocument(const report::ReportDocument* document);
    void setPage(int page);
    int page() const { return m_page; }
    void setZoom(double zoom);
    double zoom() const { return m_zoom; }
    // Rectangles in mm on the current page; the current one is marked more strongly.
    void setHighlights(std::vector<QRectF> rects, int current);
    const std::vector<QRectF>& highlights() const { return m_highlights; }

    // The size of the sheet in pixels at zoom 1.
    QSizeF sheetPixels() const;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const report::ReportDocument* m_document = nullptr;
    int m_page = 0;
    double m_zoom = 1.0;
    std::vector<QRectF> m_highlights;
    int m_current = -1;
};

} // namespace kelvora
