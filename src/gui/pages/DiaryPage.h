#pragma once

#include "gui/pages/PageBase.h"

class QPlainTextEdit;

namespace kelvora {

class AnalogClock;
class BlinkLabel;
class DataMemo;
class DiaryModel;
class GradientButton;
class GradientPanel;
class MonthCalendar;
class PageGrid;

// The Diary page: the to-do list, calendar and clock on the left, the day's
// text in the middle, the dates on the right.
class DiaryPage : public PageBase
{
    Q_OBJECT
public:
    DiaryPage(DiaryModel& model, HandlerGuard& guard, QWidget* parent = nullptr);

    GradientPanel* TealPanel = nullptr;
    QPlainTextEdit* ToDo = nullptr;
    MonthCalendar* Calendar = nullptr;
    AnalogClock* Clock = nullptr;
    GradientButton* NowBtn = nullptr;
    GradientPanel* CalHead = nullptr;
    BlinkLabel* DiaryHead = nullptr;
    DataMemo* Daytime = nullptr;
    PageGrid* DiaryGrid = nullptr;

    void applyColourScheme(const ColourScheme& scheme) override;
    void pageShown() override;
    // The diary's grid keeps its width when the window is resized.
    void scaleWidths(int, int) override {}
    // The show sequence's last touches: the date column is the current one.
    void shown();

private:
    void buildTealPanel();
    QWidget* buildCentre();
    void calendarDateShown(const QDate& date);

    DiaryModel& m_model;
};

} // namespace kelvora
