#pragma once

#include "core/store/Selection.h"
#include "core/store/TableStore.h"

#include <vector>

namespace kelvora {

// A selection made ready for one table in memory: fields resolved to columns,
// constants converted once by the column's affinity. matches() is true exactly
// when the statement's WHERE would be true for the row.
class SelectionFilter
{
public:
    // Throws UnknownField when the selection names a field the table lacks.
    SelectionFilter(const Selection& selection, const TableStore& store);

    bool isAll() const { return m_nodes.empty(); }
    bool matches(TableStore::Slot slot) const;

private:
    enum class Truth : quint8
    {
        False,
        True,
        Null
    };
    struct Compiled
    {
        Selection::Kind kind;
        Selection::Comparison comparison;
        int field = -1;
        Affinity affinity = Affinity::Blob;
        Collation collation = Collation::Binary;
        Value value;
        Value high;
        int left = -1;
        int right = -1;
    };

    int compile(const Selection::Node& node);
    Truth evaluate(int node, TableStore::Slot slot) const;
    Truth compareTruth(const Compiled& c, const CellView& cell, const Value& constant,
                       Selection::Comparison comparison) const;

    const TableStore& m_store;
    std::vector<Compiled> m_nodes;
    int m_root = -1;
};

} // namespace kelvora
