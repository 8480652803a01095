#pragma once

#include "core/pages/GridColumn.h"
#include "core/pages/PageModel.h"
#include "core/selection/PageSelection.h"
#include "core/selection/NotesSearch.h"
#include "core/selection/TagTools.h"
#include "core/store/RefCounter.h"

namespace kelvora {

// The Clients page without its widgets: the client view, its last-Ref counter,
// and the picture of the current client.
class ClientsModel : public PageModel
{
    Q_OBJECT
public:
    ClientsModel(PageContext context, Database& db, QObject* parent = nullptr);

    RefCounter& refs() { return m_refs; }
    PageSelection& selection() { return m_selection; }
    TagTools& tagTools() { return m_tags; }
    NotesSearch& notesSearch() { return m_notes; }
    QList<GridColumn> columns() const;
    QString heading() const { return m_context.todayText(); }

    // The current client's picture, the stored bytes; empty when none.
    QByteArray picture() const;
    // The right-click menu on the picture: Copy puts it on the clipboard; Cut
    // also empties it; Paste stores the clipboard's picture. Both post.
    void pictureCopy();
    void pictureCut();
    void picturePaste();

private:
    RefCounter m_refs;
    PageSelection m_selection;
    TagTools m_tags;
    NotesSearch m_notes;
};

} // namespace kelvora
