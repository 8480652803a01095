#include "core/store/TableStore.h"

#include "core/base/KelvoraError.h"
#include "core/store/SqliteStatement.h"
#include "core/store/TableStoreListener.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

namespace kelvora {

namespace {

QByteArray selectColumns(const TableDef& def)
{
    QByteArray sql = "SELECT rowid";
    for (const FieldDef& f : def.fields)
        sql += ", \"" + QByteArray(f.name) + '"';
    sql += " FROM \"" + QByteArray(def.name) + '"';
    return sql;
}

} // namespace

TableStore::TableStore(const TableDef& def, std::vector<Column> columns, int rowidAliasField)
    : m_def(def), m_columns(std::move(columns)), m_fieldCount(def.fieldCount()), m_rowidAlias(rowidAliasField)
{
}

TableStore::~TableStore() = default;

void TableStore::setCell(Cell& cell, const CellView& v, Bytes& bytes)
{
    cell.type = v.type;
    cell.length = 0;
    switch (v.type) {
    case CellView::Type::Integer:
        cell.i = v.i;
        break;
    case CellView::Type::Real:
        cell.r = v.r;
        break;
    case CellView::Type::Text:
    case CellView::Type::Blob: {
        cell.offset = bytes.append(v.p, size_t(v.n));
        cell.length = quint32(v.n);
        break;
    }
    default:
        cell.i = 0;
        break;
    }
}

void TableStore::load(sqlite3* db)
{
    // Read into fresh arrays, so a failed read leaves the rows held so far intact.
    size_t rows = 0;
    {
        SqliteStatement count(db, "SELECT count(*) FROM \"" + QByteArray(m_def.name) + '"');
        count.step();
        rows = size_t(count.column(0).i);
    }
    SqliteStatement statement(db, selectColumns(m_def) + " ORDER BY rowid");
    Cells cells;
    std::vector<qint64> rowids;
    Bytes bytes;
    // Rows added between the count and the read only cost a reallocation.
    cells.reserve(rows * size_t(m_fieldCount));
    rowids.reserve(rows);
    bytes.reserve(std::max(m_bytes.size() - std::min(m_bytes.size(), m_wasted), rows * 64));
    for (TableStoreListener* l : std::vector<TableStoreListener*>(m_listeners))
        l->storeAboutToReload();
    // The hot loop of start-up: straight from SQLite's row into the cells.
    sqlite3_stmt* row = statement.handle();
    while (statement.step()) {
        rowids.push_back(sqlite3_column_int64(row, 0));
        for (int f = 1; f <= m_fieldCount; ++f) {
            Cell& cell = cells.emplace_back();
            cell.length = 0;
            switch (sqlite3_column_type(row, f)) {
            case SQLITE_INTEGER:
                cell.type = CellView::Type::Integer;
                cell.i = sqlite3_column_int64(row, f);
                break;
            case SQLITE_FLOAT:
                cell.type = CellView::Type::Real;
                cell.r = sqlite3_column_double(row, f);
                break;
            case SQLITE_TEXT: {
                const char* text = reinterpret_cast<const char*>(sqlite3_column_text(row, f));
                cell.type = CellView::Type::Text;
                cell.length = quint32(sqlite3_column_bytes(row, f));
                cell.offset = bytes.append(text ? text : "", cell.length);
                break;
            }
            case SQLITE_BLOB: {
                const void* blob = sqlite3_column_blob(row, f);
                cell.type = CellView::Type::Blob;
                cell.length = quint32(sqlite3_column_bytes(row, f));
                cell.offset = bytes.append(blob ? static_cast<const char*>(blob) : "", cell.length);
                break;
            }
            default:
                cell.type = CellView::Type::Null;
                cell.i = 0;
                break;
            }
        }
    }
    m_cells.swap(cells);
    m_rowids.swap(rowids);
    m_bytes.swap(bytes);
    m_wasted = 0;
    m_alive.assign(m_rowids.size(), 1);
    m_liveCount = int(m_rowids.size());
    m_slotOfRowId.clear();
    m_slotIndexBuilt = false;
    for (TableStoreListener* l : std::vector<TableStoreListener*>(m_listeners))
        l->storeReloaded();
}

std::optional<std::vector<Value>> TableStore::readRow(sqlite3* db, qint64 rowid) const
{
    SqliteStatement statement(db, selectColumns(m_def) + " WHERE rowid = ?");
    statement.bind(1, Value::integer(rowid));
    if (!statement.step())
        return std::nullopt;
    std::vector<Value> values;
    values.reserve(size_t(m_fieldCount));
    for (int f = 0; f < m_fieldCount; ++f)
        values.push_back(statement.value(f + 1));
    return values;
}

std::optional<TableStore::Slot> TableStore::slotOfRowId(qint64 rowid) const
{
    if (!m_slotIndexBuilt) {
        m_slotOfRowId.clear();
        m_slotOfRowId.reserve(m_rowids.size());
        for (Slot s = 0; s < slotCount(); ++s) {
            if (m_alive[s])
                m_slotOfRowId[m_rowids[s]] = s;
        }
        m_slotIndexBuilt = true;
    }
    const auto it = m_slotOfRowId.find(rowid);
    if (it == m_slotOfRowId.end())
        return std::nullopt;
    return it->second;
}

std::vector<Value> TableStore::row(Slot slot) const
{
    std::vector<Value> values;
    values.reserve(size_t(m_fieldCount));
    for (int f = 0; f < m_fieldCount; ++f)
        values.push_back(value(slot, f));
    return values;
}

TableStore::Slot TableStore::append(qint64 rowid, const std::vector<Value>& values)
{
    const Slot slot = slotCount();
    m_rowids.push_back(rowid);
    m_alive.push_back(1);
    ++m_liveCount;
    for (int f = 0; f < m_fieldCount; ++f) {
        m_cells.emplace_back();
        setCell(m_cells.back(), values[size_t(f)].view(), m_bytes);
    }
    if (m_slotIndexBuilt)
        m_slotOfRowId[rowid] = slot;
    return slot;
}

void TableStore::replace(Slot slot, qint64 rowid, const std::vector<Value>& values,
                         const TableStoreListener* origin)
{
    for (int f = 0; f < m_fieldCount; ++f) {
        Cell& cell = m_cells[size_t(slot) * size_t(m_fieldCount) + size_t(f)];
        if (cell.type == CellView::Type::Text || cell.type == CellView::Type::Blob)
            m_wasted += cell.length + 1;
        setCell(cell, values[size_t(f)].view(), m_bytes);
    }
    if (m_rowids[slot] != rowid) {
        if (m_slotIndexBuilt) {
            m_slotOfRowId.erase(m_rowids[slot]);
            m_slotOfRowId[rowid] = slot;
        }
        m_rowids[slot] = rowid;
    }
    compactIfWasteful();
    for (TableStoreListener* l : std::vector<TableStoreListener*>(m_listeners)) {
        if (l != origin)
            l->storeRowChanged(slot);
    }
}

void TableStore::remove(Slot slot, const TableStoreListener* origin)
{
    if (!m_alive[slot])
        return;
    m_alive[slot] = 0;
    --m_liveCount;
    if (m_slotIndexBuilt)
        m_slotOfRowId.erase(m_rowids[slot]);
    for (int f = 0; f < m_fieldCount; ++f) {
        Cell& cell = m_cells[size_t(slot) * size_t(m_fieldCount) + size_t(f)];
        if (cell.type == CellView::Type::Text || cell.type == CellView::Type::Blob)
            m_wasted += cell.length + 1;
        cell.type = CellView::Type::Null;
    }
    compactIfWasteful();
    for (TableStoreListener* l : std::vector<TableStoreListener*>(m_listeners)) {
        if (l != origin)
            l->storeRowRemoved(slot);
    }
}

void TableStore::compactIfWasteful()
{
    // Texts replaced by posts stay in the arena until they outweigh the live ones
    // (a picture changed a few times would otherwise hold megabytes).
    if (m_wasted < (1u << 20) || m_wasted * 2 < m_bytes.size())
        return;
    Bytes bytes;
    bytes.reserve(m_bytes.size() - m_wasted);
    for (Cell& cell : m_cells) {
        if (cell.type != CellView::Type::Text && cell.type != CellView::Type::Blob)
            continue;
        cell.offset = bytes.append(m_bytes.data() + cell.offset, cell.length);
    }
    m_bytes.swap(bytes);
    m_wasted = 0;
}

void TableStore::addListener(TableStoreListener* listener)
{
    m_listeners.push_back(listener);
}

void TableStore::removeListener(TableStoreListener* listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

} // namespace kelvora
