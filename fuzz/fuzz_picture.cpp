// Any byte string read as a picture file through Qt's readers. The first byte picks the
// extension (BMP, ICO, JPG or GIF) and whether a preview or everything is read; the rest is the
// file. It reads, or fails with error 70 naming the file.
#include "graphics/PictureFiles.h"
#include "values/Errors.h"

#include <array>
#include <cstdlib>
#include <string_view>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static constexpr std::array<std::string_view, 4> extensions { "BMP", "ICO", "JPG", "GIF" };
    if (size == 0)
        return 0;
    const std::string_view extension = extensions[data[0] % extensions.size()];
    const ImageLoadMode mode = data[0] & 4 ? ImageLoadMode::Preview : ImageLoadMode::Full;
    try {
        readPictureFile({ data + 1, size - 1 }, extension, mode, "fuzz.picture");
    } catch (const eLogoException& error) {
        if (error.code != erImageFile)
            std::abort();
    }
    return 0;
}
