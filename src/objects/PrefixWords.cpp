#include "objects/PrefixWords.h"

#include "localization/LanguageDictionary.h"
#include "localization/NameCodes.h"

#include <iterator>

namespace velmora {

namespace {

    constexpr std::string_view prefixKeys[] = {
#define VELMORA_PREFIX_KEY(name, key) key,
        VELMORA_PREFIX_WORDS(VELMORA_PREFIX_KEY)
#undef VELMORA_PREFIX_KEY
    };

    // Searched from the last word back to the first, should two words share a localized form.
    PrefixWord prefixNamed(std::string_view word, tlogoobject* key)
    {
        const LanguageDictionary& dictionary = languageDictionary();
        for (size_t index = std::size(prefixKeys); index-- > 0;)
            if (dictionary.isSynonymInSection("param", prefixKeys[index], word))
                return static_cast<PrefixWord>(index);
        throw eLogoException(erWrongPrefix, key);
    }

} // namespace

std::string localizedPrefix(PrefixWord word)
{
    return languageDictionary().firstWord("param", prefixKeys[static_cast<size_t>(word)]);
}

PrefixedName readPrefixedName(tlogoobject* key)
{
    const NameCode whole = key->nameCode();
    const std::string_view text = key->text();
    const size_t apostrophe = text.find('\'');
    if (apostrophe == std::string_view::npos)
        return { std::nullopt, whole };
    const std::string_view name = text.substr(apostrophe + 1);
    if (name.empty() || name.find('\'') != std::string_view::npos)
        throw eLogoException(erWrongPrefix, key);
    return { prefixNamed(text.substr(0, apostrophe), key), NameCodes::instance().intern(name) };
}

} // namespace velmora
