#include "gui/app/GuiUserPort.h"

#include "core/app/AppInfo.h"
#include "core/base/KelvoraError.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QInputDialog>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>

namespace kelvora {

namespace {

QString title()
{
    return QString::fromLatin1(kApplicationTitle);
}

// The buttons a box can offer, in the order the port lists them.
constexpr MsgButton kButtonOrder[] = {
    MsgButton::Yes,   MsgButton::No,     MsgButton::OK,  MsgButton::Cancel,  MsgButton::Abort,
    MsgButton::Retry, MsgButton::Ignore, MsgButton::All, MsgButton::NoToAll, MsgButton::YesToAll,
};

QMessageBox::StandardButton standardButtonFor(MsgButton button)
{
    switch (button) {
    case MsgButton::Yes: return QMessageBox::Yes;
    case MsgButton::No: return QMessageBox::No;
    case MsgButton::OK: return QMessageBox::Ok;
    case MsgButton::Cancel: return QMessageBox::Cancel;
    case MsgButton::Abort: return QMessageBox::Abort;
    case MsgButton::Retry: return QMessageBox::Retry;
    case MsgButton::Ignore: return QMessageBox::Ignore;
    case MsgButton::NoToAll: return QMessageBox::NoToAll;
    case MsgButton::YesToAll: return QMessageBox::YesToAll;
    case MsgButton::All: // the toolkit has no standard "All"; it gets a button of its own
    case MsgButton::None: break;
    }
    return QMessageBox::NoButton;
}

} // namespace

GuiUserPort::GuiUserPort(QWidget* parentWindow) : m_parent(parentWindow) {}

GuiUserPort::~GuiUserPort()
{
    // A scope that outlives the port must not leave the hourglass up.
    while (m_busyDepth > 0)
        endBusy();
}

QWidget* GuiUserPort::parentWindow() const
{
    if (m_parent)
        return m_parent;
    return QApplication::activeWindow();
}

QMessageBox::Icon GuiUserPort::iconFor(MsgType type)
{
    switch (type) {
    case MsgType::Warning: return QMessageBox::Warning;
    case MsgType::Error: return QMessageBox::Critical;
    case MsgType::Information: return QMessageBox::Information;
    case MsgType::Confirmation: return QMessageBox::Question;
    case MsgType::Custom: break;
    }
    return QMessageBox::NoIcon;
}

GuiUserPort::PreparedBox GuiUserPort::prepareBox(const QString& text, MsgType type, MsgButton buttons) const
{
    PreparedBox prepared;
    prepared.box = std::make_unique<QMessageBox>(iconFor(type), title(), text, QMessageBox::NoButton, parentWindow());
    QMessageBox& box = *prepared.box;
    box.setTextFormat(Qt::PlainText);

    if (buttons == MsgButton::None)
        buttons = MsgButton::OK;
    for (MsgButton candidate : kButtonOrder) {
        if (!hasButton(buttons, candidate))
            continue;
        const QMessageBox::StandardButton standard = standardButtonFor(candidate);
        QAbstractButton* button = standard != QMessageBox::NoButton
            ? static_cast<QAbstractButton*>(box.addButton(standard))
            : box.addButton(QObject::tr("&All"), QMessageBox::AcceptRole);
        prepared.answers.append({button, candidate});
    }

    auto buttonOf = [&prepared](MsgButton answer) -> QAbstractButton* {
        for (const auto& [button, given] : prepared.answers)
            if (given == answer)
                return button;
        return nullptr;
    };

    // Closing the box answers Cancel when it is offered, otherwise the last button.
    prepared.escapeAnswer = hasButton(buttons, MsgButton::Cancel) ? MsgButton::Cancel : prepared.answers.constLast().second;
    box.setEscapeButton(buttonOf(prepared.escapeAnswer));

    QAbstractButton* preferred = buttonOf(MsgButton::OK);
    if (!preferred)
        preferred = buttonOf(MsgButton::Yes);
    if (!preferred)
        preferred = prepared.answers.constFirst().first;
    if (auto* push = qobject_cast<QPushButton*>(preferred))
        box.setDefaultButton(push);
    return prepared;
}

MsgButton GuiUserPort::answerOf(const PreparedBox& prepared)
{
    const QAbstractButton* clicked = prepared.box ? prepared.box->clickedButton() : nullptr;
    for (const auto& [button, answer] : prepared.answers)
        if (button == clicked)
            return answer;
    return prepared.escapeAnswer;
}

void GuiUserPort::showMessage(const QString& text)
{
    messageDlg(text, MsgType::Custom, MsgButton::OK);
}

MsgButton GuiUserPort::messageDlg(const QString& text, MsgType type, MsgButton buttons)
{
    PreparedBox prepared = prepareBox(text, type, buttons);
    // The hourglass would otherwise hang over a question that waits for the user.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    prepared.box->exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    return answerOf(prepared);
}

QString GuiUserPort::inputBox(const QString& caption, const QString& prompt, const QString& defaultText)
{
    bool accepted = false;
    const QString answer =
        QInputDialog::getText(parentWindow(), caption, prompt, QLineEdit::Normal, defaultText, &accepted);
    return accepted ? answer : defaultText;
}

QString GuiUserPort::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void GuiUserPort::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

QByteArray GuiUserPort::clipboardPicture()
{
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull())
        return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw KelvoraError(QObject::tr("The picture on the clipboard could not be converted."));
    return bytes;
}

void GuiUserPort::setClipboardPicture(const QByteArray& encodedImage)
{
    if (encodedImage.isEmpty()) {
        QGuiApplication::clipboard()->clear();
        return;
    }
    const QImage image = QImage::fromData(encodedImage);
    // Refuse bytes that are no picture rather than leave an empty clipboard behind.
    if (image.isNull())
        throw KelvoraError(QObject::tr("The picture could not be read, so it was not put on the clipboard."));
    QGuiApplication::clipboard()->setImage(image);
}

QUrl GuiUserPort::toUrl(const QString& target)
{
    const QString trimmed = target.trimmed();
    if (QFileInfo::exists(trimmed))
        return QUrl::fromLocalFile(QFileInfo(trimmed).absoluteFilePath());
    const QUrl url(trimmed, QUrl::TolerantMode);
    if (url.isValid() && !url.scheme().isEmpty())
        return url;
    return QUrl::fromUserInput(trimmed);
}

bool GuiUserPort::openUrl(const QString& url)
{
    const QUrl address = toUrl(url);
    if (!address.isValid() || address.isEmpty())
        return false;
    return QDesktopServices::openUrl(address);
}

bool GuiUserPort::startProgram(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

QString GuiUserPort::toolkitFilter(const QString& filter)
{
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries.append(QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.trimmed()));
    }
    // A description without patterns is kept as a plain entry rather than dropped.
    if (parts.size() % 2 == 1 && !parts.constLast().trimmed().isEmpty())
        entries.append(parts.constLast().trimmed());
    return entries.join(QStringLiteral(";;"));
}

QString GuiUserPort::chooseOpenFile(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parentWindow(), caption, folder, toolkitFilter(filter));
}

QString GuiUserPort::chooseSaveFile(const QString& caption, const QString& folder, const QString& filter)
{
    return QFileDialog::getSaveFileName(parentWindow(), caption, folder, toolkitFilter(filter));
}

QString GuiUserPort::chooseFolder(const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parentWindow(), caption, folder);
}

void GuiUserPort::beginBusy()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++m_busyDepth;
}

void GuiUserPort::endBusy()
{
    // An unbalanced end must not pop a cursor somebody else set.
    if (m_busyDepth == 0)
        return;
    --m_busyDepth;
    QApplication::restoreOverrideCursor();
}

} // namespace kelvora
