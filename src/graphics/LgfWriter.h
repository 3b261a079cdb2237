// LgfWriter: writes an LGF chunk file (LgfFormat.h) into a stream, a chunk at a time.
//
// The header goes first with no chunks counted, version "04" for English (or no language) and
// "05" otherwise, a language other than English following at once as the first chunk. Each chunk
// is written by reserving its tag and length, writing its payload, going back to fill them in,
// and finally counting it in the header; so a file cut short by a failure still counts only
// whole chunks, and chunks can be appended to a file that already has some. A stream that refuses
// a write or a seek is error 42 naming the file.
#pragma once

#include "graphics/Compression.h"
#include "graphics/ImageContent.h"
#include "localization/ByteStream.h"

#include <QImage>

#include <string>
#include <string_view>

namespace velmora {

class LgfWriter {
public:
    // `file` names the stream in errors.
    LgfWriter(ByteStream& stream, std::string file);

    // At the start of the stream. An empty language is no language.
    void writeHeader(std::string_view language);
    void writeImage(const ImageContent& image, Compression compression);
    void writeText(std::string_view text);
    // The icon as a 24-bit BMP file.
    void writeIcon(const QImage& icon, Compression compression);

private:
    void writeChunk(const Tag& tag, std::span<const uint8_t> payload);
    // A compressed chunk (option above 0) holds the payload's length and its zlib stream.
    void writeMaybeCompressed(const Tag& plain, const Tag& compressed,
        std::span<const uint8_t> payload, Compression compression);
    void put(std::span<const uint8_t> bytes);
    void seekTo(int64_t position);
    void countChunk();

    ByteStream& m_stream;
    std::string m_file;
};

} // namespace velmora
