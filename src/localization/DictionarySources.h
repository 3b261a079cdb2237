// Dictionary sources: where the dictionary of a language comes from.
//
// A language dictionary is normally the scrambled block built into the program. A file named
// after the language with the extension ".ldx" (for example "english.ldx") in the program's
// folder replaces it, so a dictionary can be corrected or added without rebuilding; a file
// that yields no section, or whose first section is empty, is passed over in favour of the
// built-in block. User-interface blocks hold their language name before a zero byte at the
// start of the scrambled text. Every reader here reports failure by giving nothing.
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

// The dictionary for a language from the ".ldx" file in folder or else from the built-in block
// of that name; nothing when neither gives one.
std::unique_ptr<TDTables> createLanguageDictionary(std::string_view language,
    const std::filesystem::path& folder = programFolder(),
    std::span<const EmbeddedDictionary> builtIn = embeddedLanguageDictionaries());

// The dictionary in a user-interface block: the text after the language name.
std::unique_ptr<TDTables> createDictionaryFromEmbeddedBlock(std::span<const uint8_t> block);

// The language name at the start of a user-interface block; empty when it cannot be read.
std::string embeddedBlockName(std::span<const uint8_t> block);

} // namespace velmora
