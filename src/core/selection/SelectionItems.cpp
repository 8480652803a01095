#include "core/selection/SelectionItems.h"

#include <QStringList>

namespace kelvora {

namespace {

FieldItem contains(const char* label, const char* field)
{
    return {QString::fromLatin1(label), QString::fromLatin1(field), MatchKind::Contains};
}

FieldItem number(const char* label, const char* field)
{
    return {QString::fromLatin1(label), QString::fromLatin1(field), MatchKind::NumberEquals};
}

FieldItem special(const char* label, const char* field, MatchKind kind)
{
    return {QString::fromLatin1(label), QString::fromLatin1(field), kind};
}

QList<OrderItem> sameText(std::initializer_list<const char*> lists, const char* suffix = "")
{
    QList<OrderItem> items;
    for (const char* list : lists) {
        const QString text = QString::fromLatin1(list) + QString::fromLatin1(suffix);
        items.append({text, text});
    }
    return items;
}

} // namespace

const QList<FieldItem>& fieldItems(SelectionPage page)
{
    static const QList<FieldItem> clients = {
        special("All", "", MatchKind::All),
        contains("Tag", "Tag"),
        contains("Cat", "Cat"),
        contains("Code", "Code"),
        contains("Company", "Company"),
        special("DOB", "DOB", MatchKind::Dob),
        special("DOB Tool", "", MatchKind::DobTool),
        contains("Email", "Email"),
        contains("Fax", "Fax"),
        contains("FirstName", "FirstName"),
        contains("Group", "Grp"),
        contains("Haddress", "Haddress"),
        contains("Hcity", "Hcity"),
        contains("Hphone", "Hphone"),
        contains("Hstate", "Hstate"),
        contains("Hsuburb", "Hsuburb"),
        contains("Hzip", "Hzip"),
        contains("ID", "ID"),
        special("Ref", "Ref", MatchKind::Ref),
        contains("Mobile", "Mobile"),
        contains("PaidWay", "PaidWay"),
        contains("Service", "Service"),
        contains("Spouse", "Spouse"),
        contains("Surname", "Surname"),
        contains("Title", "Title"),
        contains("Waddress", "Waddress"),
        contains("Wcity", "Wcity"),
        contains("Web", "Web"),
        contains("Wphone", "Wphone"),
        contains("Wstate", "Wstate"),
        contains("Wsuburb", "Wsuburb"),
        contains("Wzip", "Wzip"),
        contains("Children", "Children"),
    };
    static const QList<FieldItem> expenses = {
        special("All", "", MatchKind::All),
        contains("Tag", "Tag"),
        contains("Bus", "Bus"),
        contains("Cat", "Cat"),
        contains("Code", "Code"),
        contains("Expense", "Expense"),
        contains("Invoice", "Invoice"),
        number("Office", "Office"),
        number("Other", "Other"),
        contains("PaidBy", "PaidBy"),
        contains("Period", "Period"),
        number("Phone", "Phone"),
        number("Summary", "Bank"),
        contains("Supplier", "Supplier"),
        contains("Year", "Year"),
    };
    static const QList<FieldItem> income = {
        special("All", "", MatchKind::All),
        contains("Tag", "Tag"),
        contains("Bus", "Bus"),
        contains("Cat", "Cat"),
        contains("Code", "Code"),
        contains("Income", "Incom"),
        contains("PaidBy", "PaidBy"),
        contains("Period", "Period"),
        number("Sales", "Sales"),
        contains("Source", "Sourc"),
        number("Summary", "Bank"),
        contains("Year", "Year"),
    };
    switch (page) {
    case SelectionPage::Clients: return clients;
    case SelectionPage::Expenses: return expenses;
    case SelectionPage::Income: return income;
    }
    return clients;
}

const QList<OrderItem>& orderItems(SelectionPage page)
{
    // Every stored client item ends with a tab, as the lists always held them.
    static const QList<OrderItem> clients = sameText(
        {"Cat;EntryDate;Surname;FirstName;Company", "Code;EntryDate;Surname;FirstName;Company",
         "Company;EntryDate;Surname;FirstName", "DOB;Surname;FirstName", "EntryDate;Surname;FirstName;Company",
         "Fax;Surname;FirstName;EntryDate", "FirstName;Surname;EntryDate", "Group;Surname;FirstName;Company;EntryDate",
         "Hcity;Surname;FirstName;EntryDate", "Hphone;EntryDate", "Hstate;Surname;FirstName;EntryDate",
         "Hsuburb;Surname;FirstName;EntryDate", "Hzip;Surname;FirstName;EntryDate", "ID;EntryDate", "InvNo",
         "Mobile;EntryDate", "PaidDate;Company;Surname;FirstName", "PaidWay;PaidDate;Company;Surname;FirstName",
         "Surname;FirstName;Company;EntryDate", "Wcity;Company;Surname;FirstName;EntryDate",
         "Wphone;Company;Surname;FirstName;EntryDate", "Wstate;Company;Surname;FirstName;EntryDate",
         "Wsuburb;Company;Surname;FirstName;EntryDate", "Wzip;Company;Surname;FirstName;EntryDate"},
        "\t");
    static const QList<OrderItem> expenses = sameText(
        {"Bus;Code;Cat;Date", "Bus;Date;Expense;Supplier;Invoice", "Cat;Bus;Date", "Code;Bus;Date",
         "Date;Bus;Expense;Supplier;Invoice", "Expense;Bus;Date", "Invoice", "PaidBy;Bus;Date", "Bank;Bus;Date",
         "Supplier;Bus;Date", "Ref"});
    static const QList<OrderItem> income = {
        {QStringLiteral("Bus,Code,Cat,Date"), QStringLiteral("Bus;Code;Cat;Date")},
        {QStringLiteral("Bus;Date"), QStringLiteral("Bus;Date")},
        {QStringLiteral("Cat;Date"), QStringLiteral("Cat;Date")},
        {QStringLiteral("Code;Date"), QStringLiteral("Code;Date")},
        {QStringLiteral("Date"), QStringLiteral("Date")},
        {QStringLiteral("Date;Bus;Income;Source;Invoice"), QStringLiteral("Date;Bus;Incom;Sourc;Ref")},
        {QStringLiteral("Income;Date"), QStringLiteral("Incom;Date")},
        {QStringLiteral("Ref"), QStringLiteral("Ref")},
        {QStringLiteral("OrderDate"), QStringLiteral("OrderDate")},
        {QStringLiteral("OrderNo"), QStringLiteral("OrderNo")},
        {QStringLiteral("PaidBy;Date"), QStringLiteral("PaidBy;Date")},
        {QStringLiteral("Source;Date"), QStringLiteral("Sourc;Date")},
        {QStringLiteral("Summary;Date"), QStringLiteral("Bank;Date")},
    };
    switch (page) {
    case SelectionPage::Clients: return clients;
    case SelectionPage::Expenses: return expenses;
    case SelectionPage::Income: return income;
    }
    return clients;
}

int initialOrderIndex(SelectionPage page)
{
    switch (page) {
    case SelectionPage::Clients: return 18;
    case SelectionPage::Expenses: return 4;
    case SelectionPage::Income: return 5;
    }
    return 0;
}

QString viewOrderList(const QString& orderText)
{
    QStringList names;
    for (const QString& part : orderText.split(QLatin1Char(';'))) {
        QString name = part.trimmed();
        if (name == QLatin1String("Group"))
            name = QStringLiteral("Grp");
        else if (name == QLatin1String("Inv No") || name == QLatin1String("InvNo"))
            name = QStringLiteral("Ref"); // a client's invoice number is its Ref
        if (!name.isEmpty())
            names.append(name);
    }
    return names.join(QLatin1Char(';'));
}

} // namespace kelvora
