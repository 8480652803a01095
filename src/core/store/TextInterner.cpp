#include "core/store/TextInterner.h"

#include "core/store/ColumnCells.h"

#include <cstring>

namespace kelvora {

TextInterner::Head TextInterner::headOf(const char* p, std::size_t n)
{
    // Whole-word loads only: a byte-by-byte copy would stall the loads that follow.
    Head h;
    if (n >= 8) {
        std::memcpy(&h.first, p, 8);
        std::memcpy(&h.last, p + n - 8, 8);
    } else if (n >= 4) {
        quint32 a = 0;
        quint32 b = 0;
        std::memcpy(&a, p, 4);
        std::memcpy(&b, p + n - 4, 4);
        h.first = a | (quint64(b) << 32);
    } else if (n > 0) {
        const auto* u = reinterpret_cast<const unsigned char*>(p);
        h.first = quint64(u[0]) | (quint64(u[n / 2]) << 8) | (quint64(u[n - 1]) << 16);
    }
    return h;
}

quint64 TextInterner::hashOf(const Head& head, const char* p, std::size_t n)
{
    quint64 h = (0x9E3779B97F4A7C15ull ^ n) * 0xFF51AFD7ED558CCDull;
    h = (h ^ head.first) * 0xC4CEB9FE1A85EC53ull;
    h = (h ^ (h >> 29) ^ head.last) * 0xFF51AFD7ED558CCDull;
    for (std::size_t at = 8; at + 8 < n; at += 8) {
        quint64 w = 0;
        std::memcpy(&w, p + at, 8);
        h = (h ^ (h >> 32) ^ w) * 0xC4CEB9FE1A85EC53ull;
    }
    h ^= h >> 29;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 32);
}

std::size_t TextInterner::place(ByteArena& arena, const char* bytes, std::size_t n)
{
    if (m_off || n > kLongest)
        return TextRecord::append(arena, bytes, n);
    if (m_slots.empty())
        m_slots.assign(64, Entry{});
    Entry fresh;
    fresh.head = headOf(bytes, n);
    const quint64 h = hashOf(fresh.head, bytes, n);
    fresh.hash = quint32(h >> 32) | 0x80000000u; // 0 marks a free slot
    fresh.length = quint32(n);
    const std::size_t mask = m_slots.size() - 1;
    ++m_lookups;
    for (std::size_t i = fresh.hash & mask;; i = (i + 1) & mask) {
        const Entry& e = m_slots[i];
        if (e.hash == 0)
            break;
        if (e.hash == fresh.hash && e.length == n && e.head == fresh.head &&
            (n <= 16 ||
             std::memcmp(arena.data() + e.offset + TextRecord::sizeOf(n) - n - 1, bytes, n) == 0)) {
            ++m_hits;
            return e.offset;
        }
    }
    fresh.offset = TextRecord::append(arena, bytes, n);
    if (m_lookups >= kTrial && m_hits * 4 < m_lookups) {
        // Mostly new texts: looking costs more than the copies it saves.
        m_off = true;
        m_slots = {};
        return fresh.offset;
    }
    if ((m_count + 1) * 4 > m_slots.size() * 3) {
        if (m_slots.size() >= kMostSlots)
            return fresh.offset;
        std::vector<Entry> old(m_slots.size() * 2, Entry{});
        old.swap(m_slots);
        m_count = 0;
        for (const Entry& e : old) {
            if (e.hash != 0)
                insert(e);
        }
    }
    insert(fresh);
    return fresh.offset;
}

void TextInterner::insert(const Entry& entry)
{
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t i = entry.hash & mask;; i = (i + 1) & mask) {
        if (m_slots[i].hash == 0) {
            m_slots[i] = entry;
            ++m_count;
            return;
        }
    }
}

} // namespace kelvora
