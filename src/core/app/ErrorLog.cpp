#include "core/app/ErrorLog.h"

#include "core/dates/DateText.h"

#include <QDir>
#include <QFile>

namespace kelvora {

ErrorLog::ErrorLog(QString path, Regional regional, Clock clock)
    : m_path(std::move(path)), m_regional(std::move(regional)), m_clock(std::move(clock))
{
    if (!m_clock)
        m_clock = [] { return QDateTime::currentDateTime(); };
}

bool ErrorLog::append(const QString& message, QString* reason) const
{
    const QByteArray line =
        (dateTimeText(m_clock(), m_regional) + QLatin1Char(':') + message + QLatin1Char('\n')).toUtf8();
    QFile file(m_path);
    const auto failed = [&] {
        if (reason)
            *reason = QStringLiteral("the error log %1 could not be written: %2")
                          .arg(QDir::toNativeSeparators(m_path), file.errorString());
        return false;
    };
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return failed();
    // One write, so an entry is never interleaved with another writer's.
    const bool written = file.write(line) == line.size();
    file.close();
    if (!written || file.error() != QFileDevice::NoError)
        return failed();
    return true;
}

} // namespace kelvora
