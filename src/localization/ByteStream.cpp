#include "localization/ByteStream.h"

#include <array>

namespace velmora {

std::optional<std::string> readToEnd(ByteStream& stream)
{
    std::string text;
    std::array<uint8_t, 16384> chunk;
    for (;;) {
        const int64_t count = stream.read(chunk);
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return text;
        text.append(reinterpret_cast<const char*>(chunk.data()), static_cast<size_t>(count));
    }
}

int64_t seekTarget(int64_t position, int64_t size, int64_t offset, SeekOrigin origin)
{
    int64_t base = 0;
    switch (origin) {
    case SeekOrigin::Begin:
        base = 0;
        break;
    case SeekOrigin::Current:
        base = position;
        break;
    case SeekOrigin::End:
        base = size;
        break;
    }
    // Compare before adding so that a huge offset cannot overflow.
    if (offset < -base || offset > size - base)
        return -1;
    return base + offset;
}

} // namespace velmora
