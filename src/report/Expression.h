#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QVariant>
#include <functional>
#include <memory>
#include <vector>

namespace kelvora::report {

enum class ExprKind { Constant, Field, Page, TotalPages, Date, Now, Aggregate, Negate, Binary };
enum class AggregateKind { Sum, Count, Avg, Min, Max };

struct ExprNode
{
    ExprKind kind = ExprKind::Constant;
    QVariant constant;
    // Field: Dataset."Field". The reference number is given when the template is checked.
    QString dataset;
    QString field;
    int fieldRef = -1;
    // Aggregate: over the records of `band`; its argument (none for COUNT) is args[0].
    AggregateKind aggregate = AggregateKind::Sum;
    QString band;
    int aggregateRef = -1;
    char op = 0; // Binary: + - * /
    std::vector<std::unique_ptr<ExprNode>> args;
};

// What an expression reads while a report runs.
class ExpressionScope
{
public:
    virtual ~ExpressionScope() = default;
    virtual QVariant field(int fieldRef) const = 0;
    virtual QVariant aggregate(int aggregateRef) const = 0;
    virtual int page() const = 0;
    virtual int totalPages() const = 0;
    virtual QDateTime now() const = 0;
    // The text a value shows when it is joined to a text with "+".
    virtual QString plainText(const QVariant& value) const = 0;
};

// One expression of a template: the inside of a [bracket] or a group condition.
//   Dataset."Field"   Dataset.Field        a field of the dataset's current record
//   SUM(expr, Band)   AVG, MIN, MAX        over the records of a band, as placed so far
//   COUNT(Band)                            the number of times the band was placed
//   Page  TotalPages  Date  Now            the run's page numbers and its moment
//   12.5  'text'                           constants ('' is a quote inside a text)
//   + - * / ( ) and a leading -            "+" joins texts when either side is one
// Names of functions and built-ins are read in any letter case. NULL counts as 0 next
// to a number and as an empty text next to a text; a division by zero gives NULL.
class Expression
{
public:
    // nullptr with a message and the offset of the fault in `source` when it does not parse.
    static std::unique_ptr<Expression> parse(QStringView source, QString* error, int* errorOffset);

    QVariant evaluate(const ExpressionScope& scope) const;
    // One node of an expression, such as the argument of a total.
    static QVariant evaluate(const ExprNode& node, const ExpressionScope& scope);

    const QString& source() const { return m_source; }
    bool dependsOnPage() const { return m_dependsOnPage; }
    bool readsRecords() const { return m_readsRecords; }

    // Every node, outermost first; the checker numbers fields and aggregates with it.
    void visit(const std::function<void(ExprNode&)>& visitor);
    void visit(const std::function<void(const ExprNode&)>& visitor) const;

    static bool isNumber(const QVariant& value);

private:
    QString m_source;
    std::unique_ptr<ExprNode> m_root;
    bool m_dependsOnPage = false;
    bool m_readsRecords = false;
};

} // namespace kelvora::report
