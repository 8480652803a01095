#pragma once

#include "report/BandRenderer.h"
#include "report/ReportDocument.h"
#include "report/ReportInstance.h"
#include "report/RunScope.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace kelvora::report {

// Lays a report out into pages. Pass 1 walks the bands in print order over the
// records: the page footer's room is kept free from the start of each page, group
// headers stay with their first record and a record with its child bands, group
// footers see the record that ended their group, totals count a band when it is
// placed, and a band taller than the room left splits at a line boundary. Pass 2
// writes [Page] and [TotalPages] once the pages are counted.
class LayoutEngine
{
public:
    using BeforeBand = std::function<void(int band)>;

    LayoutEngine(const ReportTemplate& layout, ReportInstance& instance, RunScope& scope, BandRenderer& renderer,
                 ReportDocument& document, BeforeBand beforeBand, QStringList& warnings);

    void run();

private:
    void runSection(const DataSection& section);
    void closeGroups(size_t from);
    // The band (when visible) and its visible child bands, each after the program's step.
    std::vector<BandBlock> renderWithChildren(int band);
    void newPage(bool withHeader);
    void placePageHeader();
    bool pageBandPrints(int band) const;
    double columnX() const;
    void finishPage();
    void startColumns();
    void placeUnit(std::vector<BandBlock>& unit);
    void placeFlow(BandBlock block);
    void placeAcross(BandBlock block);
    void placeFullWidth(std::vector<BandBlock> blocks);
    void put(BandBlock& block, double x, double y);
    void advanceColumn();
    double cutPoint(const BandBlock& block, double room) const;
    static std::pair<BandBlock, BandBlock> split(BandBlock& block, double cut, const ReportDocument& document);
    bool acrossColumns() const;
    void repeatGroupHeaders();
    void finishPageTexts();

    const ReportTemplate& m_layout;
    ReportInstance& m_instance;
    RunScope& m_scope;
    BandRenderer& m_renderer;
    ReportDocument& m_document;
    BeforeBand m_beforeBand;
    QStringList& m_warnings;

    // Where the next band goes on the current page.
    int m_column = 0;
    double m_y = 0;
    double m_columnTop = 0;
    double m_bottom = 0;      // the top of the room kept for the page footer
    double m_flowBottom = 0;  // the lowest point any column reached
    double m_rowHeight = 0;   // filling across: the tallest band of the current row
    bool m_columnHasContent = false;
    bool m_pageHasFlow = false;
    bool m_inPage = false;
    bool m_fullWidth = false; // a title or summary: one column across the page
    int m_nextRecord = 0;
    const DataSection* m_section = nullptr;
    std::vector<bool> m_groupOpen;
    std::vector<bool> m_resetAfter;
    std::vector<double> m_columnLefts;
    double m_pageHeight = 0;
};

} // namespace kelvora::report
