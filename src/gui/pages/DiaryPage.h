#pragma once

#include "core/settings/ColourScheme.h"
#include "gui/pages/PageBase.h"

#include <functional>

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace kelvora {

class AnalogClock;
class BlinkLabel;
class DataMemo;
class DayHighlight;
class DiaryModel;
class GradientButton;
class GradientPanel;
class MonthCalendar;
class PageGrid;
class RecordNavigator;
enum class DiaryTint;

// The Diary page: the to-do list, event line, calendar, step buttons and clock
// on the left; the selection list, searches and the day's text in the middle;
// the dates on the right. Every button calls one operation of the DiaryModel
// and the widgets follow its signals.
class DiaryPage : public PageBase
{
    Q_OBJECT
public:
    DiaryPage(DiaryModel& model, HandlerGuard& guard, QWidget* parent = nullptr);

    GradientPanel* TealPanel = nullptr;
    QPlainTextEdit* ToDo = nullptr;
    QLabel* Event = nullptr;
    MonthCalendar* Calendar = nullptr;
    AnalogClock* Clock = nullptr;
    GradientButton* NowBtn = nullptr;
    GradientButton* NextWeekBtn = nullptr;
    GradientButton* Next2WeekBtn = nullptr;
    GradientButton* NextMonthBtn = nullptr;
    GradientButton* SixMthBtn = nullptr;
    GradientButton* NextYrBtn = nullptr;
    GradientButton* PrevWeekBtn = nullptr;
    GradientButton* Prev2WeekBtn = nullptr;
    GradientButton* PrevMonthBtn = nullptr;
    GradientButton* DateBtn = nullptr;
    GradientButton* PrevYrBtn = nullptr;

    GradientPanel* CalHead = nullptr;
    QComboBox* DiarySel = nullptr;
    GradientButton* ClearDiaryTagsBtn = nullptr;
    RecordNavigator* DiaryNavigator = nullptr;

    GradientPanel* DiaryHeadPanel = nullptr;
    GradientButton* PriorBtn = nullptr;
    GradientButton* RevScanBtn = nullptr;
    GradientButton* SearchBtn = nullptr;
    GradientButton* ScanBtn = nullptr;
    GradientButton* NextBtn = nullptr;
    GradientButton* ReplaceBtn = nullptr;
    GradientButton* ScrollBtn = nullptr; // highlights the search text in the day, one second a step
    BlinkLabel* DiaryHead = nullptr;
    GradientButton* DayPos = nullptr;
    GradientButton* MateBtn = nullptr;
    GradientButton* DiaryCopyNotesBtn = nullptr;
    DataMemo* Daytime = nullptr;
    PageGrid* DiaryGrid = nullptr;

    void applyColourScheme(const ColourScheme& scheme) override;
    void pageShown() override;
    // The diary's grid keeps its width when the window is resized.
    void scaleWidths(int, int) override {}
    // The show sequence's last touches: the date column is the current one and
    // the event line is brought up to date.
    void shown();

    void DayPosClick();

private:
    void buildTealPanel();
    QWidget* buildCentre();
    void buildCalHead(QWidget* centre);
    void buildDiaryHead(QWidget* centre);
    GradientButton* stepButton(const QString& name, const QString& caption, const QString& hint,
                               void (DiaryModel::*handler)());
    // A small button of the heading bands whose colours flip on each press
    // before `handler` runs.
    GradientButton* glyphButton(const QString& name, const QString& glyph, const QString& hint, QWidget* parent,
                                const std::function<void()>& handler);
    void flip(GradientButton* button);
    void calendarDateShown(const QDate& date);
    void gridTintShown(DiaryTint tint);
    void selectionShown(int index);
    void occurrenceShown(qsizetype start, qsizetype length);
    void eventLineShown();
    void caretToEnd();

    DiaryModel& m_model;
    ColourScheme m_scheme;
    QList<GradientButton*> m_glyphButtons;
    DayHighlight* m_highlight = nullptr;
};

} // namespace kelvora
