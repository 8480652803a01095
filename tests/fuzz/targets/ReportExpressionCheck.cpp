#include "FuzzChecks.h"
#include "FuzzInput.h"

#include "report/DisplayFormat.h"
#include "report/Expression.h"

#include <vector>

namespace kelvora::fuzz {

namespace {

QVariant fuzzVariant(FuzzInput& in)
{
    switch (in.choose(6)) {
    case 0:
        return {};
    case 1:
        return QVariant(in.raw<double>());
    case 2:
        return QVariant(qlonglong(in.raw<qint64>()));
    case 3:
        return QVariant(QDate(2026, 12, 11).addDays(in.raw<qint16>()));
    case 4:
        return QVariant(in.choose(2) == 1);
    default:
        return QVariant(in.textPart());
    }
}

// The values a report run would give: fields and totals from the input.
class FuzzScope : public report::ExpressionScope
{
public:
    std::vector<QVariant> values;
    QVariant field(int ref) const override { return at(ref); }
    QVariant aggregate(int ref) const override { return at(ref + 7); }
    int page() const override { return 2; }
    int totalPages() const override { return 3; }
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 11), QTime(9, 30)); }
    QString plainText(const QVariant& value) const override
    {
        return report::DisplayFormat::plainText(value, Regional::australian());
    }

private:
    QVariant at(int ref) const
    {
        return ref >= 0 && !values.empty() ? values[size_t(ref) % values.size()] : QVariant();
    }
};

} // namespace

// The inside of a [bracket] of a template and a display format: an expression
// that does not parse says where; one that does evaluates to a value that any
// display format shows without failing.
void checkReportExpression(const QByteArray& input)
{
    FuzzInput in(input);
    const QString source = in.textPart();
    const QString format = in.textPart();
    FuzzScope scope;
    while (!in.atEnd() && scope.values.size() < 8)
        scope.values.push_back(fuzzVariant(in));

    QString error;
    int offset = -1;
    std::unique_ptr<report::Expression> expression = report::Expression::parse(source, &error, &offset);
    if (!expression) {
        KELVORA_FUZZ_REQUIRE("report_expression", !error.isEmpty() && offset >= 0 && offset <= source.size(),
                             source + QStringLiteral(" gave ") + error + QStringLiteral(" at %1").arg(offset));
        return;
    }
    int fields = 0;
    int aggregates = 0;
    expression->visit([&](report::ExprNode& node) {
        if (node.kind == report::ExprKind::Field)
            node.fieldRef = fields++;
        else if (node.kind == report::ExprKind::Aggregate)
            node.aggregateRef = aggregates++;
    });
    const QVariant value = expression->evaluate(scope);
    (void)report::DisplayFormat::check(format);
    (void)report::DisplayFormat::text(value, format, Regional::australian());
}

} // namespace kelvora::fuzz
