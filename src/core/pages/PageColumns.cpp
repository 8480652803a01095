#include "core/pages/PageColumns.h"

#include "core/settings/Settings.h"

#include <cmath>

namespace kelvora::pagecolumns {

namespace {
GridColumn col(const char* field, int width, const QString& title = {}, bool grey = false)
{
    const QString name = QString::fromLatin1(field);
    return GridColumn{name, title.isEmpty() ? name : title, width, grey};
}
QString setting(const Settings& s, SettingKey key)
{
    return s.value(key);
}
} // namespace

QList<GridColumn> names(const Settings& s)
{
    return {
        col("Tag", 30),
        col("Code", 48),
        col("Cat", 40),
        col("Grp", 48, QStringLiteral("Group")),
        col("FirstName", 90),
        col("Surname", 110),
        col("ID", 60),
        col("EntryDate", 90),
        col("Company", 150),
        col("ABN", 100, QStringLiteral("ABN")),
        col("AccountNo", 80, QStringLiteral("Account No")),
        col("Mobile", 98),
        col("Hphone", 98),
        col("Wphone", 98),
        col("Fax", 90),
        col("Email", 170),
        col("Web", 150),
        col("Waddress", 150),
        col("Wsuburb", 100),
        col("Wcity", 100),
        col("Wstate", 50),
        col("Wzip", 50),
        col("Title", 45),
        col("Haddress", 150),
        col("Hsuburb", 100),
        col("Hcity", 100),
        col("Hstate", 50),
        col("Hzip", 50),
        col("DOB", 96),
        col("Spouse", 90),
        col("Children", 110),
        col("N1", 90, setting(s, SettingKey::Alpha)),
        col("N2", 70, setting(s, SettingKey::Number)),
        col("N3", 70, setting(s, SettingKey::Money)),
        col("Hours", 50),
        col("Taxable", 78),
        col("Tax", 84, setting(s, SettingKey::VAT)),
        col("TaxExempt", 78, QStringLiteral("Tax Exempt")),
        col("PaidDate", 96),
        col("PaidWay", 70),
        col("Service", 220, QStringLiteral("Service Rendered")),
        col("Ref", 50),
    };
}

QList<GridColumn> expenses(const Settings& s)
{
    return {
        col("Tag", 30),
        col("Bus", 60),
        col("Code", 84),
        col("Cat", 90),
        col("Date", 96),
        col("Expense", 190),
        col("Supplier", 140),
        col("Year", 44, {}, true),
        col("Period", 50, {}, true),
        col("Invoice", 60),
        col("PaidBy", 60),
        col("Bank", 100, QStringLiteral("Summary")),
        col("Tax", 84, setting(s, SettingKey::VAT)),
        col("Office", 84),
        col("Other", 84),
        col("Phone", 84),
        col("F1", 84, setting(s, SettingKey::E1)),
        col("F2", 84, setting(s, SettingKey::E2)),
        col("F3", 84, setting(s, SettingKey::E3)),
        col("F4", 84, setting(s, SettingKey::E4)),
        col("F5", 84, setting(s, SettingKey::E5)),
        col("F6", 84, setting(s, SettingKey::E6)),
        col("F7", 84, QStringLiteral("Tax Free")),
        col("Ref", 50),
    };
}

QList<GridColumn> income(const Settings& s)
{
    return {
        col("Tag", 30),
        col("Bus", 60),
        col("Code", 70),
        col("Cat", 60),
        col("Ref", 50),
        col("Date", 96),
        col("Year", 44, {}, true),
        col("Period", 50, {}, true),
        col("OrderNo", 70),
        col("OrderDate", 96),
        col("Incom", 170, QStringLiteral("Income")),
        col("Sourc", 150, QStringLiteral("Source")),
        col("ABN", 100),
        col("PaidBy", 60),
        col("Bank", 100, QStringLiteral("Summary")),
        col("Tax", 84, setting(s, SettingKey::VAT)),
        col("Interest", 84),
        col("Sales", 88),
        col("F1", 84, setting(s, SettingKey::I1)),
        col("F2", 84, setting(s, SettingKey::I2)),
        col("F3", 84, setting(s, SettingKey::I3)),
        col("F4", 84, setting(s, SettingKey::I4)),
        col("F5", 84, QStringLiteral("Tax Free")),
    };
}

int scaledWidth(int width, int newWidth, int referenceWidth)
{
    if (referenceWidth <= 0)
        return width;
    return int(std::lround(double(width) * double(newWidth) / double(referenceWidth)));
}

QList<GridColumn> diary()
{
    return {col("Tag", 32), col("Date", 100)};
}

} // namespace kelvora::pagecolumns
