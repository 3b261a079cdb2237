#include "graphics/PictureFiles.h"

#include "values/Errors.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <array>

namespace velmora {

namespace {

    struct PictureKind {
        std::string_view extension;
        const char* format; // Qt's reader; none for a metafile
    };

    constexpr std::array<PictureKind, 7> pictureKinds { {
        { "BMP", "bmp" },
        { "ICO", "ico" },
        { "JPG", "jpeg" },
        { "JPE", "jpeg" },
        { "JPEG", "jpeg" },
        { "GIF", "gif" },
        { "WMF", nullptr },
    } };
    constexpr std::string_view enhancedMetafile = "EMF";

    const PictureKind* kindOf(std::string_view extension)
    {
        for (const PictureKind& kind : pictureKinds)
            if (kind.extension == extension)
                return &kind;
        return nullptr;
    }

    void checkSize(QSize size, size_t fileSize, const std::string& source)
    {
        const int64_t pixels = int64_t { size.width() } * size.height();
        const int64_t plausible = std::max<int64_t>(
            smallestPictureLimit, static_cast<int64_t>(fileSize) * pixelsPerFileByte);
        if (pixels > largestPicture || pixels > plausible)
            throw eLogoException(erImageFile, source);
    }

    // Qt allocates the whole picture before it decodes a line, so the size it announces is
    // checked first; a reader that announces none has its pictures checked as they come.
    void checkAnnouncedSize(const QImageReader& reader, size_t fileSize, const std::string& source)
    {
        if (reader.size().isValid())
            checkSize(reader.size(), fileSize, source);
    }

    QImage onBlack(const QImage& picture)
    {
        QImage made(picture.size(), QImage::Format_RGB32);
        made.fill(qRgb(0, 0, 0));
        QPainter painter(&made);
        painter.drawImage(0, 0, picture);
        return made;
    }

    PictureRef gifPicture(const QImage& frame, int delay)
    {
        const QImage argb = frame.convertToFormat(QImage::Format_ARGB32);
        QImage mask;
        if (argb.hasAlphaChannel()) {
            mask = makeOpaqueMask(argb.size());
            for (int y = 0; y < argb.height(); ++y) {
                const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
                for (int x = 0; x < argb.width(); ++x)
                    if (qAlpha(line[x]) < 128)
                        setTransparent(mask, x, y);
            }
        }
        const QPoint centre(argb.width() / 2, argb.height() / 2);
        return makePicture(argb, std::move(mask), centre, std::max(0, delay));
    }

    ImageContent readGif(
        QImageReader& reader, ImageLoadMode mode, size_t fileSize, const std::string& source)
    {
        std::vector<PictureRef> pictures;
        QImage frame;
        while (reader.read(&frame)) {
            checkSize(frame.size(), fileSize, source);
            pictures.push_back(gifPicture(frame, reader.nextImageDelay()));
            if (mode == ImageLoadMode::Preview)
                break;
        }
        if (pictures.empty())
            throw eLogoException(erImageFile, source);
        return { { makeFrame(std::move(pictures)) }, { .style = FrameStyle::Frame } };
    }

} // namespace

bool isPictureExtension(std::string_view extension)
{
    return kindOf(extension) || extension == enhancedMetafile;
}

ImageContent contentOfBitmap(QImage bitmap)
{
    const QPoint centre(bitmap.width() / 2, bitmap.height() / 2);
    return { { makeFrame({ makePicture(std::move(bitmap), {}, centre, 0) }) },
        { .style = FrameStyle::Frame } };
}

ImageContent readPictureFile(std::span<const uint8_t> bytes, std::string_view extension,
    ImageLoadMode mode, const std::string& source)
{
    const PictureKind* kind = kindOf(extension);
    if (!kind || !kind->format)
        throw eLogoException(erFileProblem, source);
    QByteArray data = QByteArray::fromRawData(
        reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, kind->format);
    checkAnnouncedSize(reader, bytes.size(), source);
    if (extension == "GIF")
        return readGif(reader, mode, bytes.size(), source);
    QImage picture;
    if (!reader.read(&picture))
        throw eLogoException(erImageFile, source);
    checkSize(picture.size(), bytes.size(), source);
    return contentOfBitmap(extension == "ICO" ? onBlack(picture) : std::move(picture));
}

} // namespace velmora
