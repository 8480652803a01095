#pragma once

#include "core/store/TableStore.h"

#include <QString>

#include <vector>

namespace kelvora {

// The in-memory order of a view: a list of fields ("Date;Bus;Expense"),
// ascending, ties decided by the next field and at last by the order the rows
// were read in. NULLs come first, numbers before texts, texts compared as
// SQLite's NOCASE does (A-Z folded, other bytes as they are). Because the last
// tie-break is the row itself the order is total: sorting is stable, and a
// filtered list of rows already in order is in order.
class RowOrder
{
public:
    RowOrder() = default;
    // Names are separated by ";" and trimmed (the Clients selector's items end in
    // a tab); empty items are skipped. Throws UnknownField for a name that is
    // not a field of the table.
    static RowOrder parse(const QString& list, const TableDef& table);

    bool isEmpty() const { return m_fields.empty(); }
    const std::vector<int>& fields() const { return m_fields; }
    // The list with the table's spelling of each name, joined by ";".
    const QString& text() const { return m_text; }
    bool involves(int field) const;

    // <0, 0 or >0; 0 only for the same slot.
    int compare(const TableStore& store, TableStore::Slot a, TableStore::Slot b) const;
    // Compares the first keys.size() order fields of a row with the keys.
    int compareKeys(const TableStore& store, TableStore::Slot slot, const std::vector<Value>& keys) const;
    void sort(const TableStore& store, std::vector<TableStore::Slot>& rows) const;

private:
    std::vector<int> m_fields;
    QString m_text;
};

} // namespace kelvora
