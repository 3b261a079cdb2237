// Length-prefixed memory blocks: how dictionaries embedded in the program are read.
//
// An embedded block starts with its own length as an unsigned 32-bit little-endian number,
// followed by that many bytes. tObjStream reads those bytes and nothing else; it never writes
// and never owns the block. A length that claims more bytes than the block holds is cut to the
// bytes present, so a damaged block can be read safely.
#pragma once

#include "localization/ByteStream.h"

#include <vector>

namespace velmora {

class tObjStream final : public ByteStream {
public:
    explicit tObjStream(std::span<const uint8_t> block);

    int64_t read(std::span<uint8_t> buffer) override;
    // Always -1: the block is read-only.
    int64_t write(std::span<const uint8_t> bytes) override;
    int64_t seek(int64_t offset, SeekOrigin origin) override;
    int64_t size() override { return static_cast<int64_t>(m_bytes.size()); }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_position = 0;
};

// A block that tObjStream reads back as bytes: the length, then the bytes.
std::vector<uint8_t> makeObjBlock(std::span<const uint8_t> bytes);

} // namespace velmora
