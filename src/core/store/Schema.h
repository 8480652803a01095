#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>

namespace kelvora {

// What a field holds. Dates are ISO texts "YYYY-MM-DD" in the file.
enum class FieldKind
{
    Integer,
    Text,
    Date,
    Float,
    Memo,
    Blob
};

enum class TableId
{
    Names,
    Expense,
    Income,
    Diary
};

struct FieldDef
{
    const char* name;
    FieldKind kind;
    int size; // characters for Text fields, 0 for the other kinds
    // "currency": grids show the value in the regional currency format
    bool currency = false;
};

struct TableDef
{
    TableId id;
    const char* name;
    // The field that identifies a record: Ref, or Date in the diary.
    const char* keyField;
    std::span<const FieldDef> fields;

    int fieldCount() const { return int(fields.size()); }
    // Case-insensitive, as SQLite matches column names; -1 when not a field.
    int fieldIndex(QStringView name) const;
    QString fieldName(int index) const { return QString::fromLatin1(fields[size_t(index)].name); }
    QString tableName() const { return QString::fromLatin1(name); }
    QStringList fieldNames() const;
    int keyIndex() const;
};

// The four tables of Kelvora.db, their fields in file order, and the SQL that
// creates them in a new file. Everything that needs a field list, a text size or
// a field kind reads it from here.
class Schema
{
public:
    static const TableDef& table(TableId id);
    // The table of that name (case-insensitive), nullptr when there is none.
    static const TableDef* findTable(QStringView name);
    static std::span<const TableId> tables();
    // CREATE TABLE statement of a new file.
    static QString createStatement(TableId id);
};

} // namespace kelvora
