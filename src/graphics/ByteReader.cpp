#include "graphics/ByteReader.h"

#include "values/Errors.h"

#include <bit>
#include <cstring>

namespace velmora {

ByteReader::ByteReader(std::span<const uint8_t> bytes, std::string source)
    : m_bytes(bytes)
    , m_source(std::move(source))
{
}

std::span<const uint8_t> ByteReader::take(uint64_t count)
{
    if (count > remaining())
        malformed();
    const auto taken = m_bytes.subspan(m_position, static_cast<size_t>(count));
    m_position += static_cast<size_t>(count);
    return taken;
}

ByteReader ByteReader::part(uint64_t count) { return ByteReader(take(count), m_source); }

uint8_t ByteReader::u8() { return take(1)[0]; }

uint16_t ByteReader::u16()
{
    const auto b = take(2);
    return static_cast<uint16_t>(b[0] | b[1] << 8);
}

uint32_t ByteReader::u32()
{
    const auto b = take(4);
    return uint32_t { b[0] } | uint32_t { b[1] } << 8 | uint32_t { b[2] } << 16
        | uint32_t { b[3] } << 24;
}

double ByteReader::f64()
{
    const auto b = take(8);
    uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = bits << 8 | b[static_cast<size_t>(i)];
    return std::bit_cast<double>(bits);
}

Tag ByteReader::tag()
{
    const auto b = take(4);
    Tag tag;
    std::memcpy(tag.data(), b.data(), 4);
    return tag;
}

void ByteReader::malformed() const { throw eLogoException(erImageFile, m_source); }

} // namespace velmora
