#pragma once

#include "core/pages/NoteStamp.h"
#include "core/pages/PageContext.h"
#include "core/store/Schema.h"

#include <QObject>
#include <QString>

#include <memory>

namespace kelvora {

class Database;
class Value;
class View;

// The part every page with a grid shares: its view over one table, posting a
// pending edit when the user leaves, the column-entry defaults, and the
// right-click menu's grid commands.
class PageModel : public QObject
{
    Q_OBJECT
public:
    PageModel(PageContext context, Database& db, TableId table, QObject* parent = nullptr);
    ~PageModel() override;

    View& view() { return *m_view; }
    const View& view() const { return *m_view; }
    const PageContext& context() const { return m_context; }

    // Posts the record being edited, and a new one the user has typed into:
    // leaving a control, a page or the program must not lose it.
    void postPending();

    // A grid column was entered: the field defaults of that column.
    virtual void columnEntered(const QString& field);

    // The right-click menu on the grid, on the current record's `field`: Copy
    // puts its text on the clipboard; Cut also empties it and posts; Paste sets
    // it from the clipboard and posts. A value the field refuses leaves the
    // record as it was, and an edit already begun stays open.
    void gridCopy(const QString& field);
    void gridCut(const QString& field);
    void gridPaste(const QString& field);

    // A double click on the record's notes box: the date and time appended to
    // `field` as a new last line, posted at once.
    void stampNotes(NoteBox box, const QString& field);
    // "Copy all notes to Clipboard": the whole of `field` of the current record.
    void copyNotes(const QString& field);

protected:
    // Sets one field of the current record and posts it (see gridPaste).
    void setFieldAndPost(const QString& field, const Value& value);

    PageContext m_context;
    std::unique_ptr<View> m_view;
};

} // namespace kelvora
