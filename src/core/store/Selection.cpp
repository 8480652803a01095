#include "core/store/Selection.h"

#include "core/store/UnknownField.h"

namespace kelvora {

namespace {

using Node = Selection::Node;
using Kind = Selection::Kind;

std::shared_ptr<const Node> makeNode(Node node)
{
    return std::make_shared<const Node>(std::move(node));
}

std::shared_ptr<const Node> leaf(Kind kind, const QString& field)
{
    Node n;
    n.kind = kind;
    n.field = field.trimmed();
    return makeNode(std::move(n));
}

QString fieldSql(const TableDef& table, const QString& field)
{
    const int index = table.fieldIndex(field);
    if (index < 0)
        throw UnknownField(table.tableName(), field);
    return QLatin1Char('"') + table.fieldName(index) + QLatin1Char('"');
}

const char* comparisonSql(Selection::Comparison c)
{
    switch (c) {
    case Selection::Comparison::Equal:
        return " = ?";
    case Selection::Comparison::NotEqual:
        return " <> ?";
    case Selection::Comparison::Less:
        return " < ?";
    case Selection::Comparison::LessOrEqual:
        return " <= ?";
    case Selection::Comparison::Greater:
        return " > ?";
    case Selection::Comparison::GreaterOrEqual:
        return " >= ?";
    }
    return " = ?";
}

void render(const Node& n, const TableDef& table, SqlStatement& out)
{
    switch (n.kind) {
    case Kind::All:
        out.text += QStringLiteral("1");
        return;
    case Kind::Like:
        out.text += fieldSql(table, n.field) + QStringLiteral(" LIKE ?");
        out.binds << n.value;
        return;
    case Kind::Compare:
        out.text += fieldSql(table, n.field) + QLatin1String(comparisonSql(n.comparison));
        out.binds << n.value;
        return;
    case Kind::IsNull:
        out.text += fieldSql(table, n.field) + QStringLiteral(" IS NULL");
        return;
    case Kind::IsNotNull:
        out.text += fieldSql(table, n.field) + QStringLiteral(" IS NOT NULL");
        return;
    case Kind::Between:
        out.text += fieldSql(table, n.field) + QStringLiteral(" BETWEEN ? AND ?");
        out.binds << n.value << n.high;
        return;
    case Kind::And:
    case Kind::Or:
        out.text += QLatin1Char('(');
        render(*n.left, table, out);
        out.text += n.kind == Kind::And ? QStringLiteral(") AND (") : QStringLiteral(") OR (");
        render(*n.right, table, out);
        out.text += QLatin1Char(')');
        return;
    case Kind::Not:
        out.text += QStringLiteral("NOT (");
        render(*n.left, table, out);
        out.text += QLatin1Char(')');
        return;
    }
}

} // namespace

Selection::Selection() = default;

Selection::Selection(std::shared_ptr<const Node> root) : m_root(std::move(root)) {}

Selection Selection::like(const QString& field, const Value& pattern)
{
    Node n;
    n.kind = Kind::Like;
    n.field = field.trimmed();
    n.value = pattern;
    return Selection(makeNode(std::move(n)));
}

Selection Selection::contains(const QString& field, const QString& text)
{
    return like(field, QLatin1Char('%') + text + QLatin1Char('%'));
}

Selection Selection::compare(const QString& field, Comparison comparison, const Value& value)
{
    Node n;
    n.kind = Kind::Compare;
    n.field = field.trimmed();
    n.comparison = comparison;
    n.value = value;
    return Selection(makeNode(std::move(n)));
}

Selection Selection::isNull(const QString& field)
{
    return Selection(leaf(Kind::IsNull, field));
}

Selection Selection::isNotNull(const QString& field)
{
    return Selection(leaf(Kind::IsNotNull, field));
}

Selection Selection::between(const QString& field, const Value& low, const Value& high)
{
    Node n;
    n.kind = Kind::Between;
    n.field = field.trimmed();
    n.value = low;
    n.high = high;
    return Selection(makeNode(std::move(n)));
}

Selection Selection::operator&&(const Selection& other) const
{
    if (isAll())
        return other;
    if (other.isAll())
        return *this;
    Node n;
    n.kind = Kind::And;
    n.left = m_root;
    n.right = other.m_root;
    return Selection(makeNode(std::move(n)));
}

Selection Selection::operator||(const Selection& other) const
{
    if (isAll())
        return *this;
    if (other.isAll())
        return other;
    Node n;
    n.kind = Kind::Or;
    n.left = m_root;
    n.right = other.m_root;
    return Selection(makeNode(std::move(n)));
}

Selection Selection::operator!() const
{
    Node n;
    n.kind = Kind::Not;
    n.left = m_root ? m_root : makeNode(Node{});
    return Selection(makeNode(std::move(n)));
}

bool Selection::isAll() const
{
    return !m_root || m_root->kind == Kind::All;
}

Selection::Kind Selection::kind() const
{
    return m_root ? m_root->kind : Kind::All;
}

void Selection::check(const TableDef& table) const
{
    whereSql(table);
}

SqlStatement Selection::whereSql(const TableDef& table) const
{
    SqlStatement out;
    if (!isAll())
        render(*m_root, table, out);
    return out;
}

SqlStatement Selection::toSql(const TableDef& table) const
{
    SqlStatement where = whereSql(table);
    SqlStatement out;
    out.text = QStringLiteral("SELECT * FROM \"%1\"").arg(table.tableName());
    if (!where.text.isEmpty())
        out.text += QStringLiteral(" WHERE ") + where.text;
    out.binds = where.binds;
    return out;
}

} // namespace kelvora
