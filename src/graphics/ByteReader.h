// ByteReader: little-endian fields read from bytes in memory, each read checked against the end.
//
// Every picture and chunk file is read through one, so a file that is cut short or whose length
// fields lie fails with error 70 naming the file, never with a read past the end. Counts read from
// a file are to be checked with `fits` before anything is allocated for them, so an allocation is
// never larger than the bytes that are actually there could fill.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velmora {

using Tag = std::array<char, 4>;

class ByteReader {
public:
    ByteReader(std::span<const uint8_t> bytes, std::string source);

    uint8_t u8();
    int8_t i8() { return static_cast<int8_t>(u8()); }
    uint16_t u16();
    int16_t i16() { return static_cast<int16_t>(u16()); }
    uint32_t u32();
    int32_t i32() { return static_cast<int32_t>(u32()); }
    double f64();
    Tag tag();
    // The next `count` bytes, which the position moves past.
    std::span<const uint8_t> take(uint64_t count);
    // A reader of the next `count` bytes alone, which the position moves past.
    ByteReader part(uint64_t count);
    void skip(uint64_t count) { take(count); }

    // Whether `count` items of at least `itemSize` bytes each can still follow.
    bool fits(uint64_t count, uint64_t itemSize) const
    {
        return itemSize == 0 || count <= remaining() / itemSize;
    }
    size_t remaining() const { return m_bytes.size() - m_position; }
    bool atEnd() const { return remaining() == 0; }
    size_t position() const { return m_position; }
    std::span<const uint8_t> bytes() const { return m_bytes; }
    const std::string& source() const { return m_source; }

    // Error 70 naming the source: the bytes are not what they claim to be.
    [[noreturn]] void malformed() const;

private:
    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
    std::string m_source;
};

inline constexpr Tag tagOf(const char (&text)[5]) { return { text[0], text[1], text[2], text[3] }; }

} // namespace velmora
