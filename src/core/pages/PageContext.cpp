#include "core/pages/PageContext.h"

#include "core/dates/DateTimeFormat.h"

namespace kelvora {

QString PageContext::dayText(const QDate& date, const Regional& regional)
{
    return formatDate(QStringLiteral("dddd d mmmm yyyy"), date, regional);
}

} // namespace kelvora
