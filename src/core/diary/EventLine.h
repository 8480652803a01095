#pragma once

#include "core/format/Regional.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace kelvora {

class Settings;
class UserPort;

// The countdown line under the to-do list: the days from today to one event
// whose date (Estr) and hint (Ehint) are settings.
class EventLine : public QObject
{
    Q_OBJECT
public:
    EventLine(Settings& settings, UserPort& port, const Regional& regional, std::function<QDate()> today,
              QObject* parent = nullptr);

    QString caption() const { return m_caption; }
    QString hint() const { return m_hint; }

    // Refreshes the line (a click, and once at start-up). With no event date yet
    // the date becomes today and the line keeps its caption.
    void EventClick();
    // Asks for the event's date and hint. A date that cannot be read is refused
    // with a message and the event stays as it was.
    void EventDblClick();

signals:
    void changed();

private:
    // Estr as a date; a message and nothing when it cannot be read.
    std::optional<QDate> eventDate(const QString& text) const;
    QString countdown(const QString& text, const QDate& date, const QString& separator) const;

    Settings& m_settings;
    UserPort& m_port;
    const Regional& m_regional;
    std::function<QDate()> m_today;
    QString m_caption = QStringLiteral("Event");
    QString m_hint;
};

} // namespace kelvora
