// The languages whose dictionaries are built into the program, for tests that check every one of
// them: a language counts as soon as its dictionary text is in the tree.
#pragma once

#include "localization/DictionarySources.h"
#include "localization/DictionaryText.h"
#include "localization/EmbeddedDictionaries.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora {

// The lower-case names of the built-in language dictionaries, English first.
inline std::vector<std::string> builtInLanguages()
{
    std::vector<std::string> languages { "english" };
    for (const EmbeddedDictionary& dictionary : embeddedLanguageDictionaries())
        if (asciiLowered(dictionary.name) != "english")
            languages.push_back(asciiLowered(dictionary.name));
    return languages;
}

// The built-in language dictionary of a language; none when it has no built-in block.
inline std::unique_ptr<TDTables> builtInDictionary(const std::string& language)
{
    return createLanguageDictionary(language, {}).dictionary;
}

// The built-in user-interface table of a language; none when it has no built-in block.
inline std::unique_ptr<TDTables> builtInInterfaceTable(const std::string& language)
{
    for (const auto& block : embeddedInterfaceBlocks())
        if (embeddedBlockName(block) == asciiUppered(language))
            return createDictionaryFromEmbeddedBlock(block);
    return nullptr;
}

} // namespace velmora
