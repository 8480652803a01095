#include "report/ReportTemplate.h"

#include "report/DisplayFormat.h"
#include "report/Expression.h"
#include "report/TextTemplate.h"

#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace kelvora::report {

namespace {

// Numbers the fields and aggregates of one expression and reports what may not be
// written there.
class ExpressionChecker
{
public:
    ExpressionChecker(const ReportTemplate& tmpl, std::vector<FieldRef>& fields, std::vector<AggregateRef>& aggs)
        : m_template(tmpl), m_fields(fields), m_aggregates(aggs)
    {
    }

    // An empty text when the expression is fine.
    QString number(Expression& expression, int containerBand, bool allowAggregates)
    {
        QString fault;
        if (expression.dependsOnPage() && expression.readsRecords())
            fault = QStringLiteral("[Page] and [TotalPages] cannot share a bracket with fields or totals: \"%1\"")
                        .arg(expression.source());
        expression.visit([&](ExprNode& node) {
            if (node.kind == ExprKind::Field)
                node.fieldRef = fieldRef(node.dataset, node.field);
            if (node.kind != ExprKind::Aggregate)
                return;
            if (!allowAggregates && fault.isEmpty())
                fault = QStringLiteral("%1 cannot be used here: \"%2\"")
                            .arg(aggregateName(node.aggregate), expression.source());
            node.aggregateRef = int(m_aggregates.size());
            m_aggregates.push_back({&node, containerBand, m_template.bandIndex(node.band)});
            if (m_aggregates.back().targetBand < 0 && fault.isEmpty())
                fault = QStringLiteral("No band named \"%1\" for %2").arg(node.band, aggregateName(node.aggregate));
            if (!node.args.empty()) {
                bool nested = false;
                std::function<void(const ExprNode&)> look = [&](const ExprNode& n) {
                    for (const auto& a : n.args) {
                        nested = nested || a->kind == ExprKind::Aggregate;
                        look(*a);
                    }
                };
                look(node);
                if (nested && fault.isEmpty())
                    fault = QStringLiteral("A total cannot be taken of a total: \"%1\"").arg(expression.source());
            }
        });
        return fault;
    }

private:
    static QString aggregateName(AggregateKind kind)
    {
        switch (kind) {
        case AggregateKind::Sum: return QStringLiteral("SUM");
        case AggregateKind::Count: return QStringLiteral("COUNT");
        case AggregateKind::Avg: return QStringLiteral("AVG");
        case AggregateKind::Min: return QStringLiteral("MIN");
        case AggregateKind::Max: return QStringLiteral("MAX");
        }
        return {};
    }

    int fieldRef(const QString& dataset, const QString& field)
    {
        const QString key = dataset.toLower() + QLatin1Char('\x1f') + field.toLower();
        const auto it = m_fieldIndex.constFind(key);
        if (it != m_fieldIndex.constEnd())
            return it.value();
        m_fields.push_back({dataset, field});
        const int index = int(m_fields.size()) - 1;
        m_fieldIndex.insert(key, index);
        return index;
    }

    const ReportTemplate& m_template;
    std::vector<FieldRef>& m_fields;
    std::vector<AggregateRef>& m_aggregates;
    QHash<QString, int> m_fieldIndex;
};

bool isFlowBand(BandType type)
{
    return type == BandType::GroupHeader || type == BandType::MasterData || type == BandType::GroupFooter;
}

} // namespace

QString ReportTemplate::location(int line, int column) const
{
    const QString file = sourcePath.isEmpty() ? QStringLiteral("template") : QFileInfo(sourcePath).fileName();
    return QStringLiteral("%1:%2:%3").arg(file).arg(line).arg(column);
}

int ReportTemplate::bandIndex(const QString& bandName) const
{
    if (bandName.isEmpty())
        return -1;
    for (size_t i = 0; i < bands.size(); ++i) {
        if (bands[i].name.compare(bandName, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

QString ReportTemplate::slotName(const QString& objectName, int slot)
{
    QString result = objectName;
    return result.replace(QLatin1Char('#'), QString::number(slot));
}

QStringList ReportTemplate::datasetNames() const
{
    QStringList names;
    auto add = [&](const QString& n) {
        if (!n.isEmpty() && !names.contains(n, Qt::CaseInsensitive))
            names.append(n);
    };
    for (const ReportBand& band : bands)
        add(band.dataset);
    for (const FieldRef& ref : m_fieldRefs)
        add(ref.dataset);
    return names;
}

QStringList ReportTemplate::check()
{
    QStringList faults;
    m_fieldRefs.clear();
    m_aggregates.clear();
    m_sections.clear();
    m_title = m_pageHeader = m_pageFooter = m_summary = -1;
    ExpressionChecker checker(*this, m_fieldRefs, m_aggregates);

    QHash<QString, QString> seenNames; // lower-case name -> what carries it
    auto claimName = [&](const QString& n, int line, int column) {
        if (n.isEmpty())
            return;
        const QString key = n.toLower();
        if (seenNames.contains(key))
            faults.append(QStringLiteral("%1: The name \"%2\" is used twice").arg(location(line, column), n));
        seenNames.insert(key, n);
    };

    for (int b = 0; b < int(bands.size()); ++b) {
        ReportBand& band = bands[size_t(b)];
        const QString where = location(band.sourceLine, band.sourceColumn);
        claimName(band.name, band.sourceLine, band.sourceColumn);
        int* single = nullptr;
        switch (band.type) {
        case BandType::ReportTitle: single = &m_title; break;
        case BandType::PageHeader: single = &m_pageHeader; break;
        case BandType::PageFooter: single = &m_pageFooter; break;
        case BandType::ReportSummary: single = &m_summary; break;
        default: break;
        }
        if (single) {
            if (*single >= 0)
                faults.append(QStringLiteral("%1: A report has only one <%2>").arg(where, bandTypeElement(band.type)));
            *single = b;
        }
        if (band.height < 0)
            faults.append(QStringLiteral("%1: A band's height cannot be negative").arg(where));
        if (band.type == BandType::MasterData && band.dataset.isEmpty())
            faults.append(QStringLiteral("%1: <masterData> needs a dataset").arg(where));
        if (band.type == BandType::GroupHeader) {
            QString message;
            int offset = 0;
            auto condition = Expression::parse(band.condition, &message, &offset);
            if (!condition) {
                faults.append(QStringLiteral("%1: Group condition \"%2\": %3 (at character %4)")
                                  .arg(where, band.condition, message)
                                  .arg(offset + 1));
            } else {
                const QString fault = checker.number(*condition, b, false);
                if (!fault.isEmpty())
                    faults.append(where + QStringLiteral(": ") + fault);
                if (condition->dependsOnPage())
                    faults.append(QStringLiteral("%1: A group condition cannot depend on the page").arg(where));
                band.compiledCondition = std::shared_ptr<const Expression>(std::move(condition));
            }
        }

        const int copies = band.slotGrid.active() ? band.slotGrid.count() : 1;
        for (ReportObject& object : band.objects) {
            const QString at = location(object.sourceLine, object.sourceColumn);
            if (band.slotGrid.active() && !object.name.isEmpty() && !object.name.contains(QLatin1Char('#')))
                faults.append(QStringLiteral("%1: \"%2\" is repeated in every slot; put \"#\" in its name for the slot "
                                             "number")
                                  .arg(at, object.name));
            for (int slot = 1; slot <= copies; ++slot)
                claimName(band.slotGrid.active() ? slotName(object.name, slot) : object.name, object.sourceLine,
                          object.sourceColumn);
            if ((object.rect.width() < 0 || object.rect.height() < 0) && object.kind != ObjectKind::Line)
                faults.append(QStringLiteral("%1: An object's width and height cannot be negative").arg(at));
            if (object.kind != ObjectKind::Text)
                continue;
            const QString formatFault = DisplayFormat::check(object.format);
            if (!formatFault.isEmpty())
                faults.append(at + QStringLiteral(": ") + formatFault);
            QString message;
            int offset = 0;
            auto compiled = TextTemplate::parse(object.text, &message, &offset);
            if (!compiled) {
                faults.append(QStringLiteral("%1: Text of \"%2\": %3 (at character %4)")
                                  .arg(at, object.name, message)
                                  .arg(offset + 1));
                continue;
            }
            for (const TextTemplate::Segment& segment : compiled->segments()) {
                if (!segment.expression)
                    continue;
                const QString fault = checker.number(*segment.expression, b, true);
                if (!fault.isEmpty())
                    faults.append(at + QStringLiteral(": ") + fault);
            }
            object.compiled = std::move(compiled);
        }
    }

    // Sections: group headers gather before their master band, footers close them innermost first.
    std::vector<int> pendingHeaders;
    for (int b = 0; b < int(bands.size()); ++b) {
        const ReportBand& band = bands[size_t(b)];
        const QString where = location(band.sourceLine, band.sourceColumn);
        if (!isFlowBand(band.type))
            continue;
        if (band.type == BandType::GroupHeader) {
            pendingHeaders.push_back(b);
        } else if (band.type == BandType::MasterData) {
            DataSection section;
            section.groupHeaders = pendingHeaders;
            section.master = b;
            section.groupFooters.assign(pendingHeaders.size(), -1);
            m_sections.push_back(section);
            pendingHeaders.clear();
        } else {
            DataSection* section = m_sections.empty() ? nullptr : &m_sections.back();
            int open = -1;
            if (section) {
                for (int g = int(section->groupHeaders.size()) - 1; g >= 0; --g) {
                    if (section->groupFooters[size_t(g)] < 0) {
                        open = g;
                        break;
                    }
                }
            }
            if (open < 0 || !pendingHeaders.empty())
                faults.append(QStringLiteral("%1: <groupFooter> \"%2\" has no group header to close")
                                  .arg(where, band.name));
            else
                section->groupFooters[size_t(open)] = b;
        }
    }
    for (int b : pendingHeaders) {
        const ReportBand& band = bands[size_t(b)];
        faults.append(QStringLiteral("%1: <groupHeader> \"%2\" has no <masterData> after it")
                          .arg(location(band.sourceLine, band.sourceColumn), band.name));
    }
    return faults;
}

} // namespace kelvora::report
