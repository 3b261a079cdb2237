// make_image_seeds FOLDER: writes the seed corpora of the image fuzzers into FOLDER/lgf,
// FOLDER/lgw and FOLDER/picture: LGF files made by the program's own writer (each language form,
// every compression, text and icon chunks, masks and several frames), legacy shape files of both
// header forms, and BMP, ICO, JPEG and GIF pictures behind the byte that picks their extension.
#include "graphics/BmpCodec.h"
#include "graphics/ByteWriter.h"
#include "graphics/LgfWriter.h"
#include "localization/MemoryStream.h"

#include <QBuffer>
#include <QImage>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace velmora;

namespace {

std::filesystem::path g_folder;

void save(const std::string& kind, const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::filesystem::create_directories(g_folder / kind);
    std::ofstream(g_folder / kind / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

QImage pattern(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(40 * x, 30 * y, seed));
    return image;
}

ImageContent sampleImage(int frames, int steps, bool masked)
{
    ImageContent image { {}, { .style = FrameStyle::Frame, .zeroAngle = 15, .loop = false } };
    for (int f = 0; f < frames; ++f) {
        std::vector<PictureRef> pictures;
        for (int s = 0; s < steps; ++s) {
            QImage mask;
            if (masked) {
                mask = makeOpaqueMask({ 3 + s, 2 + f });
                setTransparent(mask, 0, 0);
            }
            pictures.push_back(
                makePicture(pattern({ 3 + s, 2 + f }, 50 * f), mask, { 1, -1 }, 30 * s));
        }
        image.frames.push_back(makeFrame(std::move(pictures)));
    }
    return image;
}

void writeLgfSeeds()
{
    for (int compression = 0; compression < 4; ++compression)
        for (const char* language : { "english", "portuguese" }) {
            MemoryStream stream;
            LgfWriter writer(stream, "seed.lgf");
            writer.writeHeader(language);
            writer.writeText("to start\rprint 1\rend");
            writer.writeImage(
                sampleImage(2, 2, compression % 2 == 0), static_cast<Compression>(compression));
            writer.writeImage(sampleImage(1, 1, false), static_cast<Compression>(compression));
            writer.writeIcon(pattern({ 4, 4 }, 9), static_cast<Compression>(compression));
            save("lgf", std::string(language) + std::to_string(compression) + ".lgf",
                stream.bytes());
        }
}

void writeLgwSeeds()
{
    for (const bool shortForm : { true, false }) {
        ByteWriter file;
        file.u16(2);
        if (!shortForm)
            file.u16(0);
        for (int record = 0; record < 2; ++record) {
            const auto image = encodeBmp(pattern({ 3, 2 }, record));
            const auto mask
                = record ? encodeMaskBmp(makeOpaqueMask({ 3, 2 })) : std::vector<uint8_t> {};
            const size_t size = (shortForm ? 8 : 14) + image.size() + mask.size();
            if (shortForm) {
                file.u16(static_cast<uint16_t>(size));
                file.u8(1);
                file.u8(1);
                file.u16(0);
                file.u16(static_cast<uint16_t>(image.size()));
            } else {
                file.u32(static_cast<uint32_t>(size));
                file.u16(1);
                file.u16(1);
                file.u16(0);
                file.u32(static_cast<uint32_t>(image.size()));
            }
            file.bytes(image);
            file.bytes(mask);
        }
        save("lgw", shortForm ? "short.lgw" : "long.lgw", file.data());
    }
}

void writePictureSeeds(const std::filesystem::path& gif)
{
    // The first byte picks the extension: 0 BMP, 1 ICO, 2 JPG, 3 GIF.
    const std::pair<uint8_t, const char*> formats[] = { { 0, "BMP" }, { 1, "ICO" }, { 2, "JPG" } };
    for (const auto& [selector, format] : formats) {
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        pattern({ 5, 4 }, 7).save(&buffer, format);
        std::vector<uint8_t> bytes { selector };
        bytes.insert(bytes.end(), data.begin(), data.end());
        save("picture", std::string(format) + ".seed", bytes);
    }
    std::ifstream in(gif, std::ios::binary);
    std::vector<uint8_t> bytes { 3 };
    bytes.insert(bytes.end(), std::istreambuf_iterator<char>(in), {});
    save("picture", "GIF.seed", bytes);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_image_seeds FOLDER\n");
        return 2;
    }
    g_folder = argv[1];
    writeLgfSeeds();
    writeLgwSeeds();
    writePictureSeeds(VELMORA_SOURCE_DIR "/tests/graphics/fixtures/two-frames.gif");
    return 0;
}
