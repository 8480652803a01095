#include "core/selection/PageSelection.h"

#include "core/format/NumberText.h"
#include "core/interaction/UserPort.h"
#include "core/selection/Birthdays.h"
#include "core/selection/TagWalk.h"
#include "core/store/Selection.h"
#include "core/store/View.h"

#include <QScopedValueRollback>

namespace kelvora {

PageSelection::PageSelection(SelectionPage page, View& view, PageContext context,
                             std::function<void()> afterSelection, QObject* parent)
    : QObject(parent), m_page(page), m_view(view), m_context(std::move(context)),
      m_afterSelection(std::move(afterSelection)), m_orderIndex(initialOrderIndex(page)),
      m_orderText(orderItems(page).at(m_orderIndex).label), m_fieldShown(fieldItems(page).first().label),
      m_titleSort(m_orderText)
{
}

void PageSelection::setFieldIndex(int index)
{
    if (index < 0 || index >= fieldItems(m_page).size())
        return;
    m_fieldIndex = index;
    m_fieldShown = fieldItems(m_page).at(index).label;
    run();
}

void PageSelection::setFilterText(const QString& text)
{
    m_filter = text;
    run();
}

void PageSelection::setOrderIndex(int index)
{
    if (index < 0 || index >= orderItems(m_page).size())
        return;
    m_orderIndex = index;
    m_orderText = orderItems(m_page).at(index).label;
    run();
}

void PageSelection::setControls(int fieldIndex, const QString& filter)
{
    m_fieldIndex = fieldIndex;
    m_fieldShown = fieldItems(m_page).at(fieldIndex).label;
    m_filter = filter;
    emit controlsChanged();
}

void PageSelection::setOrderShown(int index)
{
    if (index < 0 || index >= orderItems(m_page).size())
        return;
    m_orderIndex = index;
    m_orderText = orderItems(m_page).at(index).label;
    m_view.setOrder(m_page == SelectionPage::Clients ? viewOrderList(m_orderText)
                                                     : orderItems(m_page).at(index).orderList);
    emit controlsChanged();
}

void PageSelection::all()
{
    m_fieldIndex = 0;
    m_fieldShown = fieldItems(m_page).first().label;
    run();
}

bool PageSelection::countsAsNumber() const
{
    return !m_filter.isEmpty() && (m_filter.front() == QLatin1Char('-') || m_filter.front().isDigit());
}

void PageSelection::apply(const Selection& selection, const QString& orderList)
{
    // The selection is checked before anything changes, so a refused one leaves
    // the page with the records it showed.
    selection.check(m_view.table());
    // A keystroke in the filter box keeps the order: sorting again would cost
    // more than the selection itself, so the view is only re-sorted on a change.
    if (!orderList.isEmpty() && m_view.order() != orderList)
        m_view.setOrder(orderList);
    m_view.setSelection(selection);
}

void PageSelection::run()
{
    if (m_page == SelectionPage::Clients)
        runClients();
    else
        runLedger();
}

void PageSelection::runClients()
{
    const FieldItem& item = fieldItems(m_page).at(m_fieldIndex);
    if (m_context.selectedField)
        *m_context.selectedField = item.field;
    if (item.match == MatchKind::DobTool) {
        // Tags this month's birthdays among the clients shown, then shows them.
        const QDate today = m_context.today();
        const int dob = m_view.fieldIndex(u"DOB");
        {
            const BusyCursor busy(m_context.port);
            tagwalk::setTags(m_view, [&](int row) { return birthdays::dobTool(m_view.dateAt(row, dob), today); });
        }
        setControls(1, QStringLiteral("y"));
        runClients();
        m_view.first();
        return;
    }
    if (m_orderIndex == 14)
        m_orderText = QStringLiteral("Inv No");
    const QString order = viewOrderList(m_orderText);
    switch (item.match) {
    case MatchKind::All:
        m_filter = QStringLiteral("y");
        apply(Selection(), order);
        break;
    case MatchKind::Dob:
        apply(Selection(), order);
        emit focusFilter();
        emit currentColumnWanted(QStringLiteral("DOB"));
        break;
    case MatchKind::Ref: {
        const QString answer = m_context.port.inputBox(QStringLiteral("Input Ref Number"),
                                                       QStringLiteral("Enter Number to find"), QString());
        const std::optional<int> ref = parseWholeNumber(answer);
        if (!ref) {
            if (!answer.trimmed().isEmpty())
                m_context.port.messageDlg(QStringLiteral("\"%1\" is not a record number.").arg(answer),
                                          MsgType::Information, MsgButton::OK);
            break; // the page keeps the records it showed
        }
        emit focusFilter();
        apply(Selection::equals(QStringLiteral("Ref"), Value::integer(*ref)), order);
        emit currentColumnWanted(QStringLiteral("Service"));
        break;
    }
    default:
        apply(Selection::contains(item.field, m_filter), order);
        emit focusFilter();
        emit currentColumnWanted(QStringLiteral("Tag"));
        break;
    }
    m_titleSort.clear();
    emit controlsChanged();
}

void PageSelection::runLedger()
{
    if (m_view.state() == View::State::Edit)
        m_view.post();
    const BusyCursor busy(m_context.port);
    if (m_filter.isEmpty())
        m_filter = QStringLiteral("y");
    const FieldItem& item = fieldItems(m_page).at(m_fieldIndex);
    if (m_context.selectedField)
        *m_context.selectedField = item.field;
    const QString order = m_orderIndex >= 0 ? orderItems(m_page).at(m_orderIndex).orderList : QString();
    switch (item.match) {
    case MatchKind::NumberEquals: {
        if (!countsAsNumber())
            m_filter = QStringLiteral("1");
        // A number still being typed ("-" alone) matches no record.
        const std::optional<double> number = parseTypedNumber(m_filter, m_context.regional);
        apply(Selection::equals(item.field, number ? Value::real(*number) : Value()), order);
        emit focusFilter();
        emit currentColumnWanted(item.field);
        break;
    }
    case MatchKind::Contains:
        apply(Selection::contains(item.field, m_filter), order);
        emit focusFilter();
        break;
    default:
        m_filter = QStringLiteral("y");
        apply(Selection(), order);
        emit currentColumnWanted(QStringLiteral("Tag"));
        break;
    }
    m_titleSort.clear();
    emit controlsChanged();
    if (m_afterSelection)
        m_afterSelection();
}

void PageSelection::titleClick(const QString& currentField)
{
    if (currentField.isEmpty() || !m_view.hasField(currentField))
        return;
    const qint64 record = m_view.currentRecordId();
    m_view.setOrder(currentField);
    if (record >= 0)
        m_view.goToRecord(record);
    m_fieldShown = currentField;
    m_titleSort = currentField;
    emit controlsChanged();
}

} // namespace kelvora
