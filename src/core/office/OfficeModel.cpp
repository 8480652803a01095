#include "core/office/OfficeModel.h"

#include "core/office/OfficeParticulars.h"
#include "core/pages/NoteStamp.h"
#include "core/settings/Settings.h"

namespace kelvora {

OfficeModel::OfficeModel(PageContext context, ListText& important)
    : m_context(std::move(context)), m_important(important)
{
}

QString OfficeModel::heading() const
{
    return QStringLiteral("Business   Particulars   ") + m_context.todayText();
}

void OfficeModel::ImptDblClick()
{
    NoteStamp::stampList(m_important, NoteBox::Impt, m_context.now(), m_context.regional);
}

QString OfficeModel::boxText(const OfficeBox& box) const
{
    return m_context.settings.value(box.key);
}

void OfficeModel::setBoxText(const OfficeBox& box, const QString& text)
{
    m_context.settings.setValue(box.key, text);
}

} // namespace kelvora
