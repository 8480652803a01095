#include "report/RunScope.h"

#include "report/DisplayFormat.h"

namespace kelvora::report {

RunScope::RunScope(const ReportTemplate& layout, const QHash<QString, const ReportDataset*>& datasets,
                   const Regional& regional, const QDateTime& now)
    : m_layout(layout), m_regional(regional), m_now(now)
{
    for (auto it = datasets.constBegin(); it != datasets.constEnd(); ++it) {
        int index = -1;
        for (size_t s = 0; s < m_sources.size(); ++s) {
            if (m_sources[s].data == it.value())
                index = int(s);
        }
        if (index < 0) {
            m_sources.push_back({it.value(), 0});
            index = int(m_sources.size()) - 1;
        }
        m_names.insert(it.key().toLower(), index);
    }
    m_accumulators.resize(layout.aggregates().size());
    m_byTarget.resize(layout.bands.size());
    m_byContainer.resize(layout.bands.size());
    for (size_t a = 0; a < layout.aggregates().size(); ++a) {
        const AggregateRef& ref = layout.aggregates()[a];
        if (ref.targetBand >= 0)
            m_byTarget[size_t(ref.targetBand)].push_back(int(a));
        if (ref.containerBand >= 0)
            m_byContainer[size_t(ref.containerBand)].push_back(int(a));
    }
}

int RunScope::source(const QString& datasetName) const
{
    return m_names.value(datasetName.toLower(), -1);
}

QStringList RunScope::bind()
{
    QStringList faults;
    for (const ReportBand& band : m_layout.bands) {
        if (!band.dataset.isEmpty() && source(band.dataset) < 0)
            faults.append(QStringLiteral("Band \"%1\" reads dataset \"%2\", which this report is not given")
                              .arg(band.name, band.dataset));
    }
    m_fields.clear();
    for (const FieldRef& ref : m_layout.fieldRefs()) {
        Resolved r;
        r.source = source(ref.dataset);
        if (r.source < 0) {
            const QString fault = QStringLiteral("The template reads dataset \"%1\", which this report is not given")
                                      .arg(ref.dataset);
            if (!faults.contains(fault))
                faults.append(fault);
        } else {
            r.field = m_sources[size_t(r.source)].data->fieldIndex(ref.field);
            if (r.field < 0)
                faults.append(QStringLiteral("Dataset \"%1\" has no field \"%2\"").arg(ref.dataset, ref.field));
        }
        m_fields.push_back(r);
    }
    return faults;
}

QVariant RunScope::field(int fieldRef) const
{
    if (fieldRef < 0 || fieldRef >= int(m_fields.size()))
        return {};
    const Resolved& r = m_fields[size_t(fieldRef)];
    if (r.source < 0 || r.field < 0)
        return {};
    const Source& s = m_sources[size_t(r.source)];
    if (s.row < 0 || s.row >= s.data->rowCount())
        return {};
    return s.data->value(s.row, r.field);
}

void RunScope::commit(int band)
{
    if (band < 0 || band >= int(m_byTarget.size()))
        return;
    for (int a : m_byTarget[size_t(band)]) {
        Accumulator& acc = m_accumulators[size_t(a)];
        const ExprNode& node = *m_layout.aggregates()[size_t(a)].node;
        ++acc.count;
        if (node.aggregate == AggregateKind::Count || node.args.empty())
            continue;
        const QVariant v = Expression::evaluate(*node.args[0], *this);
        if (!v.isValid() || v.isNull())
            continue;
        ++acc.values;
        if (Expression::isNumber(v))
            acc.sum += v.toDouble();
        if (node.aggregate == AggregateKind::Min
            && (!acc.min.isValid() || QVariant::compare(v, acc.min) == QPartialOrdering::Less))
            acc.min = v;
        if (node.aggregate == AggregateKind::Max
            && (!acc.max.isValid() || QVariant::compare(v, acc.max) == QPartialOrdering::Greater))
            acc.max = v;
    }
}

void RunScope::reset(int containerBand)
{
    if (containerBand < 0 || containerBand >= int(m_byContainer.size()))
        return;
    for (int a : m_byContainer[size_t(containerBand)])
        m_accumulators[size_t(a)] = Accumulator();
}

void RunScope::setPages(int page, int totalPages)
{
    m_page = page;
    m_totalPages = totalPages;
}

QVariant RunScope::aggregate(int aggregateRef) const
{
    if (aggregateRef < 0 || aggregateRef >= int(m_accumulators.size()))
        return {};
    const Accumulator& acc = m_accumulators[size_t(aggregateRef)];
    switch (m_layout.aggregates()[size_t(aggregateRef)].node->aggregate) {
    case AggregateKind::Sum: return acc.sum;
    case AggregateKind::Count: return acc.count;
    case AggregateKind::Avg: return acc.values > 0 ? QVariant(acc.sum / acc.values) : QVariant();
    case AggregateKind::Min: return acc.min;
    case AggregateKind::Max: return acc.max;
    }
    return {};
}

QString RunScope::plainText(const QVariant& value) const
{
    return DisplayFormat::plainText(value, m_regional);
}

} // namespace kelvora::report
