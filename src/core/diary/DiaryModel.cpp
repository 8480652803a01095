#include "core/diary/DiaryModel.h"

#include "core/dates/DateTimeFormat.h"
#include "core/store/View.h"

namespace kelvora {

DiaryModel::DiaryModel(PageContext context, Database& db, ListText& toDo, QObject* parent)
    : PageModel(std::move(context), db, TableId::Diary, parent), m_toDo(toDo)
{
    m_view->setOrder(QStringLiteral("Date"));
}

void DiaryModel::calendarChange(const QDate& date)
{
    if (!date.isValid())
        return;
    m_calendarDate = date;
    View& diary = *m_view;
    const bool found = diary.locate(u"Date", Value::text(date.toString(Qt::ISODate)));
    if (!found || diary.asDate(u"Date") != date) {
        diary.append();
        try {
            diary.setField(u"Date", date);
            diary.post();
        } catch (...) {
            // The day may exist in the table while a selection hides it; the
            // new record is not kept half-made.
            diary.cancel();
            throw;
        }
    }
    emit calendarDateChanged(date);
}

void DiaryModel::columnEntered(const QString& field)
{
    PageModel::columnEntered(field);
    const QDate date = m_view->asDate(u"Date");
    if (date.isValid() && date != m_calendarDate)
        calendarChange(date);
}

QString DiaryModel::calendarHeading() const
{
    return QStringLiteral("Todays Date ") + m_context.todayText();
}

QString DiaryModel::diaryHeading(const QDate& date) const
{
    return QStringLiteral("Diary for ") + formatDate(QStringLiteral("dddd d MMMM YYYY"), date, m_context.regional);
}

} // namespace kelvora
