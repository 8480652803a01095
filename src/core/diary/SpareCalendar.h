#pragma once

#include "core/format/Regional.h"

#include <QDate>
#include <QObject>
#include <QString>

#include <functional>

namespace kelvora {

// The spare calendar window without its widgets: a date stepped by weeks,
// months and years, its heading and blink, and which button was used last.
// It only shows dates; no diary record is read or made.
class SpareCalendar : public QObject
{
    Q_OBJECT
public:
    // The step buttons and Today, as the window lays them out.
    enum class Button {
        None,
        NextWeek,
        Next2Week,
        NextMonth,
        NextYr,
        PrevWeek,
        Prev2Week,
        PrevMonth,
        PrevYr,
        Now,
    };

    SpareCalendar(const Regional& regional, std::function<QDate()> today, QObject* parent = nullptr);

    QDate date() const { return m_date; }
    // Until the first date change: today as "Monday, 5 March, 2012,".
    QString heading() const { return m_heading; }
    bool blinking() const { return m_blinking; }
    // The button used last; None until one is.
    Button highlighted() const { return m_highlighted; }

    // The window is shown: the heading stops blinking.
    void FormShow();
    // The date was set (by a step or a click on the calendar): the heading
    // becomes "Monday, 12 March , 2012" and blinks on any day but today.
    void CalendarChange(const QDate& date);

    void NowBtnClick();
    void NextWeekBtnClick() { step(Button::NextWeek, m_date.addDays(7)); }
    void PrevWeekBtnClick() { step(Button::PrevWeek, m_date.addDays(-7)); }
    void Next2WeekBtnClick() { step(Button::Next2Week, m_date.addDays(14)); }
    void Prev2WeekBtnClick() { step(Button::Prev2Week, m_date.addDays(-14)); }
    void NextMonthBtnClick();
    void PrevMonthBtnClick();
    void NextYrBtnClick() { yearStep(Button::NextYr, 1); }
    void PrevYrBtnClick() { yearStep(Button::PrevYr, -1); }

signals:
    void changed();

private:
    void step(Button button, const QDate& date);
    void yearStep(Button button, int years);

    const Regional& m_regional;
    std::function<QDate()> m_today;
    QDate m_date;
    QString m_heading;
    bool m_blinking = true;
    Button m_highlighted = Button::None;
};

} // namespace kelvora
