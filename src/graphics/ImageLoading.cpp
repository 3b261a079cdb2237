#include "graphics/ImageLoading.h"

#include "graphics/LgfReader.h"
#include "graphics/LgwReader.h"
#include "graphics/PictureFiles.h"
#include "localization/LanguageDictionary.h"
#include "values/Errors.h"

#include <QFile>

#include <algorithm>
#include <cctype>
#include <charconv>

namespace velmora {

namespace {

    ImageSources& installedSources()
    {
        static ImageSources sources;
        return sources;
    }

    std::string upperCase(std::string_view text)
    {
        std::string upper(text);
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return upper;
    }

    // The position of the extension's dot, when the last part of the path has one.
    size_t extensionDot(std::string_view name)
    {
        const size_t dot = name.rfind('.');
        const size_t folder = name.find_last_of("/\\");
        return dot != std::string_view::npos && (folder == std::string_view::npos || dot > folder)
            ? dot
            : std::string_view::npos;
    }

    // Takes ":N" off the end of the base name, when it is there.
    uint32_t takeIndex(std::string& base)
    {
        const size_t colon = base.rfind(':');
        if (colon == std::string::npos || colon + 1 == base.size())
            return 0;
        uint32_t index = 0;
        const char* first = base.data() + colon + 1;
        const char* last = base.data() + base.size();
        const auto [end, error] = std::from_chars(first, last, index);
        if (error != std::errc() || end != last)
            return 0;
        base.resize(colon);
        return index;
    }

    std::vector<uint8_t> fileBytes(const std::string& path)
    {
        QFile file(QString::fromLocal8Bit(path.c_str()));
        if (!file.exists())
            throw eLogoException(erNoEmbeddedFilePlugin, path);
        if (!file.open(QIODevice::ReadOnly))
            throw eLogoException(erFileProblem, path);
        const QByteArray data = file.readAll();
        return { data.begin(), data.end() };
    }

    bool isClipboardWord(std::string_view name)
    {
        return languageDictionary().isSynonymInSection("other", "clipboard", name);
    }

} // namespace

ImageName parseImageName(std::string_view name, DefaultExtension missing)
{
    const size_t dot = extensionDot(name);
    std::string base(name.substr(0, dot));
    std::string extension
        = dot == std::string_view::npos ? std::string() : upperCase(name.substr(dot + 1));
    const uint32_t skipped = takeIndex(base);
    if (extension.empty())
        extension = missing == DefaultExtension::Bmp ? "BMP" : "LGF";
    const std::string_view given = dot == std::string_view::npos ? "" : name.substr(dot + 1);
    return { .file = base + "." + (given.empty() ? extension : std::string(given)),
        .extension = extension,
        .skipped = skipped };
}

void setImageSources(ImageSources sources) { installedSources() = std::move(sources); }

ImageContent readImageBytes(
    std::span<const uint8_t> bytes, const ImageName& name, ImageLoadMode mode)
{
    if (isPictureExtension(name.extension))
        return readPictureFile(bytes, name.extension, mode, name.file);
    if (name.extension == "LGW")
        return readLgw(ByteReader(bytes, name.file), mode);
    const AskedKind asked = name.extension == "LGF" ? AskedKind::Lgf
        : name.extension == "VMP"                   ? AskedKind::Project
                                                    : AskedKind::Other;
    const LgfReader reader(bytes, name.file, asked);
    if (!reader.isLgf())
        throw eLogoException(erImageFile, name.file);
    return reader.image(name.skipped, mode);
}

ImageContent loadImageContent(std::string_view name, ImageLoadMode mode, DefaultExtension missing)
{
    const ImageSources& sources = installedSources();
    if (isClipboardWord(name)) {
        std::optional<ImageContent> held
            = sources.clipboard ? sources.clipboard(mode) : std::nullopt;
        if (!held)
            throw eLogoException(erClipboard);
        return std::move(*held);
    }
    if (name.starts_with('*')) {
        const ImageName resource = parseImageName(name.substr(1), missing);
        auto bytes = sources.resource ? sources.resource(resource.file) : std::nullopt;
        if (!bytes)
            throw eLogoException(erFileProblem, name);
        return readImageBytes(*bytes, resource, mode);
    }
    const ImageName file = parseImageName(name, missing);
    return readImageBytes(fileBytes(file.file), file, mode);
}

} // namespace velmora
