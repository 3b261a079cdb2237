#include "graphics/BmpCodec.h"

#include "graphics/ByteWriter.h"
#include "graphics/LogoPicture.h"

namespace velmora {

namespace {

    constexpr uint32_t fileHeaderSize = 14;
    constexpr uint32_t infoHeaderSize = 40;
    constexpr int32_t pixelsPerMetre = 2835; // 72 dots per inch
    constexpr int32_t largestSide = 32767;

    uint32_t rowBytes(int width, int bitsPerPixel)
    {
        return (static_cast<uint32_t>(width) * static_cast<uint32_t>(bitsPerPixel) + 31) / 32 * 4;
    }

    // The file header, the info header and the palette; the pixel rows follow, bottom row first.
    ByteWriter headers(QSize size, int bitsPerPixel, std::span<const QRgb> palette)
    {
        const uint32_t offset
            = fileHeaderSize + infoHeaderSize + 4 * static_cast<uint32_t>(palette.size());
        const uint32_t pixelBytes = rowBytes(size.width(), bitsPerPixel) * size.height();
        ByteWriter out;
        out.u8('B');
        out.u8('M');
        out.u32(offset + pixelBytes);
        out.u32(0);
        out.u32(offset);
        out.u32(infoHeaderSize);
        out.i32(size.width());
        out.i32(size.height());
        out.u16(1);
        out.u16(static_cast<uint16_t>(bitsPerPixel));
        out.u32(0);
        out.u32(pixelBytes);
        out.i32(pixelsPerMetre);
        out.i32(pixelsPerMetre);
        out.u32(static_cast<uint32_t>(palette.size()));
        out.u32(0);
        for (QRgb colour : palette) {
            out.u8(static_cast<uint8_t>(qBlue(colour)));
            out.u8(static_cast<uint8_t>(qGreen(colour)));
            out.u8(static_cast<uint8_t>(qRed(colour)));
            out.u8(0);
        }
        return out;
    }

    void pad(ByteWriter& out, size_t rowStart, uint32_t rowSize)
    {
        while (out.data().size() - rowStart < rowSize)
            out.u8(0);
    }

    struct BmpHeader {
        int width = 0;
        int height = 0;
        bool topDown = false;
        int bitsPerPixel = 0;
        std::vector<QRgb> palette;
        ByteReader* file = nullptr;
    };

    bool isSupportedDepth(int bits)
    {
        return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32;
    }

    // Checks everything the pixel rows depend on and leaves `pixels` at the first row.
    BmpHeader readHeader(ByteReader& file, ByteReader& pixels)
    {
        ByteReader header = file;
        if (header.u8() != 'B' || header.u8() != 'M')
            file.malformed();
        header.skip(8);
        const uint32_t offset = header.u32();
        const uint32_t infoSize = header.u32();
        BmpHeader made;
        made.width = header.i32();
        const int32_t height = header.i32();
        header.skip(2);
        made.bitsPerPixel = header.u16();
        const uint32_t compression = header.u32();
        header.skip(12);
        const uint32_t coloursUsed = header.u32();
        made.topDown = height < 0;
        const int64_t rows = height < 0 ? -int64_t { height } : height;
        made.height = rows > largestSide ? 0 : static_cast<int>(rows);
        const bool plain = compression == 0 || (compression == 3 && made.bitsPerPixel == 32);
        if (infoSize < infoHeaderSize || made.width < 1 || made.width > largestSide
            || made.height < 1 || made.height > largestSide || !isSupportedDepth(made.bitsPerPixel)
            || !plain)
            file.malformed();
        if (made.bitsPerPixel <= 8) {
            const uint32_t entries = coloursUsed ? coloursUsed : 1u << made.bitsPerPixel;
            ByteReader table = file;
            table.skip(uint64_t { fileHeaderSize } + infoSize);
            if (!table.fits(entries, 4) || entries > 256)
                file.malformed();
            for (uint32_t i = 0; i < entries; ++i) {
                const uint8_t blue = table.u8(), green = table.u8(), red = table.u8();
                table.skip(1);
                made.palette.push_back(qRgb(red, green, blue));
            }
        }
        pixels = file;
        pixels.skip(offset);
        if (!pixels.fits(
                static_cast<uint64_t>(made.height), rowBytes(made.width, made.bitsPerPixel)))
            file.malformed();
        return made;
    }

    // The palette index or colour of pixel x in a row.
    QRgb pixelOf(const BmpHeader& header, std::span<const uint8_t> row, int x)
    {
        const size_t at = static_cast<size_t>(x);
        switch (header.bitsPerPixel) {
        case 24:
            return qRgb(row[3 * at + 2], row[3 * at + 1], row[3 * at]);
        case 32:
            return qRgb(row[4 * at + 2], row[4 * at + 1], row[4 * at]);
        default: {
            const int bits = header.bitsPerPixel;
            const size_t bitIndex = at * static_cast<size_t>(bits);
            const int shift = 8 - bits - static_cast<int>(bitIndex % 8);
            const size_t index = (row[bitIndex / 8] >> shift) & ((1u << bits) - 1);
            return index < header.palette.size() ? header.palette[index] : qRgb(0, 0, 0);
        }
        }
    }

    template <typename Store>
    void readRows(const BmpHeader& header, ByteReader& pixels, Store store)
    {
        const uint32_t size = rowBytes(header.width, header.bitsPerPixel);
        for (int i = 0; i < header.height; ++i) {
            const auto row = pixels.take(size);
            const int y = header.topDown ? i : header.height - 1 - i;
            for (int x = 0; x < header.width; ++x)
                store(x, y, pixelOf(header, row, x));
        }
    }

} // namespace

std::vector<uint8_t> encodeBmp(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    ByteWriter out = headers(rgb.size(), 24, {});
    const uint32_t size = rowBytes(rgb.width(), 24);
    for (int y = rgb.height() - 1; y >= 0; --y) {
        const size_t start = out.data().size();
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            out.u8(static_cast<uint8_t>(qBlue(line[x])));
            out.u8(static_cast<uint8_t>(qGreen(line[x])));
            out.u8(static_cast<uint8_t>(qRed(line[x])));
        }
        pad(out, start, size);
    }
    return std::move(out.data());
}

std::vector<uint8_t> encodeMaskBmp(const QImage& mask)
{
    const QRgb palette[] = { qRgb(0, 0, 0), qRgb(255, 255, 255) };
    ByteWriter out = headers(mask.size(), 1, palette);
    const uint32_t size = rowBytes(mask.width(), 1);
    for (int y = mask.height() - 1; y >= 0; --y) {
        const size_t start = out.data().size();
        uint8_t byte = 0;
        for (int x = 0; x < mask.width(); ++x) {
            if (qGray(mask.pixel(x, y)) >= 128)
                byte |= static_cast<uint8_t>(0x80 >> (x % 8));
            if (x % 8 == 7 || x + 1 == mask.width()) {
                out.u8(byte);
                byte = 0;
            }
        }
        pad(out, start, size);
    }
    return std::move(out.data());
}

QImage decodeBmp(ByteReader file)
{
    ByteReader pixels = file;
    const BmpHeader header = readHeader(file, pixels);
    QImage image(header.width, header.height, QImage::Format_RGB32);
    if (image.isNull())
        file.malformed();
    readRows(header, pixels,
        [&](int x, int y, QRgb colour) { reinterpret_cast<QRgb*>(image.scanLine(y))[x] = colour; });
    return image;
}

QImage decodeMaskBmp(ByteReader file)
{
    ByteReader pixels = file;
    const BmpHeader header = readHeader(file, pixels);
    if (header.bitsPerPixel != 1)
        return decodeBmp(file);
    QImage mask = makeOpaqueMask({ header.width, header.height });
    if (mask.isNull())
        file.malformed();
    readRows(header, pixels, [&](int x, int y, QRgb colour) {
        if (qGray(colour) >= 128)
            setTransparent(mask, x, y);
    });
    return mask;
}

} // namespace velmora
