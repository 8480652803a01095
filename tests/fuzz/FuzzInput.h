#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstring>

namespace kelvora::fuzz {

// Reads a fuzz input as a few parts. A part runs up to the next NUL byte, so a
// seed can be written by hand ("text\0pattern"); a choice is one byte. An input
// that runs out gives empty parts and zero choices, never a failure.
class FuzzInput
{
public:
    FuzzInput(const uint8_t* data, size_t size) : m_data(data), m_size(size) {}
    explicit FuzzInput(const QByteArray& bytes)
        : m_data(reinterpret_cast<const uint8_t*>(bytes.constData())), m_size(size_t(bytes.size()))
    {
    }

    bool atEnd() const { return m_pos >= m_size; }

    // 0 .. count-1.
    int choose(int count)
    {
        if (count <= 1 || atEnd())
            return 0;
        return m_data[m_pos++] % count;
    }

    QByteArray part()
    {
        const size_t start = m_pos;
        while (m_pos < m_size && m_data[m_pos] != 0)
            ++m_pos;
        QByteArray bytes(reinterpret_cast<const char*>(m_data + start), qsizetype(m_pos - start));
        if (m_pos < m_size)
            ++m_pos; // the NUL
        return bytes;
    }
    QString textPart() { return QString::fromUtf8(part()); }

    QByteArray rest()
    {
        QByteArray bytes(reinterpret_cast<const char*>(m_data + m_pos), qsizetype(m_size - m_pos));
        m_pos = m_size;
        return bytes;
    }

    // Eight raw bytes (fewer when the input runs out, the rest zero).
    template <class T> T raw()
    {
        unsigned char bytes[sizeof(T)] = {};
        for (size_t i = 0; i < sizeof(T) && m_pos < m_size; ++i)
            bytes[i] = m_data[m_pos++];
        T value;
        std::memcpy(&value, bytes, sizeof(T));
        return value;
    }

private:
    const uint8_t* m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace kelvora::fuzz
