#pragma once

#include <QString>

#include <functional>

namespace kelvora {

class UserPort;

// The one way an unexpected failure reaches the user: one line in the error log,
// then the error box, and the program goes on. When the log itself cannot be
// written the line goes to standard error instead, and the box says why, so the
// reason of a failure is never lost.
class Reporter
{
public:
    // Appends one error-log line; false (with the reason) when it could not.
    using Logger = std::function<bool(const QString& message, QString* reason)>;

    Reporter(UserPort& port, Logger logger);

    // Logs `message` and shows it in the error box.
    void report(const QString& message);
    // Logs `message` without a box. False when the log could not be written (the
    // line then went to standard error); `reason` says why.
    bool log(const QString& message, QString* reason = nullptr);
    // Runs `step`; a failure escaping it is reported. False when it failed.
    bool guarded(const std::function<void()>& step);
    // Runs `step`; a failure escaping it is only logged and its message returned
    // (empty when it succeeded), for callers that gather failures into one box.
    QString collected(const std::function<void()>& step);

    UserPort& port() const { return m_port; }

private:
    UserPort& m_port;
    Logger m_logger;
};

} // namespace kelvora
