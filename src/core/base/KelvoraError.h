#pragma once

#include <QString>
#include <stdexcept>

namespace kelvora {

// The one exception type of the core. It is raised for failures nobody expects
// (a database that refuses a post, a file that cannot be written); the GUI's
// handler wrapper logs it to the error log and shows it, and the program goes on.
// Expected outcomes (a refused input, "not found") are messages, never this.
class KelvoraError : public std::runtime_error
{
public:
    explicit KelvoraError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString& message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace kelvora
