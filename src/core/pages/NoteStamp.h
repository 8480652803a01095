#pragma once

#include "core/format/Regional.h"

#include <QDateTime>
#include <QString>

namespace kelvora {

class ListText;
class View;

// The notes boxes a double click stamps with the date and time.
enum class NoteBox { Daytime, ClientNotes, NoteExp, NoteInc, ToDo, Impt };

// A date stamp: the short date, a blank and the long time, then the box's
// suffix, appended to the box's text as a new last line.
class NoteStamp
{
public:
    // Daytime: a line break (so typing goes on below the stamp); NoteInc: one
    // blank; the others: two blanks.
    static QString suffix(NoteBox box);
    static QString stamp(NoteBox box, const QDateTime& now, const Regional& regional);
    // `text` with `stamp` as its new last line, after `lineBreak` when the text
    // does not end with one. Records store "\r\n"; a plain box may use "\n".
    static QString appended(const QString& text, const QString& stamp,
                            const QString& lineBreak = QStringLiteral("\r\n"));
    // Appends the stamp to `field` of the view's current record and posts it, so
    // the stamp is saved at once. A record already being edited keeps its other
    // changes (they are posted with it). Nothing happens without a current record.
    static void stampRecord(View& view, const QString& field, const QString& stamp);
    // Appends a stamp to a plain list (the to-do or important list), with the
    // line breaks the list already uses.
    static void stampList(ListText& list, NoteBox box, const QDateTime& now, const Regional& regional);
};

} // namespace kelvora
