#include "core/diary/SpareCalendar.h"

#include "core/dates/DateTimeFormat.h"
#include "core/diary/CalendarSteps.h"

namespace kelvora {

SpareCalendar::SpareCalendar(const Regional& regional, std::function<QDate()> today, QObject* parent)
    : QObject(parent), m_regional(regional), m_today(std::move(today)), m_date(m_today()),
      m_heading(formatDate(QStringLiteral("dddd, d mmmm, yyyy,"), m_date, m_regional))
{
}

void SpareCalendar::FormShow()
{
    m_blinking = false;
    emit changed();
}

void SpareCalendar::CalendarChange(const QDate& date)
{
    if (!date.isValid())
        return;
    m_date = date;
    m_heading = formatDate(QStringLiteral("dddd, d MMMM , YYYY"), date, m_regional);
    m_blinking = date != m_today();
    emit changed();
}

void SpareCalendar::step(Button button, const QDate& date)
{
    m_highlighted = button;
    CalendarChange(date);
}

void SpareCalendar::NowBtnClick()
{
    step(Button::Now, m_today());
}

void SpareCalendar::NextMonthBtnClick()
{
    step(Button::NextMonth, CalendarSteps::monthStep(m_date, 1));
}

void SpareCalendar::PrevMonthBtnClick()
{
    step(Button::PrevMonth, CalendarSteps::monthStep(m_date, -1));
}

void SpareCalendar::yearStep(Button button, int years)
{
    const QDate from = m_date;
    if (const QDate via = CalendarSteps::passesThrough(from); via.isValid())
        CalendarChange(via);
    step(button, CalendarSteps::yearStep(from, years));
}

} // namespace kelvora
