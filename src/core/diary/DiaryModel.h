#pragma once

#include "core/pages/PageModel.h"
#include "core/settings/ListText.h"

#include <QDate>

namespace kelvora {

// The Diary page without its widgets: one record per date, the date the
// calendar shows, the headings, and the to-do list beside it.
class DiaryModel : public PageModel
{
    Q_OBJECT
public:
    DiaryModel(PageContext context, Database& db, ListText& toDo, QObject* parent = nullptr);

    QDate calendarDate() const { return m_calendarDate; }
    // Moves the diary to `date`, appending and posting an empty record for it
    // when the view has none.
    void calendarChange(const QDate& date);
    // The Today button.
    void NowBtnClick() { calendarChange(m_context.today()); }
    // Entering a grid column moves the calendar to the date of the row.
    void columnEntered(const QString& field) override;

    QString calendarHeading() const;             // CalHead
    QString diaryHeading(const QDate& date) const; // DiaryHead
    ListText& toDo() { return m_toDo; }

signals:
    // The diary moved to another date (the calendar and heading follow).
    void calendarDateChanged(const QDate& date);

private:
    ListText& m_toDo;
    QDate m_calendarDate;
};

} // namespace kelvora
