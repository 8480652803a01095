#include "core/diary/DiaryModel.h"

#include "core/dates/DateText.h"
#include "core/dates/DateTimeFormat.h"
#include "core/diary/CalendarSteps.h"
#include "core/diary/DiarySearch.h"
#include "core/diary/DiarySelection.h"
#include "core/diary/EventLine.h"
#include "core/interaction/UserPort.h"
#include "core/pages/NoteStamp.h"
#include "core/settings/Settings.h"
#include "core/store/Selection.h"
#include "core/store/StoredDate.h"
#include "core/store/View.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

namespace kelvora {

DiaryModel::DiaryModel(PageContext context, Database& db, ListText& toDo, QObject* parent)
    : PageModel(std::move(context), db, TableId::Diary, parent), m_toDo(toDo),
      m_lastTypedDate(m_context.settings.value(SettingKey::TempDate1Str)),
      m_search(std::make_unique<DiarySearch>(*this)), m_selection(std::make_unique<DiarySelection>(*this)),
      m_eventLine(std::make_unique<EventLine>(m_context.settings, m_context.port, m_context.regional,
                                              [this] { return m_context.today(); }))
{
    m_view->setOrder(QStringLiteral("Date"));
}

DiaryModel::~DiaryModel() = default;

void DiaryModel::calendarChange(const QDate& date)
{
    if (!date.isValid())
        return;
    m_calendarDate = date;
    View& diary = *m_view;
    try {
        if (!lookUp(date) && hiddenBySelection(date)) {
            // The day has its record, which the selection in force leaves out: a
            // second one cannot be made, and the text of another day must not
            // stand under this day's heading. Every record is shown again.
            diary.setSelection(Selection());
            setGridTint(DiaryTint::Black);
            lookUp(date);
        }
        if (diary.currentRow() < 0 || diary.asDate(u"Date") != date) {
            diary.append();
            try {
                diary.setField(u"Date", date);
                diary.post();
            } catch (...) {
                // A record the file refused is not left half-made in the view.
                diary.cancel();
                throw;
            }
        }
    } catch (...) {
        emit calendarDateChanged(date);
        throw;
    }
    emit calendarDateChanged(date);
}

bool DiaryModel::lookUp(const QDate& date)
{
    // The lookup posts a pending edit first. The nearest key also finds a date
    // stored with a time part.
    m_view->findNearest({StoredDate::toValue(date)});
    return m_view->currentRow() >= 0 && m_view->asDate(u"Date") == date;
}

bool DiaryModel::hiddenBySelection(const QDate& date) const
{
    if (m_view->selection().isAll())
        return false;
    View every(m_view->database(), TableId::Diary);
    every.setOrder(QStringLiteral("Date"));
    every.findNearest({StoredDate::toValue(date)});
    return every.currentRow() >= 0 && every.asDate(u"Date") == date;
}

void DiaryModel::NowBtnClick()
{
    showSelection(0);
    calendarChange(m_context.today());
}

void DiaryModel::weekStep(int days)
{
    showSelection(0);
    // From the row under the cursor, which the arrow keys move without the calendar.
    const QDate from = m_view->currentRow() >= 0 ? m_view->asDate(u"Date") : QDate();
    calendarChange((from.isValid() ? from : m_calendarDate).addDays(days));
}

void DiaryModel::monthStep(int months)
{
    showSelection(0);
    setGridTint(DiaryTint::Black);
    calendarChange(CalendarSteps::monthStep(m_calendarDate, months));
}

void DiaryModel::yearStep(int years)
{
    showSelection(0);
    setGridTint(DiaryTint::Black);
    const QDate from = m_calendarDate;
    if (const QDate via = CalendarSteps::passesThrough(from); via.isValid())
        calendarChange(via);
    calendarChange(CalendarSteps::yearStep(from, years));
}

void DiaryModel::SixMthBtnClick()
{
    postPending();
    const QDate from = m_view->currentRow() >= 0 ? m_view->asDate(u"Date") : QDate();
    showSelection(0);
    const QDate target = CalendarSteps::sixMonthsOn(from.isValid() ? from : m_calendarDate);
    m_context.settings.setTempDate1(target);
    calendarChange(target);
}

void DiaryModel::DateBtnClick()
{
    postPending();
    showSelection(0);
    const QString answer = m_context.port.inputBox(QStringLiteral("Search for a Date"),
                                                   QStringLiteral("Enter SPECIFIC DATE dd/mm/yyyy"), m_lastTypedDate);
    const QDate date = readTypedDate(answer);
    if (!date.isValid())
        return;
    dateTyped(date);
    calendarChange(date);
}

void DiaryModel::DiaryGridMouseUp()
{
    if (m_view->currentRow() < 0)
        return;
    calendarChange(m_view->asDate(u"Date"));
}

void DiaryModel::columnEntered(const QString& field)
{
    PageModel::columnEntered(field);
    DiaryGridMouseUp();
}

void DiaryModel::dateTyped(const QDate& date)
{
    m_lastTypedDate = shortDateText(date, m_context.regional);
    m_context.settings.setTempDate1(date);
}

QDate DiaryModel::readTypedDate(const QString& text) const
{
    const QDate date = parseShortDate(text, m_context.regional);
    if (!date.isValid())
        m_context.port.messageDlg(invalidDateMessage(text), MsgType::Error, MsgButton::OK);
    return date;
}

// ---- notes --------------------------------------------------------------------------

void DiaryModel::DaytimeDblClick()
{
    NoteStamp::stampRecord(*m_view, QStringLiteral("Day"),
                           NoteStamp::stamp(NoteBox::Daytime, m_context.now(), m_context.regional));
}

void DiaryModel::ToDoDblClick()
{
    NoteStamp::stampList(m_toDo, NoteBox::ToDo, m_context.now(), m_context.regional);
}

void DiaryModel::DiaryCopyNotesBtnClick()
{
    m_context.port.setClipboardText(m_view->currentRow() >= 0 ? m_view->asText(u"Day") : QString());
}

void DiaryModel::MateBtnClick()
{
    const QString letters = m_context.settings.locations().programFolder + QStringLiteral("Letters/");
    const QString last = m_context.settings.value(SettingKey::MateStr);
    // The dialog opens on the last file when it is still there.
    const QString start = !last.isEmpty() && QFileInfo::exists(last) ? last : letters;
    const QString file = m_context.port.chooseOpenFile(QStringLiteral("Open"), start, QStringLiteral("All|*.*"));
    if (file.isEmpty())
        return;
    m_context.settings.setValue(SettingKey::MateStr, file);
    if (!m_context.port.openUrl(file)) {
        m_context.port.messageDlg(
            QStringLiteral("The desktop has no program to open %1.").arg(QDir::toNativeSeparators(file)),
            MsgType::Warning, MsgButton::OK);
    }
}

// ---- what the page shows ----------------------------------------------------------

QString DiaryModel::calendarHeading() const
{
    return QStringLiteral("Todays Date ") + m_context.todayText();
}

QString DiaryModel::diaryHeading(const QDate& date) const
{
    return QStringLiteral("Diary for ") + formatDate(QStringLiteral("dddd d MMMM YYYY"), date, m_context.regional);
}

void DiaryModel::setGridTint(DiaryTint tint)
{
    if (tint == m_tint)
        return;
    m_tint = tint;
    emit gridTintChanged(tint);
}

void DiaryModel::showSelection(int index)
{
    if (index == m_selectionShown)
        return;
    m_selectionShown = index;
    emit selectionShownChanged(index);
}

void DiaryModel::pause(int milliseconds) const
{
    if (m_pause) {
        m_pause(milliseconds);
        return;
    }
    // A timer, not a sleep: the window repaints (the heading blinks on) while
    // no click or key can start something else in the middle of a search.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace kelvora
