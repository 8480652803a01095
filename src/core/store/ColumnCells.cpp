#include "core/store/ColumnCells.h"

namespace kelvora {

std::size_t TextRecord::sizeOf(std::size_t n)
{
    std::size_t prefix = 1;
    for (std::size_t rest = n >> 7; rest; rest >>= 7)
        ++prefix;
    return prefix + n + 1;
}

std::size_t TextRecord::append(ByteArena& arena, const char* bytes, std::size_t n)
{
    unsigned char prefix[10];
    int used = 0;
    std::size_t rest = n;
    do {
        prefix[used] = static_cast<unsigned char>(rest & 0x7Fu);
        rest >>= 7;
        if (rest)
            prefix[used] |= 0x80u;
        ++used;
    } while (rest);
    return arena.appendRecord(reinterpret_cast<const char*>(prefix), std::size_t(used), bytes, n);
}

StoredCell ColumnCells::stored(quint32 slot, const qint64* rowids) const
{
    StoredCell c;
    const bool texts = m_layout == Layout::Texts || m_layout == Layout::Blobs;
    if (texts && m_u32[slot] != kNullRef) {
        c.type = m_layout == Layout::Texts ? CellView::Type::Text : CellView::Type::Blob;
        c.offset = m_u32[slot];
    } else if (m_layout == Layout::Mixed && (CellView::Type(m_types[slot]) == CellView::Type::Text ||
                                             CellView::Type(m_types[slot]) == CellView::Type::Blob)) {
        c.type = CellView::Type(m_types[slot]);
        c.offset = m_u64[slot];
    } else if (!texts) {
        // Numbers and NULLs read as the cell does; no arena is needed for them.
        const CellView v = cell(slot, nullptr, rowids);
        c.type = v.type;
        c.i = v.i;
        c.r = v.r;
    }
    return c;
}

bool ColumnCells::fits(const StoredCell& cell, qint64 rowid) const
{
    qint32 cents = 0;
    switch (cell.type) {
    case CellView::Type::Null:
        return m_layout != Layout::RowId;
    case CellView::Type::Integer:
        return m_layout == Layout::Mixed || (m_layout == Layout::RowId && cell.i == rowid) ||
               (m_layout == Layout::Integers && cell.i != kNullInteger);
    case CellView::Type::Real:
        return m_layout == Layout::Mixed || (m_layout == Layout::Cents && centsOf(cell.r, cents)) ||
               (m_layout == Layout::Reals && std::bit_cast<quint64>(cell.r) != kNullReal);
    case CellView::Type::Text:
        return m_layout == Layout::Mixed || (m_layout == Layout::Texts && cell.offset < kNullRef);
    case CellView::Type::Blob:
        return m_layout == Layout::Mixed || (m_layout == Layout::Blobs && cell.offset < kNullRef);
    }
    return false;
}

void ColumnCells::widen(const StoredCell& cell, const qint64* rowids)
{
    // The narrowest layout that holds both what is there and the new cell.
    Layout target = Layout::Mixed;
    qint32 cents = 0;
    const bool realFits = std::bit_cast<quint64>(cell.r) != kNullReal;
    if (m_layout == Layout::Nulls) {
        switch (cell.type) {
        case CellView::Type::Integer:
            target = cell.i != kNullInteger ? Layout::Integers : Layout::Mixed;
            break;
        case CellView::Type::Real:
            target = centsOf(cell.r, cents) ? Layout::Cents : (realFits ? Layout::Reals : Layout::Mixed);
            break;
        case CellView::Type::Text:
            target = cell.offset < kNullRef ? Layout::Texts : Layout::Mixed;
            break;
        case CellView::Type::Blob:
            target = cell.offset < kNullRef ? Layout::Blobs : Layout::Mixed;
            break;
        case CellView::Type::Null:
            return;
        }
    } else if (m_layout == Layout::Cents && cell.type == CellView::Type::Real && realFits) {
        target = Layout::Reals;
    }

    ColumnCells old(std::move(*this));
    m_layout = target;
    m_size = old.m_size;
    m_reserve = old.m_reserve;
    m_u32 = {};
    m_u64 = {};
    m_types = {};
    const std::size_t room = std::max(m_reserve, m_size + 1);
    switch (m_layout) {
    case Layout::Texts:
    case Layout::Blobs:
    case Layout::Cents:
        m_u32.reserve(room);
        m_u32.resize(m_size);
        break;
    case Layout::Reals:
    case Layout::Integers:
        m_u64.reserve(room);
        m_u64.resize(m_size);
        break;
    case Layout::Mixed:
        m_u64.reserve(room);
        m_u64.resize(m_size);
        m_types.reserve(room);
        m_types.resize(m_size);
        break;
    case Layout::Nulls:
    case Layout::RowId:
        break;
    }
    for (std::size_t s = 0; s < m_size; ++s)
        write(s, old.stored(quint32(s), rowids));
}

void ColumnCells::grow()
{
    switch (m_layout) {
    case Layout::Texts:
    case Layout::Blobs:
    case Layout::Cents:
        if (m_u32.capacity() < m_reserve)
            m_u32.reserve(m_reserve);
        m_u32.emplace_back();
        break;
    case Layout::Reals:
    case Layout::Integers:
        if (m_u64.capacity() < m_reserve)
            m_u64.reserve(m_reserve);
        m_u64.emplace_back();
        break;
    case Layout::Mixed:
        if (m_u64.capacity() < m_reserve) {
            m_u64.reserve(m_reserve);
            m_types.reserve(m_reserve);
        }
        m_u64.emplace_back();
        m_types.emplace_back();
        break;
    case Layout::Nulls:
    case Layout::RowId:
        break;
    }
}

void ColumnCells::write(std::size_t slot, const StoredCell& cell)
{
    const bool null = cell.type == CellView::Type::Null;
    qint32 cents = kNullCents;
    switch (m_layout) {
    case Layout::Nulls:
    case Layout::RowId:
        break;
    case Layout::Texts:
    case Layout::Blobs:
        m_u32[slot] = null ? kNullRef : quint32(cell.offset);
        break;
    case Layout::Cents:
        if (!null)
            centsOf(cell.r, cents);
        m_u32[slot] = quint32(cents);
        break;
    case Layout::Reals:
        m_u64[slot] = null ? kNullReal : std::bit_cast<quint64>(cell.r);
        break;
    case Layout::Integers:
        m_u64[slot] = quint64(null ? kNullInteger : cell.i);
        break;
    case Layout::Mixed:
        m_types[slot] = quint8(cell.type);
        switch (cell.type) {
        case CellView::Type::Integer:
            m_u64[slot] = quint64(cell.i);
            break;
        case CellView::Type::Real:
            m_u64[slot] = std::bit_cast<quint64>(cell.r);
            break;
        case CellView::Type::Text:
        case CellView::Type::Blob:
            m_u64[slot] = cell.offset;
            break;
        case CellView::Type::Null:
            m_u64[slot] = 0;
            break;
        }
        break;
    }
}

} // namespace kelvora
