#include "core/store/SelectionFilter.h"

#include "core/store/UnknownField.h"

namespace kelvora {

using Kind = Selection::Kind;
using Comparison = Selection::Comparison;

SelectionFilter::SelectionFilter(const Selection& selection, const TableStore& store) : m_store(store)
{
    if (!selection.isAll())
        m_root = compile(*selection.root());
}

int SelectionFilter::compile(const Selection::Node& node)
{
    Compiled c;
    c.kind = node.kind;
    c.comparison = node.comparison;
    switch (node.kind) {
    case Kind::All:
        break;
    case Kind::And:
    case Kind::Or:
        c.left = compile(*node.left);
        c.right = compile(*node.right);
        break;
    case Kind::Not:
        c.left = compile(*node.left);
        break;
    default: {
        c.field = m_store.def().fieldIndex(node.field);
        if (c.field < 0)
            throw UnknownField(m_store.def().tableName(), node.field);
        const TableStore::Column& column = m_store.column(c.field);
        c.affinity = column.affinity;
        c.collation = column.collation;
        if (node.kind == Kind::Like) {
            // LIKE converts to text and ignores affinity and collation.
            c.value = node.value;
        } else {
            c.value = SqliteRules::prepareConstant(node.value, c.affinity);
            c.high = SqliteRules::prepareConstant(node.high, c.affinity);
        }
        break;
    }
    }
    m_nodes.push_back(std::move(c));
    return int(m_nodes.size()) - 1;
}

bool SelectionFilter::matches(TableStore::Slot slot) const
{
    return m_root < 0 || evaluate(m_root, slot) == Truth::True;
}

SelectionFilter::Truth SelectionFilter::compareTruth(const Compiled& c, const CellView& cell,
                                                     const Value& constant, Comparison comparison) const
{
    const std::optional<int> order =
        SqliteRules::compareColumn(cell, constant.view(), c.affinity, c.collation);
    if (!order)
        return Truth::Null;
    bool result = false;
    switch (comparison) {
    case Comparison::Equal:
        result = *order == 0;
        break;
    case Comparison::NotEqual:
        result = *order != 0;
        break;
    case Comparison::Less:
        result = *order < 0;
        break;
    case Comparison::LessOrEqual:
        result = *order <= 0;
        break;
    case Comparison::Greater:
        result = *order > 0;
        break;
    case Comparison::GreaterOrEqual:
        result = *order >= 0;
        break;
    }
    return result ? Truth::True : Truth::False;
}

SelectionFilter::Truth SelectionFilter::evaluate(int node, TableStore::Slot slot) const
{
    const Compiled& c = m_nodes[size_t(node)];
    switch (c.kind) {
    case Kind::All:
        return Truth::True;
    case Kind::Like: {
        const std::optional<bool> r = SqliteRules::like(m_store.cell(slot, c.field), c.value.view());
        return !r ? Truth::Null : (*r ? Truth::True : Truth::False);
    }
    case Kind::Compare:
        return compareTruth(c, m_store.cell(slot, c.field), c.value, c.comparison);
    case Kind::IsNull:
        return m_store.cell(slot, c.field).isNull() ? Truth::True : Truth::False;
    case Kind::IsNotNull:
        return m_store.cell(slot, c.field).isNull() ? Truth::False : Truth::True;
    case Kind::Between: {
        const CellView cell = m_store.cell(slot, c.field);
        const Truth low = compareTruth(c, cell, c.value, Comparison::GreaterOrEqual);
        if (low == Truth::False)
            return Truth::False;
        const Truth high = compareTruth(c, cell, c.high, Comparison::LessOrEqual);
        if (high == Truth::False)
            return Truth::False;
        return (low == Truth::Null || high == Truth::Null) ? Truth::Null : Truth::True;
    }
    case Kind::And: {
        const Truth a = evaluate(c.left, slot);
        if (a == Truth::False)
            return Truth::False;
        const Truth b = evaluate(c.right, slot);
        if (b == Truth::False)
            return Truth::False;
        return (a == Truth::Null || b == Truth::Null) ? Truth::Null : Truth::True;
    }
    case Kind::Or: {
        const Truth a = evaluate(c.left, slot);
        if (a == Truth::True)
            return Truth::True;
        const Truth b = evaluate(c.right, slot);
        if (b == Truth::True)
            return Truth::True;
        return (a == Truth::Null || b == Truth::Null) ? Truth::Null : Truth::False;
    }
    case Kind::Not: {
        const Truth a = evaluate(c.left, slot);
        return a == Truth::Null ? Truth::Null : (a == Truth::True ? Truth::False : Truth::True);
    }
    }
    return Truth::False;
}

} // namespace kelvora
