#pragma once

#include "core/store/ByteArena.h"
#include "core/store/ColumnCells.h"
#include "core/store/LargeBlockAllocator.h"
#include "core/store/Schema.h"
#include "core/store/SqliteRules.h"
#include "core/store/TextInterner.h"
#include "core/store/Value.h"

#include <optional>
#include <vector>

struct sqlite3;

namespace kelvora {

class TableStoreListener;

// One table of the file, held in memory: every row read once, kept current by
// the program's own posts and deletes, read again on request.
//
// A row lives in a slot that does not move until the table is read again;
// deleted rows leave a dead slot. Cells keep SQLite's storage class (NULL,
// integer, real, text, blob), each field in a column of its own whose layout is
// as narrow as its values allow (see ColumnCells). Texts and blobs sit in one
// byte arena, each followed by a NUL byte, so a text is never copied to be
// compared or matched; a text that repeats in a column is held once.
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
        return m_cells[size_t(field)].cell(slot, m_bytes.data(), m_rowids.data());
    }
    Value value(Slot slot, int field) const { return Value::fromView(cell(slot, field)); }
    std::vector<Value> row(Slot slot) const;

    // Changes that the file already holds. `origin` is not told about them.
    Slot append(qint64 rowid, const std::vector<Value>& values);
    void replace(Slot slot, qint64 rowid, const std::vector<Value>& values, const TableStoreListener* origin);
    void remove(Slot slot, const TableStoreListener* origin);

    void addListener(TableStoreListener* listener);
    void removeListener(TableStoreListener* listener);

    // The layout a field's column has come to (for tests and measurements).
    ColumnCells::Layout layout(int field) const { return m_cells[size_t(field)].layout(); }

private:
    template <class T> using Array = std::vector<T, LargeBlockAllocator<T>>;

    // Places a text or blob in the arena (through the interner while loading).
    StoredCell place(const CellView& v, ByteArena& bytes, TextInterner* interner) const;
    // The arena record of a text cell is no longer used.
    void release(Slot slot, int field);
    void rowIdSet(Slot slot, qint64 rowid);
    void compactIfWasteful();

    const TableDef& m_def;
    std::vector<Column> m_columns;
    int m_fieldCount;
    int m_rowidAlias;
    std::vector<ColumnCells> m_cells;
    ByteArena m_bytes;
    Array<qint64> m_rowids;
    std::vector<quint8> m_alive;
    int m_liveCount = 0;
    // Records below this offset may be shared by several cells (the load held
    // each repeated text once); those above belong to one cell each.
    std::size_t m_sharedEnd = 0;
    std::size_t m_wasted = 0;
    // Rows are read in rowid order and new ones usually get the next rowid, so
    // a binary search over the slots finds a rowid; only when that order is
    // broken does an index of the slots by rowid get built.
    bool m_rowidsAscending = true;
    mutable std::vector<Slot> m_byRowId;
    mutable bool m_byRowIdValid = false;
    std::vector<TableStoreListener*> m_listeners;
};

} // namespace kelvora
