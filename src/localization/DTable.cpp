#include "localization/DTable.h"

#include "localization/DictionaryText.h"

#include <algorithm>
#include <cstddef>

namespace velmora {

TDTable::TDTable(std::string_view name)
    : m_name(asciiLowered(trimmed(name)))
{
}

void TDTable::insert(std::string key, std::string value)
{
    if (!m_entries.empty() && key < m_entries.back().key)
        m_sorted = false;
    m_entries.push_back(DictionaryEntry { std::move(key), std::move(value) });
}

void TDTable::close()
{
    sort();
    m_entries.shrink_to_fit();
}

// Insertion in file order, then one stable sort: the order that inserting each pair after every
// pair with a key not greater would give, in n log n instead of n squared.
void TDTable::sort() const
{
    if (m_sorted)
        return;
    std::stable_sort(m_entries.begin(), m_entries.end(),
        [](const DictionaryEntry& a, const DictionaryEntry& b) { return a.key < b.key; });
    m_sorted = true;
}

std::optional<std::string_view> TDTable::find(std::string_view key) const
{
    sort();
    std::ptrdiff_t low = 0;
    std::ptrdiff_t high = static_cast<std::ptrdiff_t>(m_entries.size()) - 1;
    while (low <= high) {
        const std::ptrdiff_t middle = low + (high - low) / 2;
        const DictionaryEntry& entry = m_entries[static_cast<size_t>(middle)];
        const int order = entry.key.compare(key);
        if (order == 0)
            return entry.value;
        if (order < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    return std::nullopt;
}

} // namespace velmora
