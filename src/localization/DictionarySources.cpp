#include "localization/DictionarySources.h"

#include "localization/CodedStream.h"
#include "localization/DictionaryText.h"
#include "localization/FileStream.h"
#include "localization/ObjStream.h"

#include <algorithm>
#include <array>

namespace velmora {

namespace {

    constexpr std::array<std::string_view, 8> languages = {
        "CZECH",
        "ENGLISH",
        "HUNGARIAN",
        "LITHUANIAN",
        "POLISH",
        "PORTUGUESE",
        "PORTUGUES_BRASIL",
        "SLOVAK",
    };

    std::unique_ptr<TDTables> parseDictionary(ByteStream& stream)
    {
        tcodedstream coded(stream, CodedStreamMode::Reading);
        auto dictionary = std::make_unique<TDTables>();
        dictionary->parse(coded);
        return dictionary;
    }

    // A file that yields nothing useful must not hide the built-in dictionary.
    bool isUsable(const TDTables& dictionary)
    {
        return !dictionary.sections().empty() && !dictionary.sections().front().entries().empty();
    }

    std::unique_ptr<TDTables> parseFile(const std::filesystem::path& path)
    {
        const auto file = FileStream::open(path, FileMode::Read);
        return file ? parseDictionary(*file) : nullptr;
    }

    const EmbeddedDictionary* findBuiltIn(
        std::string_view language, std::span<const EmbeddedDictionary> builtIn)
    {
        const std::string wanted = asciiUppered(language);
        const auto found = std::find_if(builtIn.begin(), builtIn.end(),
            [&](const EmbeddedDictionary& entry) { return asciiUppered(entry.name) == wanted; });
        return found == builtIn.end() ? nullptr : &*found;
    }

    // Reads unscrambled bytes up to and including the first zero byte; the bytes before it, or
    // nothing when the text ends first.
    std::optional<std::string> readUpToZero(tcodedstream& coded)
    {
        std::string text;
        uint8_t byte = 0;
        while (coded.read({ &byte, 1 }) == 1) {
            if (byte == 0)
                return text;
            text.push_back(static_cast<char>(byte));
        }
        return std::nullopt;
    }

} // namespace

std::span<const std::string_view> supportedLanguages() { return languages; }

std::string languageOrDefault(std::string_view name)
{
    return name.empty() || name == "*" ? std::string("english") : asciiLowered(name);
}

std::filesystem::path programFolder()
{
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : executable.parent_path();
}

std::unique_ptr<TDTables> createLanguageDictionary(std::string_view language,
    const std::filesystem::path& folder, std::span<const EmbeddedDictionary> builtIn)
{
    if (!folder.empty()) {
        auto fromFile = parseFile(folder / (asciiLowered(language) + ".ldx"));
        if (fromFile && isUsable(*fromFile))
            return fromFile;
    }
    const EmbeddedDictionary* entry = findBuiltIn(language, builtIn);
    if (!entry)
        return nullptr;
    tObjStream block(entry->block);
    return parseDictionary(block);
}

std::unique_ptr<TDTables> createDictionaryFromEmbeddedBlock(std::span<const uint8_t> block)
{
    tObjStream stream(block);
    tcodedstream coded(stream, CodedStreamMode::Reading);
    auto dictionary = std::make_unique<TDTables>();
    if (readUpToZero(coded))
        dictionary->parse(coded);
    return dictionary;
}

std::string embeddedBlockName(std::span<const uint8_t> block)
{
    tObjStream stream(block);
    tcodedstream coded(stream, CodedStreamMode::Reading);
    return readUpToZero(coded).value_or("");
}

} // namespace velmora
