#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace kelvora {

class UserPort;

// Highlights each occurrence of the search text in a diary day's text in
// turn, one second apart, and after a last second of looking ends. The steps
// run on a timer, so the window stays responsive meanwhile.
class DayHighlight : public QObject
{
    Q_OBJECT
public:
    DayHighlight(UserPort& port, std::function<QString()> searchText, std::function<void(const QString&)> setSearchText,
                 QObject* parent = nullptr);
    ~DayHighlight() override;

    // Where `text` occurs in `day`, each search going on after the last match.
    static QList<qsizetype> occurrences(const QString& day, const QString& text);

    // ScrollBtnClick: asks for the text when there is none yet, then steps
    // through `day`. A press while running starts over.
    void start(const QString& day);
    void stop();
    bool running() const { return m_timer.isActive(); }

    // The wait between steps (a second; tests shorten it).
    void setInterval(int milliseconds) { m_timer.setInterval(milliseconds); }

signals:
    void occurrenceShown(qsizetype start, qsizetype length);
    void finished();

private:
    void step();

    UserPort& m_port;
    std::function<QString()> m_searchText;
    std::function<void(const QString&)> m_setSearchText;
    QTimer m_timer;
    QList<qsizetype> m_hits;
    qsizetype m_length = 0;
    int m_next = 0;
};

} // namespace kelvora
