#include "core/dates/DateTimeFormat.h"

#include <algorithm>

namespace kelvora {

namespace {

QString padded(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool isQuote(QChar c)
{
    return c == QLatin1Char('"') || c == QLatin1Char('\'');
}

// The half-of-day specifier at `at`, as its length (5, 3 or 4), or 0 when there is none.
int halfDayLength(const QString& pattern, qsizetype at)
{
    const QStringView rest = QStringView(pattern).mid(at);
    if (rest.startsWith(u"am/pm", Qt::CaseInsensitive))
        return 5;
    if (rest.startsWith(u"a/p", Qt::CaseInsensitive))
        return 3;
    if (rest.startsWith(u"ampm", Qt::CaseInsensitive))
        return 4;
    return 0;
}

// An hour is on the 12-hour clock when the next unquoted "a" after it starts a
// half-of-day specifier, with no other hour in between.
bool twelveHourClock(const QString& pattern, qsizetype from)
{
    bool quoted = false;
    for (qsizetype i = from; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (isQuote(c))
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == QLatin1Char('a') || c == QLatin1Char('A'))
            return halfDayLength(pattern, i) > 0;
        else if (c == QLatin1Char('h') || c == QLatin1Char('H'))
            return false;
    }
    return false;
}

class Formatter
{
public:
    Formatter(const QString& pattern, const QDate& date, const QTime& time, const Regional& regional)
        : m_pattern(pattern), m_date(date), m_time(time), m_regional(regional)
    {
    }

    QString run()
    {
        const qsizetype n = m_pattern.size();
        qsizetype i = 0;
        while (i < n) {
            const QChar c = m_pattern.at(i);
            if (isQuote(c)) {
                const qsizetype close = m_pattern.indexOf(c, i + 1);
                const qsizetype end = close < 0 ? n : close;
                m_out += QStringView(m_pattern).mid(i + 1, end - i - 1);
                i = end + 1;
                continue;
            }
            if (c == QLatin1Char('/')) {
                m_out += m_regional.dateSeparator;
                ++i;
                continue;
            }
            if (c == QLatin1Char(':')) {
                m_out += m_regional.timeSeparator;
                ++i;
                continue;
            }
            const QChar letter = c.toUpper();
            qsizetype run = 1;
            while (i + run < n && m_pattern.at(i + run).toUpper() == letter)
                ++run;
            i += specifier(letter, run, i);
            if (letter >= QLatin1Char('A') && letter <= QLatin1Char('Z'))
                m_lastLetter = letter;
        }
        return m_invalid ? QString() : m_out;
    }

private:
    // Writes the specifier starting at `at` and returns how many characters it took.
    qsizetype specifier(QChar letter, qsizetype run, qsizetype at)
    {
        switch (letter.unicode()) {
        case u'D': {
            const qsizetype len = std::min<qsizetype>(run, 4);
            if (useDate()) {
                const int weekday = m_date.dayOfWeek() % 7; // the name lists start on Sunday
                m_out += len == 1   ? QString::number(m_date.day())
                         : len == 2 ? padded(m_date.day(), 2)
                         : len == 3 ? m_regional.shortDayNames.value(weekday)
                                    : m_regional.longDayNames.value(weekday);
            }
            return len;
        }
        case u'M': {
            if (m_lastLetter == QLatin1Char('H')) {
                const qsizetype len = std::min<qsizetype>(run, 2);
                if (useTime())
                    m_out += len == 1 ? QString::number(m_time.minute()) : padded(m_time.minute(), 2);
                return len;
            }
            const qsizetype len = std::min<qsizetype>(run, 4);
            if (useDate()) {
                const int month = m_date.month();
                m_out += len == 1   ? QString::number(month)
                         : len == 2 ? padded(month, 2)
                         : len == 3 ? m_regional.shortMonthNames.value(month - 1)
                                    : m_regional.longMonthNames.value(month - 1);
            }
            return len;
        }
        case u'Y':
            if (useDate())
                m_out += run <= 2 ? padded(((m_date.year() % 100) + 100) % 100, 2) : padded(m_date.year(), 4);
            return run;
        case u'H': {
            const qsizetype len = std::min<qsizetype>(run, 2);
            if (useTime()) {
                int hour = m_time.hour();
                if (twelveHourClock(m_pattern, at + len)) {
                    hour %= 12;
                    if (hour == 0)
                        hour = 12;
                }
                m_out += len == 1 ? QString::number(hour) : padded(hour, 2);
            }
            return len;
        }
        case u'N':
        case u'S': {
            const qsizetype len = std::min<qsizetype>(run, 2);
            if (useTime()) {
                const int value = letter == QLatin1Char('N') ? m_time.minute() : m_time.second();
                m_out += len == 1 ? QString::number(value) : padded(value, 2);
            }
            return len;
        }
        case u'Z': {
            const qsizetype len = run >= 3 ? 3 : 1;
            if (useTime())
                m_out += len == 1 ? QString::number(m_time.msec()) : padded(m_time.msec(), 3);
            return len;
        }
        case u'A':
            if (const int len = halfDayLength(m_pattern, at)) {
                if (useTime())
                    m_out += halfDay(at, len);
                return len;
            }
            break;
        default:
            break;
        }
        m_out += m_pattern.at(at);
        return 1;
    }

    QString halfDay(qsizetype at, int len) const
    {
        const bool morning = m_time.hour() < 12;
        if (len == 4)
            return morning ? m_regional.timeAMString : m_regional.timePMString;
        // "AM/PM" and "A/P" write the half they name in the letter case the pattern uses.
        const int half = len == 5 ? 2 : 1;
        return m_pattern.mid(morning ? at : at + half + 1, half);
    }

    bool useDate()
    {
        m_invalid = m_invalid || !m_date.isValid();
        return !m_invalid;
    }
    bool useTime()
    {
        m_invalid = m_invalid || !m_time.isValid();
        return !m_invalid;
    }

    const QString& m_pattern;
    const QDate m_date;
    const QTime m_time;
    const Regional& m_regional;
    QString m_out;
    QChar m_lastLetter;
    bool m_invalid = false;
};

} // namespace

QString formatDateTime(const QString& pattern, const QDate& date, const QTime& time, const Regional& regional)
{
    return Formatter(pattern, date, time, regional).run();
}

QString formatDateTime(const QString& pattern, const QDateTime& moment, const Regional& regional)
{
    return formatDateTime(pattern, moment.date(), moment.time(), regional);
}

QString formatDate(const QString& pattern, const QDate& date, const Regional& regional)
{
    return formatDateTime(pattern, date, QTime(0, 0), regional);
}

} // namespace kelvora
