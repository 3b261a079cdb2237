// Fuzzes the dictionary readers with arbitrary bytes.
//
// Each input is read four ways: as plain dictionary text; as a scrambled text (seed byte first);
// in the stored form, whose check value nearly always refuses it; and put in the stored form, as a
// built-in user-interface block (language name, zero byte, text), and as one unchanged. Whatever is
// parsed must keep its promise that every pair in a section the lookups can reach is found again,
// and the lookups and message expansions of the language dictionary are run over the parsed keys.
#include "localization/CodedStream.h"
#include "localization/DictionarySources.h"
#include "localization/InterfaceStrings.h"
#include "localization/LanguageDictionary.h"
#include "localization/MemoryStream.h"
#include "localization/NameTranslation.h"
#include "localization/ObjStream.h"
#include "localization/StoredDictionary.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace velmora;

constexpr size_t lookupLimit = 16;

// A pair that the section lookup can reach must be found by its own key.
void checkPairsAreFound(const TDTables& tables)
{
    for (const TDTable& section : tables.sections()) {
        if (tables.findSection(section.name()) != &section)
            continue; // hidden by a later section of the same name
        for (const DictionaryEntry& entry : section.entries())
            if (!tables.find(section.name(), entry.key))
                __builtin_trap();
    }
}

void exerciseLookups(std::unique_ptr<TDTables> tables)
{
    checkPairsAreFound(*tables);
    const TDTables& parsed = *tables;
    // The process-wide dictionary, because translating internal names in synonym tests reads it.
    LanguageDictionary& dictionary = languageDictionary();
    dictionary.install(std::move(tables), "fuzz");
    dictionary.setAnsiOption(!parsed.sections().empty());
    dictionary.booleanWord(true);
    dictionary.booleanWord(false);
    size_t lookups = 0;
    for (const TDTable& section : parsed.sections()) {
        for (const DictionaryEntry& entry : section.entries()) {
            if (++lookups > lookupLimit)
                return;
            dictionary.firstWord(section.name(), entry.key);
            dictionary.message(entry.key, entry.value, entry.key);
            dictionary.message(entry.key, entry.value);
            dictionary.isSynonymInSection(section.name(), entry.key, entry.value);
            dictionary.synonyms(entry.key);
            dictionary.isTrueWord(entry.value);
        }
    }
}

std::unique_ptr<TDTables> parsePlain(std::string_view text)
{
    auto tables = std::make_unique<TDTables>();
    tables->parseText(text);
    return tables;
}

std::unique_ptr<TDTables> parseScrambled(const uint8_t* data, size_t size)
{
    MemoryStream memory(std::vector<uint8_t>(data, data + size));
    tcodedstream coded(memory, CodedStreamMode::Reading);
    auto tables = std::make_unique<TDTables>();
    tables->parse(readAll(coded).value_or(ByteBuffer {}));
    return tables;
}

std::unique_ptr<TDTables> parseStored(const uint8_t* data, size_t size)
{
    MemoryStream memory(std::vector<uint8_t>(data, data + size));
    auto tables = std::make_unique<TDTables>();
    tables->parse(readStoredDictionary(memory).value_or(ByteBuffer {}));
    return tables;
}

void readAsInterfaceBlock(std::span<const uint8_t> block)
{
    const std::span<const uint8_t> blocks[] = { block };
    InterfaceStrings strings(blocks);
    strings.setProjectLanguage(embeddedBlockName(block));
    strings.formattedInterfaceString("ok", "%s");
    exerciseLookups(createDictionaryFromEmbeddedBlock(block));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    languageDictionary().setMessageSink([](const std::string&) {});
    setTranslationMessageSink([](const std::string&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    exerciseLookups(parsePlain({ reinterpret_cast<const char*>(data), size }));
    exerciseLookups(parseScrambled(data, size));
    exerciseLookups(parseStored(data, size));
    readAsInterfaceBlock({ data, size });
    readAsInterfaceBlock(
        makeObjBlock(storedDictionary({ reinterpret_cast<const char*>(data), size }, 0)));
    return 0;
}
