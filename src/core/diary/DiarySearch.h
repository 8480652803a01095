#pragma once

#include "core/diary/DiaryText.h"

#include <QString>

namespace kelvora {

class DiaryModel;

// The text searches of the Diary page (Search, Scan, Next, Reverse scan, Prior)
// and the search-and-replace pass. They read the records' texts where they lie,
// so the cursor moves only to a record that holds the text; each occurrence is
// shown for a second before the calendar moves to its day.
class DiarySearch
{
public:
    static const QString kNoEntries;     // "No entries were found in Diary.\r\n\r\nReturning to Today"
    static const QString kNoMoreEntries; // "No more entries were found in Diary.\r\n\r\nReturning to Today"
    static const QString kReplaceQuestion; // "REPLACE ?"
    static constexpr int kPauseMs = 1000;

    explicit DiarySearch(DiaryModel& model);

    // From the first record.
    void SearchBtnClick();
    // From the calendar date's record (the current one when there is none).
    void ScanBtnClick();
    // From the record after the current one, with the last search text.
    void NextBtnClick();
    // Backwards from the calendar date's record, without the pause.
    void RevScanBtnClick();
    // Backwards from the record before the current one.
    void PriorBtnClick();
    // Asks for a text and its replacement and offers the first occurrence of
    // each line of every record ("REPLACE ?": Yes, No, Cancel ends the pass).
    void ReplaceBtnClick();

private:
    enum class Direction { Forward = 1, Backward = -1 };

    // Posts the record being edited, turns the grid's text black and (for a
    // new search) asks for the text.
    void prologue(bool askForText);
    // The row of the calendar date's record, else the current row.
    int calendarRow();
    // Examines records from `row` on until one holds the search text or the end
    // of the view has been passed. `pastEnd`: the start was a move off the end.
    void run(int row, bool pastEnd, Direction direction, int pauseMs, const QString& endMessage, bool busyAtStart);
    QList<TextHit> hitsAt(int row, const QString& needle) const;
    void showHits(int row, const QList<TextHit>& hits, int pauseMs);
    // Offers the hits of one record; false when the user cancelled the pass.
    bool offerReplacements(qint64 record, const QString& find, const QString& replacement);
    void endOfView(const QString& message);

    DiaryModel& m_model;
};

} // namespace kelvora
