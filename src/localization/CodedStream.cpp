#include "localization/CodedStream.h"

#include "localization/MemoryStream.h"

#include <random>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace velmora {

namespace {

#ifdef __SSE2__
    // Byte 15 in all sixteen bytes. SSE2 has no byte shuffle, so the byte is doubled into a word
    // and the word into a double word, which can be shuffled.
    __m128i broadcastLastByte(__m128i bytes)
    {
        const __m128i doubled = _mm_unpackhi_epi8(bytes, bytes);
        return _mm_shuffle_epi32(_mm_shufflehi_epi16(doubled, 0xFF), 0xFF);
    }

    // Unscrambles sixteen bytes at a time, however the block is aligned: the sum before each
    // byte is the running sum before the block plus the sum of the stored bytes before it in the
    // block, which shifting and adding the block to itself four times gives for all sixteen at
    // once. Gives the number of bytes done; the rest, fewer than sixteen, is left.
    size_t unscrambleBlocks(std::span<uint8_t> bytes, uint8_t& sum)
    {
        __m128i before = _mm_set1_epi8(static_cast<char>(sum));
        size_t done = 0;
        for (; bytes.size() - done >= 16; done += 16) {
            auto* place = reinterpret_cast<__m128i*>(bytes.data() + done);
            const __m128i stored = _mm_loadu_si128(place);
            __m128i upTo = _mm_add_epi8(stored, _mm_slli_si128(stored, 1));
            upTo = _mm_add_epi8(upTo, _mm_slli_si128(upTo, 2));
            upTo = _mm_add_epi8(upTo, _mm_slli_si128(upTo, 4));
            upTo = _mm_add_epi8(upTo, _mm_slli_si128(upTo, 8));
            const __m128i sums = _mm_add_epi8(before, _mm_sub_epi8(upTo, stored));
            _mm_storeu_si128(place, _mm_sub_epi8(stored, sums));
            before = _mm_add_epi8(before, broadcastLastByte(upTo));
        }
        sum = static_cast<uint8_t>(_mm_cvtsi128_si32(before));
        return done;
    }
#else
    // Without SSE2 every byte goes through the loop of unscramble.
    size_t unscrambleBlocks(std::span<uint8_t>, uint8_t&) { return 0; }
#endif

    // Each plain byte is the stored byte less the running sum, and the sum adds every stored
    // byte: an exclusive prefix sum modulo 256, taken away. Gives the sum after the last byte.
    uint8_t unscramble(std::span<uint8_t> bytes, uint8_t sum)
    {
        for (size_t i = unscrambleBlocks(bytes, sum); i < bytes.size(); ++i) {
            const uint8_t stored = bytes[i];
            bytes[i] = static_cast<uint8_t>(stored - sum);
            sum = static_cast<uint8_t>(sum + stored);
        }
        return sum;
    }

} // namespace

tcodedstream::tcodedstream(
    ByteStream& stream, CodedStreamMode mode, std::optional<uint8_t> writingSeed)
    : m_stream(stream)
    , m_mode(mode)
{
    uint8_t seed = 0;
    if (mode == CodedStreamMode::Reading) {
        m_failed = m_stream.read({ &seed, 1 }) != 1;
        m_readSum = seed;
        return;
    }
    seed = writingSeed ? *writingSeed : randomSeed();
    m_failed = m_stream.write({ &seed, 1 }) != 1;
    m_writeSum = seed;
}

uint8_t tcodedstream::randomSeed()
{
    std::random_device device;
    std::mt19937 generator(device());
    return static_cast<uint8_t>(std::uniform_int_distribution<int>(0, 255)(generator));
}

int64_t tcodedstream::recordFailure(int64_t result)
{
    if (result < 0)
        m_failed = true;
    return result;
}

int64_t tcodedstream::read(std::span<uint8_t> buffer)
{
    if (m_mode != CodedStreamMode::Reading)
        return -1;
    const int64_t count = recordFailure(m_stream.read(buffer));
    if (count > 0)
        m_readSum = unscramble(buffer.first(static_cast<size_t>(count)), m_readSum);
    return count;
}

int64_t tcodedstream::write(std::span<const uint8_t> bytes)
{
    if (m_mode != CodedStreamMode::Writing)
        return -1;
    std::vector<uint8_t> stored(bytes.size());
    for (size_t i = 0; i < bytes.size(); ++i) {
        stored[i] = static_cast<uint8_t>(bytes[i] + m_writeSum);
        m_writeSum = static_cast<uint8_t>(m_writeSum + stored[i]);
    }
    if (recordFailure(m_stream.write(stored)) != static_cast<int64_t>(stored.size()))
        return recordFailure(-1);
    return static_cast<int64_t>(bytes.size());
}

int64_t tcodedstream::seek(int64_t offset, SeekOrigin origin)
{
    return m_stream.seek(offset, origin);
}

std::vector<uint8_t> scrambleText(std::string_view plain, uint8_t seed)
{
    MemoryStream memory;
    tcodedstream coded(memory, CodedStreamMode::Writing, seed);
    coded.write({ reinterpret_cast<const uint8_t*>(plain.data()), plain.size() });
    return memory.bytes();
}

} // namespace velmora
