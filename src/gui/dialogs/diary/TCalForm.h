#pragma once

#include "core/diary/SpareCalendar.h"
#include "core/settings/ColourScheme.h"

#include <QDialog>
#include <QHash>

namespace kelvora {

class AnalogClock;
class BlinkLabel;
class GradientButton;
class GradientPanel;
class MainModel;
class MonthCalendar;

// The spare calendar: a month calendar with the diary's step buttons that only
// shows dates. Modal, made for the occasion and gone when it closes.
class TCalForm : public QDialog
{
    Q_OBJECT
public:
    TCalForm(const ColourScheme& scheme, const Regional& regional, std::function<QDate()> today,
             QWidget* parent = nullptr);

    // The main menu's "Calendar".
    static void Calendar1Click(const MainModel& model, QWidget* parent);

    SpareCalendar& controller() { return m_calendar; }

    GradientPanel* CalHeadPanel = nullptr;
    BlinkLabel* CalHead = nullptr;
    GradientPanel* BodyPanel = nullptr;
    MonthCalendar* Calendar = nullptr;
    AnalogClock* Clock = nullptr;
    GradientButton* NextWeekBtn = nullptr;
    GradientButton* Next2WeekBtn = nullptr;
    GradientButton* NextMonthBtn = nullptr;
    GradientButton* NextYrBtn = nullptr;
    GradientButton* PrevWeekBtn = nullptr;
    GradientButton* Prev2WeekBtn = nullptr;
    GradientButton* PrevMonthBtn = nullptr;
    GradientButton* PrevYrBtn = nullptr;
    GradientButton* NowBtn = nullptr;
    GradientButton* CloseBtn = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    GradientButton* stepButton(SpareCalendar::Button which, const QString& name, const QString& caption,
                               const QString& hint, void (SpareCalendar::*handler)());
    void FormShow();
    void shown();

    ColourScheme m_scheme;
    SpareCalendar m_calendar;
    QHash<GradientButton*, SpareCalendar::Button> m_steps;
};

} // namespace kelvora
