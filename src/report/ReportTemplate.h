#pragma once

#include "report/PageSetup.h"
#include "report/ReportBand.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace kelvora::report {

struct ExprNode;

// A field an expression of the template reads, numbered by check().
struct FieldRef
{
    QString dataset;
    QString field;
};

// One SUM/COUNT/AVG/MIN/MAX of the template: it shows in `containerBand` and
// counts the placements of `targetBand`.
struct AggregateRef
{
    const ExprNode* node = nullptr;
    int containerBand = -1;
    int targetBand = -1;
};

// A master data band with the group headers written before it (outermost first)
// and the footers closing them (footer of groupHeaders[i] at groupFooters[i], -1 when
// the group has none).
struct DataSection
{
    std::vector<int> groupHeaders;
    int master = -1;
    std::vector<int> groupFooters;
};

// A report layout: the page and the bands in print order, each band with its objects.
class ReportTemplate
{
public:
    static constexpr int kVersion = 1;

    int version = kVersion;
    QString name;
    QString sourcePath; // where it was read from; names the file in messages
    PageSetup page;
    std::vector<ReportBand> bands;

    // Compiles every text and condition, numbers the fields and aggregates, pairs group
    // headers with their footers and checks names. Returns the faults, each as
    // "file:line:column: message"; the template can run only when there are none.
    QStringList check();

    const std::vector<FieldRef>& fieldRefs() const { return m_fieldRefs; }
    const std::vector<AggregateRef>& aggregates() const { return m_aggregates; }
    const std::vector<DataSection>& sections() const { return m_sections; }
    int reportTitle() const { return m_title; }
    int pageHeader() const { return m_pageHeader; }
    int pageFooter() const { return m_pageFooter; }
    int reportSummary() const { return m_summary; }

    int bandIndex(const QString& name) const; // -1 when there is none
    QStringList datasetNames() const;          // as the master bands and fields name them
    // The name a slot copy of an object has: "#" becomes the slot number.
    static QString slotName(const QString& name, int slot);

    QString location(int line, int column) const;

private:
    std::vector<FieldRef> m_fieldRefs;
    std::vector<AggregateRef> m_aggregates;
    std::vector<DataSection> m_sections;
    int m_title = -1;
    int m_pageHeader = -1;
    int m_pageFooter = -1;
    int m_summary = -1;
};

} // namespace kelvora::report
