#include "localization/ObjStream.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

    constexpr size_t lengthSize = 4;

    size_t storedLength(std::span<const uint8_t> block)
    {
        if (block.size() < lengthSize)
            return 0;
        uint32_t length = 0;
        for (size_t i = 0; i < lengthSize; ++i)
            length |= static_cast<uint32_t>(block[i]) << (8 * i);
        return std::min<size_t>(length, block.size() - lengthSize);
    }

} // namespace

tObjStream::tObjStream(std::span<const uint8_t> block)
    : m_bytes(block.subspan(std::min(block.size(), lengthSize), storedLength(block)))
{
}

int64_t tObjStream::read(std::span<uint8_t> buffer)
{
    const size_t count = std::min(buffer.size(), m_bytes.size() - m_position);
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), count, buffer.begin());
    m_position += count;
    return static_cast<int64_t>(count);
}

int64_t tObjStream::write(std::span<const uint8_t>) { return -1; }

int64_t tObjStream::seek(int64_t offset, SeekOrigin origin)
{
    const int64_t target = seekTarget(static_cast<int64_t>(m_position), size(), offset, origin);
    if (target >= 0)
        m_position = static_cast<size_t>(target);
    return target;
}

std::vector<uint8_t> makeObjBlock(std::span<const uint8_t> bytes)
{
    const auto length = static_cast<uint32_t>(bytes.size());
    std::vector<uint8_t> block;
    block.reserve(lengthSize + bytes.size());
    for (size_t i = 0; i < lengthSize; ++i)
        block.push_back(static_cast<uint8_t>(length >> (8 * i)));
    block.insert(block.end(), bytes.begin(), bytes.end());
    return block;
}

} // namespace velmora
