#include "core/store/ColumnEntryDefaults.h"

#include "core/interaction/UserPort.h"
#include "core/store/StoredDate.h"
#include "core/store/View.h"

namespace kelvora {

void ColumnEntryDefaults::columnEntered(View& view, QStringView field, UserPort& port, const QDate& today)
{
    const auto is = [&](const char* name) {
        return field.trimmed().compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
    };
    switch (view.tableId()) {
    case TableId::Names:
        if (is("EntryDate"))
            namesEntryDate(view, today);
        else if (is("PaidDate"))
            namesPaidDate(view, port, today);
        break;
    case TableId::Expense:
    case TableId::Income:
        if (is("Date"))
            ledgerDate(view, today);
        break;
    case TableId::Diary:
        break;
    }
}

void ColumnEntryDefaults::fillEmptyDate(View& view, QStringView field, const QDate& today)
{
    if (view.currentRow() < 0)
        return;
    const int f = view.fieldIndex(field);
    if (!StoredDate::isEmpty(view.cell(view.currentRow(), f)))
        return;
    view.edit();
    view.setField(f, StoredDate::toValue(today));
}

void ColumnEntryDefaults::namesEntryDate(View& names, const QDate& today)
{
    fillEmptyDate(names, u"EntryDate", today);
}

void ColumnEntryDefaults::ledgerDate(View& ledger, const QDate& today)
{
    fillEmptyDate(ledger, u"Date", today);
}

void ColumnEntryDefaults::namesPaidDate(View& names, UserPort& port, const QDate& today)
{
    if (names.currentRow() < 0 || (names.isNull(u"Tax") && names.isNull(u"TaxExempt")))
        return;
    const MsgButton answer = port.messageDlg(QStringLiteral("Input Todays Date ?"), MsgType::Confirmation,
                                             MsgButton::Yes | MsgButton::No);
    if (answer != MsgButton::Yes)
        return;
    names.edit();
    names.setField(u"PaidDate", today);
    names.post();
}

} // namespace kelvora
