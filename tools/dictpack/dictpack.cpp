// The dictionary packer: builds the dictionaries into the program.
//
//     velmora_dictpack SEED OUTPUT.cpp TEXT...
//
// Each TEXT is a plain dictionary named after its language: "english.txt" is the language
// dictionary of English, "english-ui.txt" its user-interface table. Every text is put in the
// stored form (StoredDictionary.h), scrambled with the given seed (fixed by the build, so that
// two builds of one tree give the same program), and written into OUTPUT.cpp as a
// length-prefixed byte array, together with the definitions of EmbeddedDictionaries.h. A
// user-interface text is preceded by its upper-case language name and a zero byte inside the
// scrambled text, which is how the player tells the blocks apart. A language dictionary that
// lacks what the player requires of one (DictionaryRequirements.h) fails the build.
//
// Before it is scrambled a text is written again in the order the player would sort it into:
// sections by name, pairs by key, comments and ignored lines left out. The player reads the same
// dictionary from it but finds every section already sorted, which saves that work at every
// start. The packer checks that the rewritten text reads back to the same pairs.
#include "localization/DTables.h"
#include "localization/DictionaryRequirements.h"
#include "localization/ObjStream.h"
#include "localization/StoredDictionary.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace velmora;

constexpr std::string_view interfaceSuffix = "-ui";

enum class BlockKind { LanguageDictionary, InterfaceTable };

struct Block {
    BlockKind kind;
    std::string language;
    std::vector<uint8_t> bytes;
};

std::string upperCased(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return text;
}

// Language names become C++ string literals and file names; keep them plain.
bool isPlainName(const std::string& name)
{
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::optional<std::string> readFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The dictionary in the player's lookup order, one "[section]" line before its "key=value" lines.
std::string sortedText(const TDTables& dictionary)
{
    std::string text;
    for (const TDTable& section : dictionary.sections()) {
        text.append("[").append(section.name()).append("]\r\n");
        for (const DictionaryEntry& entry : section.entries())
            text.append(entry.key).append("=").append(entry.value).append("\r\n");
    }
    return text;
}

bool samePairs(const TDTables& a, const TDTables& b)
{
    const auto sameEntry = [](const DictionaryEntry& x, const DictionaryEntry& y) {
        return x.key == y.key && x.value == y.value;
    };
    return std::equal(a.sections().begin(), a.sections().end(), b.sections().begin(),
        b.sections().end(), [&](const TDTable& x, const TDTable& y) {
            return x.name() == y.name()
                && std::equal(x.entries().begin(), x.entries().end(), y.entries().begin(),
                    y.entries().end(), sameEntry);
        });
}

std::optional<std::string> sortedDictionaryText(const std::string& text)
{
    TDTables original;
    original.parseText(text);
    std::string sorted = sortedText(original);
    TDTables reread;
    reread.parseText(sorted);
    if (!samePairs(original, reread))
        return std::nullopt;
    return sorted;
}

// A built-in language dictionary must hold what the player asks of one, or it would be passed
// over just like a file that does not.
bool meetsRequirements(const std::string& text, const std::filesystem::path& path)
{
    TDTables dictionary;
    dictionary.parseText(text);
    const auto missing = missingRequirement(dictionary);
    if (missing)
        std::fprintf(stderr, "velmora_dictpack: %s lacks %s\n", path.c_str(), missing->c_str());
    return !missing;
}

std::optional<Block> packText(const std::filesystem::path& path, uint8_t seed)
{
    std::string stem = path.stem().string();
    const bool isInterface = stem.ends_with(interfaceSuffix);
    if (isInterface)
        stem.resize(stem.size() - interfaceSuffix.size());
    const std::string language = upperCased(stem);
    const auto source = readFile(path);
    const auto text = source ? sortedDictionaryText(*source) : std::nullopt;
    if (!text || !isPlainName(language) || (!isInterface && !meetsRequirements(*text, path)))
        return std::nullopt;
    // The interface table carries its language name inside the scrambled text.
    const std::string plain = isInterface ? language + '\0' + *text : *text;
    return Block { isInterface ? BlockKind::InterfaceTable : BlockKind::LanguageDictionary,
        language, makeObjBlock(storedDictionary(plain, seed)) };
}

void writeArray(std::ostream& out, size_t index, const std::vector<uint8_t>& bytes)
{
    out << "    constexpr uint8_t block" << index << "[] = {";
    for (size_t i = 0; i < bytes.size(); ++i) {
        out << (i % 16 == 0 ? "\n        " : " ") << static_cast<unsigned>(bytes[i]) << ',';
    }
    out << "\n    };\n\n";
}

// The entries of one accessor's table: the blocks of the given kind, by index.
std::string tableEntries(const std::vector<Block>& blocks, BlockKind kind)
{
    std::ostringstream entries;
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].kind != kind)
            continue;
        if (kind == BlockKind::LanguageDictionary)
            entries << "        { \"" << blocks[i].language << "\", block" << i << " },\n";
        else
            entries << "        block" << i << ",\n";
    }
    return entries.str();
}

void writeAccessor(std::ostream& out, std::string_view signature, std::string_view elementType,
    const std::string& entries)
{
    out << signature << "\n{\n";
    if (entries.empty()) {
        out << "    return {};\n}\n\n";
        return;
    }
    out << "    static constexpr " << elementType << " table[] = {\n"
        << entries << "    };\n    return table;\n}\n\n";
}

void writeSource(std::ostream& out, const std::vector<Block>& blocks)
{
    out << "// Generated by velmora_dictpack from the dictionary texts; do not edit.\n"
        << "#include \"localization/EmbeddedDictionaries.h\"\n\n"
        << "namespace velmora {\n\nnamespace {\n\n";
    for (size_t i = 0; i < blocks.size(); ++i)
        writeArray(out, i, blocks[i].bytes);
    out << "} // namespace\n\n";
    writeAccessor(out, "std::span<const EmbeddedDictionary> embeddedLanguageDictionaries()",
        "EmbeddedDictionary", tableEntries(blocks, BlockKind::LanguageDictionary));
    writeAccessor(out, "std::span<const std::span<const uint8_t>> embeddedInterfaceBlocks()",
        "std::span<const uint8_t>", tableEntries(blocks, BlockKind::InterfaceTable));
    out << "} // namespace velmora\n";
}

} // namespace

int main(int argumentCount, char** arguments)
{
    if (argumentCount < 3) {
        std::fprintf(stderr, "usage: velmora_dictpack SEED OUTPUT.cpp TEXT...\n");
        return 2;
    }
    const auto seed = static_cast<uint8_t>(std::stoul(arguments[1]));
    std::vector<std::filesystem::path> texts(arguments + 3, arguments + argumentCount);
    std::sort(texts.begin(), texts.end());
    std::vector<Block> blocks;
    for (const auto& path : texts) {
        auto block = packText(path, seed);
        if (!block) {
            std::fprintf(stderr, "velmora_dictpack: cannot pack %s\n", path.c_str());
            return 1;
        }
        blocks.push_back(std::move(*block));
    }
    std::ofstream out(arguments[2], std::ios::binary);
    writeSource(out, blocks);
    out.close();
    return out ? 0 : 1;
}
