#pragma once

#include "core/interaction/UserPort.h"

namespace kelvora {

// The user port of a run nobody watches (a self-test, a script): every message goes
// to standard error and is kept, every box is answered as if it had been closed,
// and every chooser and input box is cancelled. Nothing waits for a person.
class UnattendedUserPort : public UserPort
{
public:
    // The texts of the messages and boxes met so far, in order.
    const QStringList& messages() const { return m_messages; }

    // The answer of a box closed without a choice: Cancel when offered, else the
    // last button offered (as on screen).
    static MsgButton closedAnswer(MsgButton buttons);

    void showMessage(const QString& text) override;
    MsgButton messageDlg(const QString& text, MsgType type, MsgButton buttons) override;
    QString inputBox(const QString& caption, const QString& prompt, const QString& defaultText) override;

    QString clipboardText() override { return {}; }
    void setClipboardText(const QString&) override {}
    QByteArray clipboardPicture() override { return {}; }
    void setClipboardPicture(const QByteArray&) override {}

    bool openUrl(const QString&) override { return false; }
    bool startProgram(const QString&, const QStringList&) override { return false; }

    QString chooseOpenFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseSaveFile(const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(const QString&, const QString&) override { return {}; }

    void beginBusy() override {}
    void endBusy() override {}

private:
    void tell(const QString& text);

    QStringList m_messages;
};

} // namespace kelvora
