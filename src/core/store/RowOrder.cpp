#include "core/store/RowOrder.h"

#include "core/store/UnknownField.h"

#include <QStringList>

#include <algorithm>
#include <bit>
#include <cstring>

namespace kelvora {

namespace {

using Slot = TableStore::Slot;

// Each row gets a 32-byte key that compares, byte for byte, as the order does,
// for as long as it could be encoded (`valid` bytes). Most comparisons end
// within the key; the rest fall back to the field-by-field comparison.
struct SortEntry
{
    quint64 key[4];
    Slot slot;
    quint8 valid;
    bool complete;
};

constexpr int kKeyBytes = 32;
constexpr qint64 kExactInDouble = qint64(1) << 53;

class KeyWriter
{
public:
    explicit KeyWriter(unsigned char* out) : m_out(out) {}
    bool full() const { return m_pos >= kKeyBytes; }
    bool put(unsigned char b)
    {
        if (m_pos >= kKeyBytes)
            return false;
        m_out[m_pos++] = b;
        return true;
    }
    int pos() const { return m_pos; }

private:
    unsigned char* m_out;
    int m_pos = 0;
};

void encode(const TableStore& store, const std::vector<int>& fields, Slot slot, SortEntry& entry)
{
    unsigned char bytes[kKeyBytes] = {};
    KeyWriter w(bytes);
    bool complete = true;
    int valid = 0;
    for (int field : fields) {
        const CellView c = store.cell(slot, field);
        if (!w.put(static_cast<unsigned char>(
                1 + int(c.type == CellView::Type::Real ? CellView::Type::Integer : c.type)))) {
            complete = false;
            break;
        }
        valid = w.pos();
        bool stop = false;
        switch (c.type) {
        case CellView::Type::Null:
            break;
        case CellView::Type::Integer:
        case CellView::Type::Real: {
            if (c.type == CellView::Type::Integer && (c.i > kExactInDouble || c.i < -kExactInDouble)) {
                stop = true;
                break;
            }
            double d = c.type == CellView::Type::Integer ? double(c.i) : c.r;
            if (d == 0.0)
                d = 0.0; // -0 sorts with +0
            quint64 bits = std::bit_cast<quint64>(d);
            bits = (bits >> 63) ? ~bits : (bits | (quint64(1) << 63));
            for (int i = 7; i >= 0; --i) {
                if (!w.put(static_cast<unsigned char>(bits >> (8 * i)))) {
                    stop = true;
                    break;
                }
            }
            valid = w.pos();
            break;
        }
        case CellView::Type::Text: {
            const auto* p = reinterpret_cast<const unsigned char*>(c.p);
            for (qsizetype i = 0; i < c.n && !stop; ++i) {
                unsigned char b = p[i];
                // A NUL inside a text would read as the end of it.
                if (b == 0 || !w.put(b >= 'A' && b <= 'Z' ? static_cast<unsigned char>(b + 32) : b))
                    stop = true;
                else
                    valid = w.pos();
            }
            if (!stop) {
                if (w.put(0))
                    valid = w.pos();
                else
                    stop = true;
            }
            break;
        }
        case CellView::Type::Blob:
            stop = true;
            break;
        }
        if (stop) {
            complete = false;
            break;
        }
    }
    for (int i = 0; i < 4; ++i) {
        quint64 word = 0;
        for (int b = 0; b < 8; ++b)
            word = (word << 8) | bytes[i * 8 + b];
        entry.key[i] = word;
    }
    entry.slot = slot;
    entry.valid = static_cast<quint8>(valid);
    entry.complete = complete;
}

// Puts distinct slots in ascending order in one pass over a bitmap of the table.
void inSlotOrder(const TableStore& store, std::vector<Slot>& rows)
{
    std::vector<quint64> marks((size_t(store.slotCount()) + 63) / 64);
    for (Slot s : rows)
        marks[s >> 6] |= quint64(1) << (s & 63);
    size_t i = 0;
    for (size_t w = 0; w < marks.size(); ++w) {
        for (quint64 bits = marks[w]; bits; bits &= bits - 1)
            rows[i++] = Slot(w * 64 + size_t(std::countr_zero(bits)));
    }
}

} // namespace

RowOrder RowOrder::parse(const QString& list, const TableDef& table)
{
    RowOrder order;
    QStringList names;
    for (const QString& item : list.split(QLatin1Char(';'))) {
        const QString name = item.trimmed();
        if (name.isEmpty())
            continue;
        const int index = table.fieldIndex(name);
        if (index < 0)
            throw UnknownField(table.tableName(), name);
        order.m_fields.push_back(index);
        names << table.fieldName(index);
    }
    order.m_text = names.join(QLatin1Char(';'));
    return order;
}

bool RowOrder::involves(int field) const
{
    return std::find(m_fields.begin(), m_fields.end(), field) != m_fields.end();
}

int RowOrder::compare(const TableStore& store, Slot a, Slot b) const
{
    for (int field : m_fields) {
        const int c = SqliteRules::compareNoCase(store.cell(a, field), store.cell(b, field));
        if (c != 0)
            return c;
    }
    return a < b ? -1 : (a > b ? 1 : 0);
}

int RowOrder::compareKeys(const TableStore& store, Slot slot, const std::vector<Value>& keys) const
{
    const size_t n = std::min(keys.size(), m_fields.size());
    for (size_t i = 0; i < n; ++i) {
        const int c = SqliteRules::compareNoCase(store.cell(slot, m_fields[i]), keys[i].view());
        if (c != 0)
            return c;
    }
    return 0;
}

void RowOrder::sort(const TableStore& store, std::vector<Slot>& rows) const
{
    // The result does not depend on the order rows come in (ties go by slot), so
    // they are taken in slot order: a table read in the order of its key is then
    // often found in order already and is not sorted at all.
    inSlotOrder(store, rows);
    if (m_fields.empty())
        return;
    std::vector<SortEntry> entries(rows.size());
    for (size_t i = 0; i < rows.size(); ++i)
        encode(store, m_fields, rows[i], entries[i]);
    const auto less = [&](const SortEntry& a, const SortEntry& b) {
        for (int w = 0; w < 4; ++w) {
            if (a.key[w] != b.key[w]) {
                const int at = w * 8 + std::countl_zero(a.key[w] ^ b.key[w]) / 8;
                if (at < a.valid && at < b.valid)
                    return a.key[w] < b.key[w];
                return compare(store, a.slot, b.slot) < 0;
            }
        }
        if (a.complete && b.complete)
            return a.slot < b.slot;
        return compare(store, a.slot, b.slot) < 0;
    };
    if (std::is_sorted(entries.begin(), entries.end(), less))
        return;
    std::sort(entries.begin(), entries.end(), less);
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = entries[i].slot;
}

} // namespace kelvora
