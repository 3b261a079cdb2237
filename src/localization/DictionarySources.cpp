#include "localization/DictionarySources.h"

#include "localization/CodedStream.h"
#include "localization/DictionaryRequirements.h"
#include "localization/DictionaryText.h"
#include "localization/FileStream.h"
#include "localization/ObjStream.h"
#include "localization/StoredDictionary.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

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

    // Nothing when the stored form cannot be read or is damaged.
    std::unique_ptr<TDTables> parseDictionary(ByteStream& stream, CheckValue check)
    {
        auto text = readStoredDictionary(stream, check);
        if (!text)
            return nullptr;
        auto dictionary = std::make_unique<TDTables>();
        dictionary->parse(std::move(*text));
        return dictionary;
    }

    // The dictionary of a file, or why there is none: nothing to say when there is no file.
    struct FileReading {
        std::unique_ptr<TDTables> dictionary;
        std::string problem;
    };

    FileReading readDictionaryFile(const std::filesystem::path& path)
    {
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return {};
        const auto file = FileStream::open(path, FileMode::Read);
        if (!file)
            return { nullptr, std::string("it cannot be read (") + std::strerror(errno) + ")" };
        auto dictionary = parseDictionary(*file, CheckValue::Verify);
        if (!dictionary)
            return { nullptr, "it is damaged or is not a dictionary" };
        // A file that yields no section, or an empty first one, is passed over too.
        if (dictionary->sections().empty() || dictionary->sections().front().entries().empty())
            return { nullptr, "it has no sections, or its first section is empty" };
        if (const auto missing = missingRequirement(*dictionary))
            return { nullptr, "it lacks " + *missing };
        return { std::move(dictionary), {} };
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

LoadedDictionary createLanguageDictionary(std::string_view language,
    const std::filesystem::path& folder, std::span<const EmbeddedDictionary> builtIn)
{
    LoadedDictionary loaded;
    if (!folder.empty()) {
        const auto path = folder / (asciiLowered(language) + ".ldx");
        FileReading file = readDictionaryFile(path);
        if (file.dictionary)
            return { std::move(file.dictionary), {} };
        if (!file.problem.empty())
            loaded.warning
                = "The dictionary file " + path.string() + " is not used: " + file.problem;
    }
    if (const EmbeddedDictionary* entry = findBuiltIn(language, builtIn)) {
        tObjStream block(entry->block);
        loaded.dictionary = parseDictionary(block, CheckValue::Trust);
    }
    return loaded;
}

std::unique_ptr<TDTables> createDictionaryFromEmbeddedBlock(std::span<const uint8_t> block)
{
    tObjStream stream(block);
    const auto text = readStoredDictionary(stream, CheckValue::Trust);
    const std::string_view plain = text ? std::string_view(text->bytes.get(), text->size) : "";
    const size_t nameEnd = plain.find('\0');
    auto dictionary = std::make_unique<TDTables>();
    if (nameEnd != std::string_view::npos)
        dictionary->parseText(plain.substr(nameEnd + 1));
    return dictionary;
}

std::string embeddedBlockName(std::span<const uint8_t> block)
{
    tObjStream stream(block);
    tcodedstream coded(stream, CodedStreamMode::Reading);
    return readUpToZero(coded).value_or("");
}

} // namespace velmora
