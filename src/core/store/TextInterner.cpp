#include "core/store/TextInterner.h"

#include "core/store/ColumnCells.h"

#include <algorithm>
#include <cstring>

namespace kelvora {

namespace {

quint64 hashOf(const char* p, std::size_t n)
{
    quint64 h = 0x9E3779B97F4A7C15ull ^ n;
    while (n >= 8) {
        quint64 w = 0;
        std::memcpy(&w, p, 8);
        h = (h ^ w) * 0xFF51AFD7ED558CCDull;
        h ^= h >> 32;
        p += 8;
        n -= 8;
    }
    if (n) {
        quint64 w = 0;
        std::memcpy(&w, p, n);
        h = (h ^ w) * 0xC4CEB9FE1A85EC53ull;
    }
    h ^= h >> 29;
    h *= 0x94D049BB133111EBull;
    return h ^ (h >> 32);
}

} // namespace

std::size_t TextInterner::place(ByteArena& arena, const char* bytes, std::size_t n)
{
    if (m_off || n > kLongest)
        return TextRecord::append(arena, bytes, n);
    if (m_slots.empty())
        m_slots.assign(64, Entry{});
    const quint64 h = hashOf(bytes, n);
    const quint32 tag = quint32(h >> 32) | 0x80000000u; // 0 marks a free slot
    Entry fresh{};
    fresh.hash = tag;
    fresh.length = quint32(n);
    std::memcpy(fresh.head, bytes, std::min(n, kHead));
    const std::size_t mask = m_slots.size() - 1;
    ++m_lookups;
    for (std::size_t i = tag & mask;; i = (i + 1) & mask) {
        const Entry& e = m_slots[i];
        if (e.hash == 0)
            break;
        if (e.hash == tag && e.length == n && std::memcmp(e.head, fresh.head, kHead) == 0 &&
            (n <= kHead || std::memcmp(arena.data() + e.offset + TextRecord::sizeOf(n) - n - 1 + kHead,
                                       bytes + kHead, n - kHead) == 0)) {
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
