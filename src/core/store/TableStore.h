#pragma once

#include "core/store/ByteArena.h"
#include "core/store/LargeBlockAllocator.h"
#include "core/store/Schema.h"
#include "core/store/SqliteRules.h"
#include "core/store/Value.h"

#include <optional>
#include <unordered_map>
#include <vector>

struct sqlite3;

namespace kelvora {

class TableStoreListener;

// One table of the file, held in memory: every row read once, kept current by
// the program's own posts and deletes, read again on request.
//
// A row lives in a slot that does not move until the table is read again;
// deleted rows leave a dead slot. Cells keep SQLite's storage class (NULL,
// integer, real, text, blob); texts and blobs sit in one byte arena, each
// followed by a NUL byte, so a text is never copied to be compared or matched.
class TableStore
{
public:
    using Slot = quint32;

    // How the file declares a column: its affinity and collation decide how
    // values compare in a statement.
    struct Column
    {
        Affinity affinity = Affinity::Blob;
        Collation collation = Collation::Binary;
    };

    TableStore(const TableDef& def, std::vector<Column> columns, int rowidAliasField);
    ~TableStore();
    TableStore(const TableStore&) = delete;
    TableStore& operator=(const TableStore&) = delete;

    const TableDef& def() const { return m_def; }
    int fieldCount() const { return m_fieldCount; }
    const Column& column(int field) const { return m_columns[size_t(field)]; }
    // The field that is SQLite's rowid (an INTEGER PRIMARY KEY), -1 when none.
    int rowidAliasField() const { return m_rowidAlias; }

    // Reads every row of the table (rowid order). Listeners hear storeReloaded().
    void load(sqlite3* db);
    // The row with that rowid as it is in the file now; nullopt when there is none.
    std::optional<std::vector<Value>> readRow(sqlite3* db, qint64 rowid) const;

    Slot slotCount() const { return Slot(m_rowids.size()); }
    bool isAlive(Slot slot) const { return m_alive[slot] != 0; }
    int liveCount() const { return m_liveCount; }
    qint64 rowId(Slot slot) const { return m_rowids[slot]; }
    std::optional<Slot> slotOfRowId(qint64 rowid) const;

    CellView cell(Slot slot, int field) const
    {
        const Cell& c = m_cells[size_t(slot) * size_t(m_fieldCount) + size_t(field)];
        CellView v;
        v.type = c.type;
        switch (c.type) {
        case CellView::Type::Integer:
            v.i = c.i;
            break;
        case CellView::Type::Real:
            v.r = c.r;
            break;
        case CellView::Type::Text:
        case CellView::Type::Blob:
            v.p = m_bytes.data() + c.offset;
            v.n = c.length;
            break;
        default:
            break;
        }
        return v;
    }
    Value value(Slot slot, int field) const { return Value::fromView(cell(slot, field)); }
    std::vector<Value> row(Slot slot) const;

    // Changes that the file already holds. `origin` is not told about them.
    Slot append(qint64 rowid, const std::vector<Value>& values);
    void replace(Slot slot, qint64 rowid, const std::vector<Value>& values, const TableStoreListener* origin);
    void remove(Slot slot, const TableStoreListener* origin);

    void addListener(TableStoreListener* listener);
    void removeListener(TableStoreListener* listener);

private:
    struct Cell
    {
        union {
            qint64 i;
            double r;
            quint64 offset;
        };
        quint32 length;
        CellView::Type type;
    };

    using Cells = std::vector<Cell, LargeBlockAllocator<Cell>>;
    using Bytes = ByteArena;

    static void setCell(Cell& cell, const CellView& v, Bytes& bytes);
    void compactIfWasteful();

    const TableDef& m_def;
    std::vector<Column> m_columns;
    int m_fieldCount;
    int m_rowidAlias;
    Cells m_cells;
    Bytes m_bytes;
    std::vector<qint64> m_rowids;
    std::vector<quint8> m_alive;
    int m_liveCount = 0;
    size_t m_wasted = 0;
    mutable std::unordered_map<qint64, Slot> m_slotOfRowId;
    mutable bool m_slotIndexBuilt = false;
    std::vector<TableStoreListener*> m_listeners;
};

} // namespace kelvora
