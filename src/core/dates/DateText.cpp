#include "core/dates/DateText.h"

#include <QStringList>

#include "core/dates/DateTimeFormat.h"

namespace kelvora {

QString shortDateText(const QDate& date, const Regional& regional)
{
    return formatDate(QStringLiteral("dd/mm/yyyy"), date, regional);
}

QString longTimeText(const QTime& time, const Regional& regional)
{
    return formatDateTime(QStringLiteral("hh:mm:ss"), QDate(), time, regional);
}

QString dateTimeText(const QDateTime& moment, const Regional& regional)
{
    return shortDateText(moment.date(), regional) + QLatin1Char(' ') + longTimeText(moment.time(), regional);
}

namespace {
// A date part: one or more ASCII digits and nothing else (no sign), or -1.
int datePart(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 4)
        return -1;
    int value = 0;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}
} // namespace

QDate parseShortDate(const QString& text, const Regional& regional)
{
    const QStringList parts = text.trimmed().split(regional.dateSeparator);
    if (parts.size() != 3)
        return {};
    const int d = datePart(parts[0]);
    const int m = datePart(parts[1]);
    int y = datePart(parts[2]);
    if (d < 0 || m < 0 || y < 0)
        return {};
    if (parts[2].trimmed().size() <= 2)
        y += y < 50 ? 2000 : 1900;
    return QDate(y, m, d);
}

QString invalidDateMessage(const QString& text)
{
    return QStringLiteral("'%1' is not a valid date.").arg(text);
}

} // namespace kelvora
