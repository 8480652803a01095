#include "core/store/Schema.h"

#include <array>

namespace kelvora {

namespace {

using K = FieldKind;

constexpr FieldDef kNames[] = {
    {"Ref", K::Integer, 0},     {"Surname", K::Text, 30},  {"FirstName", K::Text, 12},
    {"Company", K::Text, 50},   {"EntryDate", K::Date, 0}, {"ABN", K::Text, 25},
    {"AccountNo", K::Text, 20}, {"Cat", K::Text, 3},       {"Children", K::Text, 50},
    {"Code", K::Text, 6},       {"DOB", K::Date, 0},       {"Email", K::Text, 50},
    {"TaxExempt", K::Float, 0}, {"Fax", K::Text, 20},      {"Grp", K::Text, 6},
    {"Haddress", K::Text, 50},  {"Hcity", K::Text, 50},    {"Hours", K::Float, 0},
    {"Hphone", K::Text, 20},    {"Hstate", K::Text, 50},   {"Hsuburb", K::Text, 50},
    {"Hzip", K::Text, 50},      {"ID", K::Text, 20},       {"Mobile", K::Text, 20},
    {"N1", K::Text, 35},        {"N2", K::Float, 0},       {"N3", K::Float, 0},
    {"Notes", K::Memo, 0},      {"PaidDate", K::Date, 0},  {"PaidWay", K::Text, 10},
    {"Taxable", K::Float, 0},   {"Pix", K::Blob, 0},       {"Service", K::Text, 200},
    {"Spouse", K::Text, 20},    {"Tag", K::Text, 1},       {"Tax", K::Float, 0},
    {"Title", K::Text, 30},     {"Waddress", K::Text, 50}, {"Wcity", K::Text, 50},
    {"Web", K::Text, 100},      {"Wphone", K::Text, 20},   {"Wstate", K::Text, 50},
    {"Wsuburb", K::Text, 50},   {"Wzip", K::Text, 50},
};

constexpr FieldDef kExpense[] = {
    {"Ref", K::Integer, 0},       {"Date", K::Date, 0},      {"Bus", K::Text, 10},
    {"Expense", K::Text, 80},     {"Supplier", K::Text, 40}, {"Invoice", K::Text, 20},
    {"Bank", K::Float, 0, true},  {"Cat", K::Text, 12},      {"Code", K::Text, 12},
    {"F1", K::Float, 0, true},    {"F2", K::Float, 0, true}, {"F3", K::Float, 0, true},
    {"F4", K::Float, 0, true},    {"F5", K::Float, 0, true}, {"F6", K::Float, 0, true},
    {"F7", K::Float, 0, true},    {"Notes", K::Memo, 0},     {"Office", K::Float, 0, true},
    {"Other", K::Float, 0, true}, {"PaidBy", K::Text, 10},   {"Period", K::Text, 6},
    {"Phone", K::Float, 0, true}, {"Tag", K::Text, 1},       {"Tax", K::Float, 0, true},
    {"Year", K::Text, 4},
};

constexpr FieldDef kIncome[] = {
    {"Ref", K::Integer, 0},      {"Date", K::Date, 0},       {"Bus", K::Text, 10},
    {"Incom", K::Text, 30},      {"Sourc", K::Text, 30},     {"ABN", K::Text, 25},
    {"Bank", K::Float, 0, true}, {"Cat", K::Text, 12},       {"Code", K::Text, 12},
    {"F1", K::Float, 0, true},   {"F2", K::Float, 0, true},  {"F3", K::Float, 0, true},
    {"F4", K::Float, 0, true},   {"F5", K::Float, 0, true},  {"Interest", K::Float, 0, true},
    {"Notes", K::Memo, 0},       {"OrderDate", K::Date, 0},  {"OrderNo", K::Text, 15},
    {"PaidBy", K::Text, 10},     {"Period", K::Text, 6},     {"Sales", K::Float, 0, true},
    {"Tag", K::Text, 4},         {"Tax", K::Float, 0, true}, {"Year", K::Text, 4},
};

constexpr FieldDef kDiary[] = {
    {"Date", K::Date, 0},
    {"Day", K::Memo, 0},
    {"Tag", K::Text, 1},
};

const TableDef kTables[] = {
    {TableId::Names, "Names", "Ref", kNames},
    {TableId::Expense, "Expense", "Ref", kExpense},
    {TableId::Income, "Income", "Ref", kIncome},
    {TableId::Diary, "Diary", "Date", kDiary},
};

constexpr std::array kTableIds{TableId::Names, TableId::Expense, TableId::Income, TableId::Diary};

bool sameName(QStringView a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

QString declaredType(const FieldDef& f)
{
    switch (f.kind) {
    case FieldKind::Integer:
        return QStringLiteral("INTEGER");
    case FieldKind::Text:
        return QStringLiteral("VARCHAR(%1)").arg(f.size);
    case FieldKind::Date:
        return QStringLiteral("DATE");
    case FieldKind::Float:
        return QStringLiteral("REAL");
    case FieldKind::Memo:
        return QStringLiteral("TEXT");
    case FieldKind::Blob:
        return QStringLiteral("BLOB");
    }
    return {};
}

} // namespace

int TableDef::fieldIndex(QStringView fieldName) const
{
    const QStringView trimmed = fieldName.trimmed();
    for (int i = 0; i < fieldCount(); ++i) {
        if (sameName(trimmed, fields[size_t(i)].name))
            return i;
    }
    return -1;
}

QStringList TableDef::fieldNames() const
{
    QStringList names;
    for (const FieldDef& f : fields)
        names << QString::fromLatin1(f.name);
    return names;
}

int TableDef::keyIndex() const
{
    return fieldIndex(QString::fromLatin1(keyField));
}

const TableDef& Schema::table(TableId id)
{
    return kTables[int(id)];
}

const TableDef* Schema::findTable(QStringView name)
{
    for (const TableDef& t : kTables) {
        if (sameName(name, t.name))
            return &t;
    }
    return nullptr;
}

std::span<const TableId> Schema::tables()
{
    return kTableIds;
}

QString Schema::createStatement(TableId id)
{
    const TableDef& t = table(id);
    QStringList columns;
    for (const FieldDef& f : t.fields) {
        QString column = QLatin1String(f.name) + QLatin1Char(' ') + declaredType(f);
        if (qstricmp(f.name, t.keyField) == 0) {
            column +=
                id == TableId::Diary ? QStringLiteral(" NOT NULL UNIQUE") : QStringLiteral(" PRIMARY KEY");
        }
        columns << column;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(t.tableName(), columns.join(QStringLiteral(", ")));
}

} // namespace kelvora
