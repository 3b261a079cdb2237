// The prefix words that say what a name stands for: in parameter lists ("own'score 5",
// "event'onClick [...]"), in listings ("common'total", "object'rex") and in the names "po" and
// "erase" take. A prefix is a localized word of the dictionary's "param" section followed by an
// apostrophe; each internal word may have several localized forms.
#pragma once

#include "localization/NameCode.h"
#include "values/Errors.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class tlogoobject;

// The internal words, in their internal order, with their dictionary keys.
#define VELMORA_PREFIX_WORDS(X)                                                                    \
    X(Common, "common")                                                                            \
    X(Event, "event")                                                                              \
    X(Procedure, "procedure")                                                                      \
    X(Define, "define")                                                                            \
    X(Setting, "setting")                                                                          \
    X(Var, "var")                                                                                  \
    X(Variable, "variable")                                                                        \
    X(Own, "own")                                                                                  \
    X(Global, "global")                                                                            \
    X(Properties, "properties")                                                                    \
    X(Object, "object")

enum class PrefixWord {
#define VELMORA_PREFIX_ENUM(name, key) name,
    VELMORA_PREFIX_WORDS(VELMORA_PREFIX_ENUM)
#undef VELMORA_PREFIX_ENUM
};

// The first localized form of the word, as listings write it.
std::string localizedPrefix(PrefixWord word);

struct PrefixedName {
    std::optional<PrefixWord> prefix; // none for a name without apostrophe
    NameCode name; // the name after the prefix
};

// "own'score" gives the word own and the name score. Error 8 for a key that is no word, 140 for an
// unknown prefix, an empty name or a second apostrophe.
PrefixedName readPrefixedName(tlogoobject* key);

// A row of a table that says what each prefix word chooses in one place (pair kinds, entries).
template <typename Meaning> struct PrefixMeaning {
    PrefixWord word;
    Meaning meaning;
};

// What the name's prefix chooses by the table: `plain` without a prefix, error 140 (naming the
// key) for a prefix the table does not hold.
template <typename Meaning, size_t Count>
Meaning meaningOf(const PrefixMeaning<Meaning> (&table)[Count], const PrefixedName& name,
    Meaning plain, tlogoobject* key)
{
    if (!name.prefix)
        return plain;
    for (const PrefixMeaning<Meaning>& row : table)
        if (row.word == *name.prefix)
            return row.meaning;
    throw eLogoException(erWrongPrefix, key);
}

} // namespace velmora
