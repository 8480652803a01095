#include "core/calculators/Frequency.h"

namespace kelvora {

const QList<Frequency>& frequencies(FrequencyTable table)
{
    static const QList<Frequency> loan = {
        {QStringLiteral("Daily"), 365, 1},
        {QStringLiteral("Weekly"), 365.0 / 7, 7},
        {QStringLiteral("Fortnightly"), 365.0 / 14, 14},
        {QStringLiteral("Monthly"), 12, 365.0 / 12},
        {QStringLiteral("Quarterly"), 4, 91.25},
        {QStringLiteral("Half Yearly"), 2, 182.5},
        {QStringLiteral("Yearly"), 1, 365},
    };
    // The schedule's list carries its own spelling of the fortnight, which its
    // texts and reports repeat.
    static const QList<Frequency> schedule = [] {
        QList<Frequency> list = loan;
        list[2].item = QStringLiteral("Fortnigjtly");
        return list;
    }();
    static const QList<Frequency> savings = {
        {QStringLiteral("Daily"), 365, 1},           {QStringLiteral("Weekly"), 52, 7},
        {QStringLiteral("Monthly"), 12, 365.0 / 12}, {QStringLiteral("Quarterly"), 4, 91.25},
        {QStringLiteral("Half Yearly"), 2, 182.5},   {QStringLiteral("Yearly"), 1, 365},
    };
    switch (table) {
    case FrequencyTable::Loan:
        return loan;
    case FrequencyTable::Schedule:
        return schedule;
    case FrequencyTable::Savings:
        return savings;
    }
    return loan;
}

QStringList frequencyItems(FrequencyTable table)
{
    QStringList items;
    for (const Frequency& f : frequencies(table))
        items.append(f.item);
    return items;
}

Frequency frequencyAt(FrequencyTable table, int index)
{
    const QList<Frequency>& list = frequencies(table);
    if (index < 0 || index >= list.size())
        return Frequency{QString(), 12, 7};
    return list.at(index);
}

int frequencyIndexOf(FrequencyTable table, const QString& text)
{
    return int(frequencyItems(table).indexOf(text));
}

} // namespace kelvora
