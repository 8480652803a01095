#include "core/diary/DiarySelection.h"

#include "core/base/KelvoraError.h"
#include "core/dates/DateText.h"
#include "core/diary/DiaryModel.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"
#include "core/store/Selection.h"
#include "core/store/StoredDate.h"
#include "core/store/View.h"

#include <vector>

namespace kelvora {

const QStringList DiarySelection::kEntries{QStringLiteral("All"), QStringLiteral("Tag"), QStringLiteral("Find Text"),
                                           QStringLiteral("Within Dates")};
const QString DiarySelection::kNeedATag = QStringLiteral("At least one record must be have a Tag of y");
const QString DiarySelection::kQueryError =
    QStringLiteral("Exception 03: Query Error, ensure editing is done in \"All\" records mode.");
const QString DiarySelection::kNoData = QStringLiteral("Data was NOT specified");

DiarySelection::DiarySelection(DiaryModel& model) : m_model(model) {}

int DiarySelection::taggedCount() const
{
    const View& diary = m_model.view();
    const int tag = diary.fieldIndex(u"Tag");
    int count = 0;
    for (int row = 0; row < diary.rowCount(); ++row) {
        if (!diary.isNullAt(row, tag) && diary.textAt(row, tag) == QLatin1String("y"))
            ++count;
    }
    return count;
}

void DiarySelection::DiarySelChange(int index)
{
    m_model.postPending();
    UserPort& port = m_model.context().port;
    View& diary = m_model.view();
    const int shownBefore = m_model.selectionShown();
    m_model.showSelection(index);
    // "All" always lifts a selection in force: a narrowed view without tags
    // would otherwise have no way back to every record.
    const bool liftingSelection = index == All && !diary.selection().isAll();
    if (!liftingSelection && taggedCount() == 0) {
        port.messageDlg(kNeedATag, MsgType::Information, MsgButton::OK);
        m_model.NowBtnClick();
        return;
    }
    BusyCursor busy(port);
    std::optional<Selection> selection;
    try {
        selection = selectionFor(index);
    } catch (const KelvoraError&) {
        selection.reset();
        port.messageDlg(kQueryError, MsgType::Error, MsgButton::OK);
    }
    if (!selection) {
        m_model.showSelection(shownBefore);
        return;
    }
    switch (index) {
    case All:
        diary.setSelection(*selection);
        m_model.setGridTint(DiaryTint::Black);
        m_model.NowBtnClick();
        break;
    case Tag: apply(*selection, DiaryTint::Red); break;
    default: apply(*selection, DiaryTint::Blue); break;
    }
}

std::optional<Selection> DiarySelection::selectionFor(int index)
{
    switch (index) {
    case All: return Selection();
    case Tag: return Selection::equals(QStringLiteral("Tag"), Value::text(QStringLiteral("y")));
    case FindText: return findText();
    case WithinDates: return withinDates();
    default: return std::nullopt;
    }
}

std::optional<Selection> DiarySelection::findText()
{
    const QString answer = m_model.context().port.inputBox(QStringLiteral("CASE SENSITIVE  search for"),
                                                           QStringLiteral("Enter Search Criteria"),
                                                           m_model.selectedFieldName());
    m_model.setSelectedFieldName(answer);
    if (answer.isEmpty()) {
        m_model.context().port.showMessage(kNoData);
        return Selection();
    }
    // The answer is bound, never pasted into a statement; % and _ keep their
    // wildcard meaning.
    return Selection::like(QStringLiteral("Day"), QLatin1Char('%') + answer + QLatin1Char('%'));
}

std::optional<Selection> DiarySelection::withinDates()
{
    UserPort& port = m_model.context().port;
    Settings& settings = m_model.context().settings;
    const Regional& regional = m_model.context().regional;
    const QDate start = parseShortDate(port.inputBox(QStringLiteral("Search for START"),
                                                     QStringLiteral("Enter START DATE d/m/yy"),
                                                     m_model.lastTypedDate()),
                                       regional);
    if (!start.isValid()) {
        port.messageDlg(kQueryError, MsgType::Error, MsgButton::OK);
        return std::nullopt;
    }
    m_model.dateTyped(start);
    const QDate end = parseShortDate(port.inputBox(QStringLiteral("Search for END  "),
                                                   QStringLiteral("Enter END DATE d/m/yy"),
                                                   settings.value(SettingKey::TempDate2Str)),
                                     regional);
    if (!end.isValid()) {
        port.messageDlg(kQueryError, MsgType::Error, MsgButton::OK);
        return std::nullopt;
    }
    settings.setTempDate2(end);
    // Up to the day after the end, so a date stored with a time part on the last
    // day is still inside.
    const QString date = QStringLiteral("Date");
    return Selection::compare(date, Selection::Comparison::GreaterOrEqual, StoredDate::toValue(start)) &&
           Selection::compare(date, Selection::Comparison::Less, StoredDate::toValue(end.addDays(1)));
}

void DiarySelection::apply(const Selection& selection, DiaryTint tint)
{
    View& diary = m_model.view();
    diary.setSelection(selection);
    // An empty result leaves the calendar where it was: no record is made for
    // a day outside the selection.
    if (!diary.isEmpty())
        m_model.calendarChange(diary.asDate(u"Date"));
    m_model.setGridTint(tint);
}

void DiarySelection::ClearDiaryTagsBtnClick()
{
    BusyCursor busy(m_model.context().port);
    m_model.postPending();
    View& diary = m_model.view();
    const int tag = diary.fieldIndex(u"Tag");
    std::vector<qint64> tagged;
    for (int row = 0; row < diary.rowCount(); ++row) {
        if (!diary.isNullAt(row, tag) && !diary.textAt(row, tag).isEmpty())
            tagged.push_back(diary.recordId(row));
    }
    diary.disableControls();
    try {
        for (const qint64 record : tagged) {
            if (const int row = diary.rowOfRecord(record); row >= 0)
                diary.updateRow(row, {{tag, Value()}});
        }
    } catch (...) {
        diary.enableControls();
        throw;
    }
    diary.enableControls();
    m_model.NowBtnClick();
}

} // namespace kelvora
