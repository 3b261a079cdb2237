// Loading images by name: the parts of a name, the reader its extension chooses (LGF, the legacy
// LGW shape file and the common picture files), and the errors of names that lead nowhere.
#include "ImagePictures.h"
#include "values/ValueFixture.h"

#include "graphics/BmpCodec.h"
#include "graphics/ByteWriter.h"
#include "graphics/ImageLoading.h"
#include "graphics/LgfWriter.h"
#include "graphics/PictureFiles.h"
#include "localization/MemoryStream.h"

#include <QTemporaryDir>

#include <fstream>

namespace velmora {
namespace {

    struct NameCase {
        std::string_view name;
        DefaultExtension missing;
        ImageName expected;
    };

    const NameCase nameCases[] = {
        { "pics:2.LGF", DefaultExtension::Lgf, { "pics.LGF", "LGF", 2 } },
        { "pics:2", DefaultExtension::Lgf, { "pics.LGF", "LGF", 2 } },
        { "pics", DefaultExtension::Lgf, { "pics.LGF", "LGF", 0 } },
        { "pics.", DefaultExtension::Lgf, { "pics.LGF", "LGF", 0 } },
        { "pic", DefaultExtension::Bmp, { "pic.BMP", "BMP", 0 } },
        { "a.b/shape.lgw", DefaultExtension::Lgf, { "a.b/shape.lgw", "LGW", 0 } },
        { "a.b/shape", DefaultExtension::Lgf, { "a.b/shape.LGF", "LGF", 0 } },
        { "x:y.gif", DefaultExtension::Lgf, { "x:y.gif", "GIF", 0 } },
    };

    TEST(ImageLoadingTest, ANameGivesItsFileExtensionAndIndex)
    {
        for (const NameCase& row : nameCases) {
            const ImageName name = parseImageName(row.name, row.missing);
            EXPECT_EQ(name.file, row.expected.file) << row.name;
            EXPECT_EQ(name.extension, row.expected.extension) << row.name;
            EXPECT_EQ(name.skipped, row.expected.skipped) << row.name;
        }
    }

    class ImageFiles : public ValueFixture {
    protected:
        std::string path(const char* name) const { return m_folder.filePath(name).toStdString(); }

        void write(const char* name, const std::vector<uint8_t>& bytes) const
        {
            std::ofstream(path(name), std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<std::streamsize>(bytes.size()));
        }

        static int errorOf(const std::string& name)
        {
            try {
                loadImageContent(name, ImageLoadMode::Full);
                return 0;
            } catch (const eLogoException& error) {
                return error.code;
            }
        }

        QTemporaryDir m_folder;
    };

    TEST_F(ImageFiles, AColonAndANumberPickTheImageAfterThatManyOthers)
    {
        MemoryStream stream;
        LgfWriter writer(stream, "pics.LGF");
        writer.writeHeader("english");
        for (int frames = 1; frames <= 4; ++frames) {
            const ValueRef image(patternImageValue(frames, 1));
            const auto& value = static_cast<tLogoImage&>(*image);
            writer.writeImage({ value.frames(), value.info() }, Compression::Default);
        }
        write("pics.LGF", stream.bytes());
        EXPECT_EQ(loadImageContent(path("pics:2.LGF"), ImageLoadMode::Full).frames.size(), 3u);
        EXPECT_EQ(loadImageContent(path("pics"), ImageLoadMode::Full).frames.size(), 1u);
        EXPECT_EQ(errorOf(path("pics:4.LGF")), erImageFile);
    }

    TEST_F(ImageFiles, NamesThatLeadNowhereFailWithTheirErrors)
    {
        EXPECT_EQ(errorOf(path("absent.lgf")), erNoEmbeddedFilePlugin);
        EXPECT_EQ(errorOf("*turtle"), erFileProblem);
        EXPECT_EQ(errorOf("clipboard"), erClipboard);
        write("drawing.wmf", { 1, 2, 3 });
        EXPECT_EQ(errorOf(path("drawing.wmf")), erFileProblem);
        write("drawing.emf", { 1, 2, 3 });
        EXPECT_EQ(errorOf(path("drawing.emf")), erFileProblem);
        write("broken.jpg", { 0xFF, 0xD8, 0xFF });
        EXPECT_EQ(errorOf(path("broken.jpg")), erImageFile);
        write("notlgf.lgf", { 'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0 });
        EXPECT_EQ(errorOf(path("notlgf.lgf")), erImageFile);
    }

    TEST_F(ImageFiles, InstalledSourcesGiveResourcesAndTheClipboard)
    {
        MemoryStream stream;
        LgfWriter writer(stream, "turtle.LGF");
        writer.writeHeader("");
        writer.writeImage(
            { { makeFrame({ patternPicture({ 2, 2 }, 1) }) }, {} }, Compression::None);
        setImageSources(
            { .resource = [&](std::string_view name) -> std::optional<std::vector<uint8_t>> {
                 if (name == "turtle.LGF")
                     return stream.bytes();
                 return std::nullopt;
             },
                .clipboard
                = [](ImageLoadMode) { return std::optional<ImageContent>(ImageContent {}); } });
        EXPECT_EQ(loadImageContent("*turtle", ImageLoadMode::Full).frames.size(), 1u);
        EXPECT_EQ(errorOf("*tortoise"), erFileProblem);
        EXPECT_EQ(errorOf("clipboard"), 0);
        setImageSources({});
    }

    // A legacy shape file of two records in the short or the long form.
    std::vector<uint8_t> lgwOf(bool shortForm)
    {
        ByteWriter file;
        file.u16(2);
        if (!shortForm)
            file.u16(0);
        for (int record = 0; record < 2; ++record) {
            const auto image = encodeBmp(patternImage({ 3, 2 }, record));
            QImage mask = makeOpaqueMask({ 3, 2 });
            setTransparent(mask, 2, 1);
            const auto maskBytes = record == 1 ? encodeMaskBmp(mask) : std::vector<uint8_t> {};
            const size_t header = shortForm ? 8 : 14;
            const auto size = static_cast<uint32_t>(header + image.size() + maskBytes.size());
            if (shortForm) {
                file.u16(static_cast<uint16_t>(size));
                file.u8(static_cast<uint8_t>(-1 - record));
                file.u8(5);
                file.u16(0);
                file.u16(static_cast<uint16_t>(image.size()));
            } else {
                file.u32(size);
                file.u16(static_cast<uint16_t>(-1 - record));
                file.u16(5);
                file.u16(0);
                file.u32(static_cast<uint32_t>(image.size()));
            }
            file.bytes(image);
            file.bytes(maskBytes);
        }
        return std::move(file.data());
    }

    TEST_F(ImageFiles, BothFormsOfTheLegacyShapeFileAreRead)
    {
        for (const bool shortForm : { true, false }) {
            write("shape.lgw", lgwOf(shortForm));
            const ImageContent image = loadImageContent(path("shape.lgw"), ImageLoadMode::Full);
            EXPECT_EQ(image.info.style, FrameStyle::Heading);
            ASSERT_EQ(image.frames.size(), 2u);
            const tLogoPicture& second = *image.frames[1]->pictures()[0];
            EXPECT_EQ(second.hotSpot(), QPoint(-2, 5));
            EXPECT_EQ(second.image().pixel(0, 0), patternImage({ 3, 2 }, 1).pixel(0, 0));
            EXPECT_TRUE(second.isTransparentAt(2, 1));
            EXPECT_FALSE(image.frames[0]->pictures()[0]->hasMask());
            EXPECT_EQ(
                loadImageContent(path("shape.lgw"), ImageLoadMode::Preview).frames.size(), 1u);
        }
    }

    TEST_F(ImageFiles, AGifIsOneFrameOfItsPicturesWithDelaysAndMasks)
    {
        const std::string gif = VELMORA_SOURCE_DIR "/tests/graphics/fixtures/two-frames.gif";
        const ImageContent image = loadImageContent(gif, ImageLoadMode::Full);
        EXPECT_EQ(image.info.style, FrameStyle::Frame);
        ASSERT_EQ(image.frames.size(), 1u);
        const auto& pictures = image.frames[0]->pictures();
        ASSERT_EQ(pictures.size(), 2u);
        EXPECT_EQ(pictures[0]->delay(), 100);
        EXPECT_EQ(pictures[1]->delay(), 200);
        EXPECT_EQ(pictures[1]->image().size(), QSize(4, 3));
        EXPECT_EQ(pictures[0]->hotSpot(), QPoint(2, 1));
        EXPECT_EQ(pictures[0]->image().pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_TRUE(pictures[0]->isTransparentAt(3, 0));
        EXPECT_TRUE(pictures[0]->isTransparentAt(2, 1));
        // The second frame lies at (2, 1) over the first.
        EXPECT_EQ(pictures[1]->image().pixel(2, 1), qRgb(255, 0, 0));
        EXPECT_FALSE(pictures[1]->isTransparentAt(2, 1));
        EXPECT_EQ(loadImageContent(gif, ImageLoadMode::Preview).frames[0]->count(), 1u);
    }

    // Qt would make a picture of the whole area a GIF claims before decoding any of it: one that
    // its few bytes could not describe is refused.
    TEST_F(ImageFiles, AGifClaimingAHugeAreaIsRefused)
    {
        std::ifstream fixture(
            VELMORA_SOURCE_DIR "/tests/graphics/fixtures/two-frames.gif", std::ios::binary);
        std::vector<uint8_t> bytes(std::istreambuf_iterator<char>(fixture), {});
        const uint8_t hugeArea[] = { 0xFF, 0xFC, 0x01, 0x81 };
        std::copy(std::begin(hugeArea), std::end(hugeArea), bytes.begin() + 6);
        write("huge.gif", bytes);
        EXPECT_EQ(errorOf(path("huge.gif")), erImageFile);
    }

    TEST_F(ImageFiles, ABitmapFileIsOnePictureWithItsHotSpotInTheMiddle)
    {
        const QImage picture = patternImage({ 5, 3 }, 4);
        for (const char* name : { "picture.bmp", "picture.ico", "picture.jpg" }) {
            ASSERT_TRUE(picture.save(QString::fromStdString(path(name)))) << name;
            const ImageContent image = loadImageContent(path(name), ImageLoadMode::Full);
            EXPECT_EQ(image.info.style, FrameStyle::Frame) << name;
            ASSERT_EQ(image.frames.size(), 1u) << name;
            const tLogoPicture& only = *image.frames[0]->pictures()[0];
            EXPECT_EQ(only.hotSpot(), QPoint(2, 1)) << name;
            EXPECT_EQ(only.delay(), 0) << name;
            EXPECT_FALSE(only.hasMask()) << name;
            EXPECT_EQ(only.image().format(), QImage::Format_RGB32) << name;
            if (std::string_view(name) != "picture.jpg") {
                EXPECT_EQ(only.image(), picture) << name;
            }
        }
    }

} // namespace
} // namespace velmora
