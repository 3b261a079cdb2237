#include "localization/LanguageVocabulary.h"

#include "localization/DictionaryText.h"
#include "localization/PropertyRows.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace velmora {

namespace {

    // Ranks of the kinds of names, for a spelling that several names share.
    constexpr int propertyRank = 0;
    constexpr int commandRank = 10;
    constexpr int languageWordRank = 20;
    constexpr int setterRank = 30;
    constexpr int extraSpellingRank = 40;
    constexpr int classRank = 50;
    constexpr int optionRank = 60;
    constexpr int systemNameRank = 70;

    const std::set<std::string>& propertyKeys()
    {
        static const std::set<std::string> keys = [] {
            std::set<std::string> all;
            for (int32_t property = 0; property < propertyCount; ++property)
                if (const std::string_view key = PropertyRows::internalName(property); !key.empty())
                    all.insert(asciiLowered(key));
            return all;
        }();
        return keys;
    }

    std::string_view sectionOf(WordKind kind)
    {
        switch (kind) {
        case WordKind::ExtraSetter:
            return "set";
        case WordKind::ExtraGetter:
            return "get";
        case WordKind::Other:
            return "other";
        case WordKind::Class:
            return "class";
        case WordKind::Option:
            return "option";
        case WordKind::SystemName:
            return "name";
        case WordKind::Parameter:
            return "param";
        case WordKind::Name:
        case WordKind::Setter:
            break;
        }
        return "dict";
    }

} // namespace

LanguageVocabulary::LanguageVocabulary(const TDTables& dictionary, std::string_view language)
    : m_dictionary(dictionary)
    , m_comparison(NameComparison::ofLanguage(
          language, !dictionary.find("system", "ansi").value_or("").empty()))
    , m_letterCase(NameComparison::caseInsensitive(codePageOfLanguage(language)))
{
    for (int byte = 0; byte < 256; ++byte)
        m_toSmall[static_cast<size_t>(byte)] = static_cast<uint8_t>(byte);
    for (int byte = 0; byte < 256; ++byte) {
        const uint8_t capital = m_letterCase.fold(static_cast<uint8_t>(byte));
        if (capital != byte)
            m_toSmall[capital] = static_cast<uint8_t>(byte);
    }
    const std::string setter(dictionary.find("system", "setfix").value_or("set*"));
    const size_t star = setter.find('*');
    m_setterPrefix = setter.substr(0, star);
    m_setterSuffix = star == std::string::npos ? "" : setter.substr(star + 1);

    if (const TDTable* names = dictionary.findSection("dict")) {
        for (const DictionaryEntry& entry : names->entries()) {
            const bool property = propertyKeys().contains(std::string(entry.key));
            add(WordKind::Name, entry.key, entry.value, property ? propertyRank : commandRank);
            if (property)
                add(WordKind::Setter, entry.key, entry.value, setterRank);
        }
    }
    for (const auto& [kind, section, rank] :
        { std::tuple { WordKind::ExtraSetter, "set", extraSpellingRank },
            std::tuple { WordKind::ExtraGetter, "get", extraSpellingRank },
            std::tuple { WordKind::Class, "class", classRank },
            std::tuple { WordKind::Option, "option", optionRank },
            std::tuple { WordKind::SystemName, "name", systemNameRank } })
        if (const TDTable* table = dictionary.findSection(section))
            for (const DictionaryEntry& entry : table->entries())
                add(kind, entry.key, entry.value, rank);
    if (const TDTable* words = dictionary.findSection("other"))
        for (const DictionaryEntry& entry : words->entries())
            add(WordKind::Other, entry.key, entry.value, languageWordRank);
    if (const TDTable* parameters = dictionary.findSection("param"))
        for (const DictionaryEntry& entry : parameters->entries())
            add(WordKind::Parameter, entry.key, entry.value, 0);
}

void LanguageVocabulary::add(
    WordKind kind, std::string_view key, std::string_view synonyms, int rank)
{
    const std::vector<std::string> words = split(synonyms, ' ');
    for (size_t place = 0; place < words.size(); ++place) {
        const std::string spelling
            = kind == WordKind::Setter ? setterForm(words[place]) : words[place];
        // A main word is meant before a synonym of the same rank.
        SpellingTable& table = kind == WordKind::Parameter ? m_prefixes : m_words;
        table[m_comparison.folded(spelling)].push_back(
            { { kind, std::string(key), place }, rank + (place == 0 ? 0 : 1) });
    }
}

std::optional<InternalWord> LanguageVocabulary::find(std::string_view spelling) const
{
    return findIn(m_words, spelling);
}

std::optional<InternalWord> LanguageVocabulary::findOfKind(
    std::string_view spelling, WordKind kind) const
{
    const auto found = m_words.find(m_comparison.folded(spelling));
    if (found == m_words.end())
        return std::nullopt;
    for (const Found& candidate : found->second)
        if (candidate.word.kind == kind)
            return candidate.word;
    return std::nullopt;
}

std::optional<InternalWord> LanguageVocabulary::findPrefix(std::string_view spelling) const
{
    return findIn(m_prefixes, spelling);
}

std::optional<InternalWord> LanguageVocabulary::findIn(
    const SpellingTable& table, std::string_view spelling) const
{
    const auto found = table.find(m_comparison.folded(spelling));
    if (found == table.end())
        return std::nullopt;
    const auto best = std::min_element(found->second.begin(), found->second.end(),
        [](const Found& a, const Found& b) { return a.rank < b.rank; });
    return best->word;
}

std::string LanguageVocabulary::spell(const InternalWord& word) const
{
    const std::vector<std::string> words = synonymsOf(sectionOf(word.kind), word.key);
    if (word.kind == WordKind::ExtraSetter || word.kind == WordKind::ExtraGetter) {
        if (word.place < words.size())
            return words[word.place];
        // Without that extra spelling the property's own setter or name says the same.
        const std::vector<std::string> names = synonymsOf("dict", word.key);
        if (names.empty())
            return {};
        return word.kind == WordKind::ExtraSetter ? setterForm(names.front()) : names.front();
    }
    if (words.empty())
        return {};
    const std::string& chosen = word.place < words.size() ? words[word.place] : words.front();
    return word.kind == WordKind::Setter ? setterForm(chosen) : chosen;
}

bool LanguageVocabulary::hasSmallLetter(std::string_view word) const
{
    return std::any_of(word.begin(), word.end(), [this](char c) {
        return m_letterCase.fold(static_cast<uint8_t>(c)) != static_cast<uint8_t>(c);
    });
}

bool LanguageVocabulary::hasCapital(std::string_view word) const
{
    return std::any_of(word.begin(), word.end(),
        [this](char c) { return m_toSmall[static_cast<uint8_t>(c)] != static_cast<uint8_t>(c); });
}

std::string LanguageVocabulary::uppered(std::string_view word) const
{
    return m_letterCase.folded(word);
}

std::string LanguageVocabulary::lowered(std::string_view word) const
{
    std::string small(word);
    for (char& c : small)
        c = static_cast<char>(m_toSmall[static_cast<uint8_t>(c)]);
    return small;
}

std::vector<std::string> LanguageVocabulary::synonymsOf(
    std::string_view section, std::string_view key) const
{
    return split(m_dictionary.find(section, key).value_or(""), ' ');
}

std::string LanguageVocabulary::setterForm(std::string_view word) const
{
    std::string setter;
    setter.reserve(m_setterPrefix.size() + word.size() + m_setterSuffix.size());
    setter.append(m_setterPrefix).append(word).append(m_setterSuffix);
    return setter;
}

} // namespace velmora
