// Byte streams: the small stream interface the dictionary code reads and writes through.
//
// A stream is a sequence of bytes with a position. Reading and writing move the position;
// seeking sets it. The scrambling wrapper, the memory block reader and the file and memory
// streams all share this interface so that a dictionary can be parsed from a file beside the
// program, from a block embedded in the executable or from bytes in a test the same way.
// Failures are reported by result values (-1), never by exceptions, because a damaged
// dictionary file must only make the loader fall back to another source.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace velmora {

enum class SeekOrigin { Begin, Current, End };

class ByteStream {
public:
    virtual ~ByteStream() = default;

    // Reads up to buffer.size() bytes; the number read (0 at the end) or -1 on failure.
    virtual int64_t read(std::span<uint8_t> buffer) = 0;
    // Writes all of bytes; the number written or -1 on failure.
    virtual int64_t write(std::span<const uint8_t> bytes) = 0;
    // Moves the position; the new position or -1 when it would leave the stream.
    virtual int64_t seek(int64_t offset, SeekOrigin origin) = 0;
    // The total length in bytes, or -1 when it cannot be known.
    virtual int64_t size() = 0;

    int64_t position() { return seek(0, SeekOrigin::Current); }
};

// Bytes in storage that is not cleared when it is made: a reader that fills every byte itself
// touches a large text once, by writing it, rather than twice.
struct ByteBuffer {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// Everything from the current position to the end; nothing when a read fails.
std::optional<ByteBuffer> readAll(ByteStream& stream);
std::optional<std::string> readToEnd(ByteStream& stream);

// The position a seek asks for, or -1 when it falls outside 0..size.
int64_t seekTarget(int64_t position, int64_t size, int64_t offset, SeekOrigin origin);

} // namespace velmora
