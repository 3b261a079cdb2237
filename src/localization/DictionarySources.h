// Dictionary sources: where the dictionary of a language comes from.
//
// A language dictionary is normally the block built into the program. A file named after the
// language with the extension ".ldx" (for example "english.ldx") in the program's folder replaces
// it, so a dictionary can be corrected or added without rebuilding. Both are in the stored form
// (StoredDictionary.h). A file that cannot be read, that is damaged or no dictionary, that yields
// no section or an empty first section, or that lacks what a dictionary must hold
// (DictionaryRequirements.h) is passed over for the built-in block, with one line saying why.
// User-interface blocks hold their language name before a zero byte at the start of their text.
// Every reader here reports failure by giving nothing.
#pragma once

#include "localization/DTables.h"
#include "localization/EmbeddedDictionaries.h"

#include <filesystem>
#include <memory>

namespace velmora {

// The languages the player supports, by their resource names.
std::span<const std::string_view> supportedLanguages();

// The lower-cased language name; "*" and the empty name stand for "english".
std::string languageOrDefault(std::string_view name);

// The folder holding the running executable; empty when it cannot be found.
std::filesystem::path programFolder();

// A language dictionary, and the line to show when a file beside the program was passed over.
struct LoadedDictionary {
    std::unique_ptr<TDTables> dictionary; // none when neither file nor block gives one
    std::string warning; // empty when there was nothing to pass over
};

// The dictionary for a language from the ".ldx" file in folder or else from the built-in block
// of that name.
LoadedDictionary createLanguageDictionary(std::string_view language,
    const std::filesystem::path& folder = programFolder(),
    std::span<const EmbeddedDictionary> builtIn = embeddedLanguageDictionaries());

// The dictionary in a user-interface block: the text after the language name.
std::unique_ptr<TDTables> createDictionaryFromEmbeddedBlock(std::span<const uint8_t> block);

// The language name at the start of a user-interface block; empty when it cannot be read.
std::string embeddedBlockName(std::span<const uint8_t> block);

} // namespace velmora
