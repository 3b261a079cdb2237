// One section of a dictionary: key/value pairs kept sorted by key.
//
// A section is a view: its name and pairs point into text and pair storage that the dictionary
// holding it owns (TDTables), so a section lives only as long as that dictionary. The parser
// hands over the pairs in file order and the section sorts them once, stably, so pairs with
// equal keys keep their file order. Keys are compared by byte value. A lookup halves the sorted
// pairs; when several pairs share the key, the one the halving meets first answers, which is why
// dictionaries should not repeat a key within a section.
//
// A pair is stored as the places of its key and value in the dictionary's text, in 32 bits each:
// half the size of two views, so the pairs of a large dictionary touch half the memory pages.
// The views are made as the pairs are read.
#pragma once

#include "localization/DictionaryText.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>
#include <string_view>

namespace velmora {

struct DictionaryEntry {
    std::string_view key;
    std::string_view value;
};

// Where a pair's key and value lie in the dictionary's text.
struct DictionaryPair {
    uint32_t keyStart;
    uint32_t keyLength;
    uint32_t valueStart;
    uint32_t valueLength;
};

class TDTable {
public:
    // The name and keys must already be trimmed and lower-cased (A to Z only) as the parser does
    // it; the pairs, whose places count from text, are sorted here, in place.
    TDTable(std::string_view name, const char* text, std::span<DictionaryPair> pairs);

    std::string_view name() const { return m_name; }
    // The pairs of a section as entries, each made as it is read. Written out rather than as a
    // transform view, which clang 14 (the fuzzers' compiler) cannot build with libstdc++ 12.
    class Entries {
    public:
        class Iterator {
        public:
            using iterator_category = std::forward_iterator_tag;
            using value_type = DictionaryEntry;
            using difference_type = std::ptrdiff_t;
            using pointer = void;
            using reference = DictionaryEntry;

            Iterator() = default;
            Iterator(const char* text, const DictionaryPair* pair)
                : m_text(text)
                , m_pair(pair)
            {
            }
            DictionaryEntry operator*() const
            {
                return { keyOf(m_text, *m_pair), valueOf(m_text, *m_pair) };
            }
            Iterator& operator++()
            {
                ++m_pair;
                return *this;
            }
            Iterator operator++(int) { return { m_text, m_pair++ }; }
            bool operator==(const Iterator& other) const { return m_pair == other.m_pair; }

        private:
            const char* m_text = nullptr;
            const DictionaryPair* m_pair = nullptr;
        };

        Entries(const char* text, std::span<const DictionaryPair> pairs)
            : m_text(text)
            , m_pairs(pairs)
        {
        }
        Iterator begin() const { return { m_text, m_pairs.data() }; }
        Iterator end() const { return { m_text, m_pairs.data() + m_pairs.size() }; }
        bool empty() const { return m_pairs.empty(); }

    private:
        const char* m_text;
        std::span<const DictionaryPair> m_pairs;
    };

    // The pairs in key order, as views of the text made as they are read.
    Entries entries() const { return { m_text, m_pairs }; }

    // Exact: the key is compared as given, byte by byte. Either: its letters A to Z are folded
    // to small letters first, as the stored keys are.
    std::optional<std::string_view> find(
        std::string_view key, LetterCase letterCase = LetterCase::Exact) const;

private:
    static std::string_view keyOf(const char* text, const DictionaryPair& pair)
    {
        return { text + pair.keyStart, pair.keyLength };
    }
    static std::string_view valueOf(const char* text, const DictionaryPair& pair)
    {
        return { text + pair.valueStart, pair.valueLength };
    }

    template <typename Order> std::optional<std::string_view> halve(Order order) const;

    std::string_view m_name;
    const char* m_text;
    std::span<const DictionaryPair> m_pairs;
};

} // namespace velmora
