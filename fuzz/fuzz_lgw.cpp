// Any byte string read as a legacy LGW shape file, in full and as a preview: it reads, or fails
// with error 70 naming the file.
#include "graphics/LgwReader.h"
#include "values/Errors.h"

#include <cstdlib>

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (const ImageLoadMode mode : { ImageLoadMode::Full, ImageLoadMode::Preview }) {
        try {
            readLgw(ByteReader({ data, size }, "fuzz.lgw"), mode);
        } catch (const eLogoException& error) {
            if (error.code != erImageFile)
                std::abort();
        }
    }
    return 0;
}
