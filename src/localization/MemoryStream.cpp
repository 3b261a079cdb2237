#include "localization/MemoryStream.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

int64_t MemoryStream::read(std::span<uint8_t> buffer)
{
    const size_t count = std::min(buffer.size(), m_bytes.size() - m_position);
    std::copy_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position), count, buffer.begin());
    m_position += count;
    return static_cast<int64_t>(count);
}

int64_t MemoryStream::write(std::span<const uint8_t> bytes)
{
    const size_t end = m_position + bytes.size();
    if (end > m_bytes.size())
        m_bytes.resize(end);
    std::copy(
        bytes.begin(), bytes.end(), m_bytes.begin() + static_cast<std::ptrdiff_t>(m_position));
    m_position = end;
    return static_cast<int64_t>(bytes.size());
}

int64_t MemoryStream::seek(int64_t offset, SeekOrigin origin)
{
    const int64_t target = seekTarget(static_cast<int64_t>(m_position), size(), offset, origin);
    if (target >= 0)
        m_position = static_cast<size_t>(target);
    return target;
}

} // namespace velmora
