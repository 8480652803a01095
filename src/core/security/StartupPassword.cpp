#include "core/security/StartupPassword.h"

#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"

namespace kelvora {

const QString StartupPassword::kWrongPassword = QStringLiteral("You MUST enter the correct PASSWORD.");
const QString StartupPassword::kLoginFailed = QStringLiteral("Login Failed");
const QString StartupPassword::kNoAltF4 = QStringLiteral("You are NOT permitted to close the form this way.");

bool StartupPassword::isSet() const
{
    return m_settings.hasStartupPassword();
}

bool StartupPassword::accept(const QString& typed)
{
    bool matches = false;
    {
        // A slow key derivation is checked here: the pointer says so.
        const BusyCursor busy(m_port);
        matches = !typed.isEmpty() && m_settings.startupPasswordMatches(typed);
    }
    if (matches)
        return true;
    m_port.messageDlg(kWrongPassword, MsgType::Warning, MsgButton::OK);
    return false;
}

void StartupPassword::refuse()
{
    m_port.messageDlg(kLoginFailed, MsgType::Information, MsgButton::OK);
}

void StartupPassword::altF4()
{
    m_port.messageDlg(kNoAltF4, MsgType::Error, MsgButton::OK);
}

void StartupPassword::Change1Click()
{
    const QString current = m_port.inputBox(QStringLiteral("Enter Your Current Password"),
                                            QStringLiteral("Enter (CASE SENSITIVE) Password"), QString());
    bool matches = false;
    {
        const BusyCursor busy(m_port);
        matches = m_settings.startupPasswordMatches(current);
    }
    if (!matches) {
        m_port.messageDlg(QStringLiteral("The Password given is incorrect"), MsgType::Information, MsgButton::OK);
        return;
    }
    const QString first = m_port.inputBox(QStringLiteral("Enter New (case sensitive) Password"),
                                          QStringLiteral("Enter New Password"), QString());
    const QString second = m_port.inputBox(QStringLiteral("Confirm (case sensitive) New Password"),
                                           QStringLiteral("Re-Enter New Password"), QString());
    if (first != second) {
        m_port.messageDlg(QStringLiteral("The Password Was NOT changed "), MsgType::Information, MsgButton::OK);
        return;
    }
    {
        const BusyCursor busy(m_port);
        m_settings.setStartupPassword(first);
    }
    m_port.messageDlg(QStringLiteral("The Password has been changed.\r\n\r\nAn empty or a non-existant password stops "
                                     "the software startup prompt from appearing.\r\nie NO Password is set."),
                      MsgType::Information, MsgButton::OK);
}

} // namespace kelvora
