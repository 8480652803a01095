#include "core/ledger/LedgerTotals.h"

#include "core/ledger/LedgerKind.h"
#include "core/store/View.h"


namespace kelvora {

namespace {
std::optional<double> amountAt(const View& view, int row, int field)
{
    if (view.isNullAt(row, field))
        return std::nullopt;
    return view.floatAt(row, field);
}
} // namespace

AmountFields::AmountFields(const View& view, const LedgerTraits& traits)
    : taxFree(view.fieldIndex(traits.taxFreeField)), tax(view.fieldIndex(u"Tax")), bank(view.fieldIndex(u"Bank"))
{
    for (const QString& field : traits.taxableFields)
        taxable.push_back(view.fieldIndex(field));
}

EntryAmounts AmountFields::at(const View& view, int row) const
{
    EntryAmounts a;
    for (int field : taxable)
        a.taxable.push_back(amountAt(view, row, field));
    a.taxFree = amountAt(view, row, taxFree);
    a.tax = amountAt(view, row, tax);
    a.bank = amountAt(view, row, bank);
    return a;
}

LedgerTotals LedgerTotals::of(const View& view, const LedgerTraits& traits)
{
    const AmountFields where(view, traits);
    std::vector<int> columns = where.taxable;
    columns.push_back(where.taxFree);
    std::vector<double> sums(columns.size(), 0.0);
    double taxSum = 0.0;
    double bankSum = 0.0;

    LedgerTotals t;
    t.count = view.rowCount();
    for (int row = 0; row < t.count; ++row) {
        double recordSum = 0.0;
        for (size_t i = 0; i < columns.size(); ++i) {
            if (!view.isNullAt(row, columns[i])) {
                const double v = view.floatAt(row, columns[i]);
                sums[i] += v;
                recordSum += v;
            }
        }
        const bool hasTax = !view.isNullAt(row, where.tax);
        const bool hasBank = !view.isNullAt(row, where.bank);
        const double tax = hasTax ? view.floatAt(row, where.tax) : 0.0;
        const double bank = hasBank ? view.floatAt(row, where.bank) : 0.0;
        taxSum += tax;
        bankSum += bank;
        if (!entry::summaryBalances(recordSum, tax, hasBank, bank))
            ++t.unbalanced;
    }
    QStringList names = traits.taxableFields;
    names.append(traits.taxFreeField);
    for (qsizetype i = 0; i < names.size(); ++i) {
        t.sums.insert(names[i], sums[size_t(i)]);
        t.total += sums[size_t(i)];
    }
    t.sums.insert(QStringLiteral("Tax"), taxSum);
    t.sums.insert(QStringLiteral("Bank"), bankSum);
    return t;
}

} // namespace kelvora
