#include "support/ScriptedUserPort.h"

namespace kelvora::test {

QString ScriptedUserPort::typeName(MsgType type)
{
    switch (type) {
    case MsgType::Warning: return QStringLiteral("Warning");
    case MsgType::Error: return QStringLiteral("Error");
    case MsgType::Information: return QStringLiteral("Information");
    case MsgType::Confirmation: return QStringLiteral("Confirmation");
    case MsgType::Custom: return QStringLiteral("Custom");
    }
    return {};
}

QVariant ScriptedUserPort::takeAnswer(const QString& what)
{
    if (m_answers.isEmpty())
        throw UnscriptedDialog("no scripted answer for: " + what.toStdString());
    return m_answers.takeFirst();
}

QString ScriptedUserPort::takeText(const QString& what)
{
    const QVariant answer = takeAnswer(what);
    if (answer.typeId() != QMetaType::QString)
        throw UnscriptedDialog("expected a text answer for: " + what.toStdString());
    return answer.toString();
}

void ScriptedUserPort::showMessage(const QString& text)
{
    m_log.append(QStringLiteral("ShowMessage: ") + text);
}

MsgButton ScriptedUserPort::messageDlg(const QString& text, MsgType type, MsgButton buttons)
{
    const QString line = QStringLiteral("MessageDlg(%1): %2").arg(typeName(type), text);
    m_log.append(line);
    // A box with only OK needs no scripted answer.
    if (buttons == MsgButton::OK)
        return MsgButton::OK;
    const QVariant answer = takeAnswer(line);
    if (answer.typeId() != QMetaType::UInt)
        throw UnscriptedDialog("expected a button answer for: " + line.toStdString());
    return static_cast<MsgButton>(answer.toUInt());
}

QString ScriptedUserPort::inputBox(const QString& caption, const QString& prompt, const QString& defaultText)
{
    const QString line = QStringLiteral("InputBox: %1 | %2 | %3").arg(caption, prompt, defaultText);
    m_log.append(line);
    const QVariant answer = takeAnswer(line);
    if (!answer.isValid())
        return defaultText;
    if (answer.typeId() != QMetaType::QString)
        throw UnscriptedDialog("expected a text answer for: " + line.toStdString());
    return answer.toString();
}

bool ScriptedUserPort::openUrl(const QString& url)
{
    m_log.append(QStringLiteral("OpenUrl: ") + url);
    return shellSucceeds;
}

bool ScriptedUserPort::startProgram(const QString& program, const QStringList& arguments)
{
    m_log.append((QStringLiteral("StartProgram: ") + program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '))).trimmed());
    return shellSucceeds;
}

QString ScriptedUserPort::chooseOpenFile(const QString& caption, const QString&, const QString&)
{
    m_log.append(QStringLiteral("ChooseOpenFile: ") + caption);
    return takeText(caption);
}

QString ScriptedUserPort::chooseSaveFile(const QString& caption, const QString&, const QString&)
{
    m_log.append(QStringLiteral("ChooseSaveFile: ") + caption);
    return takeText(caption);
}

QString ScriptedUserPort::chooseFolder(const QString& caption, const QString&)
{
    m_log.append(QStringLiteral("ChooseFolder: ") + caption);
    return takeText(caption);
}

} // namespace kelvora::test
