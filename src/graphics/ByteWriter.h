// ByteWriter: little-endian fields appended to bytes in memory, with lengths that are reserved
// first and filled in once what they measure has been written.
#pragma once

#include "graphics/ByteReader.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

class ByteWriter {
public:
    void u8(uint8_t value) { m_bytes.push_back(value); }
    void u16(uint16_t value);
    void u32(uint32_t value);
    void i32(int32_t value) { u32(static_cast<uint32_t>(value)); }
    void f64(double value);
    void tag(const Tag& tag) { m_bytes.insert(m_bytes.end(), tag.begin(), tag.end()); }
    void bytes(std::span<const uint8_t> bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    }

    // A 4-byte length to be filled in by `fillLength` with the bytes written after it.
    size_t reserveLength();
    void fillLength(size_t at);
    // A sub-chunk: its tag, the length of its payload, and the payload `write` appends.
    template <typename Write> void subChunk(const Tag& name, Write write)
    {
        tag(name);
        const size_t length = reserveLength();
        write();
        fillLength(length);
    }

    std::vector<uint8_t>& data() { return m_bytes; }

private:
    void putU32At(size_t at, uint32_t value);
    std::vector<uint8_t> m_bytes;
};

} // namespace velmora
