#pragma once

#include <QCalendarWidget>
#include <QColor>
#include <QDate>

namespace kelvora {

// One month at a time, Sunday in the first column. The diary keeps its record in
// step with the calendar, so `dateChanged` fires on every setting of the date by
// the program (even to the date it already shows) and whenever the user picks
// another day.
class MonthCalendar : public QCalendarWidget
{
    Q_OBJECT

public:
    explicit MonthCalendar(QWidget* parent = nullptr);

    QDate currentDate() const { return selectedDate(); }
    // Selects `date` and shows its month. An invalid date is ignored.
    void setCurrentDate(const QDate& date);

    QColor backgroundColour() const { return m_background; }
    void setBackgroundColour(const QColor& colour);

signals:
    void dateChanged(const QDate& date);

protected:
    void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

private:
    QColor m_background;
    bool m_settingByProgram = false;
};

} // namespace kelvora
