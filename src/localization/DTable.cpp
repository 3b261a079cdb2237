#include "localization/DTable.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

namespace {

    bool keyBefore(const DictionaryEntry& a, const DictionaryEntry& b) { return a.key < b.key; }

    // The halving every lookup makes; order(key) tells how a stored key sorts against the wanted
    // one.
    template <typename Order>
    const DictionaryEntry* halve(std::span<const DictionaryEntry> entries, Order order)
    {
        std::ptrdiff_t low = 0;
        std::ptrdiff_t high = static_cast<std::ptrdiff_t>(entries.size()) - 1;
        while (low <= high) {
            const std::ptrdiff_t middle = low + (high - low) / 2;
            const DictionaryEntry& entry = entries[static_cast<size_t>(middle)];
            const int sign = order(entry.key);
            if (sign == 0)
                return &entry;
            if (sign < 0)
                low = middle + 1;
            else
                high = middle - 1;
        }
        return nullptr;
    }

} // namespace

// The stable sort gives the order that inserting each pair after every pair with a key not
// greater would give; a section written in key order needs no sorting at all.
TDTable::TDTable(std::string_view name, std::span<DictionaryEntry> entries)
    : m_name(name)
    , m_entries(entries)
{
    if (!std::is_sorted(entries.begin(), entries.end(), keyBefore))
        std::stable_sort(entries.begin(), entries.end(), keyBefore);
}

std::optional<std::string_view> TDTable::find(std::string_view key, LetterCase letterCase) const
{
    const DictionaryEntry* entry = letterCase == LetterCase::Exact
        ? halve(m_entries, [key](std::string_view stored) { return stored.compare(key); })
        : halve(m_entries, [key](std::string_view stored) { return compareLowered(stored, key); });
    return entry ? std::optional(entry->value) : std::nullopt;
}

} // namespace velmora
