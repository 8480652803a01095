#include "report/BandRenderer.h"

#include "report/DisplayFormat.h"
#include "report/TextTemplate.h"

#include <algorithm>
#include <numeric>

namespace kelvora::report {

namespace {

constexpr double kEpsilon = 1e-6;

// What a page number may grow to: measured in place of [Page] before pages are counted.
const QString kPageNumberSample = QStringLiteral("9999");

bool overlapsHorizontally(const QRectF& a, const QRectF& b)
{
    return a.left() < b.right() - kEpsilon && b.left() < a.right() - kEpsilon;
}

QRectF fitPicture(const QRectF& box, const QSizeF& picture, bool keepAspect, bool center)
{
    if (!keepAspect || picture.isEmpty())
        return box;
    const QSizeF fitted = picture.scaled(box.size(), Qt::KeepAspectRatio);
    QRectF target(box.topLeft(), fitted);
    if (center)
        target.moveCenter(box.center());
    return target;
}

} // namespace

struct BandRenderer::Work
{
    InstanceObject* object = nullptr;
    QRectF design;  // as the template places it
    double top = 0; // after the objects above it moved
    double height = 0;
    QString text;
    QStringList lines;
    bool overflows = false;
    int pending = -1;
};

BandRenderer::BandRenderer(const ReportTemplate& layout, ReportInstance& instance, ReportDocument& document,
                           TextMeasurer& measurer, RunScope& scope, PictureLoader loadPicture)
    : m_layout(layout), m_instance(instance), m_document(document), m_measurer(measurer), m_scope(scope),
      m_loadPicture(std::move(loadPicture))
{
}

QString BandRenderer::evaluateText(const InstanceObject& object, int* pending)
{
    *pending = -1;
    if (object.text)
        return *object.text;
    const ReportObject& proto = *object.proto;
    const TextTemplate* compiled = proto.compiled.get();
    if (!compiled || !compiled->hasExpressions())
        return proto.text;
    const Regional& regional = m_scope.regional();
    QString out;
    if (!compiled->dependsOnPage()) {
        for (const TextTemplate::Segment& segment : compiled->segments())
            out += segment.expression ? DisplayFormat::text(segment.expression->evaluate(m_scope), proto.format, regional)
                                      : segment.literal;
        return out;
    }
    PendingPageText page;
    page.text = compiled;
    page.format = proto.format;
    page.font = object.fontSpec();
    page.width = proto.rect.width() - 2 * proto.padding;
    page.wordWrap = proto.wordWrap;
    for (const TextTemplate::Segment& segment : compiled->segments()) {
        QString value;
        if (!segment.expression)
            value = segment.literal;
        else if (!segment.expression->dependsOnPage())
            value = DisplayFormat::text(segment.expression->evaluate(m_scope), proto.format, regional);
        page.values.push_back(value);
        out += segment.expression && segment.expression->dependsOnPage() ? kPageNumberSample : value;
    }
    m_pending.push_back(std::move(page));
    *pending = int(m_pending.size()) - 1;
    return out;
}

QString BandRenderer::pageText(int pending) const
{
    const PendingPageText& page = m_pending[size_t(pending)];
    QString out;
    const auto& segments = page.text->segments();
    for (size_t i = 0; i < segments.size(); ++i) {
        const auto& expression = segments[i].expression;
        out += expression && expression->dependsOnPage()
            ? DisplayFormat::text(expression->evaluate(m_scope), page.format, m_scope.regional())
            : page.values[i];
    }
    return out;
}

QStringList BandRenderer::pageTextLines(int pending, const QString& text)
{
    const PendingPageText& page = m_pending[size_t(pending)];
    return m_measurer.breakLines(text, page.font, page.width, page.wordWrap);
}

int BandRenderer::textStyle(InstanceObject& object)
{
    if (object.textStyle < 0) {
        const ReportObject& proto = *object.proto;
        TextStyle style;
        style.font = object.fontSpec();
        style.colour = object.textColour();
        style.align = proto.align;
        style.valign = proto.valign;
        style.lineHeight = m_measurer.lineHeight(style.font);
        style.padding = proto.padding;
        object.textStyle = m_document.addTextStyle(style);
    }
    return object.textStyle;
}

int BandRenderer::shapeStyle(InstanceObject& object)
{
    if (object.shapeStyle < 0) {
        const ReportObject& proto = *object.proto;
        ShapeStyle style;
        style.lineWidth = proto.lineWidth;
        switch (proto.kind) {
        case ObjectKind::Text:
            style.colour = proto.frameSides != 0 ? proto.frameColour : QColor();
            style.fill = proto.fill;
            style.sides = proto.frameSides;
            break;
        case ObjectKind::Gradient:
            style.colour = proto.colour;
            style.fill = proto.endColour;
            style.direction = proto.direction;
            break;
        case ObjectKind::Frame:
            style.colour = proto.lineWidth > 0 ? proto.colour : QColor();
            style.fill = proto.fill;
            break;
        case ObjectKind::Line:
        case ObjectKind::Picture: style.colour = proto.colour; break;
        }
        object.shapeStyle = m_document.addShapeStyle(style);
    }
    return object.shapeStyle;
}

BandBlock BandRenderer::render(int bandIndex)
{
    const ReportBand& band = m_layout.bands[size_t(bandIndex)];
    InstanceBand& instanceBand = m_instance.bands[size_t(bandIndex)];
    BandBlock block;
    block.band = bandIndex;
    block.canSplit = band.canSplit;

    std::vector<Work> work;
    work.reserve(instanceBand.objects.size());
    bool resized = false;
    for (InstanceObject& object : instanceBand.objects) {
        if (!object.visible)
            continue;
        const ReportObject& proto = *object.proto;
        Work w;
        w.object = &object;
        w.design = object.rect();
        w.top = w.design.top();
        w.height = w.design.height();
        if (proto.kind == ObjectKind::Text) {
            w.text = evaluateText(object, &w.pending);
            const FontSpec& font = object.fontSpec();
            w.lines = m_measurer.breakLines(w.text, font, w.design.width() - 2 * proto.padding, proto.wordWrap,
                                            &w.overflows);
            const double needed = w.lines.size() * m_measurer.lineHeight(font);
            if (band.canGrow && proto.canGrow && needed > w.height)
                w.height = needed;
            if (band.canShrink && proto.canShrink && needed < w.height)
                w.height = needed;
            w.overflows = w.overflows || needed > w.height + kEpsilon;
            resized = resized || std::abs(w.height - w.design.height()) > kEpsilon;
        }
        work.push_back(std::move(w));
    }

    if (resized) {
        // Each object moves with the objects above it that grew or shrank: it goes down by
        // the largest change above it, so it never overlaps what is above.
        std::vector<size_t> order(work.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return work[a].design.top() < work[b].design.top(); });
        std::vector<double> shift(work.size(), 0.0);
        for (size_t i = 0; i < order.size(); ++i) {
            Work& below = work[order[i]];
            if (below.object->proto->stretch == StretchMode::ToBand)
                continue;
            bool found = false;
            double best = 0;
            for (size_t j = 0; j < i; ++j) {
                const Work& above = work[order[j]];
                if (above.object->proto->stretch == StretchMode::ToBand
                    || above.design.bottom() > below.design.top() + kEpsilon
                    || !overlapsHorizontally(above.design, below.design))
                    continue;
                const double moved = shift[order[j]] + above.height - above.design.height();
                best = found ? std::max(best, moved) : moved;
                found = true;
            }
            shift[order[i]] = best;
            below.top = below.design.top() + best;
        }
    }

    double designBottom = 0;
    double newBottom = 0;
    bool anyObject = false;
    for (const Work& w : work) {
        if (w.object->proto->stretch == StretchMode::ToBand)
            continue;
        designBottom = anyObject ? std::max(designBottom, w.design.bottom()) : w.design.bottom();
        newBottom = anyObject ? std::max(newBottom, w.top + w.height) : w.top + w.height;
        anyObject = true;
    }
    double extra = anyObject ? newBottom - designBottom : 0;
    if (!band.canGrow)
        extra = std::min(extra, 0.0);
    if (!band.canShrink)
        extra = std::max(extra, 0.0);
    block.height = std::max(0.0, band.height + extra);

    block.items.reserve(work.size() + 2);
    for (Work& w : work) {
        if (w.object->proto->stretch == StretchMode::ToBand)
            w.height = std::max(0.0, block.height - (band.height - w.design.bottom()) - w.top);
        addItems(block, w);
    }
    return block;
}

void BandRenderer::addItems(BandBlock& block, const Work& w)
{
    InstanceObject& object = *w.object;
    const ReportObject& proto = *object.proto;
    const QRectF rect(w.design.left(), w.top, w.design.width(), w.height);
    DisplayItem item;
    item.rect = rect;
    switch (proto.kind) {
    case ObjectKind::Text:
        if (proto.fill.isValid() || proto.frameSides != 0) {
            DisplayItem frame;
            frame.kind = ItemKind::Frame;
            frame.rect = rect;
            frame.style = shapeStyle(object);
            block.items.push_back(frame);
        }
        // An empty text still has its place: exports keep a column for it.
        item.kind = ItemKind::Text;
        item.style = textStyle(object);
        item.text = w.text;
        if (w.lines.size() > 1 || (w.lines.size() == 1 && w.lines.front() != w.text))
            item.lines = w.lines;
        item.clip = w.overflows;
        item.pendingPageText = w.pending;
        break;
    case ObjectKind::Picture: {
        const QImage picture = object.pictureSet ? object.picture
            : proto.file.isEmpty()                ? QImage()
                                                  : m_loadPicture(proto.file);
        if (picture.isNull())
            return;
        item.kind = ItemKind::Image;
        item.rect = fitPicture(rect, picture.size(), proto.keepAspect, proto.center);
        item.image = m_document.addImage(picture);
        break;
    }
    case ObjectKind::Line:
        item.kind = ItemKind::Line;
        item.style = shapeStyle(object);
        break;
    case ObjectKind::Frame:
        item.kind = ItemKind::Frame;
        item.style = shapeStyle(object);
        break;
    case ObjectKind::Gradient:
        item.kind = ItemKind::Gradient;
        item.style = shapeStyle(object);
        break;
    }
    block.items.push_back(std::move(item));
}

} // namespace kelvora::report
