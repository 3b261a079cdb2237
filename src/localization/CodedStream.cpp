#include "localization/CodedStream.h"

#include "localization/MemoryStream.h"

#include <random>

namespace velmora {

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
    // The sum is kept in a local: the bytes written could alias the member, which would make the
    // compiler store and reload it for every byte.
    uint8_t sum = m_readSum;
    for (int64_t i = 0; i < count; ++i) {
        const uint8_t stored = buffer[static_cast<size_t>(i)];
        buffer[static_cast<size_t>(i)] = static_cast<uint8_t>(stored - sum);
        sum = static_cast<uint8_t>(sum + stored);
    }
    m_readSum = sum;
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
