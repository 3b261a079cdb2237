#include "graphics/Compression.h"

#include "values/Errors.h"

#include <zlib.h>

#include <algorithm>

namespace velmora {

namespace {

    // Deflate never makes one byte stand for more than this many.
    constexpr uint64_t largestDeflateRatio = 1032;
    constexpr size_t firstOutputSize = 64 * 1024;

    int zlibLevel(Compression level)
    {
        switch (level) {
        case Compression::None:
            return 0;
        case Compression::Fastest:
            return 1;
        case Compression::Default:
            return Z_DEFAULT_COMPRESSION;
        case Compression::Smallest:
            return 9;
        }
        return Z_DEFAULT_COMPRESSION;
    }

    [[noreturn]] void refuse(const ByteReader& payload, const char* problem)
    {
        throw eLogoException(erFileProblem, payload.source() + " (" + problem + ")");
    }

    struct InflateStream {
        InflateStream(const ByteReader& payload)
        {
            if (inflateInit(&stream) != Z_OK)
                refuse(payload, "zlib cannot start");
        }
        ~InflateStream() { inflateEnd(&stream); }
        z_stream stream {};
    };

} // namespace

std::vector<uint8_t> deflateBytes(std::span<const uint8_t> bytes, Compression level)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::vector<uint8_t> out(size);
    if (compress2(
            out.data(), &size, bytes.data(), static_cast<uLong>(bytes.size()), zlibLevel(level))
        != Z_OK)
        throw eLogoException(erFileProblem, "zlib");
    out.resize(size);
    return out;
}

std::vector<uint8_t> inflatePayload(ByteReader payload)
{
    const uint32_t stated = payload.u32();
    const auto compressed = payload.take(payload.remaining());
    if (stated > compressed.size() * largestDeflateRatio)
        refuse(payload, "the stated length is impossible");
    InflateStream zlib(payload);
    z_stream& stream = zlib.stream;
    stream.next_in = const_cast<Bytef*>(compressed.data());
    stream.avail_in = static_cast<uInt>(compressed.size());
    // Room for one byte more than stated shows data beyond the stated length.
    const size_t limit = size_t { stated } + 1;
    std::vector<uint8_t> out(std::min(limit, firstOutputSize));
    int status = Z_OK;
    for (;;) {
        stream.next_out = out.data() + stream.total_out;
        stream.avail_out = static_cast<uInt>(out.size() - stream.total_out);
        status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK)
            break;
        if (stream.total_out == out.size()) {
            if (out.size() == limit)
                refuse(payload, "the data is longer than stated");
            out.resize(std::min(limit, out.size() * 2));
        }
    }
    if (status != Z_STREAM_END)
        refuse(payload, stream.msg ? stream.msg : "the data ends early");
    if (stream.total_out != stated)
        refuse(payload, "the data is not as long as stated");
    out.resize(stated);
    return out;
}

} // namespace velmora
