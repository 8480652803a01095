#include "core/app/ErrorLog.h"

#include "core/dates/DateText.h"

#include <QFile>

namespace kelvora {

ErrorLog::ErrorLog(QString path, Regional regional, Clock clock)
    : m_path(std::move(path)), m_regional(std::move(regional)), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
}

bool ErrorLog::append(const QString& message) const
{
    const QByteArray line =
        (dateTimeText(m_clock(), m_regional) + QLatin1Char(':') + message + QLatin1Char('\n')).toUtf8();
    QFile file(m_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // One write, so an entry is never interleaved with another writer's.
    const bool written = file.write(line) == line.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace kelvora
