#include "report/Expression.h"

#include <QScopeGuard>

#include <optional>

namespace kelvora::report {

namespace {

class Parser
{
public:
    explicit Parser(QStringView text) : m_text(text) {}

    std::unique_ptr<ExprNode> parseAll()
    {
        auto node = parseSum();
        if (node && (skipSpaces(), m_pos < m_text.size()))
            return fail(QStringLiteral("Unexpected \"%1\"").arg(m_text.at(m_pos)));
        return node;
    }

    QString error;
    int errorOffset = 0;

private:
    std::unique_ptr<ExprNode> fail(const QString& message)
    {
        if (error.isEmpty()) {
            error = message;
            errorOffset = int(m_pos);
        }
        return nullptr;
    }

    void skipSpaces()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool accept(QChar c)
    {
        skipSpaces();
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    static std::unique_ptr<ExprNode> binary(char op, std::unique_ptr<ExprNode> a, std::unique_ptr<ExprNode> b)
    {
        auto node = std::make_unique<ExprNode>();
        node->kind = ExprKind::Binary;
        node->op = op;
        node->args.push_back(std::move(a));
        node->args.push_back(std::move(b));
        return node;
    }

    std::unique_ptr<ExprNode> parseSum()
    {
        auto left = parseProduct();
        while (left) {
            if (accept(u'+'))
                left = combine('+', std::move(left), parseProduct());
            else if (accept(u'-'))
                left = combine('-', std::move(left), parseProduct());
            else
                break;
        }
        return left;
    }

    std::unique_ptr<ExprNode> parseProduct()
    {
        auto left = parseUnary();
        while (left) {
            if (accept(u'*'))
                left = combine('*', std::move(left), parseUnary());
            else if (accept(u'/'))
                left = combine('/', std::move(left), parseUnary());
            else
                break;
        }
        return left;
    }

    std::unique_ptr<ExprNode> combine(char op, std::unique_ptr<ExprNode> left, std::unique_ptr<ExprNode> right)
    {
        if (!right)
            return nullptr;
        if (++m_operators > kMostOperators)
            return fail(QStringLiteral("Expression is too long"));
        return binary(op, std::move(left), std::move(right));
    }

    std::unique_ptr<ExprNode> parseUnary()
    {
        // Every nesting, of brackets, signs and totals, comes through here.
        if (m_depth >= kDeepest)
            return fail(QStringLiteral("Expression nested too deeply"));
        ++m_depth;
        const auto leave = qScopeGuard([this] { --m_depth; });
        if (accept(u'-')) {
            auto inner = parseUnary();
            if (!inner)
                return nullptr;
            auto node = std::make_unique<ExprNode>();
            node->kind = ExprKind::Negate;
            node->args.push_back(std::move(inner));
            return node;
        }
        return parsePrimary();
    }

    QString identifier()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isLetterOrNumber() || m_text.at(m_pos) == u'_'))
            ++m_pos;
        return m_text.mid(start, m_pos - start).toString();
    }

    // A text between `quote` characters; a doubled quote stands for one.
    std::optional<QString> quoted(QChar quote)
    {
        QString out;
        ++m_pos; // opening quote
        while (m_pos < m_text.size()) {
            const QChar c = m_text.at(m_pos++);
            if (c == quote) {
                if (m_pos < m_text.size() && m_text.at(m_pos) == quote) {
                    out.append(quote);
                    ++m_pos;
                    continue;
                }
                return out;
            }
            out.append(c);
        }
        return std::nullopt;
    }

    std::unique_ptr<ExprNode> parsePrimary()
    {
        skipSpaces();
        if (m_pos >= m_text.size())
            return fail(QStringLiteral("Expression ends too early"));
        const QChar c = m_text.at(m_pos);
        if (c == u'(') {
            ++m_pos;
            auto inner = parseSum();
            if (!inner)
                return nullptr;
            if (!accept(u')'))
                return fail(QStringLiteral("Missing \")\""));
            return inner;
        }
        if (c == u'\'') {
            const auto text = quoted(u'\'');
            if (!text)
                return fail(QStringLiteral("Text without its closing quote"));
            auto node = std::make_unique<ExprNode>();
            node->constant = *text;
            return node;
        }
        if (c.isDigit() || c == u'.')
            return number();
        if (c.isLetter() || c == u'_')
            return name();
        return fail(QStringLiteral("Unexpected \"%1\"").arg(c));
    }

    std::unique_ptr<ExprNode> number()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == u'.'))
            ++m_pos;
        const QStringView digits = m_text.mid(start, m_pos - start);
        bool ok = false;
        const double value = digits.toDouble(&ok);
        if (!ok) {
            m_pos = start;
            return fail(QStringLiteral("\"%1\" is not a number").arg(digits));
        }
        auto node = std::make_unique<ExprNode>();
        node->constant = value;
        return node;
    }

    std::unique_ptr<ExprNode> name()
    {
        const qsizetype start = m_pos;
        const QString id = identifier();
        skipSpaces();
        if (m_pos < m_text.size() && m_text.at(m_pos) == u'.') {
            ++m_pos;
            skipSpaces();
            QString fieldName;
            if (m_pos < m_text.size() && m_text.at(m_pos) == u'"') {
                const auto text = quoted(u'"');
                if (!text)
                    return fail(QStringLiteral("Field name without its closing quote"));
                fieldName = *text;
            } else {
                fieldName = identifier();
            }
            if (fieldName.isEmpty())
                return fail(QStringLiteral("Missing field name after \"%1.\"").arg(id));
            auto node = std::make_unique<ExprNode>();
            node->kind = ExprKind::Field;
            node->dataset = id;
            node->field = fieldName;
            return node;
        }
        if (m_pos < m_text.size() && m_text.at(m_pos) == u'(')
            return function(id, start);
        auto node = std::make_unique<ExprNode>();
        if (id.compare(QLatin1String("Page"), Qt::CaseInsensitive) == 0)
            node->kind = ExprKind::Page;
        else if (id.compare(QLatin1String("TotalPages"), Qt::CaseInsensitive) == 0)
            node->kind = ExprKind::TotalPages;
        else if (id.compare(QLatin1String("Date"), Qt::CaseInsensitive) == 0)
            node->kind = ExprKind::Date;
        else if (id.compare(QLatin1String("Now"), Qt::CaseInsensitive) == 0)
            node->kind = ExprKind::Now;
        else {
            m_pos = start;
            return fail(QStringLiteral("Unknown name \"%1\"").arg(id));
        }
        return node;
    }

    std::unique_ptr<ExprNode> function(const QString& id, qsizetype start)
    {
        static const struct
        {
            const char* name;
            AggregateKind kind;
        } kFunctions[] = {{"SUM", AggregateKind::Sum},
                          {"COUNT", AggregateKind::Count},
                          {"AVG", AggregateKind::Avg},
                          {"MIN", AggregateKind::Min},
                          {"MAX", AggregateKind::Max}};
        auto node = std::make_unique<ExprNode>();
        node->kind = ExprKind::Aggregate;
        bool known = false;
        for (const auto& f : kFunctions) {
            if (id.compare(QLatin1String(f.name), Qt::CaseInsensitive) == 0) {
                node->aggregate = f.kind;
                known = true;
            }
        }
        if (!known) {
            m_pos = start;
            return fail(QStringLiteral("Unknown function \"%1\"").arg(id));
        }
        ++m_pos; // "("
        if (node->aggregate != AggregateKind::Count) {
            auto argument = parseSum();
            if (!argument)
                return nullptr;
            node->args.push_back(std::move(argument));
            if (!accept(u','))
                return fail(QStringLiteral("%1 needs a band name after its value").arg(id.toUpper()));
        }
        skipSpaces();
        node->band = identifier();
        if (node->band.isEmpty())
            return fail(QStringLiteral("%1 needs a band name").arg(id.toUpper()));
        if (!accept(u')'))
            return fail(QStringLiteral("Missing \")\""));
        return node;
    }

    // Bounds that keep a mistyped or hostile template from exhausting the stack
    // of the parser, of the evaluation or of freeing the tree; a report needs
    // nothing near either.
    static constexpr int kDeepest = 100;
    static constexpr int kMostOperators = 1000;

    QStringView m_text;
    qsizetype m_pos = 0;
    int m_depth = 0;
    int m_operators = 0;
};

bool isNull(const QVariant& v)
{
    return !v.isValid() || v.isNull();
}

std::optional<double> numeric(const QVariant& v)
{
    if (isNull(v))
        return 0.0;
    if (Expression::isNumber(v))
        return v.toDouble();
    if (v.typeId() == QMetaType::QString) {
        bool ok = false;
        const double d = v.toString().trimmed().toDouble(&ok);
        if (ok)
            return d;
    }
    return std::nullopt;
}

QVariant evaluateNode(const ExprNode& node, const ExpressionScope& scope)
{
    switch (node.kind) {
    case ExprKind::Constant: return node.constant;
    case ExprKind::Field: return scope.field(node.fieldRef);
    case ExprKind::Page: return scope.page();
    case ExprKind::TotalPages: return scope.totalPages();
    case ExprKind::Date: return scope.now().date();
    case ExprKind::Now: return scope.now();
    case ExprKind::Aggregate: return scope.aggregate(node.aggregateRef);
    case ExprKind::Negate: {
        const QVariant v = evaluateNode(*node.args[0], scope);
        if (isNull(v))
            return {};
        const auto d = numeric(v);
        return d ? QVariant(-*d) : QVariant();
    }
    case ExprKind::Binary: {
        const QVariant a = evaluateNode(*node.args[0], scope);
        const QVariant b = evaluateNode(*node.args[1], scope);
        if (isNull(a) && isNull(b))
            return {};
        const bool textual = (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
            && node.op == '+';
        if (textual)
            return scope.plainText(a) + scope.plainText(b);
        const auto x = numeric(a);
        const auto y = numeric(b);
        if (!x || !y)
            return {};
        switch (node.op) {
        case '+': return *x + *y;
        case '-': return *x - *y;
        case '*': return *x * *y;
        case '/': return *y == 0.0 ? QVariant() : QVariant(*x / *y);
        default: return {};
        }
    }
    }
    return {};
}

void visitNode(ExprNode& node, const std::function<void(ExprNode&)>& visitor)
{
    visitor(node);
    for (auto& arg : node.args)
        visitNode(*arg, visitor);
}

} // namespace

bool Expression::isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong: return true;
    default: return false;
    }
}

std::unique_ptr<Expression> Expression::parse(QStringView source, QString* error, int* errorOffset)
{
    Parser parser(source);
    auto root = parser.parseAll();
    if (!root) {
        if (error)
            *error = parser.error;
        if (errorOffset)
            *errorOffset = parser.errorOffset;
        return nullptr;
    }
    auto expression = std::unique_ptr<Expression>(new Expression);
    expression->m_source = source.toString();
    expression->m_root = std::move(root);
    expression->visit([&](const ExprNode& n) {
        if (n.kind == ExprKind::Page || n.kind == ExprKind::TotalPages)
            expression->m_dependsOnPage = true;
        if (n.kind == ExprKind::Field || n.kind == ExprKind::Aggregate)
            expression->m_readsRecords = true;
    });
    return expression;
}

QVariant Expression::evaluate(const ExpressionScope& scope) const
{
    return evaluateNode(*m_root, scope);
}

QVariant Expression::evaluate(const ExprNode& node, const ExpressionScope& scope)
{
    return evaluateNode(node, scope);
}

void Expression::visit(const std::function<void(ExprNode&)>& visitor)
{
    visitNode(*m_root, visitor);
}

void Expression::visit(const std::function<void(const ExprNode&)>& visitor) const
{
    visitNode(*m_root, [&](ExprNode& n) { visitor(n); });
}

} // namespace kelvora::report
