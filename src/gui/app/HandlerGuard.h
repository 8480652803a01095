#pragma once

#include <QString>
#include <functional>
#include <type_traits>
#include <utility>

namespace kelvora {

class UserPort;

// The one way GUI handlers run. A failure that escapes the handler is written
// to the error log, shown in an error box with one OK button, and swallowed, so
// the event loop goes on and the operation simply stops where it stood.
class HandlerGuard
{
public:
    // The logger appends one error-log line. It may return void, or bool where
    // false means the line could not be written (the box then says so).
    template <typename L>
    HandlerGuard(UserPort& port, L logger) : m_port(port), m_logger(adaptLogger(std::move(logger)))
    {
    }

    // Runs `handler`; true when it completed, false when a failure was reported.
    bool run(const std::function<void()>& handler);

    // A handler wrapped for connecting to a signal; the guard must outlive the connection.
    template <typename F>
    auto wrap(F handler)
    {
        return [this, handler = std::move(handler)]() { run(handler); };
    }

    // Reports a failure message as run() does (log, then box).
    void report(const QString& message);

    UserPort& port() const { return m_port; }

private:
    using Logger = std::function<bool(const QString& message)>;

    template <typename L>
    static Logger adaptLogger(L logger)
    {
        if constexpr (std::is_same_v<std::invoke_result_t<L&, const QString&>, bool>) {
            return Logger(std::move(logger));
        } else {
            return [logger = std::move(logger)](const QString& message) mutable {
                logger(message);
                return true;
            };
        }
    }

    UserPort& m_port;
    Logger m_logger;
};

} // namespace kelvora
