// Memory stream: a growable byte buffer read and written like a file.
//
// The dictionary packer scrambles a text into one, the tests feed prepared bytes through one,
// and the fuzzer hands its input to the unscrambler through one. Writing at the end extends
// the buffer; writing inside it overwrites.
#pragma once

#include "localization/ByteStream.h"

#include <vector>

namespace velmora {

class MemoryStream final : public ByteStream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<uint8_t> bytes)
        : m_bytes(std::move(bytes))
    {
    }

    int64_t read(std::span<uint8_t> buffer) override;
    int64_t write(std::span<const uint8_t> bytes) override;
    int64_t seek(int64_t offset, SeekOrigin origin) override;
    int64_t size() override { return static_cast<int64_t>(m_bytes.size()); }

    const std::vector<uint8_t>& bytes() const { return m_bytes; }

private:
    std::vector<uint8_t> m_bytes;
    size_t m_position = 0;
};

} // namespace velmora
