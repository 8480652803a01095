#include "report/PagePainter.h"

#include "report/FontMapper.h"

#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>

namespace kelvora::report {

namespace {

void paintText(QPainter& painter, const ReportDocument& document, const DisplayItem& item, double fontScale)
{
    const TextStyle& style = document.textStyles[size_t(item.style)];
    QFont font = FontMapper::font(style.font);
    // The painter works in mm; the device turns points into its own pixels first.
    font.setPointSizeF(style.font.size * fontScale);
    painter.setFont(font);
    painter.setPen(style.colour);
    const int count = item.lineCount();
    const double block = count * style.lineHeight;
    double top = item.rect.top();
    if (style.valign == VAlign::Center)
        top += (item.rect.height() - block) / 2;
    else if (style.valign == VAlign::Bottom)
        top += item.rect.height() - block;
    int flags = Qt::AlignTop | Qt::TextDontClip;
    switch (style.align) {
    case HAlign::Left: flags |= Qt::AlignLeft; break;
    case HAlign::Center: flags |= Qt::AlignHCenter; break;
    case HAlign::Right: flags |= Qt::AlignRight; break;
    }
    if (item.clip) {
        painter.save();
        painter.setClipRect(item.rect, Qt::IntersectClip);
    }
    const double left = item.rect.left() + style.padding;
    const double width = std::max(0.0, item.rect.width() - 2 * style.padding);
    for (int i = 0; i < count; ++i) {
        const QRectF line(left, top + i * style.lineHeight, width, style.lineHeight);
        painter.drawText(line, flags, item.line(i));
    }
    if (item.clip)
        painter.restore();
}

void paintFrame(QPainter& painter, const ShapeStyle& style, const QRectF& rect)
{
    if (style.fill.isValid())
        painter.fillRect(rect, style.fill);
    if (!style.colour.isValid() || style.lineWidth <= 0 || style.sides == 0)
        return;
    painter.setPen(QPen(style.colour, style.lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    if (style.sides == 15) {
        painter.drawRect(rect);
        return;
    }
    if (style.sides & 1)
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
    if (style.sides & 2)
        painter.drawLine(rect.topLeft(), rect.topRight());
    if (style.sides & 4)
        painter.drawLine(rect.topRight(), rect.bottomRight());
    if (style.sides & 8)
        painter.drawLine(rect.bottomLeft(), rect.bottomRight());
}

} // namespace

void PagePainter::setUpMillimetres(QPainter& painter, double zoom)
{
    const QPaintDevice* device = painter.device();
    painter.scale(zoom * device->logicalDpiX() / 25.4, zoom * device->logicalDpiY() / 25.4);
}

void PagePainter::paint(QPainter& painter, const ReportDocument& document, int page)
{
    if (page < 0 || page >= document.pageCount())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    // Font sizes are given to the device in its points; in a painter scaled to mm a
    // point must come out as 25.4 / 72 mm whatever the device's resolution.
    const double fontScale = 25.4 / painter.device()->logicalDpiY();
    for (const DisplayItem& item : document.pages[size_t(page)].items) {
        switch (item.kind) {
        case ItemKind::Text: paintText(painter, document, item, fontScale); break;
        case ItemKind::Frame: paintFrame(painter, document.shapeStyles[size_t(item.style)], item.rect); break;
        case ItemKind::Line: {
            const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
            if (!style.colour.isValid() || style.lineWidth <= 0)
                break;
            painter.setPen(QPen(style.colour, style.lineWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
            break;
        }
        case ItemKind::Gradient: {
            const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
            const QRectF& r = item.rect;
            QLinearGradient gradient(r.topLeft(),
                                     style.direction == GradientDirection::Vertical ? r.bottomLeft() : r.topRight());
            gradient.setColorAt(0, style.colour);
            gradient.setColorAt(1, style.fill);
            painter.fillRect(r, gradient);
            break;
        }
        case ItemKind::Image: painter.drawImage(item.rect, document.images[size_t(item.image)]); break;
        }
    }
    painter.restore();
}

} // namespace kelvora::report
