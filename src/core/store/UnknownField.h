#pragma once

#include "core/base/KelvoraError.h"

namespace kelvora {

// A field name that the table does not have: a typed field name, an order list
// or a selection that names one. Callers that take names from the user catch it
// and show their own message.
class UnknownField : public KelvoraError
{
public:
    UnknownField(const QString& table, const QString& field)
        : KelvoraError(QStringLiteral("%1 has no field %2.").arg(table, field)), m_field(field)
    {
    }
    const QString& field() const noexcept { return m_field; }

private:
    QString m_field;
};

} // namespace kelvora
