#include "core/ledger/LedgerModel.h"

#include "core/base/KelvoraError.h"
#include "core/dates/PeriodAndYear.h"
#include "core/format/NumberText.h"
#include "core/interaction/UserPort.h"
#include "core/settings/Settings.h"
#include "core/store/View.h"

#include <QScopedValueRollback>

namespace kelvora {

LedgerModel::LedgerModel(PageContext context, Database& db, LedgerKind kind, QObject* parent)
    : PageModel(std::move(context), db, ledgerTraits(kind).table, parent), m_traits(ledgerTraits(kind)),
      m_refs(*m_view, m_traits.refKind), m_fields(*m_view, m_traits),
      m_selection(kind == LedgerKind::Expenses ? SelectionPage::Expenses : SelectionPage::Income, *m_view, m_context,
                  [this] { Sum(false); }),
      m_tags(m_selection.page(), *m_view, m_selection, m_context, [this] { Sum(false); }),
      m_notes(m_selection.page(), *m_view, m_selection, m_context)
{
    m_view->setOrder(m_traits.startOrder);
    m_view->setBeforeScroll([this](View&) { summaryCheck(); });
}

void LedgerModel::findLastRef()
{
    QScopedValueRollback<int> quiet(m_checkSuppressed, m_checkSuppressed + 1);
    m_refs.findLast();
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

double LedgerModel::rate() const
{
    const QString text = m_context.settings.gstRate();
    const std::optional<double> r = parseTypedNumber(text, m_context.regional);
    if (!r)
        throw KelvoraError(QStringLiteral("'%1' is not a valid tax rate.").arg(text));
    return *r;
}

void LedgerModel::writeAmounts(const EntryAmounts& before, const EntryAmounts& after)
{
    View& v = *m_view;
    const auto write = [&v](int field, const std::optional<double>& value) {
        v.setField(field, value ? Value::real(*value) : Value());
    };
    for (size_t i = 0; i < after.taxable.size(); ++i) {
        if (after.taxable[i] != before.taxable[i])
            write(m_fields.taxable[i], after.taxable[i]);
    }
    if (after.taxFree != before.taxFree)
        write(m_fields.taxFree, after.taxFree);
    write(m_fields.tax, after.tax);
    write(m_fields.bank, after.bank);
}

void LedgerModel::entryButton(EntryButton button, const QString& currentField)
{
    View& v = *m_view;
    v.edit();
    if (currentField == QLatin1String("Date") && v.isNull(u"Date"))
        v.setField(u"Date", m_context.today());
    v.post(); // a new record is numbered here

    const EntryAmounts typed = m_fields.at(v, v.currentRow());
    if (typed.recordSum() == 0.0) {
        m_context.port.messageDlg(m_traits.allocateMessage, MsgType::Information, MsgButton::OK);
    } else {
        v.edit();
        EntryAmounts done;
        switch (button) {
        case EntryButton::Copy:
            done = m_traits.copyKeepsTax ? entry::copyIncome(typed) : entry::copyExpense(typed);
            break;
        case EntryButton::Split: done = entry::split(typed, rate()); break;
        case EntryButton::Add: done = entry::add(typed, rate()); break;
        case EntryButton::WithHeld: done = entry::withHeld(typed, rate()); break;
        }
        writeAmounts(typed, done);
        v.post();
    }
    SetPeriodAndYear();
    setStale(true);
}

void LedgerModel::summaryCheck()
{
    if (m_checkSuppressed > 0)
        return;
    View& v = *m_view;
    if (v.state() == View::State::Edit)
        v.post();
    if (v.eof() || v.currentRow() < 0)
        return;
    if (!entry::summaryPasses(m_fields.at(v, v.currentRow())))
        m_context.port.messageDlg(m_traits.summaryWarning, MsgType::Warning, MsgButton::OK);
}

void LedgerModel::Sum(bool warnUnbalanced)
{
    View& v = *m_view;
    if (v.state() == View::State::Edit)
        v.post();
    {
        const BusyCursor busy(m_context.port);
        m_totals = LedgerTotals::of(v, m_traits);
        m_computed = true;
        setStale(false);
        emit totalsChanged();
        QScopedValueRollback<int> quiet(m_checkSuppressed, m_checkSuppressed + 1);
        v.last();
    }
    if (warnUnbalanced && m_totals.unbalanced > 0)
        m_context.port.messageDlg(m_traits.summaryWarning, MsgType::Warning, MsgButton::OK);
}

void LedgerModel::setExpensesForBalances(LedgerModel* expenses)
{
    m_expenses = expenses;
    if (expenses)
        expenses->m_income = this;
}

LedgerModel* LedgerModel::expensesLedger()
{
    return m_traits.kind == LedgerKind::Expenses ? this : m_expenses;
}

LedgerModel* LedgerModel::incomeLedger()
{
    return m_traits.kind == LedgerKind::Income ? this : m_income;
}

double LedgerModel::balance() const
{
    return m_totals.total - (m_expenses ? m_expenses->totals().total : 0.0);
}

double LedgerModel::taxBalance() const
{
    return (m_expenses ? m_expenses->totals().sum(QStringLiteral("Tax")) : 0.0) - m_totals.sum(QStringLiteral("Tax"));
}

double LedgerModel::footerValue(const FooterBox& box) const
{
    switch (box.value) {
    case FooterValue::Count: return m_totals.count;
    case FooterValue::Field: return m_totals.sum(box.field);
    case FooterValue::Total: return m_totals.total;
    case FooterValue::Balance: return balance();
    case FooterValue::TaxBalance: return taxBalance();
    }
    return 0.0;
}

QString LedgerModel::footerText(const FooterBox& box) const
{
    if (!m_computed)
        return {};
    if (box.value == FooterValue::Count)
        return formatFloat(m_totals.count, NumberStyle::Fixed, 7, 0, m_context.regional);
    return formatFloat(footerValue(box), NumberStyle::Currency, 11, 2, m_context.regional);
}

QString LedgerModel::footerLabel(const FooterBox& box) const
{
    return box.labelKey ? m_context.settings.value(*box.labelKey) : box.label;
}

bool LedgerModel::footerNegative(const FooterBox& box) const
{
    return m_computed && footerValue(box) < 0.0;
}

void LedgerModel::setStale(bool stale)
{
    if (m_stale == stale)
        return;
    m_stale = stale;
    emit staleChanged(stale);
}

} // namespace kelvora
