#include "core/selection/DualFieldFilter.h"

#include "core/interaction/UserPort.h"
#include "core/selection/PageSelection.h"
#include "core/selection/TagTools.h"
#include "core/store/Selection.h"
#include "core/store/View.h"

namespace kelvora {

namespace {

const QString kFollow = QString(); // the empty line after a hint line

QStringList clientsStage1()
{
    return {
        QStringLiteral("Complex filtering will isolate records (Grid rows) on two distinct fields  (Grid columns)."),
        kFollow,
        QStringLiteral("As an example, say you want to find all the records in field \"Surname\" = Smith with a "
                       "\"Cat\" (category) of m"),
        kFollow,
        QStringLiteral("You are at  STAGE 1"),
        kFollow,
        QStringLiteral("Select the first set of Criteria here"),
        kFollow,
        QStringLiteral("NB - You cannot Filter using the Tag, DOB or InvNo Fields."),
        kFollow,
        QStringLiteral("Select the first field ( eg \"Surname\" ) from the dropdown selector (on the left) below."),
        QStringLiteral("Place the first desired information in the Filter box to its right.  ( eg Smith ) CASE "
                       "SENSITIVE !"),
        kFollow,
        QStringLiteral("Click the OK button, - go to stage 2."),
    };
}

QStringList ledgerStage1(SelectionPage page)
{
    return {
        QStringLiteral("Complex filtering will isolate records (Grid rows) on two distinct fields (Grid columns)."),
        kFollow,
        QStringLiteral("As an example, say you want to find all the records in field \"Year\" = 9900 with a \"Cat\" "
                       "(category) of Interest."),
        kFollow,
        QStringLiteral("You are at  STAGE 1"),
        kFollow,
        QStringLiteral("Select the first set of Criteria here"),
        kFollow,
        QStringLiteral("Select the first field ( eg \"Year\" ) from the dropdown selector (on the left) below."),
        QStringLiteral("Place the first desired information in the Filter box to its right.  ( eg 9900 ) CASE "
                       "SENSITIVE !"),
        kFollow,
        page == SelectionPage::Expenses ? QStringLiteral("Click the OK button - go to stage 2.")
                                        : QStringLiteral("Click the OK button, - go to stage 2."),
    };
}

} // namespace

DualFieldFilter::DualFieldFilter(SelectionPage page, View& view, PageSelection& selection, TagTools& tags,
                                 UserPort& port)
    : m_page(page), m_view(view), m_selection(selection), m_tags(tags), m_port(port)
{
}

QString DualFieldFilter::fieldName(SelectionPage page, const QString& text)
{
    switch (page) {
    case SelectionPage::Clients:
        if (text == QLatin1String("DOB Tool"))
            return QString();
        if (text == QLatin1String("InvNo"))
            return QStringLiteral("Ref");
        if (text == QLatin1String("Group"))
            return QStringLiteral("Grp");
        break;
    case SelectionPage::Expenses:
        if (text == QLatin1String("Summary"))
            return QStringLiteral("Bank");
        break;
    case SelectionPage::Income:
        if (text == QLatin1String("Income"))
            return QStringLiteral("Incom");
        if (text == QLatin1String("Source"))
            return QStringLiteral("Sourc");
        if (text == QLatin1String("Summary"))
            return QStringLiteral("Bank");
        break;
    }
    return text;
}

FilterStage DualFieldFilter::stage1(SelectionPage page)
{
    return {QStringLiteral(" Dual Field Filtering Stage 1"), QStringLiteral("Filter the   FIRST   field (Grid column)"),
            false, page == SelectionPage::Clients ? clientsStage1() : ledgerStage1(page)};
}

FilterStage DualFieldFilter::stage2(SelectionPage page, const QString& firstField, const QString& firstFilter)
{
    const bool clients = page == SelectionPage::Clients;
    FilterStage stage;
    stage.secondStage = true;
    switch (page) {
    case SelectionPage::Clients:
        stage.caption = QStringLiteral(" Dual Field Filtering - Stage 2");
        stage.heading = QStringLiteral("Filter the   SECOND   field (Grid column)");
        break;
    case SelectionPage::Expenses:
        stage.caption = QStringLiteral(" Dual Field Filtering  - STAGE 2");
        stage.heading = QStringLiteral("Filter the   SECOND   field  (Grid column)");
        break;
    case SelectionPage::Income:
        stage.caption = QStringLiteral(" Dual Field Filtering  -  STAGE 2");
        stage.heading = QStringLiteral("Filter the   SECOND   field  (Grid column)");
        break;
    }
    stage.hintLines = {
        clients ? QStringLiteral("The example :- say you want to find all the records in field \"Surname\" = Smith "
                                 "with a \"Cat\" (category) of m")
                : QStringLiteral("The example :- say you want to find all the records in field \"Year\" 9900 with a "
                                 "\"Cat\" (category) of Interest"),
        kFollow,
        QStringLiteral("You are at STAGE 2"),
        kFollow,
        QStringLiteral("You have already select the first Criteria ( %1 = %2 )").arg(firstField, firstFilter),
        kFollow,
        QStringLiteral("Now select the second field  eg \"Cat\"  from the drop-down selector."),
        kFollow,
        clients ? QStringLiteral("Place the second desired information in the Filter box to its right.  ( eg m ) CASE "
                                 "SENSITIVE !")
                : QStringLiteral("Place the second desired information in the Filter box to its right.  ( eg Interest "
                                 ") CASE SENSITIVE !"),
        QStringLiteral("Click the OK button to finish."),
        kFollow,
        QStringLiteral("All records fulfilling BOTH sets of conditions will now be given a \"Tag = y\""),
        QStringLiteral("and the database will be filtered on  \"Tag = y\"."),
    };
    return stage;
}

void DualFieldFilter::abort()
{
    m_port.messageDlg(QStringLiteral("Process Aborted !"),
                      m_page == SelectionPage::Clients ? MsgType::Error : MsgType::Information, MsgButton::OK);
}

void DualFieldFilter::run(FilterWindow& window)
{
    m_selection.all();
    if (m_port.messageDlg(QStringLiteral("Clear Tags ?"), MsgType::Confirmation, MsgButton::Yes | MsgButton::No) ==
        MsgButton::Yes)
        m_tags.clearTags();

    QStringList items;
    for (const FieldItem& item : fieldItems(m_page))
        items.append(item.label);
    window.setFieldItems(items);
    if (!window.showStage(stage1(m_page)))
        return abort();
    const QString field1 = fieldName(m_page, window.fieldText());
    const QString filter1 = window.filterText();
    if (!window.showStage(stage2(m_page, field1, filter1)))
        return abort();
    const QString field2 = fieldName(m_page, window.fieldText());
    const QString filter2 = window.filterText();
    if (field1.isEmpty() || field2.isEmpty() || filter1.isEmpty() || filter2.isEmpty())
        return abort();

    // A typed field name is used only when the table has it; the page then
    // keeps all its records rather than an empty grid.
    if (!m_view.hasField(field1) || !m_view.hasField(field2)) {
        m_port.messageDlg(QStringLiteral("Incorrect Inputs"), MsgType::Error, MsgButton::OK);
        return;
    }
    m_view.setSelection(Selection::contains(field1, filter1) && Selection::contains(field2, filter2));
    // The filter box holds "y" since the page showed all its records, so the
    // grid keeps this selection, now tagged; a ledger page sums it.
    m_tags.tagAll();
}

} // namespace kelvora
