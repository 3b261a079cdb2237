// One section of a dictionary: key/value pairs kept sorted by key.
//
// The parser inserts pairs in file order; each goes after every pair whose key is not greater,
// so pairs with equal keys keep their file order. Keys are compared by byte value. A lookup
// halves the sorted pairs; when several pairs share the key, the one the halving meets first
// answers, which is why dictionaries should not repeat a key within a section.
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
    std::span<const DictionaryEntry> entries() const { return m_entries; }

    // The key must already be lower-cased as the parser does it.
    void insert(std::string key, std::string value);
    // Returns the spare room reserved while the section was being filled.
    void close() { m_entries.shrink_to_fit(); }

    // The key is compared as given, byte by byte.
    std::optional<std::string_view> find(std::string_view key) const;

private:
    std::string m_name;
    std::vector<DictionaryEntry> m_entries;
};

} // namespace velmora
