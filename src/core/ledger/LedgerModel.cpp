#include "core/ledger/LedgerModel.h"

#include "core/dates/PeriodAndYear.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"
#include "core/store/View.h"

namespace kelvora {

LedgerModel::LedgerModel(PageContext context, Database& db, LedgerKind kind, QObject* parent)
    : PageModel(std::move(context), db, ledgerTraits(kind).table, parent), m_traits(ledgerTraits(kind)),
      m_refs(*m_view, m_traits.refKind)
{
    m_view->setOrder(m_traits.startOrder);
}

void LedgerModel::SetPeriodAndYear()
{
    View& v = *m_view;
    if (v.currentRow() < 0)
        return;
    const bool inserting = v.state() == View::State::Insert;
    if (!inserting && v.isNull(u"Date")) {
        m_context.port.messageDlg(QStringLiteral("Enter Date"), MsgType::Information, MsgButton::OK);
        return;
    }
    const auto codes = computePeriodAndYear(v.asDate(u"Date"), m_context.settings.value(SettingKey::Period),
                                            m_context.settings.value(SettingKey::FiscalYr));
    if (!codes || inserting)
        return;
    v.edit();
    v.setField(u"Period", codes->periodCode);
    v.setField(u"Year", codes->yearCode);
    v.post();
}

} // namespace kelvora
