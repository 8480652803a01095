#pragma once

#include <QDate>
#include <QStringView>

namespace kelvora {

class UserPort;
class View;

// What entering a grid column does to the current record. The grids only call
// these; today is a parameter so the tests can fix it. Nothing happens when
// the view has no current record.
class ColumnEntryDefaults
{
public:
    // Dispatches on the view's table and the entered field: Names EntryDate and
    // PaidDate, Expense and Income Date; any other column does nothing.
    static void columnEntered(View& view, QStringView field, UserPort& port, const QDate& today);

    // An empty EntryDate (or one before 31/12/1899) becomes today, not posted.
    static void namesEntryDate(View& names, const QDate& today);
    // When Tax or TaxExempt holds a value (0 included) ask "Input Todays Date ?";
    // Yes puts today in PaidDate and posts. Asked whether or not PaidDate is set.
    static void namesPaidDate(View& names, UserPort& port, const QDate& today);
    // An empty Date becomes today, not posted.
    static void ledgerDate(View& ledger, const QDate& today);

private:
    static void fillEmptyDate(View& view, QStringView field, const QDate& today);
};

} // namespace kelvora
