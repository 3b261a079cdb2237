// Any byte string given to the LGF reader, as an LGF file and as a project: every chunk kind is
// read (images in full and as previews, the language, the icon, the text), and the only way out
// is a numbered error of a damaged or foreign file.
#include "graphics/LgfReader.h"
#include "values/Errors.h"

#include <cstdlib>

using namespace velmora;

namespace {

void readEverything(std::span<const uint8_t> bytes, AskedKind asked)
{
    try {
        const LgfReader reader(bytes, "fuzz.lgf", asked);
        if (!reader.isLgf())
            return;
        reader.allImages(ImageLoadMode::Full);
        reader.allImages(ImageLoadMode::Preview);
        reader.image(1, ImageLoadMode::Full);
    } catch (const eLogoException& error) {
        if (error.code != erImageFile && error.code != erFileProblem
            && error.code != erImageFileVersionPlugin && error.code != erPackage)
            std::abort();
    }
    try {
        const LgfReader reader(bytes, "fuzz.vmp", asked);
        reader.language();
        reader.textChunk();
        reader.icon();
    } catch (const eLogoException& error) {
        if (error.code != erImageFile && error.code != erFileProblem
            && error.code != erImageFileVersionPlugin && error.code != erPackage)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    readEverything(bytes, AskedKind::Lgf);
    readEverything(bytes, AskedKind::Other);
    return 0;
}
