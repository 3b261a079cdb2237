#include "graphics/ImageRecord.h"

#include "graphics/BmpCodec.h"
#include "graphics/LgfFormat.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace velmora {

namespace {

    // A sub-chunk count, a frame count and a picture count each stand before records of at least
    // four bytes.
    constexpr uint64_t smallestRecord = 4;

    void writePicture(ByteWriter& out, const tLogoPicture& picture)
    {
        out.u32(1 + (picture.hasImage() ? 1 : 0) + (picture.hasMask() ? 1 : 0));
        out.subChunk(lgf::pictureFields, [&] {
            out.i32(picture.hotSpot().x());
            out.i32(picture.hotSpot().y());
            out.i32(picture.delay());
        });
        if (picture.hasImage())
            out.subChunk(lgf::pictureImage, [&] { out.bytes(encodeBmp(picture.image())); });
        if (picture.hasMask())
            out.subChunk(lgf::pictureMask, [&] { out.bytes(encodeMaskBmp(picture.mask())); });
    }

    void writeFrame(ByteWriter& out, const tLogoFrame& frame)
    {
        out.u32(1);
        out.subChunk(lgf::framePictures, [&] {
            out.u32(static_cast<uint32_t>(frame.count()));
            for (const PictureRef& picture : frame.pictures())
                writePicture(out, *picture);
        });
    }

    struct Subchunk {
        Tag tag;
        ByteReader payload;
    };

    // The sub-chunks of a frame or picture record, read up to `count` of them.
    template <typename Use> void forEachSubchunk(ByteReader& record, Use use)
    {
        const uint32_t count = record.u32();
        if (!record.fits(count, lgf::chunkHeaderSize))
            record.malformed();
        for (uint32_t i = 0; i < count; ++i) {
            const Tag tag = record.tag();
            const uint32_t length = record.u32();
            use(Subchunk { tag, record.part(length) });
        }
    }

    PictureRef readPicture(ByteReader& record)
    {
        std::optional<ByteReader> fields, image, mask;
        forEachSubchunk(record, [&](Subchunk sub) {
            for (auto [tag, slot] : { std::pair { lgf::pictureFields, &fields },
                     std::pair { lgf::pictureImage, &image },
                     std::pair { lgf::pictureMask, &mask } })
                if (sub.tag == tag && !*slot)
                    slot->emplace(sub.payload);
        });
        QPoint hotSpot;
        int32_t delay = 0;
        if (fields) {
            const int32_t x = fields->i32();
            const int32_t y = fields->i32();
            hotSpot = QPoint(x, y);
            delay = std::max(0, fields->i32());
        }
        QImage bitmap = image ? decodeBmp(*image) : QImage();
        QImage transparency = mask && !bitmap.isNull() ? decodeMaskBmp(*mask) : QImage();
        return makePicture(std::move(bitmap), std::move(transparency), hotSpot, delay);
    }

    FrameRef readFrame(ByteReader& record, ImageLoadMode mode)
    {
        std::vector<PictureRef> pictures;
        bool read = false;
        forEachSubchunk(record, [&](Subchunk sub) {
            if (sub.tag != lgf::framePictures || std::exchange(read, true))
                return;
            const uint32_t count = sub.payload.u32();
            if (!sub.payload.fits(count, smallestRecord))
                sub.payload.malformed();
            const uint32_t wanted = mode == ImageLoadMode::Preview ? std::min(count, 1u) : count;
            pictures.reserve(wanted);
            for (uint32_t i = 0; i < wanted; ++i)
                pictures.push_back(readPicture(sub.payload));
        });
        return makeFrame(std::move(pictures));
    }

} // namespace

std::vector<uint8_t> imageRecord(const ImageContent& image)
{
    ByteWriter out;
    out.f64(static_cast<double>(image.info.zeroAngle));
    out.u8(image.info.loop ? 1 : 0);
    out.u8(static_cast<uint8_t>(image.info.style));
    out.u32(static_cast<uint32_t>(image.frames.size()));
    for (const FrameRef& frame : image.frames)
        writeFrame(out, *frame);
    return std::move(out.data());
}

ImageContent readImageRecord(ByteReader record, ImageLoadMode mode)
{
    ImageContent image;
    const double zeroAngle = record.f64();
    image.info.zeroAngle = std::isfinite(zeroAngle) ? zeroAngle : 0;
    image.info.loop = record.u8() != 0;
    image.info.style = record.u8() == 0 ? FrameStyle::Frame : FrameStyle::Heading;
    const uint32_t count = record.u32();
    if (!record.fits(count, smallestRecord))
        record.malformed();
    const uint32_t wanted = mode == ImageLoadMode::Preview ? std::min(count, 1u) : count;
    image.frames.reserve(wanted);
    for (uint32_t i = 0; i < wanted; ++i)
        image.frames.push_back(readFrame(record, mode));
    return image;
}

} // namespace velmora
