#include "core/base/Reporter.h"

#include "core/base/KelvoraError.h"
#include "core/interaction/UserPort.h"

#include <QObject>

#include <cstdio>
#include <exception>

namespace kelvora {

namespace {

// The message of whatever `step` threw; empty when it completed.
QString failureOf(const std::function<void()>& step)
{
    try {
        step();
        return {};
    } catch (const KelvoraError& error) {
        return error.message().isEmpty() ? QObject::tr("An unexpected error occurred.") : error.message();
    } catch (const std::exception& error) {
        const QString text = QString::fromUtf8(error.what());
        return text.isEmpty() ? QObject::tr("An unexpected error occurred.") : text;
    } catch (...) {
        return QObject::tr("An unexpected error occurred.");
    }
}

} // namespace

Reporter::Reporter(UserPort& port, Logger logger) : m_port(port), m_logger(std::move(logger)) {}

bool Reporter::log(const QString& message, QString* reason)
{
    QString why;
    bool logged = false;
    try {
        logged = m_logger && m_logger(message, &why);
    } catch (const std::exception& error) {
        why = QString::fromUtf8(error.what());
    } catch (...) {
    }
    if (!logged) {
        if (why.isEmpty())
            why = QObject::tr("the error log could not be written");
        std::fprintf(stderr, "kelvora: %s\n", qPrintable(message));
        std::fprintf(stderr, "kelvora: (%s)\n", qPrintable(why));
    }
    if (reason)
        *reason = why;
    return logged;
}

void Reporter::report(const QString& message)
{
    QString why;
    QString shown = message;
    if (!log(message, &why))
        shown += QStringLiteral("\r\n(") + why + QLatin1Char(')');
    try {
        m_port.messageDlg(shown, MsgType::Error, MsgButton::OK);
    } catch (...) {
        // Nothing may escape from the last resort, not even a failing box.
    }
}

bool Reporter::guarded(const std::function<void()>& step)
{
    const QString failure = failureOf(step);
    if (failure.isEmpty())
        return true;
    report(failure);
    return false;
}

QString Reporter::collected(const std::function<void()>& step)
{
    const QString failure = failureOf(step);
    if (!failure.isEmpty())
        log(failure);
    return failure;
}

} // namespace kelvora
