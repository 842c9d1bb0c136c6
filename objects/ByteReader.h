#pragma once

// The one bounds-checked little-endian reader that every parser uses:
// picture decoders, the document archive, the exchange files. Reading past
// the end never touches memory beyond the buffer: it yields zeros and sets a
// sticky failure flag that the caller checks once after a group of reads.

#include "objects/Types.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

class CByteReader {
public:
    CByteReader() = default;
    CByteReader(const BYTE* data, std::size_t size) : m_data(data), m_size(data ? size : 0) {}
    explicit CByteReader(const std::vector<BYTE>& bytes) : CByteReader(bytes.data(), bytes.size()) {}

    std::size_t Size() const { return m_size; }
    std::size_t Tell() const { return m_pos; }
    std::size_t Remaining() const { return m_size - m_pos; }
    bool AtEnd() const { return m_pos >= m_size; }
    bool Failed() const { return m_failed; }
    bool Ok() const { return !m_failed; }
    void SetFailed() { m_failed = true; }
    const BYTE* Data() const { return m_data; }
    const BYTE* Current() const { return m_data + m_pos; }

    // Moves to an absolute position; a position past the end fails.
    bool Seek(std::size_t pos)
    {
        if (pos > m_size) { m_failed = true; m_pos = m_size; return false; }
        m_pos = pos;
        return true;
    }
    bool Skip(std::size_t count)
    {
        if (count > Remaining()) { m_failed = true; m_pos = m_size; return false; }
        m_pos += count;
        return true;
    }
    bool Has(std::size_t count) const { return count <= Remaining(); }

    // Copies count bytes; on a short read the whole destination is zeroed.
    bool Read(void* dest, std::size_t count)
    {
        if (count > Remaining()) {
            if (count) std::memset(dest, 0, count);
            m_failed = true;
            m_pos = m_size;
            return false;
        }
        if (count) std::memcpy(dest, m_data + m_pos, count);
        m_pos += count;
        return true;
    }
    // Reads up to count bytes and returns how many were read, without failing.
    std::size_t ReadSome(void* dest, std::size_t count)
    {
        std::size_t n = count < Remaining() ? count : Remaining();
        if (n) std::memcpy(dest, m_data + m_pos, n);
        m_pos += n;
        return n;
    }

    BYTE U8()
    {
        if (m_pos >= m_size) { m_failed = true; return 0; }
        return m_data[m_pos++];
    }
    WORD U16()
    {
        BYTE b[2];
        Read(b, 2);
        return static_cast<WORD>(b[0] | (b[1] << 8));
    }
    DWORD U32()
    {
        BYTE b[4];
        Read(b, 4);
        return static_cast<DWORD>(b[0]) | (static_cast<DWORD>(b[1]) << 8) | (static_cast<DWORD>(b[2]) << 16) |
               (static_cast<DWORD>(b[3]) << 24);
    }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    WORD U16BE()
    {
        BYTE b[2];
        Read(b, 2);
        return static_cast<WORD>((b[0] << 8) | b[1]);
    }
    DWORD U32BE()
    {
        BYTE b[4];
        Read(b, 4);
        return (static_cast<DWORD>(b[0]) << 24) | (static_cast<DWORD>(b[1]) << 16) |
               (static_cast<DWORD>(b[2]) << 8) | static_cast<DWORD>(b[3]);
    }
    float F32()
    {
        DWORD v = U32();
        float f;
        std::memcpy(&f, &v, 4);
        return f;
    }
    std::string Bytes(std::size_t count)
    {
        if (count > Remaining()) { m_failed = true; m_pos = m_size; return {}; }
        std::string s(reinterpret_cast<const char*>(m_data + m_pos), count);
        m_pos += count;
        return s;
    }

private:
    const BYTE* m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

// The matching little-endian writer.
class CByteWriter {
public:
    std::vector<BYTE>& Buffer() { return m_buf; }
    const std::vector<BYTE>& Buffer() const { return m_buf; }
    std::size_t Size() const { return m_buf.size(); }

    void Write(const void* src, std::size_t count)
    {
        const BYTE* p = static_cast<const BYTE*>(src);
        m_buf.insert(m_buf.end(), p, p + count);
    }
    void U8(BYTE v) { m_buf.push_back(v); }
    void U16(WORD v)
    {
        m_buf.push_back(static_cast<BYTE>(v));
        m_buf.push_back(static_cast<BYTE>(v >> 8));
    }
    void U32(DWORD v)
    {
        for (int i = 0; i < 4; ++i) m_buf.push_back(static_cast<BYTE>(v >> (8 * i)));
    }
    void I32(std::int32_t v) { U32(static_cast<DWORD>(v)); }
    void F32(float f)
    {
        DWORD v;
        std::memcpy(&v, &f, 4);
        U32(v);
    }
    void Bytes(const std::string& s) { Write(s.data(), s.size()); }

private:
    std::vector<BYTE> m_buf;
};
