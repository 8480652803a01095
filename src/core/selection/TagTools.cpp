#include "core/selection/TagTools.h"

#include "core/interaction/UserPort.h"
#include "core/selection/Birthdays.h"
#include "core/selection/PageSelection.h"
#include "core/selection/TagWalk.h"
#include "core/store/View.h"

#include <vector>

namespace kelvora {

namespace {
const QString kTagged = QStringLiteral("y");
constexpr int kTagItem = 1;
} // namespace

TagTools::TagTools(SelectionPage page, View& view, PageSelection& selection, PageContext context,
                   std::function<void()> settle, QObject* parent)
    : QObject(parent), m_page(page), m_view(view), m_selection(selection), m_context(std::move(context)),
      m_settle(std::move(settle))
{
}

void TagTools::walk(const std::function<bool(int row)>& tagged)
{
    tagwalk::postPending(m_view);
    const tagwalk::HeldDisplay held(m_view);
    const BusyCursor busy(m_context.port);
    tagwalk::setTags(m_view, tagged);
}

void TagTools::walkThenShowTagged(const std::function<bool(int row)>& tagged)
{
    try {
        walk(tagged);
    } catch (...) {
        // A walk failing part-way still ends on the Tag selection: the
        // records written so far are what it shows.
        showTagged();
        throw;
    }
    showTagged();
}

void TagTools::settle()
{
    if (m_settle)
        m_settle();
    else
        m_view.first();
}

void TagTools::showTagged()
{
    m_selection.setControls(kTagItem, kTagged);
    m_selection.run();
}

void TagTools::tagAll()
{
    // Only a changed filter text runs the selection: with "y" already there the
    // grid keeps its records, now all tagged.
    const bool filterChanges = m_selection.filterText() != kTagged;
    try {
        walk([](int) { return true; });
    } catch (...) {
        showTagged();
        throw;
    }
    settle();
    m_selection.setControls(kTagItem, kTagged);
    if (filterChanges)
        m_selection.run();
    emit focusGrid();
}

void TagTools::clearTags()
{
    tagwalk::postPending(m_view);
    {
        const tagwalk::HeldDisplay held(m_view);
        const BusyCursor busy(m_context.port);
        tagwalk::clearTags(m_view);
    }
    settle();
    emit focusGrid();
}

void TagTools::reverse()
{
    tagwalk::postPending(m_view);
    m_selection.all();
    const int tag = m_view.fieldIndex(u"Tag");
    // On a ledger page the Tag selection recomputes the totals.
    walkThenShowTagged([&](int row) { return m_view.textAt(row, tag).isEmpty(); });
    emit focusGrid();
}

void TagTools::paymentTool(const std::function<bool(int row)>& tagged, const QString& column, bool lastCurrent)
{
    tagwalk::postPending(m_view);
    m_selection.setControls(0, kTagged);
    m_selection.run();
    walkThenShowTagged(tagged);
    emit currentColumnWanted(column);
    lastCurrent ? m_view.last() : m_view.first();
    emit focusGrid();
}

void TagTools::unpaid()
{
    const int tax = m_view.fieldIndex(u"Tax");
    const int exempt = m_view.fieldIndex(u"TaxExempt");
    const int paidDate = m_view.fieldIndex(u"PaidDate");
    // An empty amount counts as 0.
    paymentTool(
        [&](int row) {
            const bool owing = m_view.floatAt(row, tax) > 0 || m_view.floatAt(row, exempt) > 0;
            return owing && m_view.isNullAt(row, paidDate);
        },
        QStringLiteral("Taxable"), false);
}

void TagTools::paid()
{
    const int paidDate = m_view.fieldIndex(u"PaidDate");
    paymentTool([&](int row) { return !m_view.isNullAt(row, paidDate); }, QStringLiteral("PaidDate"), true);
}

void TagTools::birthdaysWithinAMonth()
{
    const QDate today = m_context.today();
    const int dob = m_view.fieldIndex(u"DOB");
    walkThenShowTagged([&](int row) { return birthdays::withinAMonth(m_view.dateAt(row, dob), today); });
    m_view.first();
    emit focusGrid();
}

void TagTools::duplicates()
{
    tagAll();
    const int company = m_view.fieldIndex(u"Company");
    const int first = m_view.fieldIndex(u"FirstName");
    const int surname = m_view.fieldIndex(u"Surname");
    // Only neighbours in the grid's order are compared, so the keys are taken
    // in that order before anything is written.
    std::vector<bool> keep(size_t(m_view.rowCount()));
    QString previous = QStringLiteral("zyx");
    for (int row = 0; row < m_view.rowCount(); ++row) {
        QString key = m_view.textAt(row, company) + m_view.textAt(row, first) + m_view.textAt(row, surname);
        keep[size_t(row)] = key != previous;
        previous = std::move(key);
    }
    walkThenShowTagged([&](int row) { return bool(keep[size_t(row)]); });
    emit focusGrid();
}

} // namespace kelvora
