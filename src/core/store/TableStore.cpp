#include "core/store/TableStore.h"

#include "core/base/KelvoraError.h"
#include "core/store/SqliteStatement.h"
#include "core/store/TableStoreListener.h"

#include <sqlite3.h>

#include <algorithm>
#include <bit>
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


bool sameCell(const CellView& a, const CellView& b)
{
    if (a.type != b.type)
        return false;
    switch (a.type) {
    case CellView::Type::Null:
        return true;
    case CellView::Type::Integer:
        return a.i == b.i;
    case CellView::Type::Real:
        return std::bit_cast<quint64>(a.r) == std::bit_cast<quint64>(b.r);
    case CellView::Type::Text:
    case CellView::Type::Blob:
        return a.n == b.n && (a.n == 0 || std::memcmp(a.p, b.p, size_t(a.n)) == 0);
    }
    return false;
}

} // namespace

TableStore::TableStore(const TableDef& def, std::vector<Column> columns, int rowidAliasField)
    : m_def(def), m_columns(std::move(columns)), m_fieldCount(def.fieldCount()), m_rowidAlias(rowidAliasField)
{
    for (int f = 0; f < m_fieldCount; ++f)
        m_cells.emplace_back(f == m_rowidAlias);
}

TableStore::~TableStore() = default;

StoredCell TableStore::place(const CellView& v, ByteArena& bytes, TextInterner* interner) const
{
    StoredCell c;
    c.type = v.type;
    switch (v.type) {
    case CellView::Type::Integer:
        c.i = v.i;
        break;
    case CellView::Type::Real:
        c.r = v.r;
        break;
    case CellView::Type::Text:
        c.offset = interner ? interner->place(bytes, v.p, size_t(v.n))
                            : TextRecord::append(bytes, v.p, size_t(v.n));
        break;
    case CellView::Type::Blob:
        c.offset = TextRecord::append(bytes, v.p, size_t(v.n));
        break;
    case CellView::Type::Null:
        break;
    }
    return c;
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
    std::vector<ColumnCells> cells;
    cells.reserve(size_t(m_fieldCount));
    for (int f = 0; f < m_fieldCount; ++f) {
        cells.emplace_back(f == m_rowidAlias);
        // Rows added between the count and the read only cost a reallocation.
        cells.back().reserve(rows);
    }
    std::vector<TextInterner> interners(static_cast<size_t>(m_fieldCount));
    Array<qint64> rowids;
    rowids.reserve(rows);
    ByteArena bytes;
    bytes.reserve(std::max(m_bytes.size() - std::min(m_bytes.size(), m_wasted), rows * 16));
    bool ascending = true;
    for (TableStoreListener* l : std::vector<TableStoreListener*>(m_listeners))
        l->storeAboutToReload();
    // The hot loop of start-up: straight from SQLite's row into the columns.
    sqlite3_stmt* row = statement.handle();
    while (statement.step()) {
        const qint64 rowid = sqlite3_column_int64(row, 0);
        ascending = ascending && (rowids.empty() || rowid > rowids.back());
        rowids.push_back(rowid);
        for (int f = 1; f <= m_fieldCount; ++f) {
            StoredCell cell;
            // One call into the statement per cell; the value's own accessors take no lock.
            sqlite3_value* value = sqlite3_column_value(row, f);
            switch (sqlite3_value_type(value)) {
            case SQLITE_INTEGER:
                cell.type = CellView::Type::Integer;
                cell.i = sqlite3_value_int64(value);
                break;
            case SQLITE_FLOAT:
                cell.type = CellView::Type::Real;
                cell.r = sqlite3_value_double(value);
                break;
            case SQLITE_TEXT: {
                const char* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
                const size_t n = size_t(sqlite3_value_bytes(value));
                cell.type = CellView::Type::Text;
                cell.offset = interners[size_t(f - 1)].place(bytes, text ? text : "", n);
                break;
            }
            case SQLITE_BLOB: {
                const void* blob = sqlite3_value_blob(value);
                const size_t n = size_t(sqlite3_value_bytes(value));
                cell.type = CellView::Type::Blob;
                cell.offset = TextRecord::append(bytes, blob ? static_cast<const char*>(blob) : "", n);
                break;
            }
            default:
                break;
            }
            cells[size_t(f - 1)].push(cell, rowids.data());
        }
    }
    bytes.shrinkToFit();
    m_cells.swap(cells);
    m_rowids.swap(rowids);
    m_bytes.swap(bytes);
    m_sharedEnd = m_bytes.size();
    m_wasted = 0;
    m_alive.assign(m_rowids.size(), 1);
    m_liveCount = int(m_rowids.size());
    m_rowidsAscending = ascending;
    m_byRowId = {};
    m_byRowIdValid = false;
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
    if (m_rowidsAscending) {
        const auto it = std::lower_bound(m_rowids.begin(), m_rowids.end(), rowid);
        if (it == m_rowids.end() || *it != rowid || !m_alive[size_t(it - m_rowids.begin())])
            return std::nullopt;
        return Slot(it - m_rowids.begin());
    }
    if (!m_byRowIdValid) {
        m_byRowId.resize(m_rowids.size());
        for (Slot s = 0; s < slotCount(); ++s)
            m_byRowId[s] = s;
        std::sort(m_byRowId.begin(), m_byRowId.end(),
                  [this](Slot a, Slot b) { return m_rowids[a] < m_rowids[b] || (m_rowids[a] == m_rowids[b] && a < b); });
        m_byRowIdValid = true;
    }
    // A dead slot can hold the rowid a live one was given later.
    auto it = std::lower_bound(m_byRowId.begin(), m_byRowId.end(), rowid,
                               [this](Slot s, qint64 id) { return m_rowids[s] < id; });
    for (; it != m_byRowId.end() && m_rowids[*it] == rowid; ++it) {
        if (m_alive[*it])
            return *it;
    }
    return std::nullopt;
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
    m_rowidsAscending = m_rowidsAscending && (m_rowids.empty() || rowid > m_rowids.back());
    if (m_byRowIdValid) {
        // The index stays good while new rows come with the highest rowid yet.
        if (m_byRowId.empty() || rowid > m_rowids[m_byRowId.back()])
            m_byRowId.push_back(slot);
        else
            m_byRowIdValid = false;
    }
    m_rowids.push_back(rowid);
    m_alive.push_back(1);
    ++m_liveCount;
    for (int f = 0; f < m_fieldCount; ++f)
        m_cells[size_t(f)].push(place(values[size_t(f)].view(), m_bytes, nullptr), m_rowids.data());
    return slot;
}

void TableStore::rowIdSet(Slot slot, qint64 rowid)
{
    if (m_rowids[slot] == rowid)
        return;
    m_rowids[slot] = rowid;
    m_rowidsAscending = m_rowidsAscending && (slot == 0 || m_rowids[slot - 1] < rowid) &&
                        (slot + 1 == slotCount() || rowid < m_rowids[slot + 1]);
    m_byRowIdValid = false;
}

void TableStore::release(Slot slot, int field)
{
    const StoredCell old = m_cells[size_t(field)].stored(slot, m_rowids.data());
    if ((old.type == CellView::Type::Text || old.type == CellView::Type::Blob) && old.offset >= m_sharedEnd)
        m_wasted += TextRecord::sizeOf(size_t(cell(slot, field).n));
}

void TableStore::replace(Slot slot, qint64 rowid, const std::vector<Value>& values,
                         const TableStoreListener* origin)
{
    rowIdSet(slot, rowid);
    for (int f = 0; f < m_fieldCount; ++f) {
        const CellView v = values[size_t(f)].view();
        // An unchanged text keeps its record (it may be shared with other rows).
        if (sameCell(cell(slot, f), v))
            continue;
        release(slot, f);
        m_cells[size_t(f)].set(slot, place(v, m_bytes, nullptr), m_rowids.data());
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
    for (int f = 0; f < m_fieldCount; ++f) {
        const CellView::Type type = cell(slot, f).type;
        if (type != CellView::Type::Text && type != CellView::Type::Blob)
            continue;
        release(slot, f);
        m_cells[size_t(f)].set(slot, StoredCell(), m_rowids.data());
    }
    compactIfWasteful();
    for (TableStoreListener* l : std::vector<TableStoreListener*>(m_listeners)) {
        if (l != origin)
            l->storeRowRemoved(slot);
    }
}

void TableStore::compactIfWasteful()
{
    // Texts replaced by posts stay in the arena until they outweigh the rest
    // (a picture changed a few times would otherwise hold megabytes).
    if (m_wasted < (1u << 20) || m_wasted * 2 < m_bytes.size())
        return;
    ByteArena bytes;
    bytes.reserve(m_bytes.size() - m_wasted);
    for (int f = 0; f < m_fieldCount; ++f) {
        TextInterner interner;
        for (Slot s = 0; s < slotCount(); ++s) {
            const CellView v = cell(s, f);
            if (v.type == CellView::Type::Text || v.type == CellView::Type::Blob)
                m_cells[size_t(f)].set(s, place(v, bytes, &interner), m_rowids.data());
        }
    }
    m_bytes.swap(bytes);
    m_sharedEnd = m_bytes.size();
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
