#include "core/clients/ClientsModel.h"

#include "core/interaction/UserPort.h"
#include "core/pages/PageColumns.h"
#include "core/store/View.h"

namespace kelvora {

ClientsModel::ClientsModel(PageContext context, Database& db, QObject* parent)
    : PageModel(std::move(context), db, TableId::Names, parent), m_refs(*m_view, RefCounter::Kind::Clients),
      m_selection(SelectionPage::Clients, *m_view, m_context),
      m_tags(SelectionPage::Clients, *m_view, m_selection, m_context),
      m_notes(SelectionPage::Clients, *m_view, m_selection, m_context)
{
    m_view->setOrder(QStringLiteral("Surname;FirstName;Company;EntryDate"));
}

QList<GridColumn> ClientsModel::columns() const
{
    return pagecolumns::names(m_context.settings);
}

QByteArray ClientsModel::picture() const
{
    return m_view->currentRow() < 0 ? QByteArray() : m_view->asBlob(u"Pix");
}

void ClientsModel::pictureCopy()
{
    const QByteArray bytes = picture();
    if (!bytes.isEmpty())
        m_context.port.setClipboardPicture(bytes);
}

void ClientsModel::pictureCut()
{
    if (m_view->currentRow() < 0 || m_view->isNull(u"Pix"))
        return;
    pictureCopy();
    setFieldAndPost(QStringLiteral("Pix"), Value());
}

void ClientsModel::picturePaste()
{
    if (m_view->currentRow() < 0)
        return;
    const QByteArray bytes = m_context.port.clipboardPicture();
    if (!bytes.isEmpty())
        setFieldAndPost(QStringLiteral("Pix"), Value::blob(bytes));
}

} // namespace kelvora
