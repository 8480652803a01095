#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kelvora {

enum class MsgType { Warning, Error, Information, Confirmation, Custom };

// Buttons of a message box; also the answer a box returns.
enum class MsgButton : unsigned {
    None = 0,
    Yes = 1u << 0,
    No = 1u << 1,
    OK = 1u << 2,
    Cancel = 1u << 3,
    Abort = 1u << 4,
    Retry = 1u << 5,
    Ignore = 1u << 6,
    All = 1u << 7,
    NoToAll = 1u << 8,
    YesToAll = 1u << 9,
};
constexpr MsgButton operator|(MsgButton a, MsgButton b)
{
    return static_cast<MsgButton>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool hasButton(MsgButton set, MsgButton b)
{
    return (static_cast<unsigned>(set) & static_cast<unsigned>(b)) != 0;
}

// The core's only way to the user. The GUI implements it with real dialogs;
// tests implement it with a script of answers and a log of what was shown.
class UserPort
{
public:
    virtual ~UserPort() = default;

    // A plain message with one OK button.
    virtual void showMessage(const QString& text) = 0;
    // A typed message box; returns the button pressed (closing the box counts
    // as Cancel when offered, otherwise as the last button offered).
    virtual MsgButton messageDlg(const QString& text, MsgType type, MsgButton buttons) = 0;
    // Cancel returns `defaultText`, as the platform's input box does.
    virtual QString inputBox(const QString& caption, const QString& prompt, const QString& defaultText) = 0;

    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    // Pictures travel as encoded image bytes (PNG or JPEG); empty when none.
    virtual QByteArray clipboardPicture() = 0;
    virtual void setClipboardPicture(const QByteArray& encodedImage) = 0;

    // Hands a web address, "mailto:" address or document to the desktop. False when it failed.
    virtual bool openUrl(const QString& url) = 0;
    // Starts a program detached. False when it could not be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;

    // File choosers; an empty text means the user cancelled.
    virtual QString chooseOpenFile(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString chooseSaveFile(const QString& caption, const QString& folder, const QString& filter) = 0;
    virtual QString chooseFolder(const QString& caption, const QString& folder) = 0;

    // The hourglass. Calls nest; use BusyCursor rather than calling these directly.
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
};

// Shows the busy cursor for the life of the scope.
class BusyCursor
{
public:
    explicit BusyCursor(UserPort& port) : m_port(port) { m_port.beginBusy(); }
    ~BusyCursor() { m_port.endBusy(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    UserPort& m_port;
};

} // namespace kelvora
