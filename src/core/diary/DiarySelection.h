#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace kelvora {

class DiaryModel;
class Selection;
enum class DiaryTint;

// The selection list of the Diary page ("All", "Tag", "Find Text", "Within
// Dates") and the Clear tags button. A selection stays in force until another
// entry is picked; one that cannot be made leaves the view as it was.
class DiarySelection
{
public:
    enum Entry { All = 0, Tag = 1, FindText = 2, WithinDates = 3 };
    static const QStringList kEntries;
    static const QString kNeedATag;   // "At least one record must be have a Tag of y"
    static const QString kQueryError; // "Exception 03: Query Error, ensure editing is done in \"All\" records mode."
    static const QString kNoData;     // "Data was NOT specified"

    explicit DiarySelection(DiaryModel& model);

    // The user picked entry `index` of the list.
    void DiarySelChange(int index);
    // Clears every tag of the records shown and returns to today; a selection
    // in force stays.
    void ClearDiaryTagsBtnClick();

private:
    int taggedCount() const;
    // The selection of an entry; nothing when it cannot be made (the user was told).
    std::optional<Selection> selectionFor(int index);
    std::optional<Selection> findText();
    std::optional<Selection> withinDates();
    // Shows the records of `selection` and moves the calendar to the first.
    void apply(const Selection& selection, DiaryTint tint);

    DiaryModel& m_model;
};

} // namespace kelvora
