#include "report/PagePainter.h"

#include "report/FontMapper.h"

#include <QFontMetricsF>
#include <QHash>
#include <optional>
#include <vector>
#include <QPaintDevice>
#include <QPainter>

namespace kelvora::report {

namespace {

// The fonts of a document's text styles for one device, made once per page.
class DeviceFonts
{
public:
    DeviceFonts(const ReportDocument& document, const QPaintDevice* device)
        : m_document(document), m_device(device), m_fonts(document.textStyles.size())
    {
    }

    struct Font
    {
        QFont font;
        QFontMetricsF metrics;
    };

    const Font& font(int style)
    {
        std::optional<Font>& slot = m_fonts[size_t(style)];
        if (!slot) {
            QFont f = FontMapper::font(m_document.textStyles[size_t(style)].font);
            // The painter works in mm; the device turns points into its own pixels first,
            // so a point must come out as 25.4 / 72 mm whatever the device's resolution.
            f.setPointSizeF(f.pointSizeF() * 25.4 / m_device->logicalDpiY());
            slot.emplace(Font{f, QFontMetricsF(f, m_device)});
        }
        return *slot;
    }

private:
    const ReportDocument& m_document;
    const QPaintDevice* m_device;
    std::vector<std::optional<Font>> m_fonts;
};

void paintText(QPainter& painter, DeviceFonts& fonts, const ReportDocument& document, const DisplayItem& item)
{
    const int count = item.lineCount();
    if (count == 0)
        return;
    const TextStyle& style = document.textStyles[size_t(item.style)];
    const DeviceFonts::Font& font = fonts.font(item.style);
    painter.setFont(font.font);
    painter.setPen(style.colour);
    const double block = count * style.lineHeight;
    double top = item.rect.top();
    if (style.valign == VAlign::Center)
        top += (item.rect.height() - block) / 2;
    else if (style.valign == VAlign::Bottom)
        top += item.rect.height() - block;
    if (item.clip) {
        painter.save();
        painter.setClipRect(item.rect, Qt::IntersectClip);
    }
    const double left = item.rect.left() + style.padding;
    const double width = std::max(0.0, item.rect.width() - 2 * style.padding);
    // Lines sit at the line height measured for the reference device; within it the
    // font's own line box is centred. A left-aligned line is drawn from its baseline
    // (one shaping); the others let the painter align them in their line box.
    const double inset = (style.lineHeight - font.metrics.height()) / 2;
    const int flags = Qt::AlignTop | Qt::TextDontClip | Qt::TextSingleLine
        | (style.align == HAlign::Right ? Qt::AlignRight : Qt::AlignHCenter);
    for (int i = 0; i < count; ++i) {
        const double lineTop = top + i * style.lineHeight + inset;
        if (style.align == HAlign::Left)
            painter.drawText(QPointF(left, lineTop + font.metrics.ascent()), item.line(i));
        else
            painter.drawText(QRectF(left, lineTop, width, font.metrics.height()), flags, item.line(i));
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

// A gradient drawn as a strip of colour stretched over its rectangle. Every band of a
// report repeats the same few gradients; one shared image per gradient lets a PDF hold
// each of them once instead of one shading per band, and paints the same everywhere.
const QImage& gradientStrip(const ShapeStyle& style)
{
    static QHash<QString, QImage> strips;
    const QString key = QStringLiteral("%1 %2 %3")
                            .arg(style.colour.name(QColor::HexArgb), style.fill.name(QColor::HexArgb))
                            .arg(int(style.direction));
    auto it = strips.find(key);
    if (it == strips.end()) {
        constexpr int kSteps = 256;
        const bool vertical = style.direction == GradientDirection::Vertical;
        QImage strip(vertical ? 1 : kSteps, vertical ? kSteps : 1, QImage::Format_ARGB32);
        for (int i = 0; i < kSteps; ++i) {
            const double t = (i + 0.5) / kSteps;
            const QColor c = QColor::fromRgbF(style.colour.redF() + t * (style.fill.redF() - style.colour.redF()),
                                              style.colour.greenF() + t * (style.fill.greenF() - style.colour.greenF()),
                                              style.colour.blueF() + t * (style.fill.blueF() - style.colour.blueF()),
                                              style.colour.alphaF() + t * (style.fill.alphaF() - style.colour.alphaF()));
            strip.setPixelColor(vertical ? 0 : i, vertical ? i : 0, c);
        }
        it = strips.insert(key, strip);
    }
    return it.value();
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
    DeviceFonts fonts(document, painter.device());
    for (const DisplayItem& item : document.pages[size_t(page)].items) {
        switch (item.kind) {
        case ItemKind::Text: paintText(painter, fonts, document, item); break;
        case ItemKind::Frame: paintFrame(painter, document.shapeStyles[size_t(item.style)], item.rect); break;
        case ItemKind::Line: {
            const ShapeStyle& style = document.shapeStyles[size_t(item.style)];
            if (!style.colour.isValid() || style.lineWidth <= 0)
                break;
            painter.setPen(QPen(style.colour, style.lineWidth, Qt::SolidLine, Qt::FlatCap));
            painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
            break;
        }
        case ItemKind::Gradient:
            if (item.rect.width() > 0 && item.rect.height() > 0)
                painter.drawImage(item.rect, gradientStrip(document.shapeStyles[size_t(item.style)]));
            break;
        case ItemKind::Image: painter.drawImage(item.rect, document.images[size_t(item.image)]); break;
        }
    }
    painter.restore();
}

} // namespace kelvora::report
