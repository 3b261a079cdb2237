// One section of a dictionary: key/value pairs kept sorted by key.
//
// A section is a view: its name and pairs point into text and pair storage that the dictionary
// holding it owns (TDTables), so a section lives only as long as that dictionary. The parser
// hands over the pairs in file order and the section sorts them once, stably, so pairs with
// equal keys keep their file order. Keys are compared by byte value. A lookup halves the sorted
// pairs; when several pairs share the key, the one the halving meets first answers, which is why
// dictionaries should not repeat a key within a section.
#pragma once

#include "localization/DictionaryText.h"

#include <optional>
#include <span>
#include <string_view>

namespace velmora {

struct DictionaryEntry {
    std::string_view key;
    std::string_view value;
};

class TDTable {
public:
    // The name and keys must already be trimmed and lower-cased (A to Z only) as the parser does
    // it; the pairs are sorted here, in place.
    TDTable(std::string_view name, std::span<DictionaryEntry> entries);

    std::string_view name() const { return m_name; }
    std::span<const DictionaryEntry> entries() const { return m_entries; }

    // Exact: the key is compared as given, byte by byte. Either: its letters A to Z are folded
    // to small letters first, as the stored keys are.
    std::optional<std::string_view> find(
        std::string_view key, LetterCase letterCase = LetterCase::Exact) const;

private:
    std::string_view m_name;
    std::span<const DictionaryEntry> m_entries;
};

} // namespace velmora
