#pragma once

#include "core/format/Regional.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace kelvora {

// The error log: one entry per failure nobody handled, appended as
// "<short date> <long time>:<message>". A message with line breaks is written
// as it is, so one entry can span several lines.
class ErrorLog
{
public:
    using Clock = std::function<QDateTime()>;

    // `clock` defaults to the current local time.
    explicit ErrorLog(QString path, Regional regional = Regional::australian(), Clock clock = {});

    const QString& path() const { return m_path; }

    // Appends one entry, creating the file when missing. This is the last
    // resort of error handling, so it never throws: false when the entry could
    // not be written, with the reason in `reason`.
    bool append(const QString& message, QString* reason = nullptr) const;

private:
    QString m_path;
    Regional m_regional;
    Clock m_clock;
};

} // namespace kelvora
