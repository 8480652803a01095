#include "core/selection/DayHighlight.h"

#include "core/interaction/UserPort.h"

namespace kelvora {

DayHighlight::DayHighlight(UserPort& port, std::function<QString()> searchText,
                           std::function<void(const QString&)> setSearchText, QObject* parent)
    : QObject(parent), m_port(port), m_searchText(std::move(searchText)), m_setSearchText(std::move(setSearchText))
{
    m_timer.setInterval(1000);
    connect(&m_timer, &QTimer::timeout, this, &DayHighlight::step);
}

DayHighlight::~DayHighlight()
{
    if (running())
        m_port.endBusy();
}

QList<qsizetype> DayHighlight::occurrences(const QString& day, const QString& text)
{
    QList<qsizetype> hits;
    if (text.isEmpty())
        return hits;
    for (qsizetype at = day.indexOf(text); at >= 0; at = day.indexOf(text, at + text.size()))
        hits.append(at);
    return hits;
}

void DayHighlight::start(const QString& day)
{
    stop();
    if (m_searchText().isEmpty())
        m_setSearchText(m_port.inputBox(QStringLiteral("CASE SENSITIVE Search"), QStringLiteral("Enter Text to find"),
                                         QString()));
    const QString text = m_searchText();
    m_hits = occurrences(day, text);
    m_length = text.size();
    m_next = 0;
    m_port.beginBusy();
    m_timer.start();
    step();
}

void DayHighlight::stop()
{
    if (!running())
        return;
    m_timer.stop();
    m_port.endBusy();
    emit finished();
}

void DayHighlight::step()
{
    // One step per occurrence, then one that finds nothing; each is followed
    // by a wait, so the last occurrence stays selected a second before the end.
    if (m_next > m_hits.size())
        return stop();
    if (m_next < m_hits.size())
        emit occurrenceShown(m_hits.at(m_next), m_length);
    ++m_next;
}

} // namespace kelvora
