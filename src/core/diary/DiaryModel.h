#pragma once

#include "core/pages/PageModel.h"
#include "core/settings/ListText.h"

#include <QDate>

#include <functional>
#include <memory>

namespace kelvora {

class DiarySearch;
class DiarySelection;
class EventLine;

// The colour of the diary grid's text: it tells which selection is in force.
enum class DiaryTint { Black, Red, Blue };

// The Diary page without its widgets: one record per date, the date the
// calendar shows, the headings, the step buttons, the searches and selections
// (DiarySearch, DiarySelection), the event line, the date stamps and the Mate
// button. The page follows the signals.
class DiaryModel : public PageModel
{
    Q_OBJECT
public:
    // A pause between the steps a search shows (milliseconds). The window goes
    // on painting meanwhile but takes no input.
    using Pause = std::function<void(int milliseconds)>;

    DiaryModel(PageContext context, Database& db, ListText& toDo, QObject* parent = nullptr);
    ~DiaryModel() override;

    QDate calendarDate() const { return m_calendarDate; }
    // Moves the diary to `date`, appending and posting an empty record for it
    // when the view has none. The heading follows and blinks on any day but today.
    void calendarChange(const QDate& date);
    // The Today action: the selection list shows "All" (a selection in force
    // stays) and the diary moves to today.
    void NowBtnClick();
    // Week steps count from the record under the cursor.
    void NextWeekBtnClick() { weekStep(7); }
    void PrevWeekBtnClick() { weekStep(-7); }
    void Next2WeekBtnClick() { weekStep(14); }
    void Prev2WeekBtnClick() { weekStep(-14); }
    // Month and year steps count from the calendar date.
    void NextMonthBtnClick() { monthStep(1); }
    void PrevMonthBtnClick() { monthStep(-1); }
    void NextYrBtnClick() { yearStep(1); }
    void PrevYrBtnClick() { yearStep(-1); }
    void SixMthBtnClick();
    // Asks for a date and moves there. A text that is not a date is refused
    // with a message and nothing moves.
    void DateBtnClick();
    // A click on the calendar: the grid's text goes black.
    void CalendarClick() { setGridTint(DiaryTint::Black); }
    // A click on a grid row: the calendar follows the row.
    void DiaryGridMouseUp();
    // Entering a grid column moves the calendar to the date of the row.
    void columnEntered(const QString& field) override;

    // ---- notes ------------------------------------------------------------
    // Double click on the day's text or the to-do list: a date stamp.
    void DaytimeDblClick();
    void ToDoDblClick();
    // The whole day's text goes to the clipboard.
    void DiaryCopyNotesBtnClick();
    // Picks a file (starting at MateStr or the Letters folder) and has the
    // desktop open it with its own program.
    void MateBtnClick();

    // ---- parts ----------------------------------------------------------------
    DiarySearch& search() { return *m_search; }
    DiarySelection& selection() { return *m_selection; }
    EventLine& eventLine() { return *m_eventLine; }
    ListText& toDo() { return m_toDo; }

    // ---- what the page shows ------------------------------------------------------
    QString calendarHeading() const;             // CalHead
    QString diaryHeading(const QDate& date) const; // DiaryHead
    QString diaryHeading() const { return diaryHeading(m_calendarDate); }
    bool headingBlinks() const { return m_calendarDate.isValid() && m_calendarDate != m_context.today(); }
    DiaryTint gridTint() const { return m_tint; }
    void setGridTint(DiaryTint tint);
    // The entry the selection list shows (0 "All" ... 3 "Within Dates").
    int selectionShown() const { return m_selectionShown; }
    void showSelection(int index);

    // ---- held texts ---------------------------------------------------------------
    // The search text of Search, Scan and Reverse scan, used by Next and Prior.
    QString searchText() const { return m_searchText; }
    void setSearchText(const QString& text) { m_searchText = text; }
    // The default of the "Find Text" prompt, shared with the field selections.
    // The field the last selection of any page chose (shared with the other pages).
    QString selectedFieldName() const
    {
        return m_context.selectedField ? *m_context.selectedField : m_selectedFieldName;
    }
    void setSelectedFieldName(const QString& name)
    {
        (m_context.selectedField ? *m_context.selectedField : m_selectedFieldName) = name;
    }
    // The default of the date prompts: the last date typed (TempDate1Str at start).
    QString lastTypedDate() const { return m_lastTypedDate; }
    // A typed date was accepted: its text becomes the prompts' default and the
    // date is kept for TempDate1Str.
    void dateTyped(const QDate& date);
    // The answer of a date prompt as a date; a message when it is not one.
    QDate readTypedDate(const QString& text) const;

    // ---- what the searches show -------------------------------------------------
    void selectOccurrence(qsizetype start, qsizetype length) { emit occurrenceSelected(start, length); }
    void pause(int milliseconds) const;
    void setPause(Pause pause) { m_pause = std::move(pause); }

signals:
    // The diary moved to another date (the calendar and heading follow, the
    // caret goes to the end of the day's text).
    void calendarDateChanged(const QDate& date);
    void gridTintChanged(kelvora::DiaryTint tint);
    void selectionShownChanged(int index);
    // A search shows an occurrence in the current record's text (offsets into
    // the stored text, line breaks counting two).
    void occurrenceSelected(qsizetype start, qsizetype length);

private:
    // Puts the cursor on the record of `date`; false when the view has none.
    bool lookUp(const QDate& date);
    // The table holds a record of `date` that the selection in force leaves out.
    bool hiddenBySelection(const QDate& date) const;
    void weekStep(int days);
    void monthStep(int months);
    void yearStep(int years);

    ListText& m_toDo;
    QDate m_calendarDate;
    DiaryTint m_tint = DiaryTint::Black;
    int m_selectionShown = 0;
    QString m_searchText;
    QString m_selectedFieldName;
    QString m_lastTypedDate;
    Pause m_pause;
    std::unique_ptr<DiarySearch> m_search;
    std::unique_ptr<DiarySelection> m_selection;
    std::unique_ptr<EventLine> m_eventLine;
};

} // namespace kelvora
