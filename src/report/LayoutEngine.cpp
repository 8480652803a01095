#include "report/LayoutEngine.h"

#include <algorithm>
#include <cmath>

namespace kelvora::report {

namespace {

constexpr double kEpsilon = 1e-6;

QRectF normalised(const QRectF& r)
{
    return r.normalized();
}

// The same key for a group: NULLs match, texts match in any letter case (the order
// the records come in compares them so), everything else by value.
bool sameKey(const QVariant& a, const QVariant& b)
{
    const bool nullA = !a.isValid() || a.isNull();
    const bool nullB = !b.isValid() || b.isNull();
    if (nullA || nullB)
        return nullA == nullB;
    if (a.typeId() == QMetaType::QString && b.typeId() == QMetaType::QString)
        return a.toString().compare(b.toString(), Qt::CaseInsensitive) == 0;
    return a == b;
}

// The point of a line at height y, for a line cut at a page break.
QPointF pointAtY(const QPointF& p1, const QPointF& p2, double y)
{
    if (std::abs(p2.y() - p1.y()) < kEpsilon)
        return QPointF(p1.x(), y);
    const double t = (y - p1.y()) / (p2.y() - p1.y());
    return QPointF(p1.x() + t * (p2.x() - p1.x()), y);
}

} // namespace

LayoutEngine::LayoutEngine(const ReportTemplate& layout, ReportInstance& instance, RunScope& scope,
                           BandRenderer& renderer, ReportDocument& document, BeforeBand beforeBand,
                           QStringList& warnings)
    : m_layout(layout), m_instance(instance), m_scope(scope), m_renderer(renderer), m_document(document),
      m_beforeBand(std::move(beforeBand)), m_warnings(warnings)
{
    // Totals shown in a group or page footer, or in a child band of one, start again
    // once that band is placed.
    m_resetAfter.assign(layout.bands.size(), false);
    for (size_t b = 0; b < layout.bands.size(); ++b) {
        const BandType type = layout.bands[b].type;
        if (type != BandType::GroupFooter && type != BandType::PageFooter)
            continue;
        for (int c = int(b); c >= 0; c = layout.bands[size_t(c)].child)
            m_resetAfter[size_t(c)] = true;
    }
}

bool LayoutEngine::acrossColumns() const
{
    return !m_fullWidth && m_document.page.columns > 1 && m_document.page.columnOrder == FillOrder::AcrossThenDown;
}

double LayoutEngine::columnX() const
{
    return m_fullWidth ? m_document.page.margins.left() : m_columnLefts[size_t(m_column)];
}

void LayoutEngine::run()
{
    m_document.pages.clear();
    const PageSetup& page = m_document.page;
    m_pageHeight = page.sizeMm().height();
    m_columnLefts.clear();
    for (int c = 0; c < std::max(1, page.columns); ++c)
        m_columnLefts.push_back(page.columnX(c));
    newPage(false);
    if (m_layout.reportTitle() >= 0)
        placeFullWidth(renderWithChildren(m_layout.reportTitle()));
    if (m_document.pages.size() == 1)
        placePageHeader();
    for (const DataSection& section : m_layout.sections())
        runSection(section);
    if (m_layout.reportSummary() >= 0)
        placeFullWidth(renderWithChildren(m_layout.reportSummary()));
    finishPage();
    finishPageTexts();
}

std::vector<BandBlock> LayoutEngine::renderWithChildren(int band)
{
    std::vector<BandBlock> blocks;
    m_beforeBand(band);
    if (!m_instance.bands[size_t(band)].visible)
        return blocks;
    blocks.push_back(m_renderer.render(band));
    for (int c = m_layout.bands[size_t(band)].child; c >= 0; c = m_layout.bands[size_t(c)].child) {
        m_beforeBand(c);
        if (!m_instance.bands[size_t(c)].visible)
            break;
        blocks.push_back(m_renderer.render(c));
    }
    return blocks;
}

bool LayoutEngine::pageBandPrints(int band) const
{
    return band >= 0 && (m_document.pages.size() > 1 || m_layout.bands[size_t(band)].printOnFirstPage);
}

void LayoutEngine::newPage(bool withHeader)
{
    if (m_inPage)
        finishPage();
    m_document.pages.emplace_back();
    m_inPage = true;
    const PageSetup& page = m_document.page;
    m_y = page.margins.top();
    double footer = 0;
    if (pageBandPrints(m_layout.pageFooter())) {
        for (const BandBlock& block : renderWithChildren(m_layout.pageFooter()))
            footer += block.height;
    }
    m_bottom = m_pageHeight - page.margins.bottom() - footer;
    m_flowBottom = m_y;
    m_pageHasFlow = false;
    startColumns();
    if (withHeader)
        placePageHeader();
}

void LayoutEngine::placePageHeader()
{
    if (pageBandPrints(m_layout.pageHeader())) {
        for (BandBlock& block : renderWithChildren(m_layout.pageHeader())) {
            put(block, m_document.page.margins.left(), m_y);
            m_y += block.height;
        }
        m_flowBottom = std::max(m_flowBottom, m_y);
        startColumns();
    }
    repeatGroupHeaders();
}

void LayoutEngine::startColumns()
{
    m_columnTop = m_y;
    m_column = 0;
    m_rowHeight = 0;
    m_columnHasContent = false;
}

void LayoutEngine::repeatGroupHeaders()
{
    if (!m_section)
        return;
    for (size_t g = 0; g < m_groupOpen.size(); ++g) {
        const int header = m_section->groupHeaders[g];
        if (!m_groupOpen[g] || !m_layout.bands[size_t(header)].repeatOnNewPage)
            continue;
        // Placed without counting as content: the record that follows may still move on.
        for (BandBlock& block : renderWithChildren(header)) {
            block.continuation = true;
            if (m_y + block.height > m_bottom + kEpsilon)
                break;
            put(block, columnX(), m_y);
            m_y += block.height;
        }
    }
    m_flowBottom = std::max(m_flowBottom, m_y);
}

void LayoutEngine::finishPage()
{
    if (!m_inPage)
        return;
    const int footerBand = m_layout.pageFooter();
    if (pageBandPrints(footerBand)) {
        std::vector<BandBlock> blocks = renderWithChildren(footerBand);
        double height = 0;
        for (const BandBlock& block : blocks)
            height += block.height;
        const PageSetup& page = m_document.page;
        double y = m_pageHeight - page.margins.bottom() - height;
        for (BandBlock& block : blocks) {
            put(block, page.margins.left(), y);
            y += block.height;
        }
    }
    m_inPage = false;
}

void LayoutEngine::runSection(const DataSection& section)
{
    const ReportBand& master = m_layout.bands[size_t(section.master)];
    const int source = m_scope.source(master.dataset);
    if (source < 0)
        return;
    const int rows = m_scope.dataset(source)->rowCount();
    const size_t groups = section.groupHeaders.size();
    std::vector<QVariant> keys(groups);
    m_section = &section;
    m_groupOpen.assign(groups, false);

    auto key = [&](size_t g) {
        return m_layout.bands[size_t(section.groupHeaders[g])].compiledCondition->evaluate(m_scope);
    };

    for (int r = 0; r < rows; ++r) {
        m_scope.setRow(source, r);
        size_t changed = groups;
        if (r == 0) {
            changed = 0;
        } else {
            for (size_t g = 0; g < groups; ++g) {
                if (!sameKey(key(g), keys[g])) {
                    changed = g;
                    break;
                }
            }
            if (changed < groups) {
                // The footers close the groups that ended, showing the last record of each.
                m_scope.setRow(source, r - 1);
                closeGroups(changed);
                m_scope.setRow(source, r);
            }
        }

        bool breakPage = master.startNewPage;
        for (size_t g = changed; g < groups; ++g)
            breakPage = breakPage || m_layout.bands[size_t(section.groupHeaders[g])].startNewPage;
        if (breakPage && m_pageHasFlow)
            newPage(true);

        std::vector<BandBlock> unit;
        for (size_t g = changed; g < groups; ++g) {
            keys[g] = key(g);
            for (BandBlock& block : renderWithChildren(section.groupHeaders[g]))
                unit.push_back(std::move(block));
        }
        std::vector<BandBlock> record = renderWithChildren(section.master);
        if (!record.empty() && record.front().band == section.master) {
            const int id = m_nextRecord++;
            for (DisplayItem& item : record.front().items)
                item.record = id;
        }
        for (BandBlock& block : record)
            unit.push_back(std::move(block));
        placeUnit(unit);
        for (size_t g = changed; g < groups; ++g)
            m_groupOpen[g] = true;
    }
    if (rows > 0) {
        m_scope.setRow(source, rows - 1);
        closeGroups(0);
    }
    m_section = nullptr;
    m_groupOpen.clear();
}

void LayoutEngine::closeGroups(size_t from)
{
    for (size_t g = m_groupOpen.size(); g-- > from;) {
        m_groupOpen[g] = false;
        const int footer = m_section->groupFooters[g];
        if (footer < 0)
            continue;
        std::vector<BandBlock> blocks = renderWithChildren(footer);
        placeUnit(blocks);
    }
}

void LayoutEngine::placeUnit(std::vector<BandBlock>& unit)
{
    if (unit.empty())
        return;
    m_pageHasFlow = true;
    if (acrossColumns()) {
        for (BandBlock& block : unit)
            placeAcross(std::move(block));
        return;
    }
    double total = 0;
    for (const BandBlock& block : unit)
        total += block.height;
    if (m_columnHasContent && m_y + total > m_bottom + kEpsilon)
        advanceColumn();
    for (BandBlock& block : unit)
        placeFlow(std::move(block));
}

void LayoutEngine::placeFullWidth(std::vector<BandBlock> blocks)
{
    if (blocks.empty())
        return;
    if (m_column > 0 || m_rowHeight > 0)
        m_y = std::max(m_y + m_rowHeight, m_flowBottom);
    m_y = std::max(m_y, m_flowBottom);
    m_fullWidth = true;
    m_column = 0;
    for (BandBlock& block : blocks)
        placeFlow(std::move(block));
    m_fullWidth = false;
    startColumns();
}

void LayoutEngine::advanceColumn()
{
    if (!m_fullWidth && !acrossColumns() && m_column + 1 < std::max(1, m_document.page.columns)) {
        ++m_column;
        m_y = m_columnTop;
        m_columnHasContent = false;
        return;
    }
    newPage(true);
}

void LayoutEngine::placeFlow(BandBlock block)
{
    for (;;) {
        const double room = m_bottom - m_y;
        if (block.height <= room + kEpsilon) {
            put(block, columnX(), m_y);
            m_y += block.height;
            m_columnHasContent = true;
            m_flowBottom = std::max(m_flowBottom, m_y);
            return;
        }
        if (m_columnHasContent && !block.canSplit) {
            advanceColumn();
            continue;
        }
        double cut = room > kEpsilon ? cutPoint(block, room) : 0;
        if (cut <= kEpsilon) {
            if (m_columnHasContent) {
                advanceColumn();
                continue;
            }
            if (room <= kEpsilon) {
                // The page header and footer leave no room at all: print the band over
                // the footer rather than start page after empty page.
                m_warnings.append(QStringLiteral("Page %1: the page header and footer leave no room; band \"%2\" "
                                                 "prints over the footer")
                                      .arg(m_document.pages.size())
                                      .arg(m_layout.bands[size_t(block.band)].name));
                put(block, columnX(), m_y);
                m_y += block.height;
                m_columnHasContent = true;
                m_flowBottom = std::max(m_flowBottom, m_y);
                return;
            }
            cut = room; // a single line taller than the page: cut through it
        }
        auto [top, rest] = split(block, cut, m_document);
        put(top, columnX(), m_y);
        m_y += top.height;
        m_columnHasContent = true;
        m_flowBottom = std::max(m_flowBottom, m_y);
        block = std::move(rest);
        advanceColumn();
    }
}

void LayoutEngine::placeAcross(BandBlock block)
{
    const int columns = std::max(1, m_document.page.columns);
    for (;;) {
        const bool fresh = !m_columnHasContent;
        if (m_y + block.height <= m_bottom + kEpsilon || fresh) {
            if (fresh && m_y + block.height > m_bottom + kEpsilon)
                m_warnings.append(QStringLiteral("Page %1: band \"%2\" is taller than the page and is cut off")
                                      .arg(m_document.pages.size())
                                      .arg(m_layout.bands[size_t(block.band)].name));
            put(block, columnX(), m_y);
            m_rowHeight = std::max(m_rowHeight, block.height);
            m_columnHasContent = true;
            m_flowBottom = std::max(m_flowBottom, m_y + m_rowHeight);
            if (++m_column >= columns) {
                m_column = 0;
                m_y += m_rowHeight;
                m_rowHeight = 0;
            }
            return;
        }
        newPage(true);
    }
}

void LayoutEngine::put(BandBlock& block, double x, double y)
{
    std::vector<DisplayItem>& items = m_document.pages.back().items;
    for (DisplayItem& item : block.items) {
        item.rect.translate(x, y);
        items.push_back(std::move(item));
    }
    block.items.clear();
    if (block.band < 0)
        return;
    if (!block.continuation)
        m_scope.commit(block.band);
    if (m_resetAfter[size_t(block.band)])
        m_scope.reset(block.band);
}

double LayoutEngine::cutPoint(const BandBlock& block, double room) const
{
    double cut = room;
    for (int pass = 0; pass < 16; ++pass) {
        bool lowered = false;
        for (const DisplayItem& item : block.items) {
            const QRectF r = normalised(item.rect);
            if (r.bottom() <= cut + kEpsilon || r.top() >= cut - kEpsilon)
                continue;
            double allowed = cut;
            if (item.kind == ItemKind::Text && item.lineCount() > 0) {
                const double line = m_document.textStyles[size_t(item.style)].lineHeight;
                const double whole = std::floor((cut - r.top()) / line + kEpsilon);
                allowed = r.top() + std::max(0.0, whole) * line;
            } else if (item.kind == ItemKind::Image) {
                allowed = r.top();
            }
            if (allowed < cut - kEpsilon) {
                cut = allowed;
                lowered = true;
            }
        }
        if (!lowered)
            break;
    }
    return cut;
}

std::pair<BandBlock, BandBlock> LayoutEngine::split(BandBlock& block, double cut, const ReportDocument& document)
{
    BandBlock top;
    BandBlock rest;
    top.band = rest.band = block.band;
    top.canSplit = rest.canSplit = block.canSplit;
    top.continuation = block.continuation;
    rest.continuation = true;
    top.height = cut;
    rest.height = std::max(0.0, block.height - cut);
    for (DisplayItem& item : block.items) {
        const QRectF r = normalised(item.rect);
        if (r.bottom() <= cut + kEpsilon) {
            top.items.push_back(std::move(item));
            continue;
        }
        if (r.top() >= cut - kEpsilon) {
            item.rect.translate(0, -cut);
            rest.items.push_back(std::move(item));
            continue;
        }
        DisplayItem lower = item;
        lower.continuation = true;
        switch (item.kind) {
        case ItemKind::Text: {
            if (item.lineCount() == 0) {
                top.items.push_back(std::move(item));
                break;
            }
            const double line = document.textStyles[size_t(item.style)].lineHeight;
            const int fit = std::clamp(int(std::floor((cut - r.top()) / line + kEpsilon)), 0, item.lineCount());
            QStringList all = item.lines.isEmpty() ? QStringList{item.text} : item.lines;
            if (fit > 0) {
                DisplayItem upper = item;
                upper.lines = all.mid(0, fit);
                upper.rect.setHeight(cut - r.top());
                top.items.push_back(std::move(upper));
            }
            lower.lines = all.mid(fit);
            if (lower.lines.isEmpty())
                continue;
            lower.rect = QRectF(r.left(), std::max(0.0, r.top() + fit * line - cut), r.width(),
                                std::max(0.0, r.bottom() - cut));
            rest.items.push_back(std::move(lower));
            break;
        }
        case ItemKind::Image: top.items.push_back(std::move(item)); break;
        case ItemKind::Line: {
            const QPointF p1 = item.rect.topLeft();
            const QPointF p2 = item.rect.bottomRight();
            const QPointF middle = pointAtY(p1, p2, cut);
            const bool downwards = p1.y() <= p2.y();
            DisplayItem upper = item;
            upper.rect = downwards ? QRectF(p1, middle) : QRectF(middle, p2);
            lower.rect = (downwards ? QRectF(middle, p2) : QRectF(p1, middle)).translated(0, -cut);
            top.items.push_back(std::move(upper));
            rest.items.push_back(std::move(lower));
            break;
        }
        case ItemKind::Frame:
        case ItemKind::Gradient: {
            DisplayItem upper = item;
            upper.rect = QRectF(r.left(), r.top(), r.width(), cut - r.top());
            lower.rect = QRectF(r.left(), 0, r.width(), r.bottom() - cut);
            top.items.push_back(std::move(upper));
            rest.items.push_back(std::move(lower));
            break;
        }
        }
    }
    block.items.clear();
    return {std::move(top), std::move(rest)};
}

void LayoutEngine::finishPageTexts()
{
    const int total = int(m_document.pages.size());
    for (int p = 0; p < total; ++p) {
        m_scope.setPages(p + 1, total);
        for (DisplayItem& item : m_document.pages[size_t(p)].items) {
            if (item.pendingPageText < 0)
                continue;
            item.text = m_renderer.pageText(item.pendingPageText);
            const QStringList lines = m_renderer.pageTextLines(item.pendingPageText, item.text);
            item.lines = lines.size() > 1 || (lines.size() == 1 && lines.front() != item.text) ? lines : QStringList();
            item.pendingPageText = -1;
        }
    }
}

} // namespace kelvora::report
