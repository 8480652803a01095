#include "core/diary/DiarySearch.h"

#include "core/diary/DiaryModel.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"
#include "core/store/StoredDate.h"
#include "core/store/View.h"

#include <memory>
#include <vector>

namespace kelvora {

const QString DiarySearch::kNoEntries = QStringLiteral("No entries were found in Diary.\r\n\r\nReturning to Today");
const QString DiarySearch::kNoMoreEntries =
    QStringLiteral("No more entries were found in Diary.\r\n\r\nReturning to Today");
const QString DiarySearch::kReplaceQuestion = QStringLiteral("REPLACE ?");

namespace {
const QString kCaseSensitive = QStringLiteral("CASE SENSITIVE Search");
const QString kTextToFind = QStringLiteral("Enter Text to find");
} // namespace

DiarySearch::DiarySearch(DiaryModel& model) : m_model(model) {}

void DiarySearch::prologue(bool askForText)
{
    m_model.postPending();
    m_model.setGridTint(DiaryTint::Black);
    if (askForText)
        m_model.setSearchText(m_model.context().port.inputBox(kCaseSensitive, kTextToFind, m_model.searchText()));
}

int DiarySearch::calendarRow()
{
    View& diary = m_model.view();
    if (m_model.calendarDate().isValid())
        diary.findKey({StoredDate::toValue(m_model.calendarDate())});
    return diary.currentRow();
}

void DiarySearch::SearchBtnClick()
{
    prologue(true);
    const bool empty = m_model.view().isEmpty();
    run(empty ? -1 : 0, empty, Direction::Forward, kPauseMs, kNoEntries, false);
}

void DiarySearch::ScanBtnClick()
{
    prologue(true);
    const int row = calendarRow();
    run(row, row < 0, Direction::Forward, kPauseMs, kNoEntries, false);
}

void DiarySearch::NextBtnClick()
{
    prologue(false);
    const View& diary = m_model.view();
    const int current = diary.currentRow();
    const bool past = current < 0 || current + 1 >= diary.rowCount();
    run(past ? current : current + 1, past, Direction::Forward, kPauseMs, kNoMoreEntries, false);
}

void DiarySearch::RevScanBtnClick()
{
    prologue(true);
    const int row = calendarRow();
    run(row, row < 0, Direction::Backward, 0, kNoEntries, true);
}

void DiarySearch::PriorBtnClick()
{
    prologue(false);
    const int current = m_model.view().currentRow();
    const bool past = current <= 0;
    run(past ? current : current - 1, past, Direction::Backward, kPauseMs, kNoMoreEntries, false);
}

QList<TextHit> DiarySearch::hitsAt(int row, const QString& needle) const
{
    const View& diary = m_model.view();
    const int day = diary.fieldIndex(u"Day");
    const CellView cell = diary.cell(row, day);
    if (cell.type == CellView::Type::Null)
        return {};
    // Most records do not hold the text: a look at the stored bytes settles them.
    if (cell.type == CellView::Type::Text &&
        !DiaryText::mayHold(QByteArrayView(cell.p, cell.n), QByteArrayView(needle.toUtf8())))
        return {};
    return DiaryText::lineHits(diary.textAt(row, day), needle);
}

void DiarySearch::run(int row, bool pastEnd, Direction direction, int pauseMs, const QString& endMessage,
                      bool busyAtStart)
{
    const QString needle = m_model.searchText();
    const View& diary = m_model.view();
    auto busy = busyAtStart ? std::make_unique<BusyCursor>(m_model.context().port) : nullptr;
    const int step = int(direction);
    for (;;) {
        const QList<TextHit> hits = row >= 0 ? hitsAt(row, needle) : QList<TextHit>();
        busy.reset();
        if (!hits.isEmpty())
            showHits(row, hits, pauseMs);
        // A move off either end leaves the cursor on the last record examined, so
        // that record was examined once more before the search gives up.
        if (pastEnd) {
            endOfView(endMessage);
            return;
        }
        if (!hits.isEmpty())
            return;
        const int next = row + step;
        if (next < 0 || next >= diary.rowCount())
            pastEnd = true;
        else
            row = next;
    }
}

void DiarySearch::showHits(int row, const QList<TextHit>& hits, int pauseMs)
{
    View& diary = m_model.view();
    diary.setCurrentRow(row);
    const QDate date = diary.asDate(u"Date");
    for (const TextHit& hit : hits) {
        m_model.selectOccurrence(hit.start, hit.length);
        if (pauseMs > 0)
            m_model.pause(pauseMs);
        m_model.calendarChange(date);
    }
}

void DiarySearch::endOfView(const QString& message)
{
    m_model.context().port.messageDlg(message, MsgType::Information, MsgButton::OK);
    m_model.NowBtnClick();
}

// ---- search and replace ---------------------------------------------------------------

void DiarySearch::ReplaceBtnClick()
{
    // The record being edited is saved before its text is read for replacing.
    m_model.postPending();
    UserPort& port = m_model.context().port;
    Settings& settings = m_model.context().settings;
    const QString find = port.inputBox(kCaseSensitive, kTextToFind, settings.value(SettingKey::Finda));
    settings.setValue(SettingKey::Finda, find);
    const QString replacement =
        port.inputBox(kCaseSensitive, QStringLiteral("Enter REPLACMENT Text"), settings.value(SettingKey::Replaca));
    settings.setValue(SettingKey::Replaca, replacement);
    port.setClipboardText(replacement);

    // The records as they stand now: a record the walk has passed is not met again.
    const View& diary = m_model.view();
    std::vector<qint64> records;
    records.reserve(size_t(diary.rowCount()));
    for (int row = 0; row < diary.rowCount(); ++row)
        records.push_back(diary.recordId(row));
    {
        auto busy = std::make_unique<BusyCursor>(port);
        for (const qint64 record : records) {
            const int row = diary.rowOfRecord(record);
            if (row < 0 || hitsAt(row, find).isEmpty())
                continue;
            busy.reset();
            if (!offerReplacements(record, find, replacement))
                return;
            busy = std::make_unique<BusyCursor>(port);
        }
    }
    endOfView(kNoEntries);
}

bool DiarySearch::offerReplacements(qint64 record, const QString& find, const QString& replacement)
{
    View& diary = m_model.view();
    UserPort& port = m_model.context().port;
    int fromLine = 0;
    for (;;) {
        const int row = diary.rowOfRecord(record);
        if (row < 0)
            return true;
        const QString text = diary.textAt(row, diary.fieldIndex(u"Day"));
        const QList<TextHit> hits = DiaryText::lineHits(text, find, fromLine);
        if (hits.isEmpty())
            break;
        const TextHit hit = hits.first();
        diary.setCurrentRow(row);
        m_model.calendarChange(diary.asDate(u"Date"));
        m_model.selectOccurrence(hit.start, hit.length);
        m_model.pause(kPauseMs);
        const MsgButton answer =
            port.messageDlg(kReplaceQuestion, MsgType::Confirmation, MsgButton::Yes | MsgButton::No | MsgButton::Cancel);
        if (answer == MsgButton::Cancel) {
            // What was replaced so far is kept.
            m_model.postPending();
            return false;
        }
        fromLine = hit.line + 1;
        if (answer == MsgButton::Yes) {
            if (diary.state() == View::State::Browse)
                diary.edit();
            diary.setField(u"Day", Value::text(DiaryText::replaced(text, hit, replacement)));
            // Lines the replacement brings in are not searched again.
            fromLine += DiaryText::extraLines(replacement);
        }
    }
    m_model.postPending();
    return true;
}

} // namespace kelvora
