#include "graphics/LgfWriter.h"

#include "graphics/BmpCodec.h"
#include "graphics/ByteWriter.h"
#include "graphics/ImageRecord.h"
#include "graphics/LgfFormat.h"
#include "values/Errors.h"

#include <algorithm>
#include <cctype>

namespace velmora {

namespace {

    bool isEnglish(std::string_view language)
    {
        constexpr std::string_view english = "english";
        return language.empty() || std::ranges::equal(language, english, [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == b;
        });
    }

    std::span<const uint8_t> bytesOf(std::string_view text)
    {
        return { reinterpret_cast<const uint8_t*>(text.data()), text.size() };
    }

} // namespace

LgfWriter::LgfWriter(ByteStream& stream, std::string file)
    : m_stream(stream)
    , m_file(std::move(file))
{
}

void LgfWriter::writeHeader(std::string_view language)
{
    const bool english = isEnglish(language);
    const int version = english ? lgf::englishVersion : lgf::languageVersion;
    ByteWriter header;
    for (const char c : std::string_view(lgf::signature))
        header.u8(static_cast<uint8_t>(c));
    header.u8(static_cast<uint8_t>('0' + version / 10));
    header.u8(static_cast<uint8_t>('0' + version % 10));
    header.u32(0);
    seekTo(0);
    put(header.data());
    if (!english)
        writeChunk(lgf::language, bytesOf(language));
}

void LgfWriter::writeImage(const ImageContent& image, Compression compression)
{
    writeMaybeCompressed(lgf::image, lgf::compressedImage, imageRecord(image), compression);
}

void LgfWriter::writeText(std::string_view text) { writeChunk(lgf::text, bytesOf(text)); }

void LgfWriter::writeIcon(const QImage& icon, Compression compression)
{
    writeMaybeCompressed(lgf::icon, lgf::compressedIcon, encodeBmp(icon), compression);
}

void LgfWriter::writeMaybeCompressed(const Tag& plain, const Tag& compressed,
    std::span<const uint8_t> payload, Compression compression)
{
    if (compression == Compression::None)
        return writeChunk(plain, payload);
    ByteWriter packed;
    packed.u32(static_cast<uint32_t>(payload.size()));
    packed.bytes(deflateBytes(payload, compression));
    writeChunk(compressed, packed.data());
}

void LgfWriter::writeChunk(const Tag& tag, std::span<const uint8_t> payload)
{
    const int64_t start = m_stream.seek(0, SeekOrigin::End);
    if (start < 0)
        throw eLogoException(erFileProblem, m_file);
    const uint8_t reserved[lgf::chunkHeaderSize] = {};
    put(reserved);
    put(payload);
    ByteWriter header;
    header.tag(tag);
    header.u32(static_cast<uint32_t>(payload.size()));
    seekTo(start);
    put(header.data());
    countChunk();
}

void LgfWriter::countChunk()
{
    uint8_t count[4];
    seekTo(lgf::chunkCountOffset);
    if (m_stream.read(count) != 4)
        throw eLogoException(erFileProblem, m_file);
    ByteReader reader(count, m_file);
    ByteWriter counted;
    counted.u32(reader.u32() + 1);
    seekTo(lgf::chunkCountOffset);
    put(counted.data());
    m_stream.seek(0, SeekOrigin::End);
}

void LgfWriter::put(std::span<const uint8_t> bytes)
{
    if (m_stream.write(bytes) != static_cast<int64_t>(bytes.size()))
        throw eLogoException(erFileProblem, m_file);
}

void LgfWriter::seekTo(int64_t position)
{
    if (m_stream.seek(position, SeekOrigin::Begin) != position)
        throw eLogoException(erFileProblem, m_file);
}

} // namespace velmora
