// Loading an image by name.
//
// A name is a file name with or without extension, "*" followed by the name of one of the
// program's resources, or the word for the clipboard (dictionary section "other"). The form
// base ":" N "." ext picks the image after N others of a file holding several. A name without
// extension, or ending in ".", gets ".LGF" (".BMP" when a bitmap is asked for). The extension
// decides the reader: the picture files of PictureFiles.h, ".LGW" the legacy shape file, anything
// else the LGF reader.
//
// Resources and the clipboard come from the sources the window layers install (`ImageSources`);
// until one is installed a resource is missing (error 42) and the clipboard holds no image (error
// 59). A plain name is a path of the file system; a file that is not there is error 187.
#pragma once

#include "graphics/ImageContent.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// What a name says, once its parts are taken apart.
struct ImageName {
    std::string file; // the name with its extension, without the ":N"
    std::string extension; // upper case, without the dot
    uint32_t skipped = 0; // image chunks to skip
};

enum class DefaultExtension : uint8_t { Lgf, Bmp };

ImageName parseImageName(std::string_view name, DefaultExtension missing);

// Where the images that are not plain files come from; each answers the bytes of a file, or
// nothing when it has none of that name.
struct ImageSources {
    // The bytes of a resource, by its name with its type as the extension ("turtle.LGF").
    std::function<std::optional<std::vector<uint8_t>>(std::string_view name)> resource;
    // The image on the clipboard, from the first of its formats that holds one.
    std::function<std::optional<ImageContent>(ImageLoadMode mode)> clipboard;
};

// Installed by the window layers before any process runs; empty members are sources with nothing.
void setImageSources(ImageSources sources);

// Under the interpreter lock (errors make words; the clipboard word comes from the dictionary).
ImageContent loadImageContent(
    std::string_view name, ImageLoadMode mode, DefaultExtension missing = DefaultExtension::Lgf);

// The content of a file held in memory, read by its extension.
ImageContent readImageBytes(
    std::span<const uint8_t> bytes, const ImageName& name, ImageLoadMode mode);

} // namespace velmora
