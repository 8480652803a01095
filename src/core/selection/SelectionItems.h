#pragma once

#include <QList>
#include <QString>

namespace kelvora {

// How an item of a page's field selector selects records.
enum class MatchKind {
    All,          // every record
    Contains,     // the field contains the filter text (LIKE "%text%")
    NumberEquals, // the amount equals the typed number
    Dob,          // every record, the grid moves to the DOB column
    DobTool,      // the birthday tool tags this month's birthdays
    Ref,          // asks for a record number
};

struct FieldItem
{
    QString label; // what the list shows
    QString field; // the field searched; empty for All and the tools
    MatchKind match;
};

struct OrderItem
{
    QString label;     // what the list shows
    QString orderList; // the view's order ("Date;Bus;Expense")
};

enum class SelectionPage { Clients, Expenses, Income };

// The items of the three selection bars, in list order.
const QList<FieldItem>& fieldItems(SelectionPage page);
const QList<OrderItem>& orderItems(SelectionPage page);
// The order item chosen at start-up: 18 (Clients), 4 (Expenses), 5 (Income).
int initialOrderIndex(SelectionPage page);
// An order list as the view takes it: names trimmed of white space (the stored
// client items end with a tab), "Group" standing for Grp and "Inv No" for Ref.
QString viewOrderList(const QString& orderText);

} // namespace kelvora
