#pragma once

#include "core/store/ByteArena.h"

#include <QtGlobal>

#include <vector>

namespace kelvora {

// Gives the repeated texts of one column a single record in the arena while a
// table is read: dates, codes, categories, suppliers and payment kinds repeat
// thousands of times in a ledger. It remembers a bounded number of texts, and
// stops looking once a column shows that its texts seldom repeat (invoice
// numbers, notes), so neither its memory nor its time grows with the table.
class TextInterner
{
public:
    // The offset of a record with these bytes: one placed before, or a new one.
    std::size_t place(ByteArena& arena, const char* bytes, std::size_t n);

private:
    static constexpr std::size_t kLongest = 256;
    static constexpr std::size_t kMostSlots = std::size_t(1) << 15;
    static constexpr std::size_t kTrial = 4096;

    // A text's first and last bytes, read as two words: for a text of up to
    // 16 bytes they are the whole text, so it is compared here without a look
    // into the arena (whose records are scattered over megabytes).
    struct Head
    {
        quint64 first = 0;
        quint64 last = 0;
        bool operator==(const Head&) const = default;
    };
    struct Entry
    {
        quint64 offset = 0;
        quint32 hash = 0;
        quint32 length = 0;
        Head head;
    };
    static Head headOf(const char* bytes, std::size_t n);
    static quint64 hashOf(const Head& head, const char* bytes, std::size_t n);

    void insert(const Entry& entry);

    std::vector<Entry> m_slots;
    std::size_t m_count = 0;
    std::size_t m_lookups = 0;
    std::size_t m_hits = 0;
    bool m_off = false;
};

} // namespace kelvora
