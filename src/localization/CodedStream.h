// The scrambling stream: how dictionaries are stored so that they are not plain text.
//
// A scrambled text is a seed byte followed by the text's bytes, each stored as the plain byte
// plus a running sum (all modulo 256); the sum starts at the seed and adds every stored byte.
// A reading stream consumes the seed when it is created and unscrambles what it reads; a
// writing stream writes a seed (random unless one is given, so that the build can produce the
// same bytes every time) and scrambles what it writes. The wrapper does not own the stream
// beneath it. Seeking is passed through untouched: the sums are not adjusted, so only
// sequential reading or writing gives the right bytes.
#pragma once

#include "localization/ByteStream.h"

#include <vector>

namespace velmora {

enum class CodedStreamMode : uint8_t { Reading = 0, Writing = 1 };

class tcodedstream final : public ByteStream {
public:
    // A reading stream consumes the seed byte now; a writing stream writes writingSeed, or a
    // freshly drawn random seed when none is given. A failure here is kept in failed().
    tcodedstream(ByteStream& stream, CodedStreamMode mode,
        std::optional<uint8_t> writingSeed = std::nullopt);

    // Gives -1 on a writing stream or when the stream beneath fails.
    int64_t read(std::span<uint8_t> buffer) override;
    // Gives -1 on a reading stream or when the stream beneath fails.
    int64_t write(std::span<const uint8_t> bytes) override;
    int64_t seek(int64_t offset, SeekOrigin origin) override;
    int64_t size() override { return m_stream.size(); }

    // Whether any operation of the stream beneath has failed, including the seed.
    bool failed() const { return m_failed; }

    static uint8_t randomSeed();

private:
    int64_t recordFailure(int64_t result);

    ByteStream& m_stream;
    CodedStreamMode m_mode;
    uint8_t m_writeSum = 0;
    uint8_t m_readSum = 0;
    bool m_failed = false;
};

// The scrambled form of a whole text: the seed followed by the scrambled bytes.
std::vector<uint8_t> scrambleText(std::string_view plain, uint8_t seed);

} // namespace velmora
