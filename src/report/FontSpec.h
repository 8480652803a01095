#pragma once

#include <QString>

namespace kelvora::report {

// A font as a template names it: the family as written (mapped to an installed one
// only when text is measured or painted), the size in points and the style.
struct FontSpec
{
    QString family = QStringLiteral("Arial");
    double size = 10.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const FontSpec&) const = default;
};

} // namespace kelvora::report
