// One section of a dictionary: key/value pairs kept sorted by key.
//
// The parser adds pairs in file order and the section sorts them once, stably, when it is closed
// (or first searched), so pairs with equal keys keep their file order. Keys are compared by byte
// value. A lookup halves the sorted pairs; when several pairs share the key, the one the halving
// meets first answers, which is why dictionaries should not repeat a key within a section.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct DictionaryEntry {
    std::string key;
    std::string value;
};

class TDTable {
public:
    // The name is kept trimmed and lower-cased (A to Z only).
    explicit TDTable(std::string_view name);

    const std::string& name() const { return m_name; }
    std::span<const DictionaryEntry> entries() const
    {
        sort();
        return m_entries;
    }

    // The key must already be lower-cased as the parser does it.
    void insert(std::string key, std::string value);
    // Sorts the pairs and returns the spare room reserved while the section was being filled.
    void close();

    // The key is compared as given, byte by byte.
    std::optional<std::string_view> find(std::string_view key) const;

private:
    void sort() const;

    std::string m_name;
    mutable std::vector<DictionaryEntry> m_entries;
    mutable bool m_sorted = true;
};

} // namespace velmora
