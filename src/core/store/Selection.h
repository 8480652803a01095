#pragma once

#include "core/store/Schema.h"
#include "core/store/Value.h"

#include <QList>
#include <QString>

#include <memory>

namespace kelvora {

// The statement a selection renders: the text with `?` marks and the values
// bound to them, in order.
struct SqlStatement
{
    QString text;
    QList<Value> binds;
};

// The WHERE part of a view's statement: conditions on fields combined with
// AND, OR and NOT. A view evaluates it in memory with SQLite's semantics; it
// also renders as a parametrised statement that selects the same records.
// Field names are checked against the table when the selection is applied or
// rendered; a name that is not a field throws UnknownField.
class Selection
{
public:
    enum class Comparison
    {
        Equal,
        NotEqual,
        Less,
        LessOrEqual,
        Greater,
        GreaterOrEqual
    };
    enum class Kind
    {
        All,
        Like,
        Compare,
        IsNull,
        IsNotNull,
        Between,
        And,
        Or,
        Not
    };

    // Every record.
    Selection();

    // `field LIKE pattern`: "%" any run of characters, "_" one character,
    // A-Z in either case, every other character exactly; NULL never matches.
    static Selection like(const QString& field, const Value& pattern);
    static Selection like(const QString& field, const QString& pattern)
    {
        return like(field, Value::text(pattern));
    }
    // The contains condition of the selection bars: LIKE "%text%".
    static Selection contains(const QString& field, const QString& text);
    static Selection compare(const QString& field, Comparison comparison, const Value& value);
    static Selection equals(const QString& field, const Value& value)
    {
        return compare(field, Comparison::Equal, value);
    }
    static Selection isNull(const QString& field);
    static Selection isNotNull(const QString& field);
    static Selection between(const QString& field, const Value& low, const Value& high);

    Selection operator&&(const Selection& other) const;
    Selection operator||(const Selection& other) const;
    Selection operator!() const;

    bool isAll() const;
    Kind kind() const;
    // Throws UnknownField when a condition names a field the table lacks.
    void check(const TableDef& table) const;
    // "SELECT * FROM <table>" with " WHERE ..." when there is a condition.
    SqlStatement toSql(const TableDef& table) const;
    // The condition alone, without "SELECT ... WHERE"; empty for every record.
    SqlStatement whereSql(const TableDef& table) const;

    struct Node;
    const Node* root() const { return m_root.get(); }

private:
    explicit Selection(std::shared_ptr<const Node> root);
    std::shared_ptr<const Node> m_root;
};

struct Selection::Node
{
    Kind kind = Kind::All;
    QString field;
    Comparison comparison = Comparison::Equal;
    Value value;
    Value high;
    std::shared_ptr<const Node> left;
    std::shared_ptr<const Node> right;
};

} // namespace kelvora
