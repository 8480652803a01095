#pragma once

#include "report/DisplayItem.h"
#include "report/FontSpec.h"
#include "report/PageSetup.h"
#include "report/ReportObject.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

namespace kelvora::report {

struct TextStyle
{
    FontSpec font;
    QColor colour;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    double lineHeight = 0; // mm, measured at the reference resolution
    double padding = 0;    // mm left and right

    bool operator==(const TextStyle&) const = default;
};

struct ShapeStyle
{
    QColor colour;    // line and border colour; a gradient's start colour
    QColor fill;      // frame fill, invalid when none; a gradient's end colour
    double lineWidth = 0.2;
    unsigned sides = 15; // FrameSide bits of a frame
    GradientDirection direction = GradientDirection::Vertical;

    bool operator==(const ShapeStyle&) const = default;
};

struct ReportPage
{
    std::vector<DisplayItem> items; // in painting order
};

// A prepared report: every page as a list of positioned items. The preview, the
// printer, PDF and PNG paint it; HTML, CSV and RTF are written from it.
class ReportDocument
{
public:
    QString title;
    PageSetup page;
    std::vector<ReportPage> pages;
    std::vector<TextStyle> textStyles;
    std::vector<ShapeStyle> shapeStyles;
    std::vector<QImage> images;

    int pageCount() const { return int(pages.size()); }
    QSizeF pageSizeMm() const { return page.sizeMm(); }

    int addTextStyle(const TextStyle& style);
    int addShapeStyle(const ShapeStyle& style);
    int addImage(const QImage& image);

private:
    std::vector<qint64> m_imageKeys;
};

} // namespace kelvora::report
