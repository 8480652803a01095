#pragma once

#include "core/base/Reporter.h"

#include <QString>

#include <functional>
#include <memory>
#include <type_traits>
#include <utility>

namespace kelvora {

class UserPort;

// The one way GUI handlers run: a failure that escapes the handler goes to the
// program's Reporter (error log, then an error box with one OK button) and is
// swallowed, so the event loop goes on and the operation stops where it stood.
class HandlerGuard
{
public:
    explicit HandlerGuard(Reporter& reporter) : m_reporter(&reporter) {}

    // A guard with a reporter of its own, for widgets used on their own. The
    // logger appends one error-log line; it may return void, or bool where
    // false means the line could not be written (the box then says so).
    template <typename L>
    HandlerGuard(UserPort& port, L logger)
        : m_own(std::make_unique<Reporter>(port, adaptLogger(std::move(logger)))), m_reporter(m_own.get())
    {
    }

    // Runs `handler`; true when it completed, false when a failure was reported.
    bool run(const std::function<void()>& handler) { return m_reporter->guarded(handler); }

    // A handler wrapped for connecting to a signal; the guard must outlive the connection.
    template <typename F>
    auto wrap(F handler)
    {
        return [this, handler = std::move(handler)]() { run(handler); };
    }

    // Reports a failure message as run() does (log, then box).
    void report(const QString& message) { m_reporter->report(message); }

    UserPort& port() const { return m_reporter->port(); }

private:
    template <typename L>
    static Reporter::Logger adaptLogger(L logger)
    {
        return [logger = std::move(logger)](const QString& message, QString*) mutable {
            if constexpr (std::is_same_v<std::invoke_result_t<L&, const QString&>, bool>) {
                return logger(message);
            } else {
                logger(message);
                return true;
            }
        };
    }

    std::unique_ptr<Reporter> m_own;
    Reporter* m_reporter;
};

} // namespace kelvora
