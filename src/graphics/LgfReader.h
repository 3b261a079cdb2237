// LgfReader: reads an LGF chunk file (LgfFormat.h) held in memory.
//
// The header decides first whether the bytes are an LGF file at all: "LGF" with version digits
// from 04 to 05 is one (the two versions read alike); a lower version, or anything else, is not;
// a higher version is error 174 when an LGF or project file was asked for (naming the extension
// asked for) and otherwise not LGF either. Bytes that start with "VWP" and two digits are the
// files of another program: error 190. Asking for an LGF file that is not one is error 70.
//
// The chunks are then walked in order, unknown tags skipped by their length; a length that runs
// past the end of the bytes is error 70 naming the file, as is any record cut short.
#pragma once

#include "graphics/ByteReader.h"
#include "graphics/ImageContent.h"

#include <QImage>

#include <optional>
#include <string>
#include <vector>

namespace velmora {

// What the caller asked to read, which decides how a file that is not (readable) LGF fails.
enum class AskedKind : uint8_t { Lgf, Project, Other };

// Where the project text lies: its offset in the bytes and its length, negated for a compressed
// text chunk, which this program cannot read.
struct TextChunk {
    size_t offset;
    int64_t length;
};

class LgfReader {
public:
    // Checks the header with the rules above; `isLgf` tells the rest.
    LgfReader(std::span<const uint8_t> bytes, std::string source, AskedKind asked);

    bool isLgf() const { return m_isLgf; }

    // The image chunk after `skipped` others (error 70 when there is none).
    ImageContent image(uint32_t skipped, ImageLoadMode mode) const;
    // Every image chunk, the last one first.
    std::vector<ImageContent> allImages(ImageLoadMode mode) const;
    // The language chunk's text; empty when there is none.
    std::string language() const;
    // The project icon; a null image when there is none.
    QImage icon() const;
    std::optional<TextChunk> textChunk() const;

private:
    struct Chunk {
        Tag tag;
        ByteReader payload;
    };

    // Calls `use` with each chunk in order until it returns true.
    template <typename Use> void walk(Use use) const;
    // Error 70 unless the bytes are LGF (some kinds of file raise their own error instead).
    void requireLgf() const;
    static ImageContent imageOf(const Chunk& chunk, ImageLoadMode mode);

    ByteReader m_file;
    bool m_isLgf = false;
};

} // namespace velmora
