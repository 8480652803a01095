#pragma once

#include "core/ledger/EntryArithmetic.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace kelvora {

class View;
struct LedgerTraits;

// Where a ledger's amounts sit in its view, looked up once.
struct AmountFields
{
    std::vector<int> taxable;
    int taxFree = -1;
    int tax = -1;
    int bank = -1;

    AmountFields(const View& view, const LedgerTraits& traits);
    // The amounts of one row as the entry buttons and the summary check see them.
    EntryAmounts at(const View& view, int row) const;
};

// The totals of the records a ledger page shows: the count, one sum per amount
// field, and the total of the amount columns (Tax and Bank stay out of it).
struct LedgerTotals
{
    int count = 0;
    QHash<QString, double> sums; // by field name; a field never summed is 0
    double total = 0.0;
    int unbalanced = 0; // records that fail the summary check

    double sum(const QString& field) const { return sums.value(field, 0.0); }

    // Walks the view's rows without moving its cursor.
    static LedgerTotals of(const View& view, const LedgerTraits& traits);
};

} // namespace kelvora
