#pragma once

#include "core/interaction/UserPort.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <stdexcept>

namespace kelvora::test {

// A user who answers from a script and remembers everything shown to them.
//
// Every box is logged as one line:
//   "ShowMessage: <text>"
//   "MessageDlg(<Warning|Error|Information|Confirmation|Custom>): <text>"
//   "InputBox: <caption> | <prompt> | <default>"
//   "OpenUrl: <url>", "StartProgram: <program> <args...>",
//   "ChooseOpenFile: <caption>", "ChooseSaveFile: <caption>", "ChooseFolder: <caption>"
// Answers are consumed in order: queueButton() for messageDlg, queueText() for
// inputBox and the file choosers. A dialog that needs an answer and finds none
// throws UnscriptedDialog, so a test never passes on a question it did not expect.
class ScriptedUserPort : public UserPort
{
public:
    struct UnscriptedDialog : std::logic_error
    {
        using std::logic_error::logic_error;
    };

    void queueButton(MsgButton answer) { m_answers.append(QVariant::fromValue(static_cast<unsigned>(answer))); }
    void queueText(const QString& answer) { m_answers.append(answer); }
    // Answer Cancel to the next input box (it returns its default).
    void queueCancel() { m_answers.append(QVariant()); }

    const QStringList& log() const { return m_log; }
    QString lastLine() const { return m_log.isEmpty() ? QString() : m_log.constLast(); }
    void clearLog() { m_log.clear(); }
    int pendingAnswers() const { return int(m_answers.size()); }

    // Whether startProgram / openUrl report success.
    bool shellSucceeds = true;
    QString clipboard;
    QByteArray clipboardImage;
    int busyDepth = 0;
    int busyCount = 0;

    void showMessage(const QString& text) override;
    MsgButton messageDlg(const QString& text, MsgType type, MsgButton buttons) override;
    QString inputBox(const QString& caption, const QString& prompt, const QString& defaultText) override;
    QString clipboardText() override { return clipboard; }
    void setClipboardText(const QString& text) override { clipboard = text; }
    QByteArray clipboardPicture() override { return clipboardImage; }
    void setClipboardPicture(const QByteArray& encodedImage) override { clipboardImage = encodedImage; }
    bool openUrl(const QString& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    QString chooseOpenFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;
    void beginBusy() override
    {
        ++busyDepth;
        ++busyCount;
    }
    void endBusy() override { --busyDepth; }

    static QString typeName(MsgType type);

private:
    QVariant takeAnswer(const QString& what);
    QString takeText(const QString& what);

    QList<QVariant> m_answers;
    QStringList m_log;
};

} // namespace kelvora::test
