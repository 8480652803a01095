#include "core/interaction/UnattendedUserPort.h"

#include <bit>
#include <cstdio>

namespace kelvora {

MsgButton UnattendedUserPort::closedAnswer(MsgButton buttons)
{
    if (buttons == MsgButton::None)
        return MsgButton::OK;
    if (hasButton(buttons, MsgButton::Cancel))
        return MsgButton::Cancel;
    // Boxes list their buttons in the order of the flags, so the last is the highest.
    return static_cast<MsgButton>(std::bit_floor(static_cast<unsigned>(buttons)));
}

void UnattendedUserPort::tell(const QString& text)
{
    m_messages.append(text);
    std::fprintf(stderr, "%s\n", qPrintable(text));
}

void UnattendedUserPort::showMessage(const QString& text)
{
    tell(text);
}

MsgButton UnattendedUserPort::messageDlg(const QString& text, MsgType, MsgButton buttons)
{
    tell(text);
    return closedAnswer(buttons);
}

QString UnattendedUserPort::inputBox(const QString& caption, const QString& prompt,
                                     const QString& defaultText)
{
    tell(caption + QStringLiteral(": ") + prompt);
    return defaultText;
}

} // namespace kelvora
