#include "core/pages/PageModel.h"

#include "core/interaction/UserPort.h"
#include "core/store/ColumnEntryDefaults.h"
#include "core/store/View.h"

namespace kelvora {

PageModel::PageModel(PageContext context, Database& db, TableId table, QObject* parent)
    : QObject(parent), m_context(std::move(context)), m_view(std::make_unique<View>(db, table))
{
}

PageModel::~PageModel() = default;

void PageModel::postPending()
{
    View& v = *m_view;
    if (v.state() == View::State::Edit || (v.state() == View::State::Insert && v.isModified()))
        v.post();
}

void PageModel::columnEntered(const QString& field)
{
    ColumnEntryDefaults::columnEntered(*m_view, field, m_context.port, m_context.today());
}

void PageModel::setFieldAndPost(const QString& field, const Value& value)
{
    View& v = *m_view;
    const bool startedHere = v.state() == View::State::Browse;
    v.edit();
    try {
        v.setField(field, value);
    } catch (...) {
        if (startedHere)
            v.cancel();
        throw;
    }
    v.post();
}

void PageModel::stampNotes(NoteBox box, const QString& field)
{
    NoteStamp::stampRecord(*m_view, field, NoteStamp::stamp(box, m_context.now(), m_context.regional));
}

void PageModel::copyNotes(const QString& field)
{
    m_context.port.setClipboardText(m_view->currentRow() >= 0 ? m_view->asText(field) : QString());
}

void PageModel::gridCopy(const QString& field)
{
    if (m_view->currentRow() < 0 || field.isEmpty())
        return;
    m_context.port.setClipboardText(m_view->asText(field));
}

void PageModel::gridCut(const QString& field)
{
    if (m_view->currentRow() < 0 || field.isEmpty())
        return;
    m_context.port.setClipboardText(m_view->asText(field));
    setFieldAndPost(field, Value());
}

void PageModel::gridPaste(const QString& field)
{
    if (m_view->currentRow() < 0 || field.isEmpty())
        return;
    setFieldAndPost(field, Value::text(m_context.port.clipboardText()));
}

} // namespace kelvora
