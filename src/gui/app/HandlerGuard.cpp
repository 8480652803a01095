#include "gui/app/HandlerGuard.h"

#include "core/app/KelvoraError.h"
#include "core/interaction/UserPort.h"

#include <QObject>
#include <exception>

namespace kelvora {

bool HandlerGuard::run(const std::function<void()>& handler)
{
    QString message;
    try {
        handler();
        return true;
    } catch (const KelvoraError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    } catch (...) {
        message = QObject::tr("An unexpected error occurred.");
    }
    report(message);
    return false;
}

void HandlerGuard::report(const QString& message)
{
    bool logged = false;
    QString reason;
    try {
        logged = m_logger(message);
    } catch (const std::exception& error) {
        reason = QString::fromLocal8Bit(error.what());
    } catch (...) {
    }
    // A log that cannot be written must not hide the failure itself, nor pass unnoticed.
    QString shown = message;
    if (!logged)
        shown += QStringLiteral("\r\n\r\n")
            + (reason.isEmpty() ? QObject::tr("(The error log could not be written.)")
                                : QObject::tr("(The error log could not be written: %1)").arg(reason));
    try {
        m_port.messageDlg(shown, MsgType::Error, MsgButton::OK);
    } catch (...) {
        // Nothing may escape into the event loop, not even a failing box.
    }
}

} // namespace kelvora
