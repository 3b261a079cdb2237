// The zlib compression of image and icon chunks: the save option (0 none, 1 fastest, 2 zlib's
// default, 3 the smallest) and the deflate and inflate of a payload.
#pragma once

#include "graphics/ByteReader.h"

#include <cstdint>
#include <span>
#include <vector>

namespace velmora {

enum class Compression : uint8_t { None = 0, Fastest = 1, Default = 2, Smallest = 3 };

// The bytes as a zlib stream.
std::vector<uint8_t> deflateBytes(std::span<const uint8_t> bytes, Compression level);

// A compressed payload: the uncompressed length, then the zlib stream. A stream zlib refuses, or
// one that does not give exactly the stated length, is error 42 naming the source and the problem.
// The output grows only as zlib fills it, and a stated length beyond what zlib could make of the
// bytes present is refused at once.
std::vector<uint8_t> inflatePayload(ByteReader payload);

} // namespace velmora
