#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace kelvora {

// The bytes of a table's texts and blobs, one record after another. Growing it
// reallocates in place where the system can (big blocks are remapped, not
// copied), and appending never zero-fills first.
class ByteArena
{
public:
    ByteArena() = default;
    ~ByteArena() { std::free(m_data); }
    ByteArena(const ByteArena&) = delete;
    ByteArena& operator=(const ByteArena&) = delete;
    ByteArena(ByteArena&& other) noexcept { swap(other); }
    ByteArena& operator=(ByteArena&& other) noexcept
    {
        swap(other);
        return *this;
    }

    void swap(ByteArena& other) noexcept
    {
        std::swap(m_data, other.m_data);
        std::swap(m_size, other.m_size);
        std::swap(m_capacity, other.m_capacity);
    }

    const char* data() const { return m_data; }
    std::size_t size() const { return m_size; }
    void clear() { m_size = 0; }

    void reserve(std::size_t capacity)
    {
        if (capacity <= m_capacity)
            return;
        void* grown = std::realloc(m_data, capacity);
        if (!grown)
            throw std::bad_alloc();
        m_data = static_cast<char*>(grown);
        m_capacity = capacity;
    }

    std::size_t capacity() const { return m_capacity; }

    // Copies a prefix, n bytes and a NUL; returns where the prefix starts.
    std::size_t appendRecord(const char* prefix, std::size_t prefixSize, const char* bytes, std::size_t n)
    {
        const std::size_t at = m_size;
        const std::size_t end = at + prefixSize + n + 1;
        if (end > m_capacity)
            reserve(std::max(m_capacity + m_capacity / 2, end + 4096));
        std::memcpy(m_data + at, prefix, prefixSize);
        if (n)
            std::memcpy(m_data + at + prefixSize, bytes, n);
        m_data[end - 1] = '\0';
        m_size = end;
        return at;
    }

    // Gives back the room beyond what is used (after a load, whose size was a guess).
    void shrinkToFit()
    {
        if (m_size == m_capacity)
            return;
        if (m_size == 0) {
            std::free(m_data);
            m_data = nullptr;
            m_capacity = 0;
            return;
        }
        if (void* shrunk = std::realloc(m_data, m_size)) {
            m_data = static_cast<char*>(shrunk);
            m_capacity = m_size;
        }
    }

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace kelvora
