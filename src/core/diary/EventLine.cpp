#include "core/diary/EventLine.h"

#include "core/dates/DateText.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"

namespace kelvora {

EventLine::EventLine(Settings& settings, UserPort& port, const Regional& regional, std::function<QDate()> today,
                     QObject* parent)
    : QObject(parent), m_settings(settings), m_port(port), m_regional(regional), m_today(std::move(today))
{
}

std::optional<QDate> EventLine::eventDate(const QString& text) const
{
    const QDate date = parseShortDate(text, m_regional);
    if (!date.isValid()) {
        m_port.messageDlg(invalidDateMessage(text), MsgType::Error, MsgButton::OK);
        return std::nullopt;
    }
    return date;
}

QString EventLine::countdown(const QString& text, const QDate& date, const QString& separator) const
{
    return text + separator + QString::number(m_today().daysTo(date)) + QStringLiteral(" Days");
}

void EventLine::EventClick()
{
    const QString text = m_settings.value(SettingKey::Estr);
    if (text.isEmpty()) {
        m_settings.setValue(SettingKey::Estr, shortDateText(m_today(), m_regional));
        return;
    }
    const std::optional<QDate> date = eventDate(text);
    if (!date)
        return;
    m_caption = countdown(text, *date, QStringLiteral(" - In "));
    m_hint = m_settings.value(SettingKey::Ehint) + QLatin1Char(' ') + text + QStringLiteral("\r\n") +
             QStringLiteral(" Double click to change");
    emit changed();
}

void EventLine::EventDblClick()
{
    QString text = m_port.inputBox(QStringLiteral("Event Date"), QStringLiteral("Enter dd/mm/yyyy"),
                                   m_settings.value(SettingKey::Estr));
    if (text.isEmpty())
        text = shortDateText(m_today(), m_regional);
    const std::optional<QDate> date = eventDate(text);
    if (!date)
        return;
    m_settings.setValue(SettingKey::Estr, text);
    const QString hint = m_port.inputBox(QStringLiteral("Event Hint"), QStringLiteral("Enter Hint"),
                                         m_settings.value(SettingKey::Ehint));
    m_settings.setValue(SettingKey::Ehint, hint);
    m_hint = hint;
    m_caption = countdown(text, *date, QStringLiteral("  In "));
    emit changed();
}

} // namespace kelvora
