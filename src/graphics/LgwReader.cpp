#include "graphics/LgwReader.h"

#include "graphics/BmpCodec.h"

#include <algorithm>

namespace velmora {

namespace {

    constexpr uint32_t shortHeaderSize = 8;
    constexpr uint32_t longHeaderSize = 14;

    struct RecordHeader {
        uint32_t recordSize;
        QPoint hotSpot;
        uint32_t imageSize;
    };

    RecordHeader readHeader(ByteReader& file, bool shortForm)
    {
        RecordHeader header {};
        if (shortForm) {
            header.recordSize = file.u16();
            const int x = file.i8(), y = file.i8();
            header.hotSpot = QPoint(x, y);
            file.skip(2);
            header.imageSize = file.u16();
        } else {
            header.recordSize = file.u32();
            const int x = file.i16(), y = file.i16();
            header.hotSpot = QPoint(x, y);
            file.skip(2);
            header.imageSize = file.u32();
        }
        return header;
    }

    FrameRef readRecord(ByteReader& file, bool shortForm)
    {
        const uint32_t headerSize = shortForm ? shortHeaderSize : longHeaderSize;
        const RecordHeader header = readHeader(file, shortForm);
        if (header.recordSize < headerSize || header.recordSize - headerSize < header.imageSize)
            file.malformed();
        ByteReader record = file.part(header.recordSize - headerSize);
        QImage image = decodeBmp(record.part(header.imageSize));
        QImage mask = record.atEnd() ? QImage() : decodeMaskBmp(record.part(record.remaining()));
        return makeFrame({ makePicture(std::move(image), std::move(mask), header.hotSpot, 0) });
    }

} // namespace

ImageContent readLgw(ByteReader file, ImageLoadMode mode)
{
    ImageContent image;
    image.info.style = FrameStyle::Heading;
    const uint16_t count = file.u16();
    if (count == 0)
        return image;
    ByteReader peek = file;
    const bool shortForm = peek.u16() != 0;
    if (!shortForm)
        file.skip(2);
    if (!file.fits(count, shortHeaderSize))
        file.malformed();
    const uint16_t wanted = mode == ImageLoadMode::Preview ? std::min<uint16_t>(count, 1) : count;
    for (uint16_t i = 0; i < wanted; ++i)
        image.frames.push_back(readRecord(file, shortForm));
    return image;
}

} // namespace velmora
