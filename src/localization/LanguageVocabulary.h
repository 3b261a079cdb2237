// LanguageVocabulary: the words of one language dictionary that name something of the system,
// each found by its spelling and told by its internal name, so that a text can be carried from
// one language into another word by word.
//
// An internal name is the "dict" key of a primitive, property or event (with the setter forms
// of a property and its extra setter and getter spellings), a class key, a word of "other"
// ("true", "false", "to", "end", "error", ...), an option key, a "name" key (the variables and
// procedures that the system itself reads), or a "param" key (the prefixes before an apostrophe).
// Each spelling keeps its place among the synonyms, so that a short form becomes the other
// language's short form in the same place when it has one, and its main word otherwise. A spelling
// shared by several names (as "value" is the word of the value of a slider and of a text box) is
// taken for a command or operation before a property, and for its main word before a synonym: the
// names that share a spelling share it in every language, so the choice matters only for words that
// a dictionary shares where others do not.
//
// A vocabulary is built from a dictionary that is not the current one and never touches the
// current language; it is read-only after construction.
#pragma once

#include "localization/DTables.h"
#include "localization/NameComparison.h"

#include <array>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

enum class WordKind : uint8_t {
    Name, // a synonym of a "dict" entry
    Setter, // a property synonym in the setter template
    ExtraSetter, // a "set" spelling
    ExtraGetter, // a "get" spelling
    Other, // "true", "false", "to", "end", "error", "clipboard", "startup"
    Class, // a class name or alias
    Option, // an option name of "setoption"
    SystemName, // a variable or procedure that the system reads ("initList")
    Parameter, // a "param" word, read as the prefix before an apostrophe
};

// What a spelling stands for, the same in every language.
struct InternalWord {
    WordKind kind;
    std::string key; // lower-case, as the dictionary's keys are
    size_t place; // among the entry's synonyms, 0 for the main word
};

class LanguageVocabulary {
public:
    LanguageVocabulary(const TDTables& dictionary, std::string_view language);

    // The internal word a spelling of this language stands for; nothing for any other word.
    std::optional<InternalWord> find(std::string_view spelling) const;
    // The internal word of that kind a spelling stands for.
    std::optional<InternalWord> findOfKind(std::string_view spelling, WordKind kind) const;
    // The "param" word a prefix before an apostrophe stands for ("usual" in "usual'forward").
    std::optional<InternalWord> findPrefix(std::string_view spelling) const;
    // The exact spelling of the internal word in this language: the synonym in the same place,
    // else the main word; empty when the dictionary has no word for it.
    std::string spell(const InternalWord& word) const;

    // Letter case in the language's code page, accents kept.
    bool hasSmallLetter(std::string_view word) const;
    bool hasCapital(std::string_view word) const;
    std::string uppered(std::string_view word) const;
    std::string lowered(std::string_view word) const;

private:
    struct Found {
        InternalWord word;
        int rank; // the smaller, the likelier meant
    };

    using SpellingTable = std::map<std::string, std::vector<Found>>;

    void add(WordKind kind, std::string_view key, std::string_view synonyms, int rank);
    std::optional<InternalWord> findIn(const SpellingTable& table, std::string_view spelling) const;
    std::vector<std::string> synonymsOf(std::string_view section, std::string_view key) const;
    std::string setterForm(std::string_view word) const;

    const TDTables& m_dictionary;
    NameComparison m_comparison;
    NameComparison m_letterCase; // to capitals
    std::array<uint8_t, 256> m_toSmall;
    std::string m_setterPrefix;
    std::string m_setterSuffix;
    // By spelling folded under the language's name comparison.
    SpellingTable m_words;
    SpellingTable m_prefixes;
};

} // namespace velmora
