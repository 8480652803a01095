#include "core/dates/DateText.h"

#include <QStringList>

namespace kelvora {

namespace {
QString two(int v)
{
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}
} // namespace

QString shortDateText(const QDate& date, const Regional& regional)
{
    if (!date.isValid())
        return {};
    const QChar sep = regional.dateSeparator;
    return two(date.day()) + sep + two(date.month()) + sep + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString longTimeText(const QTime& time, const Regional& regional)
{
    if (!time.isValid())
        return {};
    const QChar sep = regional.timeSeparator;
    return two(time.hour()) + sep + two(time.minute()) + sep + two(time.second());
}

QString dateTimeText(const QDateTime& moment, const Regional& regional)
{
    return shortDateText(moment.date(), regional) + QLatin1Char(' ') + longTimeText(moment.time(), regional);
}

QDate parseShortDate(const QString& text, const Regional& regional)
{
    const QStringList parts = text.trimmed().split(regional.dateSeparator);
    if (parts.size() != 3)
        return {};
    bool okD = false, okM = false, okY = false;
    const int d = parts[0].trimmed().toInt(&okD);
    const int m = parts[1].trimmed().toInt(&okM);
    int y = parts[2].trimmed().toInt(&okY);
    if (!okD || !okM || !okY)
        return {};
    if (parts[2].trimmed().size() <= 2)
        y += y < 50 ? 2000 : 1900;
    return QDate(y, m, d);
}

} // namespace kelvora
