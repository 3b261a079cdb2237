#include "localization/DTable.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

// The stable sort gives the order that inserting each pair after every pair with a key not
// greater would give; a section written in key order needs no sorting at all.
TDTable::TDTable(std::string_view name, const char* text, std::span<DictionaryPair> pairs)
    : m_name(name)
    , m_text(text)
    , m_pairs(pairs)
{
    const auto keyBefore = [text](const DictionaryPair& a, const DictionaryPair& b) {
        return keyOf(text, a) < keyOf(text, b);
    };
    if (!std::is_sorted(pairs.begin(), pairs.end(), keyBefore))
        std::stable_sort(pairs.begin(), pairs.end(), keyBefore);
}

// The halving every lookup makes; order(key) tells how a stored key sorts against the wanted one.
template <typename Order> std::optional<std::string_view> TDTable::halve(Order order) const
{
    std::ptrdiff_t low = 0;
    std::ptrdiff_t high = static_cast<std::ptrdiff_t>(m_pairs.size()) - 1;
    while (low <= high) {
        const std::ptrdiff_t middle = low + (high - low) / 2;
        const DictionaryPair& pair = m_pairs[static_cast<size_t>(middle)];
        const int sign = order(keyOf(m_text, pair));
        if (sign == 0)
            return valueOf(m_text, pair);
        if (sign < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return std::nullopt;
}

// The stored keys are lower-case already, so only the wanted key is folded, as it is compared.
std::optional<std::string_view> TDTable::find(std::string_view key, LetterCase letterCase) const
{
    if (letterCase == LetterCase::Exact)
        return halve([key](std::string_view stored) { return stored.compare(key); });
    return halve([key](std::string_view stored) { return compareLowered(stored, key); });
}

} // namespace velmora
