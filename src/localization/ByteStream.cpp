#include "localization/ByteStream.h"

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

// Reads straight into the text, sized once from the stream, instead of through a chunk.
std::optional<std::string> readToEnd(ByteStream& stream)
{
    std::string text(expectedRoom(stream), '\0');
    size_t filled = 0;
    for (;;) {
        if (filled == text.size())
            text.resize(text.size() + chunkSize);
        const int64_t count = stream.read(
            { reinterpret_cast<uint8_t*>(text.data()) + filled, text.size() - filled });
        if (count < 0)
            return std::nullopt;
        if (count == 0) {
            text.resize(filled);
            return text;
        }
        filled += static_cast<size_t>(count);
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
