#pragma once

#include "core/interaction/UserPort.h"

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <memory>

namespace kelvora {

// The user port on real dialogs: message boxes, input boxes, the clipboard, the
// desktop shell, file choosers and the hourglass.
class GuiUserPort : public UserPort
{
public:
    explicit GuiUserPort(QWidget* parentWindow = nullptr);
    ~GuiUserPort() override;

    // Boxes are centred on and modal to this window (none: the active window).
    void setParentWindow(QWidget* window) { m_parent = window; }
    QWidget* parentWindow() const;

    void showMessage(const QString& text) override;
    MsgButton messageDlg(const QString& text, MsgType type, MsgButton buttons) override;
    QString inputBox(const QString& caption, const QString& prompt, const QString& defaultText) override;

    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    QByteArray clipboardPicture() override;
    void setClipboardPicture(const QByteArray& encodedImage) override;

    bool openUrl(const QString& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;

    QString chooseOpenFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& caption, const QString& folder, const QString& filter) override;
    QString chooseFolder(const QString& caption, const QString& folder) override;

    void beginBusy() override;
    void endBusy() override;
    int busyDepth() const { return m_busyDepth; }

    // The box a messageDlg shows, built but not run, so its mapping can be checked.
    // Each added button is paired with the answer it gives.
    struct PreparedBox
    {
        std::unique_ptr<QMessageBox> box;
        QList<QPair<QAbstractButton*, MsgButton>> answers;
        MsgButton escapeAnswer = MsgButton::None;
    };
    PreparedBox prepareBox(const QString& text, MsgType type, MsgButton buttons) const;
    // The answer a run box gave (the escape answer when closed without a button).
    static MsgButton answerOf(const PreparedBox& prepared);

    static QMessageBox::Icon iconFor(MsgType type);
    // "Text files|*.Txt|All|*.*" becomes "Text files (*.Txt);;All (*.*)"; a filter
    // already in the toolkit's own form passes unchanged.
    static QString toolkitFilter(const QString& filter);
    // A web or mail address as given, an existing local path as a file address.
    static QUrl toUrl(const QString& target);

private:
    QPointer<QWidget> m_parent;
    int m_busyDepth = 0;
};

} // namespace kelvora
