#pragma once

#include <QString>

namespace kelvora {

class Settings;
class UserPort;

// The start-up password prompt and "Password" > "Change". The password itself
// is held by the settings (EntryStr, never in plain text).
class StartupPassword
{
public:
    static const QString kWrongPassword; // "You MUST enter the correct PASSWORD."
    static const QString kLoginFailed;   // "Login Failed"
    static const QString kNoAltF4;       // "You are NOT permitted to close the form this way."

    StartupPassword(Settings& settings, UserPort& port) : m_settings(settings), m_port(port) {}

    bool isSet() const;
    // The dialog's OK: true to go on; otherwise the warning was shown and the
    // program must end.
    bool accept(const QString& typed);
    // The dialog's Cancel and Alt+F4: the message is shown; the program must end.
    void refuse();
    void altF4();
    // "Password" > "Change".
    void Change1Click();

private:
    Settings& m_settings;
    UserPort& m_port;
};

} // namespace kelvora
