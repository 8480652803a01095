#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace kelvora {

// The bytes of a table's texts and blobs, one after another, each followed by a
// NUL. Growing it reallocates in place where the system can (big blocks are
// remapped, not copied), and appending never zero-fills first.
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

    // Copies n bytes and a NUL; returns where they start.
    std::size_t append(const char* bytes, std::size_t n)
    {
        const std::size_t at = m_size;
        if (at + n + 1 > m_capacity)
            reserve(std::max(m_capacity * 2, at + n + 1 + 4096));
        if (n)
            std::memcpy(m_data + at, bytes, n);
        m_data[at + n] = '\0';
        m_size = at + n + 1;
        return at;
    }

private:
    char* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_capacity = 0;
};

} // namespace kelvora
