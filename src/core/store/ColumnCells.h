#pragma once

#include "core/store/ByteArena.h"
#include "core/store/LargeBlockAllocator.h"
#include "core/store/Value.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

namespace kelvora {

// A value as a column keeps it: numbers as they are, a text or a blob as the
// offset of its record in the table's byte arena (see TextRecord).
struct StoredCell
{
    CellView::Type type = CellView::Type::Null;
    qint64 i = 0;
    double r = 0.0;
    quint64 offset = 0;
};

// A text or blob in the arena: its length as a base-128 number (one byte below
// 128), the bytes, and a NUL, so the matcher can read it in place.
struct TextRecord
{
    static std::size_t append(ByteArena& arena, const char* bytes, std::size_t n);
    static std::size_t sizeOf(std::size_t n);
    static void read(const char* at, const char*& bytes, qsizetype& n)
    {
        const auto* q = reinterpret_cast<const unsigned char*>(at);
        quint64 length = *q & 0x7Fu;
        for (int shift = 7; *q++ & 0x80u; shift += 7)
            length |= quint64(*q & 0x7Fu) << shift;
        bytes = reinterpret_cast<const char*>(q);
        n = qsizetype(length);
    }
};

// One field of every row of a table, in the narrowest layout its values have
// allowed so far. A value the layout cannot hold widens the whole column once:
// amounts in whole cents take 4 bytes and any other real 8, texts of one column
// a 4-byte offset, and a column whose values have several storage classes a
// type byte and 8 bytes each. NULL is a value no real cell can have in that
// layout, so it needs no bit of its own.
class ColumnCells
{
public:
    enum class Layout : quint8
    {
        Nulls,    // every value so far is NULL
        RowId,    // the INTEGER PRIMARY KEY: each value is the row's rowid
        Texts,    // 32-bit arena offsets
        Blobs,    // the same, for blobs
        Cents,    // reals that are whole cents, as 32-bit counts of cents
        Reals,    // doubles
        Integers, // 64-bit integers
        Mixed     // a type byte and 8 bytes per row
    };

    explicit ColumnCells(bool rowidAlias = false)
        : m_layout(rowidAlias ? Layout::RowId : Layout::Nulls)
    {
    }

    Layout layout() const { return m_layout; }
    // Room for that many rows, so a load does not grow the arrays step by step.
    void reserve(std::size_t rows) { m_reserve = rows; }
    std::size_t size() const { return m_size; }

    CellView cell(quint32 slot, const char* arena, const qint64* rowids) const
    {
        CellView v;
        switch (m_layout) {
        case Layout::Nulls:
            break;
        case Layout::RowId:
            v.type = CellView::Type::Integer;
            v.i = rowids[slot];
            break;
        case Layout::Texts:
        case Layout::Blobs: {
            const quint32 ref = m_u32[slot];
            if (ref != kNullRef) {
                v.type = m_layout == Layout::Texts ? CellView::Type::Text : CellView::Type::Blob;
                TextRecord::read(arena + ref, v.p, v.n);
            }
            break;
        }
        case Layout::Cents: {
            const qint32 cents = qint32(m_u32[slot]);
            if (cents != kNullCents) {
                v.type = CellView::Type::Real;
                v.r = double(cents) / 100.0;
            }
            break;
        }
        case Layout::Reals:
            if (m_u64[slot] != kNullReal) {
                v.type = CellView::Type::Real;
                v.r = std::bit_cast<double>(m_u64[slot]);
            }
            break;
        case Layout::Integers:
            if (qint64(m_u64[slot]) != kNullInteger) {
                v.type = CellView::Type::Integer;
                v.i = qint64(m_u64[slot]);
            }
            break;
        case Layout::Mixed:
            v.type = CellView::Type(m_types[slot]);
            switch (v.type) {
            case CellView::Type::Integer:
                v.i = qint64(m_u64[slot]);
                break;
            case CellView::Type::Real:
                v.r = std::bit_cast<double>(m_u64[slot]);
                break;
            case CellView::Type::Text:
            case CellView::Type::Blob:
                TextRecord::read(arena + m_u64[slot], v.p, v.n);
                break;
            case CellView::Type::Null:
                break;
            }
            break;
        }
        return v;
    }

    // The cell of a slot as stored; a text keeps its arena offset.
    StoredCell stored(quint32 slot, const qint64* rowids) const;
    // Adds a cell after the last one (its rowid must already be in `rowids`).
    void push(const StoredCell& cell, const qint64* rowids)
    {
        // The common cases first: they are the inner loop of a load.
        const bool null = cell.type == CellView::Type::Null;
        switch (m_layout) {
        case Layout::Texts:
            if ((cell.type == CellView::Type::Text && cell.offset < kNullRef) || null) {
                m_u32.push_back(null ? kNullRef : quint32(cell.offset));
                ++m_size;
                return;
            }
            break;
        case Layout::Cents: {
            qint32 cents = kNullCents;
            if (null || (cell.type == CellView::Type::Real && centsOf(cell.r, cents))) {
                m_u32.push_back(quint32(cents));
                ++m_size;
                return;
            }
            break;
        }
        case Layout::Nulls:
            if (null) {
                ++m_size;
                return;
            }
            break;
        case Layout::RowId:
            if (cell.type == CellView::Type::Integer && cell.i == rowids[m_size]) {
                ++m_size;
                return;
            }
            break;
        default:
            break;
        }
        if (!fits(cell, rowids[m_size]))
            widen(cell, rowids);
        grow();
        ++m_size;
        write(m_size - 1, cell);
    }
    void set(quint32 slot, const StoredCell& cell, const qint64* rowids)
    {
        if (!fits(cell, rowids[slot]))
            widen(cell, rowids);
        write(slot, cell);
    }
private:
    static constexpr quint32 kNullRef = 0xFFFFFFFFu;
    static constexpr qint32 kNullCents = INT32_MIN;
    // SQLite never stores a NaN (it makes it NULL), so one NaN can mean NULL.
    static constexpr quint64 kNullReal = 0x7FF8DEADBEEF0001ull;
    static constexpr qint64 kNullInteger = INT64_MIN;

    template <class T> using Array = std::vector<T, LargeBlockAllocator<T>>;

    static bool centsOf(double r, qint32& cents)
    {
        const double scaled = r * 100.0;
        if (!(scaled > -2147483647.0 && scaled < 2147483647.0))
            return false;
        cents = qint32(std::lrint(scaled));
        return std::bit_cast<quint64>(double(cents) / 100.0) == std::bit_cast<quint64>(r);
    }

    bool fits(const StoredCell& cell, qint64 rowid) const;
    void widen(const StoredCell& cell, const qint64* rowids);
    void grow();
    void write(std::size_t slot, const StoredCell& cell);

    Layout m_layout;
    std::size_t m_size = 0;
    std::size_t m_reserve = 0;
    Array<quint32> m_u32;
    Array<quint64> m_u64;
    Array<quint8> m_types;
};

} // namespace kelvora
