#include "report/TextTemplate.h"

namespace kelvora::report {

namespace {

// Offset of the "]" closing the bracket opened before `from`; quotes may hold "]".
qsizetype closingBracket(const QString& text, qsizetype from)
{
    QChar quote;
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u']') {
            return i;
        }
    }
    return -1;
}

} // namespace

std::shared_ptr<TextTemplate> TextTemplate::parse(const QString& text, QString* error, int* errorOffset)
{
    auto result = std::make_shared<TextTemplate>();
    QString literal;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c != u'[') {
            literal.append(c);
            ++i;
            continue;
        }
        if (i + 1 < text.size() && text.at(i + 1) == u'[') {
            literal.append(u'[');
            i += 2;
            continue;
        }
        const qsizetype end = closingBracket(text, i + 1);
        if (end < 0) {
            if (error)
                *error = QStringLiteral("\"[\" without its closing \"]\"");
            if (errorOffset)
                *errorOffset = int(i);
            return nullptr;
        }
        QString message;
        int offset = 0;
        auto expression = Expression::parse(QStringView(text).mid(i + 1, end - i - 1), &message, &offset);
        if (!expression) {
            if (error)
                *error = message;
            if (errorOffset)
                *errorOffset = int(i + 1 + offset);
            return nullptr;
        }
        if (!literal.isEmpty())
            result->m_segments.push_back({literal, nullptr});
        literal.clear();
        result->m_hasExpressions = true;
        result->m_dependsOnPage = result->m_dependsOnPage || expression->dependsOnPage();
        result->m_segments.push_back({QString(), std::shared_ptr<Expression>(std::move(expression))});
        i = end + 1;
    }
    if (!literal.isEmpty())
        result->m_segments.push_back({literal, nullptr});
    return result;
}

} // namespace kelvora::report
