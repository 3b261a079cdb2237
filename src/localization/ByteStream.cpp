#include "localization/ByteStream.h"

#include <algorithm>

namespace velmora {

namespace {

    constexpr size_t chunkSize = 16384;

    // The bytes left when the stream knows them, and one more so that the read finding the end
    // needs no growing; a chunk when it does not.
    size_t expectedRoom(ByteStream& stream)
    {
        const int64_t size = stream.size();
        const int64_t position = stream.position();
        if (size < 0 || position < 0 || position > size)
            return chunkSize;
        return static_cast<size_t>(size - position) + 1;
    }

} // namespace

// Reads straight into the buffer, sized once from the stream, instead of through a chunk.
std::optional<ByteBuffer> readAll(ByteStream& stream)
{
    size_t room = expectedRoom(stream);
    auto bytes = std::make_unique_for_overwrite<char[]>(room);
    size_t filled = 0;
    for (;;) {
        if (filled == room) {
            // A stream that tells a wrong size or none: grow by half or more, so that a long
            // stream is still copied a bounded number of times.
            room += std::max(room / 2, chunkSize);
            auto larger = std::make_unique_for_overwrite<char[]>(room);
            std::copy_n(bytes.get(), filled, larger.get());
            bytes = std::move(larger);
        }
        const int64_t count
            = stream.read({ reinterpret_cast<uint8_t*>(bytes.get()) + filled, room - filled });
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            return ByteBuffer { std::move(bytes), filled };
        filled += static_cast<size_t>(count);
    }
}

std::optional<std::string> readToEnd(ByteStream& stream)
{
    const auto all = readAll(stream);
    if (!all)
        return std::nullopt;
    return std::string(all->bytes.get(), all->size);
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
