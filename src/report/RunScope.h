#pragma once

#include "core/format/Regional.h"
#include "report/Expression.h"
#include "report/ReportDataset.h"
#include "report/ReportTemplate.h"

#include <QHash>
#include <QStringList>
#include <vector>

namespace kelvora::report {

// What expressions read during one run: each dataset's current row (names bound to
// the same dataset share one row, as they share one cursor in the program), the
// running totals, the page numbers and the run's moment, taken once.
class RunScope : public ExpressionScope
{
public:
    RunScope(const ReportTemplate& layout, const QHash<QString, const ReportDataset*>& datasets,
             const Regional& regional, const QDateTime& now);

    // Resolves every dataset and field the layout reads; the faults, if any.
    QStringList bind();

    // -1 when the name is not bound.
    int source(const QString& datasetName) const;
    const ReportDataset* dataset(int source) const { return m_sources[size_t(source)].data; }
    void setRow(int source, int row) { m_sources[size_t(source)].row = row; }
    int row(int source) const { return m_sources[size_t(source)].row; }

    // A band was placed: every total counting it takes the current records.
    void commit(int band);
    // The totals shown in `containerBand` start again.
    void reset(int containerBand);
    void setPages(int page, int totalPages);

    QVariant field(int fieldRef) const override;
    QVariant aggregate(int aggregateRef) const override;
    int page() const override { return m_page; }
    int totalPages() const override { return m_totalPages; }
    QDateTime now() const override { return m_now; }
    QString plainText(const QVariant& value) const override;

    const Regional& regional() const { return m_regional; }

private:
    struct Source
    {
        const ReportDataset* data = nullptr;
        int row = 0;
    };
    struct Resolved
    {
        int source = -1;
        int field = -1;
    };
    struct Accumulator
    {
        double sum = 0;
        int count = 0;  // placements
        int values = 0; // non-NULL values taken
        QVariant min;
        QVariant max;
    };

    const ReportTemplate& m_layout;
    QHash<QString, int> m_names; // lower-case dataset name -> source
    std::vector<Source> m_sources;
    std::vector<Resolved> m_fields;
    std::vector<Accumulator> m_accumulators;
    std::vector<std::vector<int>> m_byTarget;    // band -> aggregates counting it
    std::vector<std::vector<int>> m_byContainer; // band -> aggregates shown in it
    Regional m_regional;
    QDateTime m_now;
    int m_page = 0;
    int m_totalPages = 0;
};

} // namespace kelvora::report
