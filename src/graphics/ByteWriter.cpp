#include "graphics/ByteWriter.h"

#include <bit>

namespace velmora {

void ByteWriter::u16(uint16_t value)
{
    u8(static_cast<uint8_t>(value));
    u8(static_cast<uint8_t>(value >> 8));
}

void ByteWriter::u32(uint32_t value)
{
    m_bytes.resize(m_bytes.size() + 4);
    putU32At(m_bytes.size() - 4, value);
}

void ByteWriter::f64(double value)
{
    const auto bits = std::bit_cast<uint64_t>(value);
    for (int i = 0; i < 8; ++i)
        u8(static_cast<uint8_t>(bits >> (8 * i)));
}

size_t ByteWriter::reserveLength()
{
    u32(0);
    return m_bytes.size() - 4;
}

void ByteWriter::fillLength(size_t at)
{
    putU32At(at, static_cast<uint32_t>(m_bytes.size() - at - 4));
}

void ByteWriter::putU32At(size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        m_bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
}

} // namespace velmora
