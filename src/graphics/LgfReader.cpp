#include "graphics/LgfReader.h"

#include "graphics/BmpCodec.h"
#include "graphics/Compression.h"
#include "graphics/ImageRecord.h"
#include "graphics/LgfFormat.h"
#include "values/Errors.h"

#include <cctype>
#include <cstring>

namespace velmora {

namespace {

    // The two digits after a three-letter signature, or none.
    std::optional<int> versionAfter(std::span<const uint8_t> bytes, const char* signature)
    {
        if (bytes.size() < 5 || std::memcmp(bytes.data(), signature, 3) != 0)
            return std::nullopt;
        if (!std::isdigit(bytes[3]) || !std::isdigit(bytes[4]))
            return std::nullopt;
        return (bytes[3] - '0') * 10 + (bytes[4] - '0');
    }

    const char* extensionOf(AskedKind asked) { return asked == AskedKind::Project ? "VMP" : "LGF"; }

    // A compressed payload becomes its inflated bytes, kept alive beside the reader over them.
    struct Payload {
        std::vector<uint8_t> inflated;
        std::optional<ByteReader> reader;
    };

    void openPayload(Payload& opened, const ByteReader& payload, bool compressed)
    {
        if (!compressed) {
            opened.reader.emplace(payload);
            return;
        }
        opened.inflated = inflatePayload(payload);
        opened.reader.emplace(opened.inflated, payload.source());
    }

} // namespace

LgfReader::LgfReader(std::span<const uint8_t> bytes, std::string source, AskedKind asked)
    : m_file(bytes, std::move(source))
{
    if (versionAfter(bytes, "VWP"))
        throw eLogoException(erPackage, m_file.source());
    const std::optional<int> version = versionAfter(bytes, lgf::signature);
    if (version && *version > lgf::newestVersion && asked != AskedKind::Other)
        throw eLogoException(erImageFileVersionPlugin, extensionOf(asked));
    m_isLgf = version && *version >= lgf::oldestVersion && *version <= lgf::newestVersion;
    if (!m_isLgf && asked == AskedKind::Lgf)
        m_file.malformed();
}

template <typename Use> void LgfReader::walk(Use use) const
{
    requireLgf();
    ByteReader file = m_file;
    file.skip(lgf::chunkCountOffset);
    const uint32_t count = file.u32();
    // A file cut short after its last whole chunk counts more chunks than it holds.
    for (uint32_t i = 0; i < count && !file.atEnd(); ++i) {
        const Tag tag = file.tag();
        const uint32_t length = file.u32();
        if (use(Chunk { tag, file.part(length) }))
            return;
    }
}

void LgfReader::requireLgf() const
{
    if (!m_isLgf)
        m_file.malformed();
}

ImageContent LgfReader::imageOf(const Chunk& chunk, ImageLoadMode mode)
{
    Payload payload;
    openPayload(payload, chunk.payload, chunk.tag == lgf::compressedImage);
    return readImageRecord(*payload.reader, mode);
}

ImageContent LgfReader::image(uint32_t skipped, ImageLoadMode mode) const
{
    std::optional<ImageContent> found;
    walk([&](const Chunk& chunk) {
        if (chunk.tag != lgf::image && chunk.tag != lgf::compressedImage)
            return false;
        if (skipped-- > 0)
            return false;
        found = imageOf(chunk, mode);
        return true;
    });
    if (!found)
        m_file.malformed();
    return std::move(*found);
}

std::vector<ImageContent> LgfReader::allImages(ImageLoadMode mode) const
{
    std::vector<ImageContent> images;
    walk([&](const Chunk& chunk) {
        if (chunk.tag == lgf::image || chunk.tag == lgf::compressedImage)
            images.insert(images.begin(), imageOf(chunk, mode));
        return false;
    });
    return images;
}

std::string LgfReader::language() const
{
    std::string language;
    walk([&](const Chunk& chunk) {
        if (chunk.tag != lgf::language)
            return false;
        const auto text = chunk.payload.bytes();
        language.assign(text.begin(), text.end());
        return true;
    });
    return language;
}

QImage LgfReader::icon() const
{
    QImage icon;
    walk([&](const Chunk& chunk) {
        if (chunk.tag != lgf::icon && chunk.tag != lgf::compressedIcon)
            return false;
        Payload payload;
        openPayload(payload, chunk.payload, chunk.tag == lgf::compressedIcon);
        icon = decodeBmp(*payload.reader);
        return true;
    });
    return icon;
}

std::optional<TextChunk> LgfReader::textChunk() const
{
    std::optional<TextChunk> found;
    walk([&](const Chunk& chunk) {
        if (chunk.tag != lgf::text && chunk.tag != lgf::compressedText)
            return false;
        const auto length = static_cast<int64_t>(chunk.payload.bytes().size());
        found
            = TextChunk { static_cast<size_t>(chunk.payload.bytes().data() - m_file.bytes().data()),
                  chunk.tag == lgf::text ? length : -length };
        return true;
    });
    return found;
}

} // namespace velmora
