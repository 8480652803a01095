#pragma once

#include "report/Expression.h"

#include <QString>
#include <memory>
#include <vector>

namespace kelvora::report {

// The text of a text object: literal runs and [expressions]. "[[" writes a "[".
class TextTemplate
{
public:
    struct Segment
    {
        QString literal;                         // when `expression` is null
        std::shared_ptr<Expression> expression;  // the inside of one [bracket]
    };

    // nullptr with a message and the offset of the fault in `text` when it does not parse.
    static std::shared_ptr<TextTemplate> parse(const QString& text, QString* error, int* errorOffset);

    const std::vector<Segment>& segments() const { return m_segments; }
    bool hasExpressions() const { return m_hasExpressions; }
    bool dependsOnPage() const { return m_dependsOnPage; }

private:
    std::vector<Segment> m_segments;
    bool m_hasExpressions = false;
    bool m_dependsOnPage = false;
};

} // namespace kelvora::report
