// The LGF chunk file: what the writer lays down byte by byte, images written and read back, the
// version rules, skipped chunks and sub-chunks, and damaged files, which must fail with a numbered
// error and never read past their end.
#include "ImagePictures.h"
#include "values/ValueFixture.h"

#include "graphics/BmpCodec.h"
#include "graphics/ByteWriter.h"
#include "graphics/LgfFormat.h"
#include "graphics/LgfReader.h"
#include "graphics/LgfWriter.h"
#include "localization/MemoryStream.h"

#include <random>

namespace velmora {
namespace {

    using Bytes = std::vector<uint8_t>;

    // A file of the given images, in order, after the header.
    Bytes lgfOf(const std::vector<ImageContent>& images, Compression compression,
        std::string_view language = "english")
    {
        MemoryStream stream;
        LgfWriter writer(stream, "test.lgf");
        writer.writeHeader(language);
        for (const ImageContent& image : images)
            writer.writeImage(image, compression);
        return stream.bytes();
    }

    ImageContent contentOf(tLogoImage* image)
    {
        const ValueRef held(image);
        return { image->frames(), image->info() };
    }

    // Every pixel, field and count of two images.
    void expectSameContent(const ImageContent& read, const ImageContent& written)
    {
        EXPECT_EQ(read.info, written.info);
        ASSERT_EQ(read.frames.size(), written.frames.size());
        for (size_t f = 0; f < read.frames.size(); ++f) {
            const auto& got = read.frames[f]->pictures();
            const auto& want = written.frames[f]->pictures();
            ASSERT_EQ(got.size(), want.size()) << "frame " << f;
            for (size_t p = 0; p < got.size(); ++p) {
                EXPECT_EQ(got[p]->hotSpot(), want[p]->hotSpot());
                EXPECT_EQ(got[p]->delay(), want[p]->delay());
                EXPECT_EQ(got[p]->image(), want[p]->image()) << "frame " << f << " picture " << p;
                EXPECT_EQ(got[p]->hasMask(), want[p]->hasMask());
                if (got[p]->hasMask()) {
                    EXPECT_EQ(got[p]->mask().convertToFormat(QImage::Format_RGB32),
                        want[p]->mask().convertToFormat(QImage::Format_RGB32));
                }
            }
        }
    }

    class RandomImages {
    public:
        explicit RandomImages(uint32_t seed)
            : m_random(seed)
        {
        }

        ImageContent next()
        {
            ImageContent image;
            image.info = { .style = pick(2) ? FrameStyle::Heading : FrameStyle::Frame,
                .zeroAngle = pick(720) / 2.0 - 180,
                .loop = pick(2) == 1 };
            const int frames = pick(5);
            for (int f = 0; f < frames; ++f) {
                std::vector<PictureRef> pictures;
                const int steps = pick(4);
                for (int s = 0; s < steps; ++s)
                    pictures.push_back(picture());
                image.frames.push_back(makeFrame(std::move(pictures)));
            }
            return image;
        }

        int pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }

    private:
        PictureRef picture()
        {
            const int width = 1 + pick(9);
            const QSize size(width, 1 + pick(9));
            QImage bitmap(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    bitmap.setPixel(x, y, static_cast<QRgb>(pick(1 << 24)));
            QImage mask;
            if (pick(2)) {
                mask = makeOpaqueMask(size);
                for (int y = 0; y < size.height(); ++y)
                    for (int x = 0; x < size.width(); ++x)
                        if (pick(3) == 0)
                            setTransparent(mask, x, y);
            }
            const bool withoutBitmap = pick(8) == 0;
            const bool withoutMask = pick(8) == 0;
            const QPoint hotSpot { pick(30) - 10, pick(30) - 10 };
            const int delay = pick(2000);
            return makePicture(
                withoutBitmap ? QImage() : bitmap, withoutMask ? QImage() : mask, hotSpot, delay);
        }

        std::mt19937 m_random;
    };

    class LgfFile : public ValueFixture { };

    TEST_F(LgfFile, GeneratedImagesComeBackAsTheyWereWritten)
    {
        RandomImages random(20261211);
        for (int round = 0; round < 60; ++round) {
            std::vector<ImageContent> images;
            for (int i = 1 + random.pick(3); i > 0; --i)
                images.push_back(random.next());
            const auto compression = static_cast<Compression>(round % 4);
            const Bytes file = lgfOf(images, compression);
            const LgfReader reader(file, "test.lgf", AskedKind::Lgf);
            const std::vector<ImageContent> read = reader.allImages(ImageLoadMode::Full);
            ASSERT_EQ(read.size(), images.size());
            // Read back, the last image chunk comes first.
            for (size_t i = 0; i < images.size(); ++i) {
                SCOPED_TRACE("round " + std::to_string(round) + " image " + std::to_string(i));
                expectSameContent(read[read.size() - 1 - i], images[i]);
                expectSameContent(
                    reader.image(static_cast<uint32_t>(i), ImageLoadMode::Full), images[i]);
            }
        }
    }

    uint32_t u32At(const Bytes& bytes, size_t at)
    {
        ByteReader reader(bytes, "bytes");
        reader.skip(at);
        return reader.u32();
    }

    std::string textAt(const Bytes& bytes, size_t at, size_t length)
    {
        return { bytes.begin() + static_cast<ptrdiff_t>(at),
            bytes.begin() + static_cast<ptrdiff_t>(at + length) };
    }

    TEST_F(LgfFile, AnEnglishFileHasVersion4AndNoLanguageChunk)
    {
        const Bytes file = lgfOf({ contentOf(patternImageValue(1, 1)) }, Compression::None);
        EXPECT_EQ(textAt(file, 0, 5), "LGF04");
        EXPECT_EQ(u32At(file, 5), 1u);
        EXPECT_EQ(textAt(file, 9, 4), "IM 1");
        EXPECT_EQ(u32At(file, 13), file.size() - 17);
        EXPECT_EQ(LgfReader(file, "test.lgf", AskedKind::Lgf).language(), "");
    }

    TEST_F(LgfFile, AnotherLanguageComesFirstInAVersion5File)
    {
        const Bytes file
            = lgfOf({ contentOf(patternImageValue(1, 1)) }, Compression::Fastest, "portuguese");
        EXPECT_EQ(textAt(file, 0, 5), "LGF05");
        EXPECT_EQ(u32At(file, 5), 2u);
        EXPECT_EQ(textAt(file, 9, 4), "LA 1");
        EXPECT_EQ(u32At(file, 13), 10u);
        EXPECT_EQ(textAt(file, 17, 10), "portuguese");
        EXPECT_EQ(textAt(file, 27, 4), "IMZ1");
        EXPECT_EQ(LgfReader(file, "test.lgf", AskedKind::Lgf).language(), "portuguese");
    }

    TEST_F(LgfFile, AnIndexSkipsThatManyImageChunks)
    {
        std::vector<ImageContent> images;
        for (int i = 0; i < 4; ++i)
            images.push_back(contentOf(patternImageValue(i + 1, 1)));
        const Bytes file = lgfOf(images, Compression::Default);
        const LgfReader reader(file, "test.lgf", AskedKind::Lgf);
        EXPECT_EQ(reader.image(2, ImageLoadMode::Full).frames.size(), 3u);
        try {
            reader.image(4, ImageLoadMode::Full);
            ADD_FAILURE() << "a fifth image was found";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.code, erImageFile);
        }
    }

    TEST_F(LgfFile, PreviewTakesTheFirstPictureOfTheFirstFrame)
    {
        const ImageContent image = contentOf(patternImageValue(3, 2));
        const Bytes file = lgfOf({ image }, Compression::None);
        const ImageContent preview
            = LgfReader(file, "test.lgf", AskedKind::Lgf).image(0, ImageLoadMode::Preview);
        ASSERT_EQ(preview.frames.size(), 1u);
        ASSERT_EQ(preview.frames[0]->count(), 1u);
        EXPECT_EQ(
            preview.frames[0]->pictures()[0]->image(), image.frames[0]->pictures()[0]->image());
    }

    TEST_F(LgfFile, TheIconAndTheTextAreFoundAmongTheChunks)
    {
        MemoryStream stream;
        LgfWriter writer(stream, "project.vmp");
        writer.writeHeader("english");
        writer.writeText("to start\rend");
        writer.writeImage(contentOf(patternImageValue(1, 1)), Compression::None);
        writer.writeIcon(patternImage({ 5, 4 }, 2), Compression::Smallest);
        const LgfReader reader(stream.bytes(), "project.vmp", AskedKind::Project);
        EXPECT_EQ(reader.icon(), patternImage({ 5, 4 }, 2));
        const auto text = reader.textChunk();
        ASSERT_TRUE(text);
        EXPECT_EQ(textAt(stream.bytes(), text->offset, static_cast<size_t>(text->length)),
            "to start\rend");
    }

    // A picture with an unknown sub-chunk before its fields, in a frame with an unknown
    // sub-chunk, in a file with an unknown chunk before the image.
    Bytes fileWithUnknownParts()
    {
        ByteWriter record;
        record.f64(30);
        record.u8(0);
        record.u8(0);
        record.u32(1);
        record.u32(2);
        record.subChunk(tagOf("FX 1"), [&] { record.u32(99); });
        record.subChunk(lgf::framePictures, [&] {
            record.u32(1);
            record.u32(3);
            record.subChunk(tagOf("FE 1"), [&] { record.bytes(Bytes { 1, 2, 3, 4, 5 }); });
            record.subChunk(lgf::pictureFields, [&] {
                record.i32(2);
                record.i32(3);
                record.i32(70);
            });
            record.subChunk(lgf::pictureImage, [&] {
                record.bytes(encodeBmp(patternImage({ 4, 5 }, 8)));
            });
        });
        ByteWriter file;
        for (char c : std::string_view("LGF04"))
            file.u8(static_cast<uint8_t>(c));
        file.u32(2);
        file.subChunk(tagOf("XX 1"), [&] { file.u32(7); });
        file.subChunk(lgf::image, [&] { file.bytes(record.data()); });
        return std::move(file.data());
    }

    TEST_F(LgfFile, UnknownChunksAndSubChunksAreSkipped)
    {
        const Bytes file = fileWithUnknownParts();
        const ImageContent image
            = LgfReader(file, "odd.lgf", AskedKind::Lgf).image(0, ImageLoadMode::Full);
        EXPECT_EQ(image.info, (ImageInfo { FrameStyle::Frame, 30, false }));
        ASSERT_EQ(image.frames.size(), 1u);
        ASSERT_EQ(image.frames[0]->count(), 1u);
        const tLogoPicture& picture = *image.frames[0]->pictures()[0];
        EXPECT_EQ(picture.hotSpot(), QPoint(2, 3));
        EXPECT_EQ(picture.delay(), 70);
        EXPECT_EQ(picture.image(), patternImage({ 4, 5 }, 8));
    }

    int errorOf(const Bytes& bytes, AskedKind asked)
    {
        try {
            const LgfReader reader(bytes, "file.lgf", asked);
            if (!reader.isLgf())
                return -1;
            reader.allImages(ImageLoadMode::Full);
            return 0;
        } catch (const eLogoException& error) {
            return error.code;
        }
    }

    Bytes withHeader(std::string_view header)
    {
        Bytes file = lgfOf({}, Compression::None);
        std::copy(header.begin(), header.end(), file.begin());
        return file;
    }

    struct VersionCase {
        std::string_view header;
        AskedKind asked;
        int expected; // 0 read, -1 not LGF, or the error
    };

    const VersionCase versionCases[] = {
        { "LGF04", AskedKind::Lgf, 0 },
        { "LGF05", AskedKind::Other, 0 },
        { "LGF03", AskedKind::Lgf, 70 },
        { "LGF03", AskedKind::Other, -1 },
        { "LGF06", AskedKind::Lgf, 174 },
        { "LGF06", AskedKind::Project, 174 },
        { "LGF06", AskedKind::Other, -1 },
        { "LGFxy", AskedKind::Lgf, 70 },
        { "VWP01", AskedKind::Lgf, 190 },
        { "VWP01", AskedKind::Other, 190 },
        { "BM000", AskedKind::Project, -1 },
    };

    TEST_F(LgfFile, TheHeaderDecidesWhetherAFileIsReadable)
    {
        for (const VersionCase& row : versionCases)
            EXPECT_EQ(errorOf(withHeader(row.header), row.asked), row.expected) << row.header;
    }

    // Every cut of a file ends in a numbered error or, at a chunk boundary, fewer images.
    TEST_F(LgfFile, AFileCutShortAnywhereFailsWithANumberedError)
    {
        for (const Compression compression : { Compression::None, Compression::Default }) {
            const Bytes whole = lgfOf({ contentOf(patternImageValue(2, 2)) }, compression);
            for (size_t length = 0; length < whole.size(); ++length) {
                const Bytes cut(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(length));
                const int error = errorOf(cut, AskedKind::Lgf);
                EXPECT_TRUE(error == 70 || error == 42 || (error == 0 && length == lgf::headerSize))
                    << length << " gave " << error;
            }
        }
    }

    void putU32(Bytes& bytes, size_t at, uint32_t value)
    {
        for (int i = 0; i < 4; ++i)
            bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
    }

    struct LieCase {
        const char* what;
        Compression compression;
        size_t offset; // of the field that lies, from the start of the file
        uint32_t value;
        int expected;
    };

    // Offsets in a file of one image chunk: 13 the chunk's length, 27 the record's frame count,
    // 31 the first frame's sub-chunk count; compressed, 17 the stated length of the record and 21
    // the start of the zlib stream.
    const LieCase lieCases[] = {
        { "a chunk longer than the file", Compression::None, 13, 0xFFFFFFFF, 70 },
        { "more frames than bytes", Compression::None, 27, 0xFFFFFFFF, 70 },
        { "more sub-chunks than bytes", Compression::None, 31, 0x7FFFFFFF, 70 },
        { "an impossible inflated length", Compression::Default, 17, 0xFFFFFFFF, 42 },
        { "a shorter inflated length", Compression::Default, 17, 3, 42 },
        { "a damaged zlib stream", Compression::Default, 21, 0xDEADBEEF, 42 },
    };

    TEST_F(LgfFile, LyingFieldsAreRefused)
    {
        for (const LieCase& row : lieCases) {
            Bytes file = lgfOf({ contentOf(patternImageValue(2, 1)) }, row.compression);
            putU32(file, row.offset, row.value);
            EXPECT_EQ(errorOf(file, AskedKind::Lgf), row.expected) << row.what;
        }
    }

    TEST_F(LgfFile, AZlibFailureNamesTheFileAndTheProblem)
    {
        Bytes file = lgfOf({ contentOf(patternImageValue(1, 1)) }, Compression::Default);
        putU32(file, 21, 0xDEADBEEF);
        try {
            LgfReader(file, "broken.lgf", AskedKind::Lgf).allImages(ImageLoadMode::Full);
            ADD_FAILURE() << "no error";
        } catch (const eLogoException& error) {
            EXPECT_EQ(error.code, erFileProblem);
            EXPECT_EQ(error.datum->text(), "broken.lgf (incorrect header check)");
        }
    }

    TEST_F(LgfFile, AMaskIsStoredAsA1BitBmp)
    {
        QImage mask = makeOpaqueMask({ 9, 2 });
        setTransparent(mask, 8, 1);
        const Bytes bmp = encodeMaskBmp(mask);
        EXPECT_EQ(bmp[28], 1);
        const QImage read = decodeMaskBmp(ByteReader(bmp, "mask"));
        EXPECT_EQ(read.format(), QImage::Format_Mono);
        EXPECT_EQ(read.pixelIndex(8, 1), 1);
        EXPECT_EQ(read.pixelIndex(7, 1), 0);
    }

} // namespace
} // namespace velmora
