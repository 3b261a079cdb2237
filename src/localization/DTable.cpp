#include "localization/DTable.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace velmora {

namespace {

    // string_view's order, written out: keys are short and mostly differ in their first bytes,
    // where a call to memcmp costs more than the comparing.
    int compareBytes(std::string_view a, std::string_view b)
    {
        const size_t common = std::min(a.size(), b.size());
        for (size_t i = 0; i < common; ++i) {
            if (a[i] != b[i])
                return static_cast<unsigned char>(a[i]) - static_cast<unsigned char>(b[i]);
        }
        return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
    }

} // namespace

// The stable sort gives the order that inserting each pair after every pair with a key not
// greater would give; a section written in key order needs no sorting at all. Neighbouring keys
// share their first bytes more often than the keys a halving meets, so here memcmp, through
// string_view's own comparison, is the quicker.
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

// A key is lowered once, so that every halving step compares plain bytes; one too long for the
// buffer (no dictionary has such keys) is folded at every step instead.
std::optional<std::string_view> TDTable::find(std::string_view key, LetterCase letterCase) const
{
    const auto exactly = [this](std::string_view wanted) {
        return halve([wanted](std::string_view stored) { return compareBytes(stored, wanted); });
    };
    if (letterCase == LetterCase::Exact)
        return exactly(key);
    std::array<char, 64> lowered;
    if (key.size() > lowered.size())
        return halve([key](std::string_view stored) { return compareLowered(stored, key); });
    std::transform(key.begin(), key.end(), lowered.begin(), asciiLower);
    return exactly({ lowered.data(), key.size() });
}

} // namespace velmora
